// SPDX-License-Identifier: MIT
// Output > Check in the window: the demo's fab package read back, from memory
// and from a save changed on disk since, the differences laid over the
// board, Cancel on the worker, a missing reader, and a result that goes with
// the output it checked.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "AppTestSupport.h"
#include "ExternalTools.h"
#include "app/DifferenceOverlay.h"
#include "app/LayersView.h"
#include "app/OutputCheck.h"
#include "app/OutputView.h"
#include "app/WorkRunner.h"
#include "check/CheckReport.h"

namespace quillon::test {
namespace {

using check::TFileStatus;

constexpr int CheckColumn = 4;

class CheckWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // The check's temporary folders go here, where the test sees them go.
    const char* Old = std::getenv("TMPDIR");
    OldTmp = Old ? std::optional<std::string>(Old) : std::nullopt;
    Scratch = Tmp.Path() / "scratch";
    std::filesystem::create_directories(Scratch);
    setenv("TMPDIR", Scratch.c_str(), 1);
  }
  void TearDown() override {
    if (OldTmp)
      setenv("TMPDIR", OldTmp->c_str(), 1);
    else
      unsetenv("TMPDIR");
    WindowTest::TearDown();
  }
  // The demo with its pins as the fab package, with Excellon drill files.
  void ConvertDemo() {
    Boxes->Otherwise = "Yes";
    Window->FileOpenAccept(QString::fromStdString(SourcePath("examples/demo.plt")));
    Window->PinFileOpenAccept(QString::fromStdString(SourcePath("examples/demo-pins.txt")));
    Window->ReadPinBtnClick();
    Window->FormatActExecute(2);
    Window->GerberProfile = TGerberProfile::Fab;
    Window->ExcellonDrill = true;
    Window->ConvertActionExecute();
    ASSERT_TRUE(Window->Board->FabPackageMade);
    Boxes->Boxes.clear();  // the pin questions of the conversion
    Boxes->Otherwise.clear();
  }
  QString Status() const { return Window->StatusText->text(); }
  QTreeWidget* FileList() const { return Window->OutputSheet->FileList(); }
  // The Output page's check column of the row naming File.
  QString CheckOf(const QString& File) const {
    for (int I = 0; I < FileList()->topLevelItemCount(); ++I)
      if (FileList()->topLevelItem(I)->text(0) == File)
        return FileList()->topLevelItem(I)->text(CheckColumn);
    return QStringLiteral("(no row)");
  }
  bool ScratchEmpty() const { return std::filesystem::is_empty(Scratch); }

  std::filesystem::path Scratch;
  std::optional<std::string> OldTmp;
};

#define SKIP_WITHOUT_GERBV()                                           \
  if (const std::string Why = ProgramMissing("gerbv"); !Why.empty()) { \
    GTEST_SKIP() << Why;                                               \
  }

TEST_F(CheckWindowTest, TheDemosPackageInMemoryMatchesFileByFile) {
  SKIP_WITHOUT_GERBV()
  ConvertDemo();
  EXPECT_TRUE(Window->CheckAct->isEnabled());
  EXPECT_TRUE(Window->ToolBarActions().contains(Window->CheckAct));
  Window->CheckActExecute();
  ASSERT_NE(Window->LastCheck(), nullptr);
  const check::TCheckResult& Result = Window->LastCheck()->Result;
  ASSERT_GE(Result.Files.size(), 8u);  // six layers, two drill files
  for (const check::TFileResult& F : Result.Files)
    EXPECT_EQ(F.Status, TFileStatus::Passed) << F.Path << ": " << F.Message;
  // The text macro is read by our own reader layer by layer, and counts as one file.
  const std::size_t FileCount = check::VerdictsByFile(Result).size();
  EXPECT_EQ(FileCount, 9u);
  EXPECT_EQ(Status(), QStringLiteral("Check: %1 files match").arg(FileCount));
  EXPECT_TRUE(Window->LastCheck()->Pictures.empty());
  // Nothing was saved: the copies checked went with their folder.
  EXPECT_TRUE(ScratchEmpty());
  EXPECT_TRUE(Window->SavedFolder().isEmpty());

  ASSERT_EQ(FileList()->columnCount(), CheckColumn + 3);
  EXPECT_EQ(FileList()->headerItem()->text(CheckColumn), "Check");
  EXPECT_EQ(CheckOf("demo.GTL"), "matches");
  EXPECT_EQ(CheckOf("demo-PTH.drl"), "matches");
  EXPECT_EQ(CheckOf("demo.scr"), "matches");
  int Matching = 0;
  for (int I = 0; I < FileList()->topLevelItemCount(); ++I) {
    const QTreeWidgetItem* Row = FileList()->topLevelItem(I);
    if (Row->text(CheckColumn) != "matches") continue;
    ++Matching;
    EXPECT_EQ(Row->text(CheckColumn + 2), Row->text(0) == "demo.scr" ? "quillon" : "gerbv");
    EXPECT_FALSE(Row->text(CheckColumn + 1).isEmpty());
  }
  EXPECT_EQ(Matching, static_cast<int>(FileCount));
  // No file differs: nothing to lay over the board.
  EXPECT_FALSE(Window->DifferenceBar->ShowBox()->isEnabled());

  // Saved as one archive, the files are still checked from memory, under
  // the names of the archive's entries.
  const std::filesystem::path Zip = Tmp.Path() / "out" / "board.zip";
  std::filesystem::create_directories(Zip.parent_path());
  Window->FileSaveAsAccept(QString::fromStdString(Zip.string()));
  ASSERT_TRUE(std::filesystem::exists(Zip));
  Window->CheckActExecute();
  ASSERT_NE(Window->LastCheck(), nullptr);
  EXPECT_TRUE(Window->LastCheck()->Result.Passed());
  EXPECT_EQ(CheckOf("demo.GTL"), "matches");  // the list stays as before an archive save
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Zip.parent_path()), {}), 1);
  EXPECT_TRUE(ScratchEmpty());
}

