// SPDX-License-Identifier: MIT
// The demo board and its description through the window, and the window's
// conversion against what quillon-cli convert writes for the same choices.

#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "AppTestSupport.h"
#include "app/Cp1251.h"
#include "app/OutputView.h"

namespace quillon::test {
namespace {

class DemoTest : public WindowTest {
 protected:
  void OpenDemo() {
    Window->FileOpenAccept(QString::fromStdString(Plot));
    Window->PinFileOpenAccept(QString::fromStdString(Pins));
  }
  // Pin numbers and shapes of the grid rows.
  QStringList GridPins() const {
    QStringList Rows;
    for (int R = 0; R < Window->PinsStringGrid->rowCount(); ++R)
      Rows.append(Window->PinsStringGrid->item(R, 0)->text() + ' ' +
                  Window->PinsStringGrid->item(R, 3)->text());
    return Rows;
  }

  const std::string Plot = SourcePath("examples/demo.plt");
  const std::string Pins = SourcePath("examples/demo-pins.txt");
};

TEST_F(DemoTest, LayerListsNameTheDemoLayersAndPreselectTheirRoles) {
  OpenDemo();
  const QStringList Expected = {"1: COMP", "2: SOLDER", "3: SILK",
                                "4: PIN",  "5: MSKGTP", "6: MSKGBT"};
  EXPECT_EQ(Entries(Window->AperTopCB), Expected);
  EXPECT_EQ(Entries(Window->DrlCB), Expected);
  EXPECT_EQ(Window->AperTopCB->currentIndex(), 0);
  EXPECT_EQ(Window->AperBotCB->currentIndex(), 1);
  EXPECT_EQ(Window->AperMskTopCB->currentIndex(), 4);
  EXPECT_EQ(Window->AperMskBotCB->currentIndex(), 5);
  EXPECT_EQ(Window->DrlCB->currentIndex(), 3);
}

TEST_F(DemoTest, DescriptionShowsInWindows1251AndReadsAllOrTheSelection) {
  OpenDemo();
  EXPECT_TRUE(Window->PinMemo->toPlainText().startsWith(QString::fromUtf8("Контактные площадки")));
  Window->ReadPinBtnClick();
  EXPECT_EQ(GridPins(), QStringList({"0 Circle", "1 Circle", "2 Square", "3 Square", "4 None"}));
  QTextCursor Line(Window->PinMemo->document()->findBlockByNumber(5));  // "3  0,8  1,5  квадрат"
  Line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  Window->PinMemo->setTextCursor(Line);
  Window->ReadPinBtnClick();
  EXPECT_EQ(GridPins(), QStringList({"3 Square"}));
}

struct CliCase {
  int Tag;
  const char* Format;
  const char* Extension;
  const char* Suggested;  // what Save As offers
  const char* More;       // further command line options
};

void PrintTo(const CliCase& C, std::ostream* Out) { *Out << C.Format; }

class SameAsCli : public DemoTest, public ::testing::WithParamInterface<CliCase> {};

TEST_P(SameAsCli, OutputPageAndSavedFilesEqualTheCommandLines) {
  const CliCase& C = GetParam();
  const std::string CliDir = Tmp.File("cli"), AppDir = Tmp.File("app");
  QDir().mkpath(QString::fromStdString(CliDir));
  QDir().mkpath(QString::fromStdString(AppDir));
  const std::string Name = std::string("demo") + C.Extension;
  const CommandResult Cli =
      RunCli("convert '" + Plot + "' --pins '" + Pins + "' --format " + C.Format +
             " --answers yes-all" + C.More + " -o '" + CliDir + "/" + Name + "'");
  ASSERT_EQ(Cli.ExitCode, 0) << Cli.Err;

  OpenDemo();
  Window->ReadPinBtnClick();
  Window->FormatActExecute(C.Tag);
  Boxes->Otherwise = "Yes to All";
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.FileName.toStdString(), C.Suggested);
  Window->FileSaveAsAccept(QString::fromStdString(AppDir + "/" + Name));

  std::string Expected = ReadFile(CliDir + "/" + Name);
  EXPECT_EQ(Window->Board->Output.Join("\r\n"), Expected);
  QString Shown = app::FromCp1251(Expected);
  Shown.replace("\r\n", "\n");
  Shown.chop(1);
  EXPECT_EQ(Window->MemoLog->Text(), Shown);
  for (const auto& Entry : std::filesystem::directory_iterator(CliDir)) {
    const std::string File = Entry.path().filename().string();
    EXPECT_EQ(ReadFile(AppDir + "/" + File), ReadFile(Entry.path().string())) << File;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, SameAsCli,
                         ::testing::Values(CliCase{1, "cam350", ".scr", "demo.scr", ""},
                                           CliCase{2, "gerber", ".gbr", "demo.scr", ""},
                                           // The window names the job after the plot.
                                           CliCase{3, "genesis", "", "demo.csh",
                                                   " --genesis-job demo"}));

// Lines of a layer output that flash.
int Flashes(const TTextLines& Lines) {
  int Count = 0;
  for (int I = 0; I < Lines.Count(); ++I) Count += Lines[I].ends_with("D03*");
  return Count;
}

TEST_F(WindowTest, TheUndefinedPinQuestionIsAskedInAModalBoxAndItsAnswerCounts) {
  OpenQuestionBoard();

  Boxes->Answers = {"No", "No"};
  Window->ConvertActionExecute();
  ASSERT_EQ(Boxes->Boxes.size(), 2u);  // once per layer file
  const TBoxRecorder::TBox& Box = Boxes->Boxes[0];
  EXPECT_EQ(Box.Text,
            "Via which undefined Pin# (8) found in PLT file!\nDo you want to add it anyway?");
  EXPECT_EQ(Box.Icon, QMessageBox::Question);
  EXPECT_EQ(Box.Buttons, QStringList({"Yes", "No", "Cancel", "No to All", "Yes to All"}));
  // The drill layer's file: the flash of the undefined pin was left out.
  ASSERT_EQ(Window->Board->LayerOutputs.size(), 2u);
  EXPECT_EQ(Flashes(Window->Board->LayerOutputs[1]), 1);

  Boxes->Answers = {"Yes", "Yes"};
  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Boxes.size(), 4u);
  EXPECT_EQ(Flashes(Window->Board->LayerOutputs[1]), 2);
}

}  // namespace
}  // namespace quillon::test
