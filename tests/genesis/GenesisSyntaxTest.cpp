#include <gtest/gtest.h>

#include "pins/ApertureTable.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon::genesis {
namespace {

std::string Piece(auto Value) {
  TTextLines Out;
  LineBuilder(Out) << Value;
  return std::string(Out[0]);
}

TEST(GenesisSyntax, LayerNamesLowerCaseAsciiLettersOnly) {
  EXPECT_EQ(LayerName("TOP"), "top");
  EXPECT_EQ(LayerName("Bot2_-"), "bot2_-");
  EXPECT_EQ(LayerName("\xC0\xC1Z"), "\xC0\xC1z");  // 8-bit letters keep their case
  EXPECT_EQ(LayerName(""), "");
  // A name the shell would misread is quoted, so Genesis still gets "a;b".
  EXPECT_EQ(LayerName("A;B"), "'a;b'");
}

TEST(GenesisSyntax, PointFormsCarryTheirKeySuffix) {
  EXPECT_EQ(Piece(XY(10, -3.25)), "x=10.00,y=-3.25");
  EXPECT_EQ(Piece(StartXY(-0.004, 0.125)), "xs=0.00,ys=0.13");
  EXPECT_EQ(Piece(EndXY(1, 2)), "xe=1.00,ye=2.00");
  EXPECT_EQ(Piece(CenterXY(-1, 0)), "xc=-1.00,yc=0.00");
}

TEST(GenesisSyntax, SymbolsInWholeMicrometres) {
  EXPECT_EQ(Piece(RoundSymbol(0.25)), "r250");
  EXPECT_EQ(Piece(RoundSymbol(0.0625)), "r63");  // 62.5 rounds away from zero
  EXPECT_EQ(Piece(RoundSymbol(0)), "r0");
  EXPECT_EQ(Piece(PadSymbol(shapeCircle, 1.5)), "r1500");
  EXPECT_EQ(Piece(PadSymbol(shapeSquare, 1.5)), "s1500");
  EXPECT_EQ(Piece(PadSymbol(shapeNone, 0)), "bfr1000");
  EXPECT_EQ(Piece(PadSymbol(shapeNone, 1)), "bfr1001000");
}

TEST(GenesisSyntax, ViewLineOnlyWhenWanted) {
  TTextLines Out;
  ZoomHome(Out, false);
  EXPECT_EQ(Out.Count(), 0);
  ZoomHome(Out, true);
  EXPECT_EQ(Out.Join(), "COM zoom_home\r\n");
}

}  // namespace
}  // namespace quillon::genesis
