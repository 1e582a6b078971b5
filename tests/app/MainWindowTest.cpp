// SPDX-License-Identifier: MIT
// The window as it starts: pages, controls, actions, menus, tool bar, dialogs.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>

#include "AppTestSupport.h"
#include "app/FileDialogs.h"
#include "app/OutputView.h"

namespace quillon::test {
namespace {

using app::TQuillonMain;

// A menu's entries as captions, separators as "-" and submenus by title.
QStringList MenuEntries(const QMenu* Menu) {
  QStringList Result;
  for (const QAction* A : Menu->actions()) {
    if (!A->isVisible()) continue;
    Result.append(A->isSeparator() ? QStringLiteral("-") : A->text());
  }
  return Result;
}

TEST_F(WindowTest, PagesAndPinsControlsStartAsDescribed) {
  EXPECT_EQ(Window->windowTitle(), "Quillon");
  QStringList Pages;
  for (int I = 0; I < Window->MPageControl->count(); ++I)
    Pages.append(Window->MPageControl->tabText(I));
  EXPECT_EQ(Pages, QStringList({"Pins", "Plt", "Layers", "Output"}));
  Window->show();
  EXPECT_EQ(Window->MPageControl->currentWidget(), Window->PltSheet);

  EXPECT_EQ(Window->PinMemo->toPlainText(), "");
  EXPECT_EQ(Window->PinMemo->placeholderText(), "Load File");
  EXPECT_FALSE(Window->PinMemo->isReadOnly());
  EXPECT_TRUE(Window->ANSIBtn->isChecked());
  EXPECT_FALSE(Window->OEMBtn->isChecked());
  EXPECT_EQ(Entries(Window->pinFormatCB), QStringList({"Pin# Hole Aper", "Pin# Aper Hole"}));
  EXPECT_EQ(Window->pinFormatCB->currentIndex(), 0);
  EXPECT_EQ(Window->ReadPinBtn->text(), "Read");
  const QStringList Units = {"MM", "Inch", "PInch", "Net1.25", "mkm*10", "mil"};
  EXPECT_EQ(Entries(Window->HUnitCombo), Units);
  EXPECT_EQ(Entries(Window->AUnitCombo), Units);
  EXPECT_EQ(Window->HUnitCombo->currentIndex(), 0);
  EXPECT_EQ(Window->AUnitCombo->currentIndex(), 0);
  EXPECT_TRUE(Window->MemoLog->Text().isEmpty());
  // The board preview and the check's differences below it.
  EXPECT_EQ(Window->LayersPage()->layout()->count(), 2);
}

TEST_F(WindowTest, PltControlsStartAsDescribed) {
  EXPECT_TRUE(Window->RadioInch->isChecked());
  EXPECT_TRUE(Window->RadioCustom->isEnabled());  // any unit, as the command line's --dbu
  EXPECT_EQ(Window->RadioPINCH->text(), "PInch");
  EXPECT_EQ(Entries(Window->DBUCombo), QStringList({"1", "25", "50", "100"}));
  EXPECT_EQ(Entries(Window->UnitBox), QStringList({"mm", "inch"}));
  EXPECT_FALSE(Window->DBUEdit->isEnabled());
  // 1 DBU of 0.0254 mm shown as such, not the stale "25.4".
  EXPECT_EQ(Window->DBUEdit->text(), "0.0254");
  EXPECT_DOUBLE_EQ(Window->DbuFactor, 0.0254);
  for (QComboBox* List : {Window->AperTopCB, Window->AperBotCB, Window->AperMskTopCB,
                          Window->AperMskBotCB, Window->DrlCB})
    EXPECT_EQ(List->count(), 0);
  EXPECT_TRUE(Window->AperMskTopCB->isEnabled());
  EXPECT_TRUE(Window->AperMskBotCB->isEnabled());
  EXPECT_TRUE(Window->AperTopCB->isEnabled());
  EXPECT_EQ(Window->OutputFormat, 0);
}

TEST_F(WindowTest, MenusHoldTheirEntriesInOrder) {
  QStringList Titles;
  for (const QAction* A : Window->menuBar()->actions()) Titles.append(A->text());
  EXPECT_EQ(Titles, QStringList({"&File", "&Convert", "&Output", "&Tools", "&Help"}));
  EXPECT_EQ(MenuEntries(Window->FileMenu), QStringList({"&Open...", "O&pen description...", "&Save",
                                                        "Save &As...", "-", "E&xit"}));
  EXPECT_EQ(MenuEntries(Window->ConvertMenu),
            QStringList({"&Convert", "-", "&Format", "-", "A&dd View Commands", "-", "&Pads",
                         "&Lines", "&Arcs", "&Text", "P&olygons"}));
  EXPECT_EQ(MenuEntries(Window->FormatMenu),
            QStringList({"&CAM350 Script", "&Gerber RS274X", "Genesis Script"}));
  EXPECT_EQ(MenuEntries(Window->OutputMenu), QStringList({"&Check"}));
  EXPECT_EQ(MenuEntries(Window->ToolsMenu), QStringList({"&Options...", "&Customize"}));
  EXPECT_EQ(MenuEntries(Window->HelpMenu), QStringList({"&Home Page", "-", "&About..."}));
  QStringList Tools;
  for (const QAction* A : Window->ToolBar->actions()) Tools.append(A->text());
  EXPECT_EQ(Tools,
            QStringList({"&Open...", "O&pen description...", "&Convert", "Format", "Save &As...",
                         "&Check",
                         "E&xit"}));
}

TEST_F(WindowTest, ActionsCarryShortcutsChecksAndTags) {
  EXPECT_EQ(Window->FileOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  // One action per key: a second Ctrl+O made the key ambiguous.
  EXPECT_TRUE(Window->PinFileOpen->shortcut().isEmpty());
  EXPECT_EQ(Window->FileOpen->shortcutContext(), Qt::WindowShortcut);
  EXPECT_EQ(Window->ConvertAction->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(Window->FileSave->shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_EQ(Window->FindAct->shortcut(), QKeySequence(QKeySequence::Find));
  EXPECT_TRUE(Window->CAM350ScrAct->isChecked());
  EXPECT_FALSE(Window->GerberAct->isChecked());
  EXPECT_TRUE(Window->GerberAct->isEnabled());
  EXPECT_FALSE(Window->GenesisAct->isChecked());
  EXPECT_EQ(Window->CAM350ScrAct->data().toInt(), 1);
  EXPECT_EQ(Window->GerberAct->data().toInt(), 2);
  EXPECT_EQ(Window->GenesisAct->data().toInt(), 3);
  for (QAction* Check : {Window->AddViewCommands, Window->MakePadsAct, Window->MakeLinesAct,
                         Window->MakeArcsAct, Window->MakeTextAct, Window->MakePolyAct}) {
    EXPECT_TRUE(Check->isCheckable());
    EXPECT_TRUE(Check->isChecked()) << Check->text().toStdString();
  }
}

TEST_F(WindowTest, FileDialogsAreSetUp) {
  EXPECT_EQ(Window->PlotDialog.Title, "Open plot file");
  EXPECT_EQ(Window->PlotDialog.DefaultExt, "plt");
  EXPECT_EQ(Window->PlotDialog.Kind, app::TFileDialog::OpenExisting);
  EXPECT_TRUE(Window->PinDialog.Title.isEmpty());
  EXPECT_EQ(Window->PinDialog.DefaultExt, "txt");
  EXPECT_EQ(Window->SaveDialog.Title, "Save CAM350 Script");
  EXPECT_EQ(Window->SaveDialog.DefaultExt, "scr");
  EXPECT_EQ(Window->SaveDialog.Kind, app::TFileDialog::SaveAs);
  for (const app::TFileDialog* D : {&Window->PlotDialog, &Window->PinDialog, &Window->SaveDialog})
    EXPECT_EQ(D->InitialDir, QDir::homePath());
}

TEST(FileDialogFilter, PairsBecomeQtFilters) {
  EXPECT_EQ(app::ToQtFilter("P-Cad 4.5 PLOT files, *.plt|*.plt|All Files *.*|*.*"),
            "P-Cad 4.5 PLOT files, *.plt (*.plt);;All Files *.* (*)");
  EXPECT_EQ(app::ToQtFilter("Description Files, *.txt;*.dat|*.txt;*.dat|All Files, *.*|*.*"),
            "Description Files, *.txt;*.dat (*.txt *.dat);;All Files, *.* (*)");
  EXPECT_EQ(app::ToQtFilter("Out files, *.scr; *.gbr; *.txt; *.csh|*.scr;*.gbr;*.txt;*.csh|"
                            "Genesis Script, *csh|*.csh"),
            "Out files, *.scr; *.gbr; *.txt; *.csh (*.scr *.gbr *.txt *.csh);;"
            "Genesis Script, *csh (*.csh)");
}

TEST_F(WindowTest, FormatEntriesCheckExactlyOne) {
  Window->FormatActExecute(3);
  EXPECT_EQ(Window->OutputFormat, 3);
  EXPECT_TRUE(Window->GenesisAct->isChecked());
  EXPECT_FALSE(Window->CAM350ScrAct->isChecked());
  Window->FormatActExecute(2);  // disabled in the menu, still reachable
  EXPECT_EQ(Window->OutputFormat, 1);
  EXPECT_TRUE(Window->GerberAct->isChecked());
  EXPECT_FALSE(Window->GenesisAct->isChecked());
  Window->GenesisAct->trigger();
  EXPECT_EQ(Window->OutputFormat, 3);
  Window->CAM350ScrAct->trigger();
  EXPECT_EQ(Window->OutputFormat, 0);
  EXPECT_TRUE(Window->CAM350ScrAct->isChecked());
  EXPECT_FALSE(Window->GerberAct->isChecked());
}

TEST_F(WindowTest, CheckEntriesToggle) {
  Window->MakeActExecute(Window->MakeArcsAct);
  EXPECT_FALSE(Window->MakeArcsAct->isChecked());
  Window->MakeArcsAct->trigger();  // as chosen from the menu
  EXPECT_TRUE(Window->MakeArcsAct->isChecked());
}

}  // namespace
}  // namespace quillon::test
