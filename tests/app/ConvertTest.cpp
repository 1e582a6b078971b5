// SPDX-License-Identifier: MIT
// Units, conversion and saving as the window drives them.

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "AppTestSupport.h"
#include "app/Cp1251.h"
#include "app/OutputView.h"

namespace quillon::test {
namespace {

using app::TQuillonMain;

class ConvertTest : public WindowTest {
 protected:
  QString OpenPlot(const std::string& Name, const std::string& Bytes) {
    const QString Path = QString::fromStdString(WritePlot(Name, Bytes));
    Window->FileOpenAccept(Path);
    return Path;
  }
  QString MemoOfOutput() const {
    std::string Text = Window->Board->Output.Join("\n");
    if (!Text.empty()) Text.pop_back();
    return app::FromCp1251(Text);
  }
};

struct DbuCase {
  const char* Radio;
  int Count;  // DBUCombo entry
  int Unit;   // UnitBox entry
  const char* Shown;
  double Factor;
};

void PrintTo(const DbuCase& C, std::ostream* Out) {
  *Out << C.Radio << ' ' << C.Count << ' ' << C.Unit;
}

class DbuDisplay : public ConvertTest, public ::testing::WithParamInterface<DbuCase> {};

TEST_P(DbuDisplay, ShowsTheLengthOfNUnitsAndKeepsTheFactor) {
  const DbuCase& C = GetParam();
  QRadioButton* Radio = std::string(C.Radio) == "MM"     ? Window->RadioMM
                        : std::string(C.Radio) == "Inch" ? Window->RadioInch
                                                         : Window->RadioPINCH;
  Window->DBUCombo->setCurrentIndex(C.Count);
  Window->UnitBox->setCurrentIndex(C.Unit);
  Radio->setChecked(true);
  Window->DBUChang();
  EXPECT_EQ(Window->DBUEdit->text(), C.Shown);
  EXPECT_DOUBLE_EQ(Window->DbuFactor, C.Factor);
}

INSTANTIATE_TEST_SUITE_P(Cases, DbuDisplay,
                         ::testing::Values(DbuCase{"MM", 3, 0, "1", 0.01},
                                           DbuCase{"Inch", 1, 1, "0.025", 0.0254},
                                           DbuCase{"Inch", 0, 0, "0.0254", 0.0254},
                                           DbuCase{"PInch", 2, 0, "1.25", 0.025},
                                           DbuCase{"MM", 0, 1, "0.000393700787401575", 0.01}));

TEST_F(ConvertTest, CombosChangeOnlyTheDisplay) {
  Window->RadioMM->setChecked(true);
  Window->DBUCombo->setCurrentIndex(3);
  EXPECT_EQ(Window->DBUEdit->text(), "1");
  Window->UnitBox->setCurrentIndex(1);
  EXPECT_EQ(Window->DBUEdit->text(), "0.0393700787401575");
  EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.01);
}

TEST_F(ConvertTest, CustomTakesTheTypedNumberWithAPoint) {
  Window->RadioCustom->setEnabled(true);
  Window->DBUEdit->setText("0.5");
  Window->RadioCustom->setChecked(true);
  EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.5);
  EXPECT_EQ(Window->DBUEdit->text(), "0.5");
  EXPECT_TRUE(Window->DBUEdit->isEnabled());
  for (const char* Bad : {"abc", "1,5", "", "inf"}) {
    Window->DBUEdit->setText(Bad);
    Window->DBUChang();
    EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.5) << Bad;
  }
  ASSERT_EQ(Boxes->Texts().size(), 4);
  EXPECT_EQ(Boxes->Texts()[0],
            "\"abc\" is not a database unit: type a positive number with a point before the "
            "decimals, such as 0.0254; one database unit is at most 1000 mm. The unit stays "
            "0.5 mm.");
  EXPECT_TRUE(Boxes->Texts()[1].startsWith("\"1,5\" is not a database unit"));
  EXPECT_EQ(Window->DBUEdit->text(), "0.5");  // the unit in force is shown again
}