TEST_F(CheckWindowTest, AFileChangedOnDiskSinceTheSaveIsNamedAndShownOverTheBoard) {
  SKIP_WITHOUT_GERBV()
  Window->resize(1000, 700);
  Window->show();
  ConvertDemo();
  const std::string Main = (Tmp.Path() / "out" / "demo.scr").string();
  std::filesystem::create_directories(Tmp.Path() / "out");
  Window->FileSaveAsAccept(QString::fromStdString(Main));
  ASSERT_TRUE(Boxes->Boxes.empty()) << Boxes->Texts().join(u'\n').toStdString();
  // The top copper file replaced by the bottom one's drawing.
  std::filesystem::copy_file(Tmp.Path() / "out" / "demo.GBL", Tmp.Path() / "out" / "demo.GTL",
                             std::filesystem::copy_options::overwrite_existing);
  Window->CheckActExecute();
  ASSERT_NE(Window->LastCheck(), nullptr);
  EXPECT_TRUE(Status().startsWith("Check: 1 of ")) << Status().toStdString();
  EXPECT_TRUE(Status().endsWith(" files differ: demo.GTL")) << Status().toStdString();
  EXPECT_EQ(CheckOf("demo.GTL"), "differs");
  EXPECT_EQ(CheckOf("demo.GBL"), "matches");
  EXPECT_TRUE(ScratchEmpty());  // the difference picture's folder went too

  // The Layers page lays the difference over the board, where it is.
  Window->MPageControl->setCurrentWidget(Window->LayersPage());
  app::TCheckDifferenceBar* Bar = Window->DifferenceBar;
  ASSERT_TRUE(Bar->ShowBox()->isEnabled());
  EXPECT_EQ(Bar->Files()->currentText(), "demo.GTL");
  EXPECT_FALSE(Bar->Overlay()->isVisible());
  app::TLayersView* View = Window->LayersPage()->findChild<app::TLayersView*>();
  ASSERT_TRUE(View->WaitForPicture());
  const QImage Without = View->View()->grab().toImage();
  Bar->ShowBox()->setChecked(true);
  ASSERT_TRUE(Bar->Overlay()->isVisible());
  ASSERT_NE(Bar->Overlay()->Picture(), nullptr);
  EXPECT_EQ(Bar->Overlay()->geometry(), View->View()->rect());
  const QImage With = View->View()->grab().toImage();
  const preview::TBoxMm Box = Bar->Overlay()->Picture()->Boxes.front();
  const QPointF Centre = View->ViewPoint((Box.Left + Box.Right) / 2, (Box.Bottom + Box.Top) / 2);
  const QPoint Far = View->ViewPoint(Box.Left, Box.Top).toPoint() + QPoint(-30, -30);
  ASSERT_TRUE(With.rect().contains(Centre.toPoint()));
  int Changed = 0;
  for (int Dy = -3; Dy <= 3; ++Dy)
    for (int Dx = -3; Dx <= 3; ++Dx) {
      const QPoint P = Centre.toPoint() + QPoint(Dx, Dy);
      Changed += With.pixel(P) != Without.pixel(P);
    }
  EXPECT_GT(Changed, 0) << "nothing laid over the largest difference";
  if (With.rect().contains(Far)) {
    EXPECT_EQ(With.pixel(Far), Without.pixel(Far));
  }
  Bar->ShowBox()->setChecked(false);
  EXPECT_FALSE(Bar->Overlay()->isVisible());
}

