// SPDX-License-Identifier: MIT
// The Genesis host choice of the options dialog: kept on Apply, shown again
// when the dialog opens, remembered in quillon.ini.

#include <QComboBox>
#include <QPushButton>

#include "AppTestSupport.h"
#include "app/OptFormUnit.h"

namespace quillon::test {
namespace {

TEST(GenesisHostOption, ApplyKeepsTheHostAndCancelForgetsAnUnappliedOne) {
  app::TOptDlg Dlg;
  EXPECT_EQ(Entries(Dlg.GenesisHostBox), (QStringList{"Windows", "Unix"}));
  Dlg.SetMode(false);
  Dlg.GenesisHostBox->setCurrentIndex(1);
  EXPECT_TRUE(Dlg.ApplyBtn->isEnabled());
  Dlg.ApplyBtnClick();
  EXPECT_EQ(Dlg.GenesisHost, TGenesisHost::Unix);
  Dlg.GenesisHostBox->setCurrentIndex(0);
  Dlg.CancelBtnClick();
  EXPECT_EQ(Dlg.GenesisHost, TGenesisHost::Unix);
  EXPECT_EQ(Dlg.GenesisHostBox->currentIndex(), 1);
}

class GenesisHostWindowTest : public WindowTest {};

TEST_F(GenesisHostWindowTest, TheHostIsRememberedInTheSettingsFile) {
  EXPECT_EQ(Window->GenesisHost, TGenesisHost::Windows);
  Window->GenesisHost = TGenesisHost::Unix;
  Reopen();
  EXPECT_EQ(Window->GenesisHost, TGenesisHost::Unix);
  EXPECT_NE(ReadFile(IniFile.toStdString()).find("Genesis_Host=Unix\n"), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
