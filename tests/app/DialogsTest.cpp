// SPDX-License-Identifier: MIT
// The options dialog, the about box, "Customize", the user guide and the
// closing signals.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <csignal>
#include <sstream>

#include "AppTestSupport.h"
#include "app/AboutBox.h"
#include "app/CustomizeDialog.h"
#include "app/IniFile.h"
#include "app/OptFormUnit.h"
#include "app/SignalCloser.h"

namespace quillon::test {
namespace {

using app::TOptDlg;

// Runs Step on the next modal dialog as soon as it is shown.
void OnNextModal(std::function<void(QWidget*)> Step) {
  QTimer::singleShot(0, [Step] {
    if (QWidget* Modal = QApplication::activeModalWidget()) Step(Modal);
  });
}

TEST(OptDlg, HasItsCaptionPagesAndButtons) {
  TOptDlg Dlg;
  EXPECT_EQ(Dlg.windowTitle(), "Options");
  ASSERT_EQ(Dlg.PageControl->count(), 2);
  EXPECT_EQ(Dlg.PageControl->tabText(0), "Conversaton");
  EXPECT_EQ(Dlg.PageControl->tabText(1), "Optimization");
  EXPECT_EQ(Dlg.PageControl->currentIndex(), 1);
  EXPECT_EQ(Dlg.OKBtn->text(), "OK");
  EXPECT_TRUE(Dlg.OKBtn->isDefault());
  EXPECT_EQ(Dlg.CancelBtn->text(), "Cancel");
  EXPECT_EQ(Dlg.ApplyBtn->text(), "&Apply");
  EXPECT_FALSE(Dlg.ApplyBtn->isEnabled());
}

TEST(OptDlg, SetModeLocksOrFreesTheDialog) {
  TOptDlg Dlg;
  Dlg.SetMode(true);
  EXPECT_FALSE(Dlg.CancelBtn->isEnabled());
  EXPECT_FALSE(Dlg.ApplyBtn->isEnabled());
  EXPECT_FALSE(Dlg.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(Dlg.windowFlags() & Qt::WindowCloseButtonHint);
  Dlg.SetMode(false);
  EXPECT_TRUE(Dlg.CancelBtn->isEnabled());
  EXPECT_FALSE(Dlg.ApplyBtn->isEnabled());
  EXPECT_TRUE(Dlg.windowFlags() & Qt::WindowSystemMenuHint);
}

TEST(OptDlg, ButtonsCloseWithTheirResults) {
  TOptDlg Dlg;
  Dlg.SetMode(false);
  OnNextModal([&](QWidget*) { Dlg.OKBtn->click(); });
  EXPECT_EQ(Dlg.exec(), QDialog::Accepted);
  OnNextModal([&](QWidget*) { Dlg.CancelBtn->click(); });
  EXPECT_EQ(Dlg.exec(), QDialog::Rejected);
  Dlg.ApplyBtn->setEnabled(true);
  Dlg.ApplyBtnClick();
  EXPECT_FALSE(Dlg.ApplyBtn->isEnabled());
  // Locked, Escape does not close it; only OK does.
  Dlg.SetMode(true);
  OnNextModal([&](QWidget* Modal) {
    Dlg.reject();
    EXPECT_TRUE(Modal->isVisible());
    Dlg.OKBtn->click();
  });
  EXPECT_EQ(Dlg.exec(), QDialog::Accepted);
}

TEST_F(WindowTest, OptionsEntryShowsTheDialogWithCancelEnabled) {
  Window->OptDlg->SetMode(true);
  bool CancelEnabled = false;
  OnNextModal([&](QWidget* Modal) {
    CancelEnabled = Window->OptDlg->CancelBtn->isEnabled();
    EXPECT_EQ(Modal, Window->OptDlg);
    Window->OptDlg->CancelBtn->click();
  });
  Window->OptShowAct->trigger();
  EXPECT_TRUE(CancelEnabled);
}

TEST_F(WindowTest, AboutBoxShowsNameAndHexadecimalVersion) {
  std::ostringstream Version;
  Version << std::hex << QUILLON_VERSION_MAJOR << '.' << QUILLON_VERSION_MINOR << '.'
          << QUILLON_VERSION_PATCH << '.' << QUILLON_VERSION_TWEAK;
  EXPECT_EQ(app::TAboutBox::VersionText().toStdString(), Version.str());
  EXPECT_EQ(Window->AboutBox->ProductName->text(), "Quillon");
  EXPECT_TRUE(Window->AboutBox->Version->text().endsWith(app::TAboutBox::VersionText()));
  EXPECT_FALSE(Window->AboutBox->Comments->text().isEmpty());
  EXPECT_TRUE(Window->AboutBox->Licence->text().contains(QStringLiteral("MIT")));
  OnNextModal([&](QWidget*) { Window->AboutBox->OKButton->click(); });
  Window->AboutActExecute();
  EXPECT_EQ(Window->AboutBox->result(), QDialog::Accepted);
}

TEST_F(WindowTest, CustomizeShowsAndHidesToolBarButtonsAndRemembersThem) {
  OnNextModal([](QWidget* Modal) {
    auto* Dialog = static_cast<app::TCustomizeDialog*>(Modal);
    ASSERT_EQ(Dialog->Boxes.size(), 6);
    EXPECT_EQ(Dialog->Boxes[2]->text(), "Convert");
    Dialog->Boxes[1]->setChecked(false);  // Open description
    Dialog->accept();
  });
  Window->CustomizeActionBars->trigger();
  EXPECT_FALSE(Window->ToolBarActionShown(Window->PinFileOpen));
  EXPECT_FALSE(Window->ToolBar->actions().contains(Window->PinFileOpen));
  EXPECT_TRUE(Window->FileMenu->actions().contains(Window->PinFileOpen));
  Reopen();
  EXPECT_FALSE(Window->ToolBarActionShown(Window->PinFileOpen));
  Window->SetToolBarActionShown(Window->PinFileOpen, true);
  QStringList Tools;
  for (const QAction* A : Window->ToolBar->actions()) Tools.append(A->objectName());
  EXPECT_EQ(Tools,
            QStringList({"FileOpen", "PinFileOpen", "ConvertAction", "FormatBoxAct", "FileSaveAs",
                         "CheckAct",
                         "FileExit"}));
}

TEST(UserGuide, IsFoundBesideTheProgramOrInTheDocFolder) {
  TempDir Tmp;
  const QString Root = QString::fromStdString(Tmp.Path().string());
  QDir(Root).mkpath("bin");
  QDir(Root).mkpath("share/doc/quillon");
  EXPECT_EQ(app::TQuillonMain::FindUserGuide(Root + "/bin"), "");
  WriteFile(Tmp.File("share/doc/quillon/quillon-guide.html"), "<html></html>");
  EXPECT_EQ(app::TQuillonMain::FindUserGuide(Root + "/bin"),
            Root + "/share/doc/quillon/quillon-guide.html");
  WriteFile(Tmp.File("bin/quillon-guide.html"), "<html></html>");
  EXPECT_EQ(app::TQuillonMain::FindUserGuide(Root + "/bin"), Root + "/bin/quillon-guide.html");
  EXPECT_TRUE(QFileInfo::exists(QString(QUILLON_SOURCE_DIR) + "/app/quillon-guide.html"));
}

TEST_F(WindowTest, TermAndIntCloseTheWindowLikeExit) {
  for (int Signal : {SIGTERM, SIGINT}) {
    Window->show();
    app::TSignalCloser Closer(Window.get());
    ASSERT_TRUE(Closer.Installed());
    std::raise(Signal);
    QElapsedTimer Clock;
    Clock.start();
    while (Window->isVisible() && Clock.elapsed() < 5000) QApplication::processEvents();
    EXPECT_FALSE(Window->isVisible()) << Signal;
  }
  // The handlers are gone with the closer: the settings are written at destruction.
  Window.reset();
  EXPECT_EQ(app::TIniFile(IniFile).ReadString("Output", "Format", ""), "Macro");
}

}  // namespace
}  // namespace quillon::test
