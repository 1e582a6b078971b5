// SPDX-License-Identifier: MIT
// Opening plot files: the five layer lists, their preselection, stopped
// loads, the title, recent files, the status bar and dropped files.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QUrl>

#include "AppTestSupport.h"

namespace quillon::test {
namespace {

class PlotListsTest : public WindowTest {
 protected:
  QList<QComboBox*> Lists() const {
    return {Window->AperTopCB, Window->AperBotCB, Window->AperMskTopCB, Window->AperMskBotCB,
            Window->DrlCB};
  }
  std::vector<int> Selected() const {
    std::vector<int> Result;
    for (const QComboBox* List : Lists()) Result.push_back(List->currentIndex());
    return Result;
  }
};

TEST_F(PlotListsTest, ListsNameEveryLayerAndPreselectByName) {
  const std::string Plot = WritePlot(
      "board.plt",
      PlotBytes(
          {{"COMP", 1}, {"SOLDER", 2}, {"MSKGTP", 3}, {"MSKGBT", 4}, {"PIN", 5}, {"SILK", 9}}));
  Window->FileOpenAccept(QString::fromStdString(Plot));
  EXPECT_TRUE(Boxes->Boxes.empty());
  EXPECT_EQ(Window->MPageControl->currentWidget(), Window->PltSheet);
  const QStringList Expected = {"1: COMP",   "2: SOLDER", "3: MSKGTP",
                                "4: MSKGBT", "5: PIN",    "9: SILK"};
  for (const QComboBox* List : Lists()) EXPECT_EQ(Entries(List), Expected);
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Window->windowTitle(), "board.plt - Quillon");
  EXPECT_EQ(Window->StatusText->text(), "6 layers, 0 items");
}

TEST_F(PlotListsTest, NamesMatchInAnyCaseButExactlyAndTheLastMatchWins) {
  const std::string Plot = WritePlot(
      "case.plt",
      PlotBytes({{"comp", 1}, {"COMP1", 2}, {"Solder", 3}, {"PIN", 4}, {"pin", 5}, {"xCOMP", 6}}));
  Window->FileOpenAccept(QString::fromStdString(Plot));
  EXPECT_EQ(Selected(), (std::vector<int>{0, 2, -1, -1, 4}));
  EXPECT_EQ(Window->AperTopCB->itemText(1), "2: COMP1");
}

TEST_F(PlotListsTest, NoMatchingNamesLeaveEveryListUnselected) {
  Window->FileOpenAccept(QString::fromStdString(WritePlot("a.plt", PlotBytes({{"TOP", 1}}))));
  EXPECT_EQ(Selected(), (std::vector<int>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(Entries(Window->DrlCB), QStringList({"1: TOP"}));
}

TEST_F(PlotListsTest, ASecondPlotReplacesTheEntriesAndSelections) {
  Window->FileOpenAccept(QString::fromStdString(
      WritePlot("a.plt", PlotBytes({{"COMP", 1}, {"SOLDER", 2}, {"PIN", 3}}))));
  Window->FileOpenAccept(QString::fromStdString(WritePlot("b.plt", PlotBytes({{"TOP", 7}}))));
  EXPECT_EQ(Entries(Window->AperTopCB), QStringList({"7: TOP"}));
  EXPECT_EQ(Selected(), (std::vector<int>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(Window->RecentFiles().size(), 2);
  EXPECT_TRUE(Window->RecentFiles().front().endsWith("/b.plt"));
}

TEST_F(PlotListsTest, CyrillicLayerNamesShowAsWindows1251) {
  // "ВЕРХ" (top) in Windows-1251.
  Window->FileOpenAccept(
      QString::fromStdString(WritePlot("ru.plt", PlotBytes({{"\xC2\xC5\xD0\xD5", 1}}))));
  EXPECT_EQ(Window->AperTopCB->itemText(0), QString::fromUtf8("1: ВЕРХ"));
}

TEST_F(PlotListsTest, AStoppedLoadIsToldOnceAndWhatWasReadIsShown) {
  Window->FileOpenAccept(
      QString::fromStdString(WritePlot("good.plt", PlotBytes({{"COMP", 1}, {"PIN", 2}}))));
  Window->MPageControl->setCurrentWidget(Window->PinsSheet);
  int Changed = 0;
  QObject::connect(Window.get(), &app::TQuillonMain::BoardChanged, [&] { ++Changed; });
  // Ends inside the second layer header.
  std::string Truncated = PlotBytes({{"TOP", 1}, {"BOT", 2}});
  Truncated.resize(Truncated.size() - 3);
  const std::string Cut = WritePlot("cut.plt", Truncated);
  Window->FileOpenAccept(QString::fromStdString(Cut));
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_TRUE(Boxes->Boxes[0].Text.startsWith(QString::fromStdString(Cut) +
                                              " is incomplete: Read beyond end of file at byte "))
      << Boxes->Boxes[0].Text.toStdString();
  EXPECT_EQ(Entries(Window->AperTopCB), QStringList({"1: TOP"}));
  EXPECT_EQ(Window->MPageControl->currentWidget(), Window->PltSheet);
  EXPECT_EQ(Changed, 1);
  EXPECT_EQ(Window->RecentFiles().size(), 2);
  // Still usable: the next file loads.
  Window->FileOpenAccept(QString::fromStdString(WritePlot("next.plt", PlotBytes({{"PIN", 3}}))));
  EXPECT_EQ(Window->DrlCB->currentIndex(), 0);
}

TEST_F(PlotListsTest, AMissingFileIsReported) {
  Window->FileOpenAccept(QString::fromStdString(Tmp.File("none.plt")));
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_FALSE(Boxes->Boxes[0].Text.isEmpty());
  EXPECT_EQ(Window->AperTopCB->count(), 0);
}

TEST_F(PlotListsTest, StatusBarCountsLayersAndItems) {
  const std::string Body = SelectLayer(2) + LineRecord(10, 0, 0, 100, 0) +
                           LineRecord(10, 0, 0, 0, 100) + FlashRecord(1, 5, 5);
  Window->FileOpenAccept(
      QString::fromStdString(WritePlot("n.plt", PlotBytes({{"TOP", 1}, {"BOT", 2}}, Body))));
  EXPECT_EQ(Window->StatusText->text(), "2 layers, 3 items");
}

TEST_F(PlotListsTest, RecentFilesAreListedUnderFileAndKeptToFive) {
  for (int I = 0; I < 7; ++I)
    Window->FileOpenAccept(QString::fromStdString(
        WritePlot("r" + std::to_string(I) + ".plt", PlotBytes({{"TOP", 1}}))));
  ASSERT_EQ(Window->RecentFiles().size(), 5);
  EXPECT_TRUE(Window->RecentFiles().front().endsWith("/r6.plt"));
  EXPECT_TRUE(Window->RecentFiles().back().endsWith("/r2.plt"));
  QStringList Captions;
  for (const QAction* A : Window->FileMenu->actions())
    if (A->isVisible()) Captions.append(A->isSeparator() ? QStringLiteral("-") : A->text());
  EXPECT_EQ(Captions, QStringList({"&Open...", "O&pen description...", "&Save", "Save &As...", "-",
                                   "&1 r6.plt", "&2 r5.plt", "&3 r4.plt", "&4 r3.plt", "&5 r2.plt",
                                   "-", "E&xit"}));
  // Choosing one opens it again and moves it to the top.
  Window->FileMenu->actions().at(8)->trigger();
  EXPECT_TRUE(Window->RecentFiles().front().endsWith("/r3.plt"));
  EXPECT_EQ(Window->windowTitle(), "r3.plt - Quillon");
}

TEST_F(PlotListsTest, DroppedFilesOpenByKind) {
  const std::string Plot = WritePlot("drop.dat", PlotBytes({{"COMP", 1}}));  // found by signature
  const std::string Pins = Tmp.File("pins.txt");
  WriteFile(Pins, "1  0.9  1.6\r\n");
  Window->OpenDroppedFiles({QString::fromStdString(Plot), QString::fromStdString(Pins)});
  EXPECT_EQ(Entries(Window->AperTopCB), QStringList({"1: COMP"}));
  EXPECT_EQ(Window->PinMemo->toPlainText(), "1  0.9  1.6");
  EXPECT_TRUE(app::TQuillonMain::LooksLikePlotFile(QString::fromStdString(Tmp.File("x.PLT"))));
  EXPECT_FALSE(app::TQuillonMain::LooksLikePlotFile(QString::fromStdString(Pins)));
}

TEST_F(PlotListsTest, ADropOntoTheWindowOpensTheFile) {
  const std::string Plot = WritePlot("dropped.plt", PlotBytes({{"PIN", 1}}));
  QMimeData Data;
  Data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Plot))});
  QDragEnterEvent Enter(QPoint(10, 10), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Window.get(), &Enter);
  EXPECT_TRUE(Enter.isAccepted());
  QDropEvent Drop(QPointF(10, 10), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Window.get(), &Drop);
  EXPECT_EQ(Entries(Window->DrlCB), QStringList({"1: PIN"}));
  EXPECT_EQ(Window->windowTitle(), "dropped.plt - Quillon");
  // Something that is not a local file is refused.
  QMimeData Web;
  Web.setUrls({QUrl("https://example.org/board.plt")});
  QDragEnterEvent Refused(QPoint(10, 10), Qt::CopyAction, &Web, Qt::LeftButton, Qt::NoModifier);
  Refused.ignore();
  QApplication::sendEvent(Window.get(), &Refused);
  EXPECT_FALSE(Refused.isAccepted());
}

}  // namespace
}  // namespace quillon::test