// "Custom" starts from the factor shown, the row reads as it says (N DBU =
// value unit), a factor out of range is refused, and the custom unit is kept
// in the settings; a conversion uses it as the command line's --dbu.
TEST_F(ConvertTest, ACustomUnitIsReadAsTheRowSaysKeptAndUsed) {
  Window->RadioCustom->setChecked(true);
  EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.0254);  // from "Inch"
  Window->DBUCombo->setCurrentIndex(3);         // 100 DBU = 2.54 mm
  EXPECT_EQ(Window->DBUEdit->text(), "2.54");
  Window->DBUEdit->setText("1.5");
  Window->CustomDbuEdited();
  EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.015);
  for (const char* Bad : {"0", "-1", "200000"}) {
    Window->DBUEdit->setText(Bad);
    Window->CustomDbuEdited();
    EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.015) << Bad;
  }
  EXPECT_EQ(Boxes->Texts().size(), 3);
  Window->RadioMM->setChecked(true);
  EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.01);
  Window->RadioCustom->setChecked(true);
  Window->DBUCombo->setCurrentIndex(0);
  Window->DBUEdit->setText("0.015");
  Window->CustomDbuEdited();

  Reopen();
  EXPECT_TRUE(Window->RadioCustom->isChecked());
  EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.015);
  EXPECT_EQ(Window->DBUEdit->text(), "0.015");

  // The output is as the command line's with --dbu 0.015.
  Window->FileOpenAccept(QString::fromStdString(WritePlot(
      "u.plt", PlotBytes({{"COMP", 1}}, SelectLayer(1) + LineRecord(10, 100, 200, 300, 400)))));
  Window->ConvertActionExecute();
  const QString Custom = Window->MemoLog->Text();
  EXPECT_TRUE(Custom.contains("1.5")) << Custom.toStdString();
  Window->RadioInch->setChecked(true);
  Window->ConvertActionExecute();
  EXPECT_NE(Window->MemoLog->Text(), Custom);
}

TEST_F(ConvertTest, ConvertStoresTheChoicesAndShowsTheOutput) {
  const QString Plot = OpenPlot("demo.plt", PlotBytes({{"COMP", 1}, {"SOLDER", 2}, {"PIN", 3}}));
  Window->MPageControl->setCurrentWidget(Window->PinsSheet);
  Window->Board->MaskTopLayer = 7;  // an unselected list keeps what was there
  Window->MakeActExecute(Window->AddViewCommands);
  Window->ConvertActionExecute();
  EXPECT_TRUE(Boxes->Boxes.empty());
  EXPECT_EQ(Window->MPageControl->currentWidget(), static_cast<QWidget*>(Window->OutputSheet));
  EXPECT_EQ(Window->Board->PadTopLayer, 0);
  EXPECT_EQ(Window->Board->PadBottomLayer, 1);
  EXPECT_EQ(Window->Board->MaskTopLayer, 7);
  EXPECT_EQ(Window->Board->MaskBottomLayer, 0);
  EXPECT_EQ(Window->Board->DrillLayer, 2);
  EXPECT_EQ(Window->Board->Title, "Plt FileName: " + Plot.toStdString());
  EXPECT_FALSE(Window->Board->AddViewCommands);
  EXPECT_DOUBLE_EQ(Window->Board->Scale, 0.0254);
  EXPECT_EQ(Window->MemoLog->Text(), MemoOfOutput());
  EXPECT_EQ(Window->StatusText->text(), QString::number(Window->Board->Output.Count()) +
                                            " lines from " + QFileInfo(Plot).fileName());
}

TEST_F(ConvertTest, AnUnselectedListKeepsTheEarlierConversionsValue) {
  OpenPlot("a.plt", PlotBytes({{"TOP", 1}, {"BOT", 2}, {"PIN", 3}}));
  Window->AperBotCB->setCurrentIndex(1);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->Board->PadBottomLayer, 1);
  EXPECT_EQ(Window->Board->DrillLayer, 2);
  OpenPlot("b.plt", PlotBytes({{"TOP", 1}, {"BOT", 2}, {"X", 3}}));
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->Board->PadBottomLayer, 1);
  EXPECT_EQ(Window->Board->DrillLayer, 2);
  EXPECT_EQ(Window->Board->PadTopLayer, 0);
}

