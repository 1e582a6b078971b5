// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

TEST(Cam350Lines, TheFirstLineDefinesAndSelectsItsAperture) {
  TScriptingPcb Board;
  AddLayers(Board, 2);
  Board.Scale = 0.0254;
  Board.Apertures.FindOrAdd(shapeCircle, true, 1.0);  // D-code 10
  Board.Apertures.FindOrAdd(shapeCircle, true, 2.0);  // D-code 11
  AddLine(Board.Layers.Items(1).Lines, kindLine, {100, 200}, {300, 200}, 10);
  Board.MakeCam350Lines();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"setlayer@ 1", "edit_aperture@ 12,1,0.2540,0.2540,0,\"\"",
                                      "update_dcodebar@", "setdcode@ 12", "add_line@",
                                      "axy@ 2.54,5.08", "axy@ 7.62,5.08", "back@", "view_all@"}));
}

TEST(Cam350Lines, DCodesAreSelectedOnChangeOnlyAndDefinedOnceAcrossLayers) {
  TScriptingPcb Board;
  AddLayers(Board, 2);
  Board.Scale = 0.01;
  TPcbLines& First = Board.Layers.Items(0).Lines;
  AddLine(First, kindRectangle, {0, 0}, {100, 50}, 20);         // width A
  AddLine(First, kindLine, {0, 0}, {-150, 0}, 30);              // width B
  AddLine(First, kindFilledRectangle, {10, 10}, {20, 20}, 20);  // A again
  AddLine(First, 0, {5, 5}, {6, 6}, 20);                        // A, a kind of no record
  AddLine(Board.Layers.Items(1).Lines, kindLine, {1, 2}, {3, 4}, 20);
  Board.BuildApertures();  // 0.2 is D-code 10, 0.3 is 11, both still to be defined
  Board.MakeCam350Lines();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"setlayer@ 0",
                                      "edit_aperture@ 10,1,0.2000,0.2000,0,\"\"",
                                      "update_dcodebar@",
                                      "setdcode@ 10",
                                      "add_rectangle@",
                                      "axy@ 0.00,0.00",
                                      "axy@ 1.00,0.50",
                                      "back@",
                                      "edit_aperture@ 11,1,0.3000,0.3000,0,\"\"",
                                      "update_dcodebar@",
                                      "setdcode@ 11",
                                      "add_line@",
                                      "axy@ 0.00,0.00",
                                      "axy@ -1.50,0.00",
                                      "back@",
                                      "setdcode@ 10",
                                      "add_rectangle@",
                                      "axy@ 0.10,0.10",
                                      "axy@ 0.20,0.20",
                                      "back@",
                                      "add_line@",
                                      "axy@ 0.05,0.05",
                                      "axy@ 0.06,0.06",
                                      "back@",
                                      "view_all@",
                                      "setlayer@ 1",
                                      "add_line@",
                                      "axy@ 0.01,0.02",
                                      "axy@ 0.03,0.04",
                                      "back@",
                                      "view_all@"}));
}

TEST(Cam350Arcs, CirclesArcsAndTheApertureMarksTheLinesTook) {
  TScriptingPcb Board;
  AddLayers(Board, 2);
  Board.Scale = 0.001;
  AddLine(Board.Layers.Items(0).Lines, kindLine, {0, 0}, {1000, 0}, 100);
  TPcbArcs& Arcs = Board.Layers.Items(1).Arcs;
  AddArc(Arcs, {0, 0}, {1000, 0}, {1000, 0}, 100);  // full circle
  AddArc(Arcs, {0, 0}, {1000, 0}, {1000, 1}, 100);  // ends one unit apart: an arc
  AddArc(Arcs, {0, 0}, {0, -2000}, {2000, 0}, 0);   // width 0
  Board.BuildApertures();                           // 0.1 is D-code 10, the zero width 11
  Board.MakeCam350Lines();
  Board.MakeCam350Arcs();
  EXPECT_EQ(
      LinesOf(Board.Output),
      (std::vector<std::string>{
          "setlayer@ 0", "edit_aperture@ 10,1,0.1000,0.1000,0,\"\"", "update_dcodebar@",
          "setdcode@ 10", "add_line@", "axy@ 0.00,0.00", "axy@ 1.00,0.00", "back@", "view_all@",
          // arcs: nothing for layer 0, which has none
          "setlayer@ 1", "setdcode@ 10", "update_dcodebar@", "add_circle@", "axy@ 0.00,0.00",
          "axy@ 1.00,0.00", "back@", "update_dcodebar@", "add_arc@", "axy@ 0.00,0.00",
          "axy@ 1.00,0.00", "axy@ 1.00,0.00", "back@", "edit_aperture@ 11,1,0.0001,0.0001,0,\"\"",
          "update_dcodebar@", "setdcode@ 11", "update_dcodebar@", "add_arc@", "axy@ 0.00,0.00",
          "axy@ 0.00,-2.00", "axy@ 2.00,0.00", "back@", "view_all@"}));
}

TEST(Cam350Lines, ExtremeCoordinatesPrintWithoutOverflow) {
  TScriptingPcb Board;
  AddLayers(Board, 1);
  Board.Scale = 1.0;
  AddLine(Board.Layers.Items(0).Lines, kindLine, {-2147483647 - 1, 2147483647},
          {2147483647, -2147483647 - 1}, 2147483647);
  Board.BuildApertures();
  Board.MakeCam350Lines();
  const auto Lines = LinesOf(Board.Output);
  ASSERT_EQ(Lines.size(), 9u);
  EXPECT_EQ(Lines[1], "edit_aperture@ 10,1,2147483647.0000,2147483647.0000,0,\"\"");
  EXPECT_EQ(Lines[5], "axy@ -2147483648.00,2147483647.00");
  EXPECT_EQ(Lines[6], "axy@ 2147483647.00,-2147483648.00");
}

}  // namespace
}  // namespace quillon::test