TEST_F(CheckWindowTest, CancelCutsTheCheckShortAndLeavesTheWindowUsable) {
  SKIP_WITHOUT_GERBV()
  ConvertDemo();
  Window->CheckOptions.Jobs = 1;
  // The user presses Cancel while the second file is read.
  Window->CheckProgressHook = [this](int Done, int) {
    if (Done == 1)
      QMetaObject::invokeMethod(
          Window->CancelButton, [this] { Window->CancelButton->click(); },
          Qt::BlockingQueuedConnection);
  };
  Window->CheckActExecute();
  ASSERT_NE(Window->LastCheck(), nullptr);
  const check::TCheckResult& Cut = Window->LastCheck()->Result;
  EXPECT_TRUE(Cut.CutShort);
  // One file was read (the biggest goes first); none after it.
  const auto Read = std::count_if(Cut.Files.begin(), Cut.Files.end(), [](const auto& F) {
    return F.Status == TFileStatus::Passed;
  });
  EXPECT_EQ(Read, 1);
  EXPECT_EQ(Cut.Files.back().Status, TFileStatus::Cancelled);
  EXPECT_TRUE(Status().endsWith("(cut short by Cancel)")) << Status().toStdString();
  EXPECT_TRUE(Status().startsWith("Check: 1 of ")) << Status().toStdString();
  EXPECT_EQ(CheckOf("demo-PTH.drl"), "not checked");
  EXPECT_FALSE(Window->Busy());
  EXPECT_TRUE(Window->CancelButton->isHidden());
  EXPECT_TRUE(Window->ConvertAction->isEnabled());
  EXPECT_TRUE(Window->CheckAct->isEnabled());
  EXPECT_TRUE(ScratchEmpty());

  // The next check runs whole.
  Window->CheckProgressHook = nullptr;
  Window->CheckActExecute();
  ASSERT_NE(Window->LastCheck(), nullptr);
  EXPECT_FALSE(Window->LastCheck()->Result.CutShort);
  EXPECT_TRUE(Window->LastCheck()->Result.Passed());
}

TEST_F(CheckWindowTest, ANewConversionOrAnotherPlotClearsTheResult) {
  SKIP_WITHOUT_GERBV()
  ConvertDemo();
  std::filesystem::path Saved = Tmp.Path() / "demo.scr";
  Window->FileSaveAsAccept(QString::fromStdString(Saved.string()));
  std::filesystem::remove(Tmp.Path() / "demo.GTL");
  Window->CheckActExecute();
  ASSERT_NE(Window->LastCheck(), nullptr);
  EXPECT_EQ(CheckOf("demo.GTL"), "missing");
  EXPECT_TRUE(Status().contains("demo.GTL (missing)")) << Status().toStdString();

  Window->ConvertActionExecute();
  EXPECT_EQ(Window->LastCheck(), nullptr);
  EXPECT_EQ(FileList()->columnCount(), CheckColumn);
  EXPECT_FALSE(Window->DifferenceBar->ShowBox()->isEnabled());

  Window->CheckActExecute();
  ASSERT_NE(Window->LastCheck(), nullptr);
  EXPECT_TRUE(Window->LastCheck()->Result.Passed());  // in memory again: not saved since
  Window->FileOpenAccept(QString::fromStdString(WritePlot(
      "other.plt", PlotBytes({{"COMP", 1}}, SelectLayer(1) + LineRecord(10, 0, 0, 1000, 0)))));
  EXPECT_EQ(Window->LastCheck(), nullptr);
  EXPECT_FALSE(Window->CheckAct->isEnabled());
}

TEST_F(CheckWindowTest, AMissingReaderIsToldAndCheckStaysUsable) {
  ConvertDemo();
  Window->CheckOptions.Reader = "/nonexistent/gerbv";
  Window->CheckActExecute();
  const QString Missing =
      "gerbv, the reader the check needs, is not installed (Debian package gerbv)";
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_EQ(Boxes->Boxes[0].Text, Missing);
  EXPECT_EQ(Status(), Missing);
  EXPECT_EQ(Window->LastCheck(), nullptr);
  EXPECT_TRUE(Window->CheckAct->isEnabled());
  EXPECT_FALSE(Window->Busy());
  EXPECT_GT(FileList()->topLevelItemCount(), 0);  // the file list is shown again
}

