// SPDX-License-Identifier: MIT
#include "app/OutputCheck.h"

#include <QBrush>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/Cp1251.h"
#include "check/CheckReport.h"
#include "save/AtomicFile.h"
#include "save/TemporaryFolder.h"

namespace quillon::app {

using check::TFileResult;
using check::TFileStatus;
using check::TFileVerdict;
using check::VerdictsByFile;

namespace {

QString FileNameOf(const std::string& Path) {
  return QFileInfo(QString::fromLocal8Bit(Path.c_str())).fileName();
}

// Each file with lines written under its own name into Folder; the list then
// names those copies.
void WriteCopies(std::vector<TOutputFile>& Files, const TTemporaryFolder& Folder) {
  std::string Chunk;
  TFolderSync Folders;
  for (TOutputFile& File : Files) {
    if (!File.Lines) continue;  // the archive: its entries are the files themselves
    File.Path = Folder.File(std::filesystem::path(File.Path).filename().string());
    WriteLinesAtomically(*File.Lines, File.Path, File.LineEnd, false, Chunk, Folders);
  }
}

enum : std::uint8_t { OnlyPlot = 1, OnlyFile = 2 };

std::uint8_t SideOf(QRgb Px) {
  const int R = qRed(Px), B = qBlue(Px);
  if (R > B + 64 && R > qGreen(Px) + 64) return OnlyPlot;
  if (B > R + 64 && B > qGreen(Px) + 64) return OnlyFile;
  return 0;
}

// The area a picture of Width x Height pixels covers, its top left corner
// at the window's top left.
preview::TBoxMm AreaOf(const check::TCheckResult& Result, int SourceHeight, int Width, int Height,
                       int Step) {
  const double PxPerMm = Result.Dpi / 25.4;
  preview::TBoxMm Area;
  Area.Left = Result.Window.Left;
  Area.Top = Result.Window.Bottom + SourceHeight / PxPerMm;
  Area.Right = Area.Left + Width * Step / PxPerMm;
  Area.Bottom = Area.Top - Height * Step / PxPerMm;
  return Area;
}

}  // namespace

QImage OverlayOf(const QImage& Difference) {
  const QImage Source = Difference.convertToFormat(QImage::Format_RGB32);
  const int Side = std::max(Source.width(), Source.height());
  const int Step = std::max(1, (Side + MaxPictureSide - 1) / MaxPictureSide);
  const int W = (Source.width() + Step - 1) / Step, H = (Source.height() + Step - 1) / Step;
  std::vector<std::uint8_t> Sides(static_cast<std::size_t>(W) * H, 0);
  for (int Y = 0; Y < Source.height(); ++Y) {
    const auto* Row = reinterpret_cast<const QRgb*>(Source.constScanLine(Y));
    std::uint8_t* Out = &Sides[static_cast<std::size_t>(Y / Step) * W];
    for (int X = 0; X < Source.width(); ++X) Out[X / Step] |= SideOf(Row[X]);
  }
  QImage Overlay(W, H, QImage::Format_ARGB32_Premultiplied);
  const QRgb Colours[4] = {qRgba(0, 0, 0, 0), qRgb(230, 0, 0), qRgb(0, 64, 255), qRgb(200, 0, 200)};
  for (int Y = 0; Y < H; ++Y) {
    auto* Row = reinterpret_cast<QRgb*>(Overlay.scanLine(Y));
    const std::uint8_t* In = &Sides[static_cast<std::size_t>(Y) * W];
    for (int X = 0; X < W; ++X) Row[X] = Colours[In[X]];
  }
  return Overlay;
}

TCheckOutcome CheckOutput(const TScriptingPcb& Board, std::vector<TOutputFile> Files, bool InMemory,
                          check::TCheckOptions Options) {
  const TTemporaryFolder Work("quillon-check");
  if (InMemory) WriteCopies(Files, Work);
  Options.PictureFolder = Work.Path();
  TCheckOutcome Outcome;
  Outcome.Scale = Board.Scale;
  Outcome.Result = check::CheckOutputFiles(Board, Files, Options);
  for (std::size_t I = 0; I < Outcome.Result.Files.size(); ++I) {
    TFileResult& F = Outcome.Result.Files[I];
    if (!F.Picture.empty()) {
      const QImage Difference(QString::fromLocal8Bit(F.Picture.c_str()));
      F.Picture.clear();  // it goes with the folder
      if (Difference.isNull()) continue;
      TDifferencePicture Picture{I, TCheckTexts::PictureName(F), OverlayOf(Difference), {},
                                 F.Boxes};
      const int Step = (Difference.width() + Picture.Image.width() - 1) / Picture.Image.width();
      Picture.Area = AreaOf(Outcome.Result, Difference.height(), Picture.Image.width(),
                            Picture.Image.height(), Step);
      Outcome.Pictures.push_back(std::move(Picture));
    }
  }
  return Outcome;
}

QString TCheckTexts::PictureName(const TFileResult& File) {
  const QString Name = FileNameOf(File.Path);
  return File.Role == OutputRoleName(TOutputRole::Main) && File.Layer >= 0
             ? tr("%1, layer %2").arg(Name).arg(File.Layer) : Name;
}

QString TCheckTexts::StatusName(TFileStatus Status) {
  switch (Status) {
    case TFileStatus::Passed:
      return tr("matches");
    case TFileStatus::Differs:
      return tr("differs");
    case TFileStatus::Unreadable:
      return tr("unreadable");
    case TFileStatus::Missing:
      return tr("missing");
    case TFileStatus::TimedOut:
      return tr("timed out");
    case TFileStatus::Cancelled:
      return tr("not checked");
  }
  return QString();
}

QString TCheckTexts::Summary(const TCheckOutcome& Outcome) {
  const std::vector<TFileVerdict> Files = VerdictsByFile(Outcome.Result);
  if (Files.empty()) return tr("Check: this output has no Gerber or drill file to check");
  QStringList Failed;
  int Checked = 0;
  for (const TFileVerdict& F : Files) {
    if (F.Status == TFileStatus::Cancelled) continue;
    ++Checked;
    if (F.Status == TFileStatus::Passed) continue;
    const QString Name = FileNameOf(F.Path);
    Failed.append(F.Status == TFileStatus::Differs
                      ? Name
                      : QStringLiteral("%1 (%2)").arg(Name, StatusName(F.Status)));
  }
  const int Total = static_cast<int>(Files.size());
  QString Text;
  if (Failed.isEmpty())
    // English has no plural table here: one file gets its own sentence.
    Text = Checked != Total ? tr("Check: %n of %1 files checked, all match", nullptr, Checked)
                                  .arg(Total)
           : Total == 1     ? tr("Check: the file matches")
                            : tr("Check: %n files match", nullptr, Total);
  else
    Text = tr("Check: %n of %1 files differ: %2", nullptr, static_cast<int>(Failed.size()))
               .arg(Total)
               .arg(Failed.join(QStringLiteral(", ")));
  if (Outcome.Result.CutShort) Text += tr(" (cut short by Cancel)");
  return Text;
}

QString TCheckTexts::ReaderMissing() {
  return tr("gerbv, the reader the check needs, is not installed (Debian package gerbv)");
}

QString TCheckTexts::Progress(int Done, int Total) {
  return tr("Checking: %1 of %2 files read back").arg(Done).arg(Total);
}

void ShowCheckColumns(QTreeWidget* List, const std::vector<TOutputFile>& Files,
                      const TCheckOutcome* Outcome) {
  constexpr int First = 4;  // after name, role, lines and bytes
  if (!Outcome) {
    List->setColumnCount(First);
    return;
  }
  List->setColumnCount(First + 3);
  QTreeWidgetItem* Header = List->headerItem();
  Header->setText(First, TCheckTexts::tr("Check"));
  Header->setText(First + 1, TCheckTexts::tr("Difference, mm²"));
  Header->setText(First + 2, TCheckTexts::tr("Read by"));
  const QLocale Locale;
  const std::vector<TFileVerdict> Verdicts = VerdictsByFile(Outcome->Result);
  for (int Row = 0; Row < List->topLevelItemCount() && Row < static_cast<int>(Files.size());
       ++Row) {
    const TOutputFile& File = Files[static_cast<std::size_t>(Row)];
    QTreeWidgetItem* Item = List->topLevelItem(Row);
    const auto Found = std::find_if(Verdicts.begin(), Verdicts.end(), [&](const TFileVerdict& V) {
      return V.Role == OutputRoleName(File.Role) &&
             (File.Role == TOutputRole::Main || V.Layer == File.Layer);
    });
    if (Found == Verdicts.end()) {
      for (int C = First; C < First + 3; ++C) Item->setText(C, QString());
      continue;
    }
    const bool Passed = Found->Status == TFileStatus::Passed;
    Item->setText(First, TCheckTexts::StatusName(Found->Status));
    Item->setForeground(First, Passed ? QBrush(QColor(0, 120, 0)) : QBrush(QColor(170, 0, 0)));
    Item->setToolTip(First, FromCoreText(Found->Message));
    const bool Compared = Passed || Found->Status == TFileStatus::Differs;
    Item->setText(First + 1, Compared ? Locale.toString(Found->AreaMm2, 'f', 3) : QString());
    Item->setTextAlignment(First + 1, Qt::AlignRight | Qt::AlignVCenter);
    Item->setText(First + 2, QString::fromStdString(Found->Reader));
  }
}

}  // namespace quillon::app
