// SPDX-License-Identifier: MIT
// Where the work begins: the Plt page's "open a plot" state, the tool bar's
// order and format list, the folders the open dialogs start in, and long
// texts cut with a tooltip.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <filesystem>

#include "AppTestSupport.h"
#include "app/ElidedLabel.h"
#include "app/OptFormUnit.h"

namespace quillon::test {
namespace {

class StartStateTest : public WindowTest {
 protected:
  QString Plot(const std::string& Name) {
    return QString::fromStdString(WritePlot(
        Name,
        PlotBytes({{"COMP", 1}, {"SOLDER", 2}}, SelectLayer(1) + LineRecord(10, 1, 2, 3, 4))));
  }
  bool EmptyStateShown() const { return Window->PltStack->currentIndex() == 0; }
};

TEST_F(StartStateTest, ThePltPageSaysToOpenAPlotUntilOneIsLoaded) {
  Window->show();
  EXPECT_EQ(Window->MPageControl->currentWidget(), Window->PltSheet);
  EXPECT_TRUE(EmptyStateShown());
  // Its button is the File menu's Open.
  int Opened = 0;
  QObject::connect(Window->FileOpen, &QAction::triggered, [&Opened] { ++Opened; });
  QTimer::singleShot(0, [] {
    if (QWidget* Modal = QApplication::activeModalWidget()) Modal->close();
  });
  Window->PltOpenBtn->click();
  EXPECT_EQ(Opened, 1);

  // A file that is not a plot leaves it; a plot replaces it with the lists.
  Window->FileOpenAccept(QString::fromStdString(WritePlot("not.plt", "hello")));
  EXPECT_TRUE(EmptyStateShown());
  Window->FileOpenAccept(Plot("board.plt"));
  EXPECT_FALSE(EmptyStateShown());
  EXPECT_EQ(Window->AperTopCB->count(), 2);
}

TEST_F(StartStateTest, OpenComesFirstAndTheFormatListFollowsMenuAndOptions) {
  QStringList Tools;
  for (const QAction* A : Window->ToolBar->actions()) Tools.append(A->objectName());
  EXPECT_EQ(Tools.mid(0, 4),
            QStringList({"FileOpen", "PinFileOpen", "ConvertAction", "FormatBoxAct"}));
  QComboBox* Box = Window->FormatBox;
  EXPECT_EQ(Box->currentText(), "CAM350 Script");
  Window->GenesisAct->trigger();
  EXPECT_EQ(Box->currentText(), "Genesis Script");
  // Choosing in the list is choosing in the menu.
  Box->setCurrentIndex(1);
  emit Box->activated(1);
  EXPECT_EQ(Window->OutputFormat, fmtGerber);
  EXPECT_TRUE(Window->GerberAct->isChecked());
  EXPECT_EQ(Box->currentText(), "Gerber RS274X");
  // The options' Gerber profile shows in its name.
  QTimer::singleShot(0, [this] {
    Window->OptDlg->GerberProfileBox->setCurrentIndex(1);
    Window->OptDlg->OKBtn->click();
  });
  Window->OptShowActExecute();
  EXPECT_EQ(Window->GerberProfile, TGerberProfile::Fab);
  EXPECT_EQ(Box->currentText(), "Gerber X2 fab package");
  // And it is there again after a restart, as the settings bring it back.
  Reopen();
  EXPECT_EQ(Window->FormatBox->currentText(), "Gerber X2 fab package");
}

TEST_F(StartStateTest, OpenStartsAtHomeOrTheLastFolderAndTheDescriptionBesideThePlot) {
  const QString Home = QDir::homePath();
  EXPECT_EQ(Window->PlotDialog.StartFolder(), Home);
  EXPECT_EQ(Window->DescriptionStartFolder(), Home);
  // A folder that went away since is no place to start.
  Window->PlotDialog.InitialDir = "/no/such/folder";
  EXPECT_EQ(Window->PlotDialog.StartFolder(), Home);

  std::filesystem::create_directories(Tmp.Path() / "plots");
  std::filesystem::create_directories(Tmp.Path() / "texts");
  const QString Plots = QString::fromStdString((Tmp.Path() / "plots").string());
  const QString Texts = QString::fromStdString((Tmp.Path() / "texts").string());
  Window->PlotDialog.InitialDir = Texts;  // the last folder used
  EXPECT_EQ(Window->PlotDialog.StartFolder(), Texts);
  Window->PinDialog.FileName = Texts + "/old.txt";
  EXPECT_EQ(Window->DescriptionStartFolder(), Texts);

  Window->FileOpenAccept(Plot("plots/board.plt"));
  ASSERT_EQ(Window->PlotDialog.FileName, Plots + "/board.plt");
  EXPECT_EQ(Window->PlotDialog.StartFolder(), Plots);  // the plot opened last
  EXPECT_EQ(Window->DescriptionStartFolder(), Plots);
}

// A long layer name or status text is cut where it is shown, never
// widening the window, and told whole in a tooltip.
TEST_F(StartStateTest, LongTextsAreCutWithTheWholeTextAsTooltip) {
  const std::string Long = "INNER7";  // the plot file holds six characters of a name
  Window->FileOpenAccept(QString::fromStdString(
      WritePlot("long.plt", PlotBytes({{Long, 1}, {"SOLDER", 2}},
                                      SelectLayer(1) + LineRecord(10, 1, 2, 3, 4)))));
  const QString Label = "1: INNER7";
  ASSERT_EQ(Window->AperTopCB->itemText(0), Label);
  EXPECT_EQ(Window->AperTopCB->itemData(0, Qt::ToolTipRole).toString(), Label);
  EXPECT_EQ(Window->SilkTopCB->itemData(1, Qt::ToolTipRole).toString(), Label);
  Window->AperTopCB->setCurrentIndex(0);
  EXPECT_EQ(Window->AperTopCB->toolTip(), Label);

  auto* Status = qobject_cast<app::TElidedLabel*>(Window->StatusText);
  ASSERT_NE(Status, nullptr);
  Window->resize(700, 500);
  Window->show();
  const int Narrowest = Window->minimumSizeHint().width();
  const QString Text = "Line 12 on layer 0 " + QString(400, u'x');
  Status->setText(Text);
  EXPECT_EQ(Status->text(), Text);
  EXPECT_TRUE(Status->ShownText().endsWith(u'\u2026'));
  EXPECT_LT(Status->ShownText().size(), Text.size());
  EXPECT_EQ(Window->minimumSizeHint().width(), Narrowest);
  Status->setText("Done");
  EXPECT_EQ(Status->ShownText(), "Done");
}

}  // namespace
}  // namespace quillon::test
