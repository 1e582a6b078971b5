// SPDX-License-Identifier: MIT
// Loading and converting on the worker: the questions are asked on the
// window's thread in the core's order, Cancel leaves the board and the last
// output as they were, and the window refuses new work meanwhile.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "AppTestSupport.h"
#include "app/GuiPrompts.h"
#include "app/OutputView.h"
#include "app/WorkRunner.h"

namespace quillon::test {
namespace {

class WorkerTest : public WindowTest {
 protected:
  // Answers every box with Yes and notes what the window was doing then.
  struct TSeen {
    bool OnWindowThread = true;
    bool Busy = false;
    bool ConvertEnabled = true;
    bool CancelShown = false;
    int Boxes = 0;
  };
  void AnswerYes(TSeen& Seen, bool CancelAtFirst) {
    app::TGuiPrompts::SetBoxHook([this, &Seen, CancelAtFirst](QMessageBox& Box) {
      Seen.OnWindowThread &= QThread::currentThread() == qApp->thread();
      Seen.Busy = Window->Busy();
      Seen.ConvertEnabled = Window->ConvertAction->isEnabled();
      Seen.CancelShown = !Window->CancelButton->isHidden();
      if (Seen.Boxes++ == 0 && CancelAtFirst) Window->CancelButton->click();
      return Box.buttons().front();
    });
  }
};

TEST_F(WorkerTest, QuestionsAreAskedOnTheWindowsThreadWhileCommandsWait) {
  OpenQuestionBoard();
  TSeen Seen;
  AnswerYes(Seen, false);
  Window->ConvertActionExecute();
  EXPECT_EQ(Seen.Boxes, 2);
  EXPECT_TRUE(Seen.OnWindowThread);
  EXPECT_TRUE(Seen.Busy);
  EXPECT_FALSE(Seen.ConvertEnabled);
  EXPECT_TRUE(Seen.CancelShown);
  // Done: the commands are back and the progress is gone.
  EXPECT_FALSE(Window->Busy());
  EXPECT_TRUE(Window->ConvertAction->isEnabled());
  EXPECT_TRUE(Window->CancelButton->isHidden());
  EXPECT_EQ(Window->MemoLog->LineCount(), Window->Board->Output.Count());
}

TEST_F(WorkerTest, CancelKeepsTheLastOutputAndTheChoices) {
  OpenQuestionBoard();
  Boxes->Otherwise = "Yes";
  Window->ConvertActionExecute();
  const std::string Output = Window->Board->Output.Join();
  const std::string Drill = Window->Board->LayerOutputs.at(1).Join();
  const std::uint8_t PadTop = Window->Board->PadTopLayer;

  TSeen Seen;
  AnswerYes(Seen, true);
  Window->AperTopCB->setCurrentIndex(1);
  Window->FormatActExecute(3);
  Window->ConvertActionExecute();
  // Stopped at the next check after the first question: no second one.
  EXPECT_EQ(Seen.Boxes, 1);
  EXPECT_EQ(Window->Board->Output.Join(), Output);
  ASSERT_EQ(Window->Board->LayerOutputs.size(), 2u);
  EXPECT_EQ(Window->Board->LayerOutputs[1].Join(), Drill);
  EXPECT_EQ(Window->Board->PadTopLayer, PadTop);
  EXPECT_EQ(Window->MemoLog->LineCount(), Window->Board->Output.Count());
  EXPECT_EQ(Window->StatusText->text(), "Conversion cancelled");
  EXPECT_TRUE(Window->FileSaveAs->isEnabled());
  // The suggestion still fits the output shown: a Gerber one.
  EXPECT_EQ(Window->SaveDialog.DefaultExt, "scr");

  // The next conversion runs to its end.
  Boxes.reset();  // its end clears the hook: before the new one sets it
  Boxes = std::make_unique<TBoxRecorder>();
  Boxes->Otherwise = "Yes";
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.DefaultExt, "csh");
  EXPECT_NE(Window->Board->Output.Join(), Output);
}

TEST_F(WorkerTest, CancelledLoadKeepsTheShownBoard) {
  const QString First =
      QString::fromStdString(WritePlot("first.plt", PlotBytes({{"COMP", 1}, {"SOLDER", 2}})));
  Window->FileOpenAccept(First);
  ASSERT_EQ(Window->Board->Layers.Count(), 2);
  const QString Status = Window->StatusText->text();

  // Enough records for several progress reports; the first one cancels.
  std::string Body = SelectLayer(1);
  for (int I = 0; I < 10000; ++I) Body += LineRecord(10, I % 1000, 0, 0, 0);
  const QString Big = QString::fromStdString(WritePlot("big.plt", PlotBytes({{"TOP", 1}}, Body)));
  const auto Connection = QObject::connect(
      Window->Worker(), &app::TWorkRunner::StageChanged, Window->Worker(),
      [this] { Window->Worker()->Cancel(); }, Qt::DirectConnection);
  Window->FileOpenAccept(Big);
  QObject::disconnect(Connection);

  EXPECT_EQ(Window->Board->Layers.Count(), 2);
  EXPECT_EQ(Window->Board->Layers.Items(0).Name, "COMP");
  EXPECT_EQ(Window->PlotDialog.FileName, First);
  EXPECT_EQ(Window->windowTitle(), "first.plt - Quillon");
  EXPECT_EQ(Window->StatusText->text(), "Loading cancelled");
  EXPECT_NE(Status, Window->StatusText->text());
  EXPECT_EQ(Window->RecentFiles().size(), 1);
  EXPECT_TRUE(Boxes->Boxes.empty());

  // Not cancelled, the same file loads whole.
  Window->FileOpenAccept(Big);
  ASSERT_EQ(Window->Board->Layers.Count(), 1);
  EXPECT_EQ(Window->Board->Layers.Items(0).Lines.Count(), 10000);
}

TEST_F(WorkerTest, ALoadErrorKeepsWhatWasReadAndIsReported) {
  // A line record cut short: the layers are there, the load stops.
  const QString Cut = QString::fromStdString(WritePlot(
      "cut.plt",
      PlotBytes({{"COMP", 1}}, SelectLayer(1) + LineRecord(10, 1, 2, 3, 4).substr(0, 5))));
  Window->FileOpenAccept(Cut);
  EXPECT_EQ(Window->Board->Layers.Count(), 1);
  EXPECT_TRUE(Boxes->Texts().back().contains("Read beyond end of file at byte"))
      << Boxes->Texts().back().toStdString();
  EXPECT_FALSE(Window->Busy());
  EXPECT_TRUE(Window->FileOpen->isEnabled());
}

}  // namespace
}  // namespace quillon::test
