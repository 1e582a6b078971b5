// SPDX-License-Identifier: MIT
// Pin descriptions and undefined pins in one place: read at once with counts,
// the plot's undefined pins listed before converting, the question telling
// where the flash lies, "to All" holding for the whole conversion and Cancel
// marking the output.

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <filesystem>

#include "AppTestSupport.h"
#include "app/LayersView.h"
#include "app/OutputView.h"

namespace quillon::test {
namespace {

class PinsFlowTest : public WindowTest {
 protected:
  std::string Description(const std::string& Bytes) {
    const std::string Path = Tmp.File("pins.txt");
    WriteFile(Path, Bytes);
    return Path;
  }
  // Every file of the output, joined.
  std::string AllOutput() const {
    std::string All = Window->Board->Output.Join("\n");
    for (const TTextLines& Layer : Window->Board->LayerOutputs) All += Layer.Join("\n");
    return All;
  }
  app::TOutputPage* Page() const { return Window->findChild<app::TOutputPage*>(); }
};

TEST_F(PinsFlowTest, ADescriptionIsReadAtOnceWithItsCounts) {
  Window->PinFileOpenAccept(QString::fromStdString(
      Description("Pin# Hole Aper\r\n1  0.9  1.6\r\n\r\n2  2.0  1.5\r\nwhat is this\r\n")));
  EXPECT_EQ(Window->Board->Pins.High(), 1);
  EXPECT_EQ(Window->StatusText->text(), "2 rows read, 2 lines not understood");
  ASSERT_TRUE(Window->SkippedLinesBtn->isEnabled());
  Window->SkippedLinesBtn->click();
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_TRUE(Boxes->Boxes[0].Text.contains("line 1: Pin# Hole Aper"));
  EXPECT_TRUE(Boxes->Boxes[0].Text.contains("line 5: what is this"));
  // The second row's hole is wider than its pad.
  EXPECT_TRUE(Window->PinsStringGrid->item(0, 0)->toolTip().isEmpty());
  EXPECT_EQ(Window->PinsStringGrid->item(1, 0)->toolTip(), "The hole is not smaller than the pad.");

  // From the command line too.
  Reopen();
  const std::string Plot = WritePlot("p.plt", PlotBytes({{"COMP", 1}}));
  Window->OpenCommandLine(
      {QString::fromStdString(Plot), QString::fromStdString(Tmp.File("pins.txt"))});
  EXPECT_EQ(Window->Board->Pins.High(), 1);
}

TEST_F(PinsFlowTest, ThePlotsUndefinedPinsAreListedAndShownOnTheBoard) {
  OpenQuestionBoard();
  const QTreeWidget* List = Window->UndefinedPinsList;
  ASSERT_EQ(List->topLevelItemCount(), 1);
  EXPECT_EQ(List->topLevelItem(0)->text(0), "8");
  EXPECT_EQ(List->topLevelItem(0)->text(1), "1");
  EXPECT_EQ(List->topLevelItem(0)->text(2), "2: PIN");
  EXPECT_TRUE(Window->UndefinedPinsLabel->text().startsWith("1 pins the plot uses"));
  emit Window->UndefinedPinsList->itemActivated(Window->UndefinedPinsList->topLevelItem(0), 0);
  EXPECT_EQ(Window->MPageControl->currentWidget(), Window->LayersPage());
  const auto Marked = Window->findChild<app::TLayersView*>()->MarkedPoint();
  ASSERT_TRUE(Marked.has_value());
  EXPECT_NEAR(Marked->x(), 20 * Window->DbuFactor, 1e-9);
  // Described, it leaves the list.
  Window->PinMemo->setPlainText("0  0.9  1.6\n8  0.9  1.6");
  Window->ReadPinBtnClick();
  EXPECT_EQ(List->topLevelItemCount(), 0);
}

TEST_F(PinsFlowTest, TheQuestionTellsWhereAndToAllHoldsForTheWholeConversion) {
  OpenQuestionBoard();
  Boxes->Otherwise = "Yes";
  Window->ConvertActionExecute();
  const std::size_t Asked = Boxes->Boxes.size();
  ASSERT_GE(Asked, 2u);  // once per layer file
  const auto& Question = Boxes->Boxes.front();
  EXPECT_EQ(Question.Icon, QMessageBox::Question);
  EXPECT_TRUE(Question.Text.startsWith("Via which undefined Pin# (8)"));
  EXPECT_EQ(Question.Details,
            "Layer 1: COMP\nFlash at X 0.508, Y 0.508 mm\n1 flashes use this pin");
  const std::string AnsweredEach = AllOutput();

  Boxes->Boxes.clear();
  Boxes->Answers = {"Yes to All"};
  Boxes->Otherwise = "Cancel";  // would show if a second question came
  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_EQ(AllOutput(), AnsweredEach);
  // The next conversion asks again.
  Boxes->Boxes.clear();
  Boxes->Otherwise = "Yes";
  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Boxes.size(), Asked);
}

TEST_F(PinsFlowTest, CancelInTheQuestionMarksTheOutputAndSaveAsks) {
  OpenQuestionBoard();
  Window->FormatActExecute(1);
  Boxes->Answers = {"Cancel"};
  Window->ConvertActionExecute();
  ASSERT_FALSE(Window->Board->Output.Empty());
  EXPECT_TRUE(Window->StatusText->text().endsWith("pads cut short on layer 2: PIN by Cancel"))
      << Window->StatusText->text().toStdString();
  EXPECT_TRUE(Page()->NoteLabel()->text().contains("pads cut short on layer 2: PIN by Cancel"));
  EXPECT_TRUE(Page()->NoteLabel()->isVisibleTo(Page()));

  const std::string Target = Tmp.File("cut.scr");
  Boxes->Boxes.clear();
  Boxes->Answers = {"No"};
  Window->FileSaveAsAccept(QString::fromStdString(Target));
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_TRUE(Boxes->Boxes[0].Text.contains("pads cut short on layer 2: PIN by Cancel"));
  EXPECT_FALSE(std::filesystem::exists(Target));
  Boxes->Answers = {"Yes"};
  Window->FileSaveAsAccept(QString::fromStdString(Target));
  EXPECT_TRUE(std::filesystem::exists(Target));
  Window->FileSaveExecute();
  EXPECT_EQ(Boxes->Boxes.size(), 2u);

  // A whole conversion carries no mark.
  Boxes->Otherwise = "Yes";
  Window->ConvertActionExecute();
  EXPECT_FALSE(Page()->NoteLabel()->text().contains("cut short"));
  EXPECT_FALSE(Window->StatusText->text().contains("cut short"));
}

TEST_F(PinsFlowTest, ATruncatedPlotIsToldOnceAndStaysMarked) {
  std::string Bytes =
      PlotBytes({{"COMP", 1}, {"SOLDER", 2}},
                SelectLayer(1) + LineRecord(10, 1, 2, 3, 4) + LineRecord(10, 5, 6, 7, 8));
  Bytes.resize(Bytes.size() - 3);
  const QString Plot = QString::fromStdString(WritePlot("cut.plt", Bytes));
  Window->FileOpenAccept(Plot);
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  const QString Told = Boxes->Boxes[0].Text;
  EXPECT_TRUE(Told.startsWith(Plot + " is incomplete:")) << Told.toStdString();
  EXPECT_TRUE(Told.contains("at byte ")) << Told.toStdString();
  EXPECT_TRUE(Told.contains("2 layers and 1 items were loaded")) << Told.toStdString();
  EXPECT_EQ(Window->windowTitle(), "cut.plt (incomplete) - Quillon");
  EXPECT_TRUE(Window->StatusText->text().contains("incomplete: reading stopped at byte"));

  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Boxes.size(), 2u);
  EXPECT_TRUE(Boxes->Boxes[1].Text.startsWith("cut.plt was not read to its end"));
  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Boxes.size(), 2u);  // once
  EXPECT_TRUE(Page()->NoteLabel()->text().startsWith("From cut.plt, which is incomplete"));

  // A whole plot takes the sign away.
  Window->FileOpenAccept(QString::fromStdString(WritePlot("whole.plt", PlotBytes({{"TOP", 1}}))));
  EXPECT_EQ(Window->windowTitle(), "whole.plt - Quillon");
}

}  // namespace
}  // namespace quillon::test
