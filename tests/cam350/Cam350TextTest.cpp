// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

TEST(Cam350Text, ABoardWithoutTextGivesOnlyTheTwoOpeningLines) {
  TScriptingPcb Board;
  AddLayers(Board, 2);
  AddLine(Board.Layers.Items(0).Lines, kindLine, {0, 0}, {1, 1}, 1);
  Board.MakeCam350Text();
  EXPECT_EQ(LinesOf(Board.Output), (std::vector<std::string>{"textjust@ 4", "textmirror@ 0"}));
}

TEST(Cam350Text, SettingsAreWrittenOnlyWhenTheyChange) {
  TScriptingPcb Board;
  AddLayers(Board, 3);
  Board.Scale = 0.01;
  TPcbTexts& Texts = Board.Layers.Items(2).Texts;
  AddText(Texts, "REF1", {500, 250}, 100, 27, 0, 0);
  AddText(Texts, "REF2", {500, 250}, 100, 27, 90, 4);
  AddText(Texts, "REF3", {500, 250}, 100, 27, 0, 0);
  Board.BuildApertures();  // the text stroke 0.1 is D-code 10
  Board.MakeCam350Text();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"textjust@ 4",
                                      "textmirror@ 0",
                                      "setlayer@ 2",
                                      "edit_aperture@ 10,1,0.1000,0.1000,0,\"\"",
                                      "update_dcodebar@",
                                      "setdcode@ 10",
                                      "textfullheight@ 1.00",
                                      "addtext@ 5.00,2.50,5.00,2.50,\"REF1\"",
                                      "back@",
                                      "setdcode@ 10",
                                      "textmirror@ 1",
                                      "textangle@ 9000",
                                      "addtext@ 5.00,2.50,5.00,2.50,\"REF2\"",
                                      "back@",
                                      "setdcode@ 10",
                                      "textmirror@ 0",
                                      "textangle@   00",
                                      "addtext@ 5.00,2.50,5.00,2.50,\"REF3\"",
                                      "back@",
                                      "view_all@"}));
}

TEST(Cam350Text, JustificationCodesAndAnUnknownCodeThatKeepsThePrevious) {
  TScriptingPcb Board;
  AddLayers(Board, 1);
  Board.Scale = 0.01;
  const std::vector<std::pair<int, const char*>> Table{
      {25, "textjust@ 12"}, {26, "textjust@ 20"}, {27, "textjust@ 4"},  {33, "textjust@ 9"},
      {34, "textjust@ 17"}, {35, "textjust@ 5"},  {41, "textjust@ 10"}, {42, "textjust@ 18"},
      {43, "textjust@ 6"},  {7, nullptr},
  };
  for (const auto& [Justification, Line] : Table)
    AddText(Board.Layers.Items(0).Texts, "", {0, 0}, 0, static_cast<std::uint8_t>(Justification), 0,
            0);
  Board.BuildApertures();
  Board.MakeCam350Text();

  std::vector<std::string> Expected{"textjust@ 4", "textmirror@ 0", "setlayer@ 0",
                                    "edit_aperture@ 10,1,0.1000,0.1000,0,\"\"", "update_dcodebar@"};
  for (const auto& [Justification, Line] : Table) {
    Expected.push_back("setdcode@ 10");
    if (Line) Expected.push_back(Line);
    Expected.push_back("addtext@ 0.00,0.00,0.00,0.00,\"\"");
    Expected.push_back("back@");
  }
  Expected.push_back("view_all@");
  EXPECT_EQ(LinesOf(Board.Output), Expected);
}

TEST(Cam350Text, SettingsCarryOverToTheNextLayer) {
  TScriptingPcb Board;
  AddLayers(Board, 2);
  Board.Scale = 0.01;
  AddText(Board.Layers.Items(0).Texts, "A", {100, -100}, 200, 33, 270, 4);
  AddText(Board.Layers.Items(1).Texts, "B", {100, -100}, 200, 33, 270, 4);
  AddText(Board.Layers.Items(1).Texts, "C", {100, -100}, 250, 33, 270, 4);
  Board.BuildApertures();
  Board.MakeCam350Text();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"textjust@ 4",
                                      "textmirror@ 0",
                                      "setlayer@ 0",
                                      "edit_aperture@ 10,1,0.1000,0.1000,0,\"\"",
                                      "update_dcodebar@",
                                      "setdcode@ 10",
                                      "textjust@ 9",
                                      "textmirror@ 1",
                                      "textangle@ 27000",
                                      "textfullheight@ 2.00",
                                      "addtext@ 1.00,-1.00,1.00,-1.00,\"A\"",
                                      "back@",
                                      "view_all@",
                                      "setlayer@ 1",
                                      "setdcode@ 10",
                                      "addtext@ 1.00,-1.00,1.00,-1.00,\"B\"",
                                      "back@",
                                      "setdcode@ 10",
                                      "textfullheight@ 2.50",
                                      "addtext@ 1.00,-1.00,1.00,-1.00,\"C\"",
                                      "back@",
                                      "view_all@"}));
}

TEST(Cam350Text, TextBytesGoOutUnchangedAndATakenApertureIsNotDefinedAgain) {
  TScriptingPcb Board;
  AddLayers(Board, 1);
  Board.Scale = 0.01;
  AddLine(Board.Layers.Items(0).Lines, kindLine, {0, 0}, {100, 0}, 10);  // the text stroke width
  AddText(Board.Layers.Items(0).Texts, "say \"hi\", \xC0\xE9;", {0, 0}, 0, 27, 0, 0);
  Board.BuildApertures();
  Board.MakeCam350Lines();
  Board.Output.Clear();
  Board.MakeCam350Text();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"textjust@ 4", "textmirror@ 0", "setlayer@ 0", "setdcode@ 10",
                                      "addtext@ 0.00,0.00,0.00,0.00,\"say \"hi\", \xC0\xE9;\"",
                                      "back@", "view_all@"}));
}

}  // namespace
}  // namespace quillon::test
