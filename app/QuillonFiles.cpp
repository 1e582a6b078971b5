// SPDX-License-Identifier: MIT
// Opening plot files and pin descriptions: the "Plt" lists, the "Pins"
// memo and grid, and files dropped onto the window.

#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCursor>
#include <QUrl>
#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>

#include "app/Cp1251.h"
#include "app/PinGrid.h"
#include "app/QuillonMain.h"
#include "app/WorkRunner.h"
#include "model/PlotError.h"
#include "model/PlotFormat.h"
#include "pins/DescriptionFile.h"
#include "script/LayerRoles.h"
#include "text/CodePage.h"

namespace quillon::app {

namespace {

// The lines joined for a text pane, without a line end after the last.
QString PaneText(const TTextLines& Lines) {
  std::string Text = Lines.Join("\n");
  if (!Text.empty()) Text.pop_back();
  return FromCp1251(Text);
}

// What the byte reader says when the file ends too soon.
constexpr std::string_view EndOfFileText = "EOF!!!!!";

// Passes the reader's prompts on; where it only says that the signature is
// wrong, the message also names the file and what it should have held.
class TLoadPrompts final : public TUserPrompts {
 public:
  TLoadPrompts(TUserPrompts& Inner, const QString& FileName) : Inner(Inner), FileName(FileName) {}

  void NotifyUser(std::string_view Text) override {
    // The end of the file is told once, with what was loaded, by the window.
    if (Text == EndOfFileText) return;
    if (Text != BadSignatureText) return Inner.NotifyUser(Text);
    const QString Detail = QCoreApplication::translate(
        "quillon::app::TQuillonMain",
        "%1: not a plot file. A plot file begins with the signature word 0x804E "
        "(bytes 4E 80).");
    Inner.NotifyUser(std::string(Text) + "\n\n" + Detail.arg(FileName).toStdString());
  }
  TAnswer AskUser(std::string_view Text) override { return Inner.AskUser(Text); }

