// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pins/ParseNumber.h"

namespace quillon {
namespace {

TEST(ParseNumber, CommaAndPointAreBothDecimalSeparators) {
  EXPECT_EQ(ParseNumber("0,8"), 0.8);
  EXPECT_EQ(ParseNumber("0.8"), 0.8);
  EXPECT_EQ(ParseNumber("12"), 12.0);
  EXPECT_EQ(ParseNumber("007"), 7.0);
  EXPECT_EQ(ParseNumber("1."), 1.0);
  EXPECT_EQ(ParseNumber("1,"), 1.0);
  EXPECT_EQ(ParseNumber(".5"), 0.5);
  EXPECT_EQ(ParseNumber("-1,5"), -1.5);
}

TEST(ParseNumber, AnythingButOneNumberIsAbsent) {
  for (const char* Text : {"1.2.5", "1,2.5", "1,,", "", ".", ",", "-", "inf", "nan", "1e5", " 1",
                           "1 ", "+1", "--1", "0x10", "1a"})
    EXPECT_FALSE(ParseNumber(Text).has_value()) << '"' << Text << '"';
  EXPECT_FALSE(ParseNumber(std::string("1\0", 2)).has_value());
}

TEST(ParseNumber, NumbersBeyondDoubleRange) {
  const std::string Nines(400, '9');
  EXPECT_EQ(ParseNumber(Nines), HUGE_VAL);
  EXPECT_EQ(ParseNumber("-" + Nines), -HUGE_VAL);
  EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(ParseNumber(std::string(400, '0') + "1.5"), 1.5);
  EXPECT_EQ(ParseNumber("1." + std::string(400, '0')), 1.0);
}

}  // namespace
}  // namespace quillon
