// SPDX-License-Identifier: MIT
// The Output page lists every file the conversion produced, and a save writes
// exactly that list; the save dialog follows the format of the output.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>
#include <filesystem>
#include <set>

#include "AppTestSupport.h"
#include "app/FileDialogs.h"
#include "app/OutputView.h"
#include "app/WarningBar.h"

namespace quillon::test {
namespace {

class OutputFilesTest : public WindowTest {
 protected:
  void OpenBoard() {
    Window->FileOpenAccept(QString::fromStdString(
        WritePlot("board.plt",
                  PlotBytes({{"COMP", 1}, {"SOLDER", 2}, {"MSKGTP", 3}, {"MSKGBT", 4}, {"PIN", 5}},
                            SelectLayer(1) + LineRecord(10, 1, 2, 3, 4)))));
  }
  app::TOutputPage* Page() const { return Window->findChild<app::TOutputPage*>(); }
};

TEST_F(OutputFilesTest, TheListIsWhatSaveWritesAndEachFileCanBeViewed) {
  OpenBoard();
  Window->FormatActExecute(2);
  Window->ConvertActionExecute();
  const QTreeWidget* List = Page()->FileList();
  ASSERT_EQ(List->topLevelItemCount(), 6);
  EXPECT_EQ(List->topLevelItem(0)->text(0), "board.scr");
  EXPECT_EQ(List->topLevelItem(0)->text(1), "CAM350 text macro");
  const char* const Roles[] = {"pads top", "pads bottom", "mask top", "mask bottom", "drill"};
  for (int I = 0; I < 5; ++I) EXPECT_EQ(List->topLevelItem(I + 1)->text(1), Roles[I]);
  const auto& Rows = Page()->FileRows();
  for (int I = 0; I < 6; ++I) {
    EXPECT_EQ(List->topLevelItem(I)->text(2).toInt(),
              Rows[static_cast<std::size_t>(I)].Lines->Count());
    Page()->ShowFile(I);
    EXPECT_EQ(Window->MemoLog->Lines(), Rows[static_cast<std::size_t>(I)].Lines);
  }

  const std::filesystem::path Out = Tmp.Path() / "out";
  std::filesystem::create_directory(Out);
  Window->SaveDialog.InitialDir = QString::fromStdString(Out.string());
  Window->FileSaveAsAccept(QString::fromStdString((Out / "board.scr").string()));
  std::set<std::string> Written;
  for (const auto& Entry : std::filesystem::directory_iterator(Out)) {
    Written.insert(Entry.path().filename().string());
    for (const auto& Row : Rows) {
      if (Row.Name.toStdString() == Entry.path().filename().string()) {
        EXPECT_EQ(std::filesystem::file_size(Entry.path()), Row.Bytes) << Row.Name.toStdString();
      }
    }
  }
  std::set<std::string> Listed;
  for (int I = 0; I < List->topLevelItemCount(); ++I)
    Listed.insert(List->topLevelItem(I)->text(0).toStdString());
  EXPECT_EQ(Written, Listed);
}

TEST_F(OutputFilesTest, TheSaveDialogFollowsTheFormat) {
  OpenBoard();
  Window->FormatActExecute(2);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.FileName, "board.scr");
  EXPECT_EQ(Window->SaveDialog.DefaultExt, "scr");
  Window->FormatActExecute(3);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.FileName, "board.csh");
  EXPECT_EQ(Window->SaveDialog.DefaultExt, "csh");
  EXPECT_EQ(Window->SaveDialog.Title, "Save Genesis script");
  EXPECT_TRUE(
      app::ToQtFilter(Window->SaveDialog.Filter).startsWith("Genesis Script, *.csh (*.csh)"))
      << Window->SaveDialog.Filter.toStdString();
  EXPECT_EQ(Page()->FileList()->topLevelItem(0)->text(1), "Genesis script");
  Window->FormatActExecute(1);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.Title, "Save CAM350 Script");
  EXPECT_TRUE(Window->SaveDialog.Filter.startsWith("CAM350 v5 Macro, *.scr|*.scr|"));
}

TEST_F(OutputFilesTest, RolesWithoutAChosenLayerAreNamedInTheNote) {
  Window->FileOpenAccept(QString::fromStdString(WritePlot(
      "t.plt", PlotBytes({{"TOP", 1}, {"BOT", 2}}, SelectLayer(1) + LineRecord(10, 1, 2, 3, 4)))));
  Window->ConvertActionExecute();
  EXPECT_EQ(
      Page()->NoteLabel()->text(),
      "No layer is chosen for pads top, pads bottom, mask top, mask bottom, drill (Plt page): "
      "layer 1: TOP was taken.");
  // The same words above the pages, once, whichever page is open; no box.
  EXPECT_FALSE(Window->RolesWarning->isHidden());
  EXPECT_EQ(Window->RolesWarning->Text(), Page()->NoteLabel()->text());
  EXPECT_EQ(Window->RolesWarning->ShownCount(), 1);
  Window->AperTopCB->setCurrentIndex(0);
  Window->AperBotCB->setCurrentIndex(1);
  Window->AperMskTopCB->setCurrentIndex(0);
  Window->AperMskBotCB->setCurrentIndex(1);
  Window->DrlCB->setCurrentIndex(1);
  Window->ConvertActionExecute();
  EXPECT_TRUE(Page()->NoteLabel()->text().isEmpty());
  EXPECT_TRUE(Window->RolesWarning->isHidden());
  EXPECT_EQ(Window->RolesWarning->ShownCount(), 1);
}

}  // namespace
}  // namespace quillon::test
