// SPDX-License-Identifier: MIT
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

TEST(GenesisSyntax, SymbolsInWholeMicrometres) {
  EXPECT_EQ(Piece(RoundSymbol(0.25)), "r250");
  EXPECT_EQ(Piece(RoundSymbol(0.0625)), "r63");  // 62.5 rounds away from zero
  EXPECT_EQ(Piece(RoundSymbol(0)), "r0");
  EXPECT_EQ(Piece(PadSymbol(shapeCircle, 1.5)), "r1500");
  EXPECT_EQ(Piece(PadSymbol(shapeSquare, 1.5)), "s1500");
  EXPECT_EQ(Piece(PadSymbol(shapeNone, 0)), "bfr1000");
  EXPECT_EQ(Piece(PadSymbol(shapeNone, 1)), "bfr1001000");
}

}  // namespace
}  // namespace quillon::genesis
