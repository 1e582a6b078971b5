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

TEST(GenesisSyntax, JobNamesHoldOnlyWhatGenesisAndCshReadAlike) {
  EXPECT_TRUE(IsJobName("quillon"));
  EXPECT_TRUE(IsJobName("demo_2.b-c+d"));
  for (const char* Bad : {"", "Demo", "a b", "a;b", ".x", "$gJob"}) EXPECT_FALSE(IsJobName(Bad));
  EXPECT_FALSE(IsJobName(std::string(65, 'a')));
  EXPECT_EQ(JobNameOf("My Board #2"), "my_board__2");
  EXPECT_EQ(JobNameOf("..demo"), "demo");
  EXPECT_EQ(JobNameOf(""), "quillon");
  EXPECT_EQ(JobNameOf("\xCF\xEB"), "__");
  EXPECT_TRUE(IsJobName(JobNameOf(std::string(80, 'Z'))));
}

TEST(GenesisSyntax, MatrixTypesFollowTheRoles) {
  EXPECT_EQ(MatrixType(TLayerRole::PadTop), "board,type=signal");
  EXPECT_EQ(MatrixType(TLayerRole::PadBottom), "board,type=signal");
  EXPECT_EQ(MatrixType(TLayerRole::MaskBottom), "board,type=solder_mask");
  EXPECT_EQ(MatrixType(TLayerRole::SilkTop), "board,type=silk_screen");
  EXPECT_EQ(MatrixType(TLayerRole::Drill), "board,type=drill");
  EXPECT_EQ(MatrixType(TLayerRole::Outline), "board,type=rout");
  EXPECT_EQ(MatrixType(TLayerRole::Other), "misc,type=document");
}

}  // namespace
}  // namespace quillon::genesis