// A difference picture larger than the overlay keeps every coloured pixel:
// a speck at 1000 dpi still colours its pixel of the smaller picture.
TEST(CheckOverlay, KeepsEverySpeckAndDropsWhatBothSidesDraw) {
  QImage Difference(3 * app::MaxPictureSide + 1, 6, QImage::Format_RGB32);
  Difference.fill(qRgb(255, 255, 255));
  Difference.setPixel(0, 0, qRgb(160, 160, 160));                    // both draw it
  Difference.setPixel(3 * app::MaxPictureSide, 5, qRgb(220, 0, 0));  // only the plot
  Difference.setPixel(5, 1, qRgb(0, 0, 230));                        // only the file
  Difference.setPixel(9, 4, qRgb(220, 0, 0));
  Difference.setPixel(10, 5, qRgb(0, 0, 230));  // both kinds in one pixel
  const QImage Overlay = app::OverlayOf(Difference);
  // Four source pixels a side become one: the largest side stays within the limit.
  ASSERT_EQ(Overlay.width(), (3 * app::MaxPictureSide + 4) / 4);
  ASSERT_LE(Overlay.width(), app::MaxPictureSide);
  ASSERT_EQ(Overlay.height(), 2);
  EXPECT_EQ(qAlpha(Overlay.pixel(0, 0)), 0);
  const QRgb Red = Overlay.pixel(3 * app::MaxPictureSide / 4, 1);
  EXPECT_GT(qRed(Red), 200);
  EXPECT_EQ(qBlue(Red), 0);
  const QRgb Blue = Overlay.pixel(1, 0);
  EXPECT_GT(qBlue(Blue), 200);
  EXPECT_EQ(qRed(Blue), 0);
  const QRgb Both = Overlay.pixel(2, 1);
  EXPECT_GT(qRed(Both), 150);
  EXPECT_GT(qBlue(Both), 150);
  int Coloured = 0;
  for (int Y = 0; Y < Overlay.height(); ++Y)
    for (int X = 0; X < Overlay.width(); ++X) Coloured += qAlpha(Overlay.pixel(X, Y)) != 0;
  EXPECT_EQ(Coloured, 3);
}

// The status line's sentence for one file, several, some differing, and a
// check cut short.
TEST(CheckSummaryTest, CountsFilesInTheSentence) {
  app::TCheckOutcome Outcome;
  auto Add = [&](const char* Path, TFileStatus Status) {
    check::TFileResult F;
    F.Path = Path;
    F.Status = Status;
    Outcome.Result.Files.push_back(F);
  };
  Add("/x/demo.GTL", TFileStatus::Passed);
  EXPECT_EQ(app::TCheckTexts::Summary(Outcome), QStringLiteral("Check: the file matches"));
  Add("/x/demo.GBL", TFileStatus::Passed);
  EXPECT_EQ(app::TCheckTexts::Summary(Outcome), QStringLiteral("Check: 2 files match"));
  Add("/x/demo.GTO", TFileStatus::Differs);
  Add("/x/demo.GKO", TFileStatus::Missing);
  EXPECT_EQ(app::TCheckTexts::Summary(Outcome),
            QStringLiteral("Check: 2 of 4 files differ: demo.GTO, demo.GKO (missing)"));
  // A macro's layers are one file: it differs when one of them does.
  Add("/x/demo.scr", TFileStatus::Passed);
  Add("/x/demo.scr", TFileStatus::Differs);
  for (std::size_t I = 4; I < 6; ++I) {
    Outcome.Result.Files[I].Role = "main";
    Outcome.Result.Files[I].Layer = static_cast<int>(I) - 4;
  }
  EXPECT_EQ(app::TCheckTexts::Summary(Outcome),
            QStringLiteral("Check: 3 of 5 files differ: demo.GTO, demo.GKO (missing), demo.scr"));
  Outcome.Result.Files.resize(2);
  Add("/x/demo.drl", TFileStatus::Cancelled);
  Outcome.Result.CutShort = true;
  EXPECT_EQ(app::TCheckTexts::Summary(Outcome),
            QStringLiteral("Check: 2 of 3 files checked, all match (cut short by Cancel)"));
}

}  // namespace
}  // namespace quillon::test
