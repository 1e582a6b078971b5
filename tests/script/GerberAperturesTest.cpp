// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "script/gerber/GerberApertures.h"

namespace quillon {
namespace {

TEST(GerberApertures, ShapeLettersAndDefinitions) {
  EXPECT_EQ(GerberShapeLetter(0), '?');
  EXPECT_EQ(GerberShapeLetter(1), 'C');
  EXPECT_EQ(GerberShapeLetter(2), 'R');
  EXPECT_EQ(GerberShapeLetter(7), '?');
  TApertureTable T;
  T.FindOrAdd(1, true, 0.25);
  T.FindOrAdd(1, false, 0.7);
  T.FindOrAdd(2, false, 1.5);
  T.FindOrAdd(2, false, 0.00005);  // four decimals, half away from zero
  EXPECT_EQ(GerberApertureDefinition(T.Items(0)), "%ADD10C,0.2500X0.0000*%");
  EXPECT_EQ(GerberApertureDefinition(T.Items(1)), "%ADD11C,0.7000X0.0000*%");
  EXPECT_EQ(GerberApertureDefinition(T.Items(2)), "%ADD12R,1.5000X1.5000*%");
  EXPECT_EQ(GerberApertureDefinition(T.Items(3)), "%ADD13R,0.0001X0.0001*%");
}

TEST(GerberApertures, InfiniteSizePrintsAsInf) {
  TApertureTable T;
  T.FindOrAdd(1, true, std::numeric_limits<double>::infinity());
  EXPECT_EQ(GerberApertureDefinition(T.Items(0)), "%ADD10C,INFX0.0000*%");
}

}  // namespace
}  // namespace quillon
