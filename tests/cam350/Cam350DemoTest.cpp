// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

// The demo board converted as a user would: pads on COMP and SOLDER, drills
// on PIN, mils to millimetres, every item kind, and No for the test point
// whose pin the description lacks. The golden file was read against the
// macro's rules line by line; a difference is a change of behaviour.
TEST(Cam350Demo, TheDemoBoardGivesTheReviewedMacro) {
  TScriptingPcb Board;
  TScriptedPrompts Prompts({TAnswer::No});
  Board.SetPrompts(&Prompts);
  ASSERT_TRUE(Board.LoadFromFile(SourcePath("examples/demo.plt")));
  Board.Pins.Parse(ReadFile(SourcePath("examples/demo-pins.txt")), layoutHoleAper);
  Board.PadTopLayer = 0;
  Board.PadBottomLayer = 1;
  Board.MaskTopLayer = 4;
  Board.MaskBottomLayer = 5;
  Board.DrillLayer = 3;
  Board.Title = "Plt FileName: C:\\boards\\demo.plt";
  Board.Convert(coAll, fmtCam350Macro, 0.0254);

  TempDir Dir;
  Board.SaveToFile(Dir.File("demo.scr"));
  const std::string Actual = ReadFile(Dir.File("demo.scr"));
  const std::string Golden = ReadFile(SourcePath("tests/cam350/golden/demo.scr"));
  if (Actual != Golden) {
    // Line lists give a readable difference; the file beside the build is for a reviewer.
    WriteFile(std::string(QUILLON_BINARY_DIR) + "/demo.actual.scr", Actual);
    EXPECT_EQ(LinesOf(TTextLines::FromText(Actual)), LinesOf(TTextLines::FromText(Golden)));
  }
  EXPECT_EQ(Actual, Golden);
  EXPECT_EQ(Prompts.Asked.size(), 1u);
  EXPECT_TRUE(Prompts.Notes.empty());
}

}  // namespace
}  // namespace quillon::test
