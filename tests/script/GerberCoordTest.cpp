// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "script/gerber/GerberCoord.h"
#include "script/gerber/GerberCoordTexts.h"
#include "text/NumberFormat.h"

namespace quillon {
namespace {

TEST(GerberCoord, ValuesInUsePadToSixDigitsWithoutPoint) {
  const TGerberCoord C;
  EXPECT_EQ(C.FormatCoord(12.5), "012500");
  EXPECT_EQ(C.FormatCoord(-0.25), "-000250");
  EXPECT_EQ(C.FormatCoord(0), "000000");
  EXPECT_EQ(C.FormatCoord(0.0004), "000000");
  EXPECT_EQ(C.FormatCoord(-0.0004), "000000");  // rounds to zero: no sign
  EXPECT_EQ(C.FormatCoord(-3), "-003000");
  EXPECT_EQ(C.FormatCoord(1234.5678), "1234568");  // wider than declared: nothing is cut
  EXPECT_EQ(C.FormatCoord(0.0625), "000063");      // an exact half goes away from zero
  EXPECT_EQ(C.FormatCoord(-0.0625), "-000063");
  EXPECT_EQ(C.FormatCoord(125 * 0.0254), "003175");
}

TEST(GerberCoord, AppendCoordAddsToWhatIsThere) {
  const TGerberCoord C;
  std::string S = "X";
  C.AppendCoord(S, 1.5);
  S += 'Y';
  C.AppendCoord(S, -2);
  EXPECT_EQ(S, "X001500Y-002000");
}

TEST(GerberCoord, ZeroModeOneRemovesLeadingZeros) {
  TGerberCoord C;
  C.ZeroMode = 1;
  EXPECT_EQ(C.FormatCoord(12.5), "12500");
  EXPECT_EQ(C.FormatCoord(-0.25), "-250");
  EXPECT_EQ(C.FormatCoord(0), "0");
  EXPECT_EQ(C.FormatCoord(-0.0004), "0");
}

TEST(GerberCoord, ZeroModeTwoPadsThenTrimsTrailingZeros) {
  TGerberCoord C;
  C.ZeroMode = 2;
  EXPECT_EQ(C.FormatCoord(12.5), "0125");
  EXPECT_EQ(C.FormatCoord(10), "01");
  EXPECT_EQ(C.FormatCoord(-0.25), "-00025");
  EXPECT_EQ(C.FormatCoord(0), "0");  // all trimmed: an empty text becomes 0
}

TEST(GerberCoord, DecimalCharReplacesThePoint) {
  TGerberCoord C;
  C.DecimalChar = '.';
  EXPECT_EQ(C.FormatCoord(12.5), "12.500");  // already six characters
  EXPECT_EQ(C.FormatCoord(1.5), "01.500");
  EXPECT_EQ(C.FormatCoord(-0.25), "-00.250");
  C.DecimalChar = ',';
  C.ZeroMode = 2;
  EXPECT_EQ(C.FormatCoord(12.5), "12,5");
  EXPECT_EQ(C.FormatCoord(12), "12");    // the point goes when only zeros followed it
  EXPECT_EQ(C.FormatCoord(120), "120");  // nothing is trimmed before the point
}

TEST(GerberCoord, ForcePlusMarksValuesThatAreNotNegative) {
  TGerberCoord C;
  C.ForcePlus = true;
  EXPECT_EQ(C.FormatCoord(12.5), "+012500");
  EXPECT_EQ(C.FormatCoord(0), "+000000");
  EXPECT_EQ(C.FormatCoord(-3), "-003000");
}

TEST(GerberCoord, OtherDigitCounts) {
  TGerberCoord C;
  C.IntegerDigits = 2;
  C.DecimalDigits = 4;
  EXPECT_EQ(C.FormatCoord(1.5), "015000");
  C.IntegerDigits = 3;
  C.DecimalDigits = 0;
  EXPECT_EQ(C.FormatCoord(2.5), "003");
  C.DecimalDigits = 8;
  EXPECT_EQ(C.FormatCoord(0.5), "00050000000");
  EXPECT_EQ(C.FormatCoord(-0.000000001), "00000000000");
}

TEST(GerberCoord, ValuesBeyondSixtyFourBitsStillPrint) {
  const TGerberCoord C;
  const std::string Big = C.FormatCoord(1e300);
  EXPECT_EQ(Big.substr(0, 4), "1000");
  EXPECT_EQ(Big.size(), 304u);  // 301 integer digits and three decimals, no point
  EXPECT_EQ(C.FormatCoord(-1e20), "-100000000000000000000000");
  EXPECT_FALSE(C.FormatCoord(std::numeric_limits<double>::quiet_NaN()).empty());
}

// The quick rounding of the coordinates in use must agree with the shared
// fixed-point formatter everywhere, ties and near-ties included.
TEST(GerberCoord, AgreesWithTheSharedFixedPointFormat) {
  const TGerberCoord C;
  const double Scales[] = {0.01, 0.0254, 0.025, 0.0005, 0.0015, 0.1, 1.0, 3.3e-5};
  std::uint64_t Seed = 1;
  for (double Scale : Scales) {
    for (int I = 0; I < 20000; ++I) {
      Seed = Seed * 6364136223846793005ULL + 1442695040888963407ULL;
      const auto Db = static_cast<std::int32_t>(Seed >> 32);  // any 32-bit value
      for (double Value : {(Db % 70000) * Scale, Db * Scale, (Db % 70000) * Scale - 3 * Scale}) {
        std::string Expected = fmt::Fixed(Value, 3);
        Expected.erase(Expected.find('.'), 1);
        const std::size_t Sign = Expected[0] == '-' ? 1 : 0;
        if (Expected.size() - Sign < 6) Expected.insert(Sign, 6 - (Expected.size() - Sign), '0');
        ASSERT_EQ(C.FormatCoord(Value), Expected) << Db << " x " << Scale;
      }
    }
  }
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

std::string MemoText(TGerberCoordTexts& Texts, std::int32_t Value) {
  char Buf[TGerberCoord::MaxFastChars];
  const char* End = Texts.Write(Buf, Value);
  return End ? std::string(static_cast<const char*>(Buf), End) : "(slow)";
}

TEST(GerberCoordTexts, OtherSettingsForgetTheTextsOfTheLastOnes) {
  TGerberCoordTexts Texts;
  TGerberCoord C;
  Texts.Use(C, 0.0254);
  EXPECT_EQ(MemoText(Texts, 125), "003175");
  EXPECT_EQ(MemoText(Texts, 125), "003175");
  EXPECT_EQ(MemoText(Texts, -125), "-003175");
  Texts.Use(C, 0.01);
  EXPECT_EQ(MemoText(Texts, 125), "001250");
  C.IntegerDigits = 2;
  C.DecimalDigits = 4;
  Texts.Use(C, 0.01);
  EXPECT_EQ(MemoText(Texts, 125), "012500");
  Texts.Use(C, -0.0);
  EXPECT_EQ(MemoText(Texts, 125), "000000");
  // Settings that the short road does not take are written the long way.
  C.ZeroMode = 1;
  Texts.Use(C, 0.01);
  EXPECT_EQ(MemoText(Texts, 125), "(slow)");
}

TEST(GerberCoordTexts, EveryValueReadsAsTheCoordinateWriterPrintsIt) {
  TGerberCoordTexts Texts;
  const TGerberCoord C;
  Texts.Use(C, 0.0254);
  for (int Pass = 0; Pass < 2; ++Pass)
    for (std::int32_t V = -50000; V <= 50000; V += 3)
      ASSERT_EQ(MemoText(Texts, V), C.FormatCoord(V * 0.0254)) << V;
  const std::int32_t Extremes[] = {std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max()};
  for (const std::int32_t V : Extremes) EXPECT_EQ(MemoText(Texts, V), C.FormatCoord(V * 0.0254));
}

}  // namespace
}  // namespace quillon
