// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

TEST(Cam350Convert, WithoutViewCommandsNoWriterWritesViewAll) {
  TScriptingPcb Board;
  AddLayers(Board, 1);
  TLayer& Layer = Board.Layers.Items(0);
  AddLine(Layer.Lines, kindLine, {0, 0}, {100, 0}, 10);
  AddLine(Layer.Lines, kindFilledRectangle, {0, 0}, {100, 100}, 1);
  AddArc(Layer.Arcs, {0, 0}, {100, 0}, {100, 0}, 10);
  Layer.Texts.Add().Text = "T";
  AddFlash(Layer.Flashes, 5, {0, 0});
  AddOutline(Layer.Polygons.Add(), {{0, 0}, {100, 0}, {100, 100}});
  Board.Pins.Append(PinRow(4, 0.8, 1.6, shapeCircle));
  Board.AddViewCommands = false;
  Board.Convert(coAll, fmtCam350Macro, 0.01);
  const auto Lines = LinesOf(Board.Output);
  for (const char* Command : {"add_pouring@", "add_padstack@", "add_line@", "add_circle@",
                              "addtext@ 0.00,0.00,0.00,0.00,\"T\""})
    EXPECT_NE(std::find(Lines.begin(), Lines.end(), Command), Lines.end()) << Command;
  EXPECT_EQ(std::find(Lines.begin(), Lines.end(), "view_all@"), Lines.end());
}

}  // namespace
}  // namespace quillon::test
