// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "PinTestRows.h"
#include "pins/ApertureTable.h"
#include "pins/Pins.h"

namespace quillon::test {
namespace {

TEST(PinTable, UnitFactorsApplyOnlyInGet) {
  const double Factors[PinUnitCount] = {1.0, 25.4, 25.0, 0.8, 0.01, 0.0254};
  const char* Names[PinUnitCount] = {"MM", "Inch", "PInch", "Net1.25", "mkm*10", "mil"};
  TPins Pins;
  Pins.Parse("1  2  3", layoutHoleAper);
  for (int U = 0; U < PinUnitCount; ++U) {
    EXPECT_STREQ(PinUnits[U].Name, Names[U]);
    Pins.SetUnits(static_cast<std::uint8_t>(U), 0);
    EXPECT_EQ(Pins.Get(0).Aperture, 3 * Factors[U]) << Names[U];
    EXPECT_EQ(Pins.Get(0).Hole, 2.0);
    Pins.SetUnits(0, static_cast<std::uint8_t>(U));
    EXPECT_EQ(Pins.Get(0).Hole, 2 * Factors[U]) << Names[U];
    EXPECT_EQ(Pins.Get(0).Aperture, 3.0);
  }
  EXPECT_EQ(Pins.Rows()[0].Hole, 2.0);  // the stored row keeps the written value

  TPins Inch;
  Inch.Parse("1  0.04", layoutHoleAper);
  Inch.SetUnits(0, 1);
  EXPECT_DOUBLE_EQ(Inch.Get(0).Hole, 1.016);
}

TEST(PinTable, ClearEmptiesRowsAndUnits) {
  TPins Pins;
  Pins.Parse("1  2  3", layoutHoleAper);
  Pins.SetUnits(3, 4);
  Pins.Clear();
  EXPECT_EQ(Pins.High(), -1);
  EXPECT_EQ(Pins.ApertureUnit(), 0);
  EXPECT_EQ(Pins.HoleUnit(), 0);
  EXPECT_FALSE(Pins.Exists(1));
}

TEST(PinTable, GetBeyondHighIsPin65535WithZeroSizes) {
  TPins Pins;
  for (int Index : {0, -1}) {
    const TPinRecord R = Pins.Get(Index);
    EXPECT_EQ(R.PinNumber, 65535);
    EXPECT_EQ(R.Hole, 0);
    EXPECT_EQ(R.Aperture, 0);
    EXPECT_EQ(R.Shape, 0);
    EXPECT_EQ(R.HoleDCode, 0);
  }
  Pins.Parse("1  2  3", layoutHoleAper);
  EXPECT_EQ(Pins.Get(1).PinNumber, 65535);
  EXPECT_EQ(Pins.Get(0).PinNumber, 1);
}

TEST(PinTable, FindByPinTakesTheLastRowElseRowZero) {
  TPins Pins;
  TPinRecord Row;
  Row.PinNumber = 77;
  Pins.FindByPin(5, Row);
  EXPECT_EQ(Row.PinNumber, 77);  // an empty table leaves Row alone

  Pins.Parse("5  1  2\n6  3  4\n5  7  8\n", layoutHoleAper);
  Pins.SetUnits(0, 1);
  EXPECT_TRUE(Pins.Exists(5));
  EXPECT_TRUE(Pins.Exists(6));
  EXPECT_FALSE(Pins.Exists(7));
  Pins.FindByPin(5, Row);
  EXPECT_EQ(Row.Hole, 7 * 25.4);
  EXPECT_EQ(Row.Aperture, 8);
  Pins.FindByPin(7, Row);
  EXPECT_EQ(Row.PinNumber, 5);
  EXPECT_EQ(Row.Hole, 25.4);
  // Rows added by a later Parse are found too.
  Pins.Parse("7  9", layoutHoleAper);
  EXPECT_TRUE(Pins.Exists(7));
  Pins.FindByPin(7, Row);
  EXPECT_EQ(Row.Hole, 9 * 25.4);
}

TEST(PinTable, AssignAperturesGivesPinsRowsOfTheirOwn) {
  TApertureTable Table;
  Table.FindOrAdd(1, true, 0.25);  // a stroke width of the board
  TPins Pins;
  // Two equal pins; a hole of the stroke width; a hole without pad; hole 0.
  Pins.Parse("1;2  0.9  1.6\n3  0.25  1.6  2\n4  0.9\n5  0  0.5\n", layoutHoleAper);
  Pins.AssignApertures(Table);
  const auto& R = Pins.Rows();
  EXPECT_EQ(R[0].HoleDCode, 11);
  EXPECT_EQ(R[0].PadDCode, 12);
  EXPECT_EQ(R[1].HoleDCode, 13);
  EXPECT_EQ(R[1].PadDCode, 14);
  EXPECT_EQ(R[2].HoleDCode, 10);  // shares the stroke's round row
  EXPECT_EQ(R[2].PadDCode, 15);
  EXPECT_EQ(R[3].HoleDCode, 16);
  EXPECT_EQ(R[3].PadDCode, 0);  // no pad
  EXPECT_EQ(R[4].HoleDCode, 17);
  EXPECT_EQ(R[4].PadDCode, 18);
  EXPECT_EQ(R[4].MaskDCode, 0);
  EXPECT_EQ(Table.Count(), 9);
  EXPECT_EQ(Table.Items(5).Shape, shapeSquare);
  EXPECT_EQ(Table.Items(5).Size, 1.6);
  EXPECT_EQ(Table.Items(7).Size, 0.0001);
}

TEST(PinTable, AssignAperturesUsesMillimetres) {
  TApertureTable Table;
  Table.FindOrAdd(1, true, 25.4);
  TPins Pins;
  Pins.Parse("1  1  40", layoutHoleAper);
  Pins.SetUnits(5, 1);  // aperture in mil, hole in inch
  Pins.AssignApertures(Table);
  EXPECT_EQ(Pins.Rows()[0].HoleDCode, 10);
  EXPECT_DOUBLE_EQ(Table.Items(1).Size, 1.016);
  // A second conversion rewrites the D-codes.
  Table.Clear();
  Pins.AssignApertures(Table);
  EXPECT_EQ(Pins.Rows()[0].HoleDCode, 10);
  EXPECT_EQ(Pins.Rows()[0].PadDCode, 11);
}

TEST(PinTable, ShapeNames) {
  EXPECT_EQ(TPins::ShapeName(0), "None");
  EXPECT_EQ(TPins::ShapeName(1), "Circle");
  EXPECT_EQ(TPins::ShapeName(2), "Square");
  EXPECT_EQ(TPins::ShapeName(3), "Undefined");
  EXPECT_EQ(TPins::ShapeName(255), "Undefined");
}

TEST(PinTable, RowTextsInMillimetresWithFourDecimals) {
  TPins Pins;
  Pins.Parse("1  0.04  0,9\n", layoutHoleAper);
  Pins.SetUnits(5, 1);
  EXPECT_EQ(TPins::TableHeader(), (TPinRowTexts{"Pin#", "Hole", "Aper", "Aper Type"}));
  EXPECT_EQ(Pins.RowTexts(0), (TPinRowTexts{"1", "1.0160", "0.0229", "Circle"}));
}

}  // namespace
}  // namespace quillon::test