TEST_F(ConvertTest, SuggestedSaveNameFollowsTheFormat) {
  const QString Plot = OpenPlot("my.board.plt", PlotBytes({{"COMP", 1}}));
  const QString Folder = QString::fromStdString(Tmp.Path().string());
  Window->SaveDialog.InitialDir = "/elsewhere";
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.FileName, "my.board.scr");
  EXPECT_EQ(Window->SaveDialog.InitialDir, Folder);
  Window->FormatActExecute(2);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.FileName, "my.board.scr");  // the main file is a macro
  Window->FormatActExecute(3);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.FileName, "my.board.csh");
  EXPECT_EQ(TQuillonMain::SuggestedSaveName("/x/noext", 0), "noext.scr");
  EXPECT_EQ(TQuillonMain::SuggestedSaveName("", 0), "");
}

TEST_F(ConvertTest, ConvertingWithoutAPlotFileDoesNothing) {
  Window->SaveDialog.InitialDir = "/kept";
  Window->ConvertActionExecute();
  EXPECT_TRUE(Boxes->Boxes.empty());
  EXPECT_TRUE(Window->Board->Output.Empty());
  EXPECT_FALSE(Window->ConvertAction->isEnabled());
  EXPECT_EQ(Window->SaveDialog.FileName, "");
  EXPECT_EQ(Window->SaveDialog.InitialDir, "/kept");
}

TEST_F(ConvertTest, AnIndexAbove255StopsWithARangeCheckErrorAndTheWindowGoesOn) {
  std::vector<std::pair<std::string, int>> Layers;
  for (int I = 0; I < 300; ++I) Layers.push_back({"L" + std::to_string(I), I % 256});
  Layers[0].first = "COMP";
  Layers[299].first = "SOLDER";
  OpenPlot("many.plt", PlotBytes(Layers));
  Window->AperBotCB->setCurrentIndex(255);
  Window->ConvertActionExecute();
  const QString Before = Window->MemoLog->Text();
  const std::string BeforeBytes = Window->Board->Output.Join();
  Window->AperBotCB->setCurrentIndex(299);
  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Texts(), QStringList({"Range check error"}));
  // The last output stays whole, shown and saved, not half of a new one.
  EXPECT_EQ(Window->MemoLog->Text(), Before);
  EXPECT_EQ(Window->Board->Output.Join(), BeforeBytes);
  EXPECT_EQ(Window->Board->PadBottomLayer, 255);
  EXPECT_EQ(Window->MPageControl->currentWidget(), static_cast<QWidget*>(Window->OutputSheet));
  // The usable window converts once the choice is in range.
  Window->AperBotCB->setCurrentIndex(255);
  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_EQ(Window->Board->PadBottomLayer, 255);
}

TEST_F(ConvertTest, SaveAsWritesTheOutput) {
  OpenPlot("s.plt", PlotBytes({{"COMP", 1}}));
  Window->ConvertActionExecute();
  const std::string Target = Tmp.File("s.scr");
  Window->FileSaveAsAccept(QString::fromStdString(Target));
  EXPECT_TRUE(Boxes->Boxes.empty());
  EXPECT_EQ(ReadFile(Target), Window->Board->Output.Join("\r\n"));
}

TEST_F(ConvertTest, ASaveThatFailsIsReported) {
  OpenPlot("f.plt", PlotBytes({{"COMP", 1}}));
  Window->ConvertActionExecute();
  Window->FileSaveAsAccept(QString::fromStdString(Tmp.File("no/such/folder/out.scr")));
  EXPECT_EQ(Boxes->Boxes.size(), 1u);
}

}  // namespace
}  // namespace quillon::test
