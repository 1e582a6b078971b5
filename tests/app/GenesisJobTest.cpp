// SPDX-License-Identifier: MIT
// The Genesis job of the window: the plot's name unless one is chosen, so
// that a second board's script keeps the first board's job; the matrix typed
// by role when asked for.

#include <QLineEdit>

#include "AppTestSupport.h"
#include "app/OptFormUnit.h"

namespace quillon::test {
namespace {

class GenesisJobTest : public WindowTest {
 protected:
  std::string Script() const { return Window->Board->Output.Join("\n"); }
  void ConvertGenesis(const std::string& PlotName) {
    Window->FileOpenAccept(QString::fromStdString(
        WritePlot(PlotName, PlotBytes({{"COMP", 1}, {"SOLDER", 2}, {"PIN", 3}, {"SILK", 4}},
                                      SelectLayer(1) + LineRecord(10, 1, 2, 3, 4)))));
    Window->FormatActExecute(3);
    Window->ConvertActionExecute();
  }
};

TEST_F(GenesisJobTest, TheJobIsNamedAfterThePlotUnlessChosen) {
  ConvertGenesis("My Board-2.plt");
  EXPECT_NE(Script().find("set gJob=my_board-2\n"), std::string::npos);
  EXPECT_EQ(Window->SuggestedJobName(), "my_board-2");
  ConvertGenesis("other.plt");
  EXPECT_NE(Script().find("set gJob=other\n"), std::string::npos);

  Window->GenesisJob = "panel_7";
  Window->ConvertActionExecute();
  EXPECT_NE(Script().find("set gJob=panel_7\n"), std::string::npos);
  // A name Genesis would refuse never reaches the script.
  Window->GenesisJob = "a;rm";
  Window->ConvertActionExecute();
  EXPECT_NE(Script().find("set gJob=other\n"), std::string::npos);
}

TEST_F(GenesisJobTest, TheMatrixIsTypedByRoleWhenAsked) {
  ConvertGenesis("m.plt");
  EXPECT_EQ(Script().find("context=board"), std::string::npos);
  Window->GenesisMatrix = TGenesisMatrix::Roles;
  Window->ConvertActionExecute();
  const std::string S = Script();
  EXPECT_NE(S.find("layer=comp,row=1,context=board,type=signal"), std::string::npos) << S;
  EXPECT_NE(S.find("layer=solder,row=2,context=board,type=signal"), std::string::npos);
  EXPECT_NE(S.find("layer=pin,row=3,context=board,type=drill"), std::string::npos);
  EXPECT_NE(S.find("layer=silk,row=4,context=board,type=silk_screen"), std::string::npos);
}

TEST_F(GenesisJobTest, TheOptionsOfferTheJobWithThePlotsNameSuggested) {
  ConvertGenesis("Demo.plt");
  Window->OptDlg->SetGenesisChoices(Window->GenesisJob, Window->SuggestedJobName(),
                                    Window->GenesisMatrix);
  EXPECT_EQ(Window->OptDlg->GenesisJobEdit->placeholderText(), "demo");
  Window->OptDlg->GenesisJobEdit->setText("job_1");
  Window->OptDlg->OKBtnClick();
  EXPECT_EQ(Window->OptDlg->GenesisJob, "job_1");
}

}  // namespace
}  // namespace quillon::test
