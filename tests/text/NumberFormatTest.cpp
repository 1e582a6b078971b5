// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "text/NumberFormat.h"
#include "text/TextLines.h"

namespace quillon {
namespace {

TEST(NumberFormat, FixedRoundsHalvesAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(fmt::Fixed(0.125, 2, 4), "0.13");
  EXPECT_EQ(fmt::Fixed(-0.125, 2, 4), "-0.13");
  EXPECT_EQ(fmt::Fixed(125 * 0.0254, 2, 4), "3.17");  // the product is just below 3.175
  EXPECT_EQ(fmt::Fixed(2.5, 0, 0), "3");
  EXPECT_EQ(fmt::Fixed(62.5, 0, 0), "63");
  EXPECT_EQ(fmt::Fixed(-2.5, 0, 0), "-3");
  EXPECT_EQ(fmt::Fixed(0.25, 4, 2), "0.2500");
  EXPECT_EQ(fmt::Fixed(1e6, 2, 4), "1000000.00");
  EXPECT_EQ(fmt::Fixed(1.005, 2, 4), "1.00");  // 1.005 is stored below the half
}

TEST(NumberFormat, NegativeValuesThatRoundToZeroHaveNoSign) {
  EXPECT_EQ(fmt::Fixed(-0.001, 2, 4), "0.00");
  EXPECT_EQ(fmt::Fixed(-0.0, 2, 4), "0.00");
  EXPECT_EQ(fmt::Fixed(-0.4, 0, 0), "0");
  EXPECT_EQ(fmt::Fixed(-0.005, 2, 4), "-0.01");
}

TEST(NumberFormat, WidthPadsWithBlanksOnTheLeft) {
  EXPECT_EQ(fmt::Fixed(1.5, 1, 6), "   1.5");
  EXPECT_EQ(fmt::Fixed(-1.5, 1, 6), "  -1.5");
  EXPECT_EQ(fmt::Fixed(12345.5, 2, 4), "12345.50");
}

TEST(NumberFormat, ExtremeValuesNeverMisbehave) {
  EXPECT_EQ(fmt::Fixed(1e300, 2, 4).substr(0, 4), "1000");
  EXPECT_EQ(fmt::Fixed(1e300, 2, 4).substr(fmt::Fixed(1e300, 2, 4).size() - 3), ".00");
  EXPECT_EQ(fmt::Fixed(-2147483648.0 * 0.0254, 2, 4), "-54546084.66");
  EXPECT_EQ(fmt::Fixed(std::numeric_limits<double>::quiet_NaN(), 2, 4), " NAN");
  EXPECT_EQ(fmt::Fixed(-std::numeric_limits<double>::infinity(), 2, 4), "-INF");
}

TEST(NumberFormat, PaddedIntegersFollowC) {
  EXPECT_EQ(fmt::IntPadded(0, 4, 2), "  00");
  EXPECT_EQ(fmt::IntPadded(9000, 4, 2), "9000");
  EXPECT_EQ(fmt::IntPadded(27000, 4, 2), "27000");
  EXPECT_EQ(fmt::IntPadded(5, 4, 2), "  05");
  EXPECT_EQ(fmt::IntPadded(-5, 4, 2), " -05");
  EXPECT_EQ(fmt::Int(-2147483648LL), "-2147483648");
}

TEST(TextLines, BuildsLinesInPlaceAndJoinsWithCrLf) {
  TTextLines L;
  LineBuilder(L) << "axy@ " << F42(12.7) << ',' << F42(-3.25);
  LineBuilder(L) << "setlayer@ " << 3;
  L.Add("back@");
  ASSERT_EQ(L.Count(), 3);
  EXPECT_EQ(L[0], "axy@ 12.70,-3.25");
  EXPECT_EQ(L[1], "setlayer@ 3");
  EXPECT_EQ(L.Join(), "axy@ 12.70,-3.25\r\nsetlayer@ 3\r\nback@\r\n");
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd) {
  auto L = TTextLines::FromText("a\r\nb\nc\rd\r\n\r\ne");
  ASSERT_EQ(L.Count(), 6);
  EXPECT_EQ(L[2], "c");
  EXPECT_EQ(L[4], "");
  EXPECT_EQ(L[5], "e");
  EXPECT_EQ(TTextLines::FromText("").Count(), 0);
  EXPECT_EQ(TTextLines::FromText("x\n").Count(), 1);
}

}  // namespace
}  // namespace quillon
