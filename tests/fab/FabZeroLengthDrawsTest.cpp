// SPDX-License-Identifier: MIT
// The fab profile never draws to the point it is already at: a zero-length
// D01 is a draw of nothing that readers treat differently (some flash it,
// some drop it, some complain). Rectangles of no height or no width are the
// strokes that would make one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

// The value of Letter's number in a Gerber word line such as
// "X100Y200D01*", if it has one.
bool Field(const std::string& Line, char Letter, long long& Value) {
  const std::size_t At = Line.find(Letter);
  if (At == std::string::npos) return false;
  Value = std::strtoll(Line.c_str() + At + 1, nullptr, 10);
  return true;
}

// Every linear D01 of Lines that ends where it starts (coordinates are
// modal: a missing X or Y keeps the last one). Arcs (I, J) are left out: a
// full circle rightly ends at its start.
std::vector<std::string> ZeroLengthDraws(const std::vector<std::string>& Lines) {
  std::vector<std::string> Found;
  long long X = 0, Y = 0;
  for (const std::string& Line : Lines) {
    if (Line.empty() || Line[0] == '%' || Line.starts_with("G04")) continue;
    const bool Draw = Line.ends_with("D01*"),
               Moves = Draw || Line.ends_with("D02*") || Line.ends_with("D03*");
    if (!Moves) continue;
    long long NewX = X, NewY = Y, Unused = 0;
    Field(Line, 'X', NewX);
    Field(Line, 'Y', NewY);
    const bool Arc = Field(Line, 'I', Unused) || Field(Line, 'J', Unused);
    if (Draw && !Arc && NewX == X && NewY == Y) Found.push_back(Line);
    X = NewX;
    Y = NewY;
  }
  return Found;
}

TEST(FabZeroLengthDraws, FlatAndThinRectanglesDrawNoZeroLengthStroke) {
  TScriptingPcb Board;
  Board.Title = "Plt FileName: t.plt";
  Board.GerberProfile = TGerberProfile::Fab;
  AddRoleLayers(Board);
  TLayer& Top = Board.Layers.Items(0);
  AddLine(Top, kindRectangle, {0, 100}, {300, 100}, 10);    // no height
  AddLine(Top, kindRectangle, {500, 0}, {500, 200}, 10);    // no width
  AddLine(Top, kindRectangle, {700, 700}, {700, 700}, 10);  // neither: a dot
  AddLine(Top, kindRectangle, {900, 0}, {1000, 50}, 10);    // a real one
  AddLine(Top, kindLine, {0, 0}, {0, 0}, 10);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const std::vector<std::string> Lines = LinesOf(Board.LayerOutputs[0]);
  EXPECT_EQ(ZeroLengthDraws(Lines), std::vector<std::string>{});
  // The flat rectangle is still there: out along its one side and back.
  EXPECT_NE(std::find(Lines.begin(), Lines.end(), "X3000000Y1000000D01*"), Lines.end());
}

}  // namespace
}  // namespace quillon::test