 private:
  TUserPrompts& Inner;
  QString FileName;
};

// What a load puts into a board, moved from the board it was read into.
void AdoptLoad(TPcb& Board, TPcb& Loaded) {
  Board.TakeLayers(Loaded);
  Board.Version = std::move(Loaded.Version);
  Board.Extents = Loaded.Extents;
  Board.Scale = Loaded.Scale;
  Board.CurrentLayer = Loaded.CurrentLayer;
  Board.UnknownTagCount = Loaded.UnknownTagCount;
}

}  // namespace

void TQuillonMain::FileOpenAccept(const QString& FileName) {
  if (Busy()) return;
  const QFileInfo Info(FileName);
  // Refused before reading: the board shown, its lists and the title stay.
  if (Info.isDir())
    return RefuseLoad(FileName, tr("%1 is a folder, not a plot file.").arg(FileName));
  if (Info.isFile() && Info.size() == 0)
    return RefuseLoad(FileName,
                      tr("%1 is empty: a plot file holds at least its header.").arg(FileName));
  // Read into a board of its own on the worker: the shown board stays whole
  // meanwhile, and is replaced only by a load that brought layers.
  TScriptingPcb Fresh;
  TLoadPrompts LoadPrompts(Prompts, FileName);
  Fresh.SetPrompts(&LoadPrompts);
  Fresh.SetProgress(Runner);
  bool Cancelled = false;
  std::optional<TPlotError> Stopped;
  try {
    Cancelled =
        !Runner->Run([&] { Fresh.LoadFromFile(QFile::encodeName(FileName).toStdString()); });
  } catch (const TPlotError& Error) {
    Stopped = Error;
  } catch (const std::exception& Error) {
    return RefuseLoad(FileName, FileName + QStringLiteral(": ") + FromCoreText(Error.what()));
  }
  if (Cancelled) {
    StatusText->setText(tr("Loading cancelled"));
    return;
  }
  if (Fresh.Layers.Count() == 0) {
    // A wrong signature has been told by the reader already.
    if (!Stopped) return RefuseLoad(FileName, QString());
    const QString Why = FromCoreText(Stopped->what());
    return RefuseLoad(FileName, Stopped->Offset < 0
                                    ? FileName + QStringLiteral(": ") + Why
                                    : tr("%1: no layer could be read (%2 at byte %3).")
                                          .arg(FileName, Why)
                                          .arg(Stopped->Offset));
  }
  AdoptLoad(*Board, Fresh);
  PlotDialog.FileName = FileName;
  DropOutput();
  IncompleteNote.clear();
  WarnedIncompleteConvert = WarnedIncompleteSave = false;
  if (Stopped) {
    IncompleteNote = tr("incomplete: reading stopped at byte %1").arg(Stopped->Offset);
    Prompts.ReportError(tr("%1 is incomplete: %2 at byte %3. %4 layers and %5 items were loaded; "
                           "what follows is missing.")
                            .arg(FileName, FromCoreText(Stopped->what()))
                            .arg(Stopped->Offset)
                            .arg(Board->Layers.Count())
                            .arg(BoardItemCount()));
  }
  UpdateTitle();
  MPageControl->setCurrentWidget(PltSheet);
  FillLayerLists();
  AddRecentFile(FileName);
  ShowUndefinedPins();
  ShowLoadedBoard();
  UpdateSaveActions();
  emit BoardChanged();
}

void TQuillonMain::RefuseLoad(const QString& FileName, const QString& Message) {
  if (!Message.isEmpty()) Prompts.ReportError(Message);
  const QString Name = QFileInfo(FileName).fileName();
  StatusText->setText(Board->Layers.Count() > 0
                          ? tr("%1 was not loaded; the board shown is unchanged").arg(Name)
                          : tr("%1 was not loaded").arg(Name));
}

std::int64_t TQuillonMain::BoardItemCount() const {
  std::int64_t Items = 0;
  for (const TLayer& Layer : Board->Layers)
    Items += Layer.Lines.Count() + Layer.Arcs.Count() + Layer.Texts.Count() +
             Layer.Flashes.Count() + Layer.Polygons.Count();
  return Items;
}

QString TQuillonMain::LayerLabel(int L) const {
  const TLayer& Layer = Board->Layers.Items(L);
  return QStringLiteral("%1: %2").arg(Layer.Number).arg(FromCp1251(Layer.Name));
}

void TQuillonMain::ShowLoadedBoard() {
  QString Text = tr("%1 layers, %2 items").arg(Board->Layers.Count()).arg(BoardItemCount());
  if (!IncompleteNote.isEmpty()) Text += QStringLiteral(" — ") + IncompleteNote;
  StatusText->setText(Text);
}

void TQuillonMain::FillLayerLists() {
  ShowPltState();
  const QList<QComboBox*> Lists = {AperTopCB, AperBotCB, AperMskTopCB, AperMskBotCB, DrlCB};
  QStringList Entries;
  Entries.reserve(Board->Layers.Count());
  for (int I = 0; I < Board->Layers.Count(); ++I) {
    Entries.append(LayerLabel(I));
  }
  for (QComboBox* List : Lists) {
    List->clear();
    List->addItems(Entries);
    List->setCurrentIndex(-1);
  }
  // Each entry's whole text, where the list cuts a long one.
  const auto EntryTips = [](QComboBox* List) {
    for (int I = 0; I < List->count(); ++I) List->setItemData(I, List->itemText(I), Qt::ToolTipRole);
  };
  // Later layers of the same name win; a role no name matches stays unset.
  for (qsizetype L = 0; L < Lists.size(); ++L)
    if (const auto Found =
            PreselectLayer(Board->Layers, ConversionRoles[static_cast<std::size_t>(L)],
                           std::numeric_limits<int>::max()))
      Lists[L]->setCurrentIndex(*Found);
  const QList<QComboBox*> Package = PackageLists();
  for (qsizetype R = 0; R < Package.size(); ++R) {
    Package[R]->clear();
    Package[R]->addItem(tr("(none)"));
    Package[R]->addItems(Entries);
    Package[R]->setCurrentIndex(PackageListIndex(static_cast<std::size_t>(R)));
  }
  for (QComboBox* List : Lists + Package) EntryTips(List);
}

std::vector<TLayerRole> TQuillonMain::ChosenRoles() const {
  std::vector<TLayerRole> Roles(static_cast<std::size_t>(Board->Layers.Count()), TLayerRole::Other);
  const auto Take = [&](const QComboBox* List, int Offset, TLayerRole Role) {
    const int L = List->currentIndex() - Offset;
    if (L >= 0 && L < static_cast<int>(Roles.size())) Roles[static_cast<std::size_t>(L)] = Role;
  };
  // As the conversion: a package role only where no conversion role is, and
  // among the conversion roles the later wins.
  const QList<QComboBox*> Package = PackageLists();
  for (qsizetype R = 0; R < Package.size(); ++R)
    Take(Package[R], 1, PackageRoles[static_cast<std::size_t>(R)]);
  const QList<QComboBox*> Conversion = {AperTopCB, AperBotCB, AperMskTopCB, AperMskBotCB, DrlCB};
  for (qsizetype R = 0; R < Conversion.size(); ++R)
    Take(Conversion[R], 0, ConversionRoles[static_cast<std::size_t>(R)]);
  return Roles;
}

int TQuillonMain::PackageListIndex(std::size_t R) const {
  // A role is stored as a byte: only the first 256 layers can take one.
  constexpr int MaxLayer = 255;
  if (const std::optional<QString>& Name = PackageLayerNames[R]) {
    if (Name->isEmpty()) return 0;
    // The layer chosen last time when this plot has one of that name (the
    // last, as names preselect); else the names decide as if never chosen.
    for (int L = std::min(Board->Layers.Count() - 1, MaxLayer); L >= 0; --L)
      if (FromCp1251(Board->Layers.Items(L).Name).compare(*Name, Qt::CaseInsensitive) == 0)
        return L + 1;
  }
  const auto Found = PreselectLayer(Board->Layers, PackageRoles[R], MaxLayer);
  return Found ? *Found + 1 : 0;
}

void TQuillonMain::PinFileOpenAccept(const QString& FileName) {
  if (Busy()) return;
  bool Opened = false;
  Guarded([&] {
    // Read first: a file that cannot be read leaves the table and the memo.
    TTextLines Lines =
        TTextLines::FromText(ReadDescriptionFile(QFile::encodeName(FileName).toStdString()));
    PinDialog.FileName = FileName;
    Board->Pins = TPins();
    DescriptionText = std::move(Lines);
    // The memo shows the file as read, which is what "ANSI" means.
    ANSIBtn->setChecked(true);
    PinMemo->setPlainText(PaneText(DescriptionText));
    ShowPinGrid();
    PlotDialog.InitialDir = SaveDialog.InitialDir = QFileInfo(FileName).absolutePath();
    emit BoardChanged();
    Opened = true;
  });
  // Read at once, as pressing Read: the counts tell whether the layout fits.
  if (Opened) ReadPinBtnClick();
}

void TQuillonMain::OEMBtnClick() {
  if (DescriptionText.Empty()) return;
  ShowDescription(OEMBtn->isChecked());
}

void TQuillonMain::ShowDescription(bool Oem) {
  if (!Oem) {
    PinMemo->setPlainText(PaneText(DescriptionText));
    return;
  }
  TTextLines Converted;
  for (int I = 0; I < DescriptionText.Count(); ++I) Converted.Add(OemToAnsi(DescriptionText[I]));
  PinMemo->setPlainText(PaneText(Converted));
}

bool TQuillonMain::LooksLikeTextFile(const QString& FileName) {
  QFile File(FileName);
  if (!File.open(QIODevice::ReadOnly)) return false;
  const QByteArray Start = File.read(4096);
  return std::none_of(Start.begin(), Start.end(), [](char C) {
    const auto Byte = static_cast<unsigned char>(C);
    return Byte < 0x20 && Byte != '\t' && Byte != '\n' && Byte != '\r' && Byte != '\f' &&
           Byte != 0x1A;
  });
}

bool TQuillonMain::LooksLikePlotFile(const QString& FileName) {
  if (QFileInfo(FileName).suffix().compare(QStringLiteral("plt"), Qt::CaseInsensitive) == 0)
    return true;
  QFile File(FileName);
  // Every plot file starts with the signature word 0x804E, low byte first.
  return File.open(QIODevice::ReadOnly) && File.read(2) == QByteArray("\x4E\x80", 2);
}

void TQuillonMain::OpenDroppedFiles(const QStringList& FileNames) {
  for (const QString& FileName : FileNames) {
    if (LooksLikePlotFile(FileName))
      FileOpenAccept(FileName);
    else if (LooksLikeTextFile(FileName))
      PinFileOpenAccept(FileName);
    else
      Prompts.ReportError(
          tr("%1 was not opened: only plot files (*.plt) and pin descriptions (text) can be "
             "dropped here.")
              .arg(FileName));
  }
}

void TQuillonMain::OpenCommandLine(const QStringList& Arguments) {
  if (!Arguments.isEmpty()) FileOpenAccept(Arguments[0]);
  if (Arguments.size() > 1) PinFileOpenAccept(Arguments[1]);
}

void TQuillonMain::dragEnterEvent(QDragEnterEvent* Event) {
  const QList<QUrl> Urls = Event->mimeData()->urls();
  if (!Busy() && !Urls.isEmpty() &&
      std::all_of(Urls.begin(), Urls.end(), [](const QUrl& U) { return U.isLocalFile(); }))
    Event->acceptProposedAction();
}

void TQuillonMain::dropEvent(QDropEvent* Event) {
  QStringList FileNames;
  for (const QUrl& Url : Event->mimeData()->urls())
    if (Url.isLocalFile()) FileNames.append(Url.toLocalFile());
  Event->acceptProposedAction();
  if (!Busy()) OpenDroppedFiles(FileNames);
}

}  // namespace quillon::app
