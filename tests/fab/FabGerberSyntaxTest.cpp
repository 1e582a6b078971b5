// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "pins/ApertureTable.h"
#include "script/fab/ExcellonWriter.h"
#include "script/fab/FabGerberSyntax.h"
#include "support/OutputLines.h"

namespace quillon::test {
namespace {

using namespace quillon::fab;

TEST(FabGerberSyntax, CoordinatesAreMillionthsOfAMillimetreWithoutLeadingZeros) {
  EXPECT_EQ(ToFabUnits(12.5), 12500000);
  EXPECT_EQ(ToFabUnits(-0.25), -250000);
  EXPECT_EQ(ToFabUnits(0.0000004), 0);
  EXPECT_EQ(ToFabUnits(-0.0000015), -2);  // stored just above the half
  EXPECT_EQ(ToFabPoint(125, -3, 0.0254), (TFabPoint{3175000, -76200}));
  std::string S;
  AppendXY(S, {0, -1500000});
  AppendAxis(S, 'I', 7);
  EXPECT_EQ(S, "X0Y-1500000I7");
}

TEST(FabGerberSyntax, CoordinatesBeyondAnyBoardStayBoundedIntegers) {
  EXPECT_EQ(ToFabUnits(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(ToFabUnits(std::numeric_limits<double>::infinity()), 1'000'000'000'000'000);
  EXPECT_EQ(ToFabUnits(-1e300), -1'000'000'000'000'000);
  EXPECT_EQ(ToFabUnits(2e9), 1'000'000'000'000'000);
}

TEST(FabGerberSyntax, ApertureSizesDropTrailingZeros) {
  TTextLines Out;
  AddApertureDefinition(Out, 10, shapeCircle, 0.25);
  AddApertureDefinition(Out, 11, shapeSquare, 1.5);
  AddApertureDefinition(Out, 12, shapeCircle, 2.0);
  AddApertureDefinition(Out, 13, shapeCircle, 0.0001);
  AddApertureDefinition(Out, 14, shapeCircle, 0.123456789);
  EXPECT_EQ(LinesOf(Out),
            (std::vector<std::string>{"%ADD10C,0.25*%", "%ADD11R,1.5X1.5*%", "%ADD12C,2*%",
                                      "%ADD13C,0.0001*%", "%ADD14C,0.123457*%"}));
}

TEST(FabGerberSyntax, AttributesAndCommentsCannotBreakTheFile) {
  TTextLines Out;
  AddAttribute(Out, "TF.FilePolarity,Positive", false);
  AddAttribute(Out, "TF.FilePolarity,Positive", true);
  AddComment(Out, std::string("Plt FileName: /a*b%c\x01\xE9\r\n\0.plt", 29));
  EXPECT_EQ(LinesOf(Out), (std::vector<std::string>{"%TF.FilePolarity,Positive*%",
                                                    "G04 #@! TF.FilePolarity,Positive*",
                                                    "G04 Plt FileName: /a_b_c__???.plt*"}));
}

TEST(Excellon, ToolsAreDistinctDiametersSmallestFirstAndHolesKeepTheirOrder) {
  const std::vector<TDrillHole> Holes = {{1.5, 2.25, 1.0},
                                         {-3.0, 0.0004, 0.8},
                                         {10.0, 20.0, 0.8004},  // 0.8004 drills with 0.800
                                         {5.0, 5.0, 0.0},       // a surface pad: no hole
                                         {0.0, -0.0005, 1.0}};
  TTextLines Out;
  const std::vector<std::string> Provenance = {"TF.GenerationSoftware,Quillon,quillon,9",
                                               "TF.ProjectId,p,g,1"};
  WriteExcellon(Holes, true, Provenance, Out);
  EXPECT_EQ(LinesOf(Out),
            (std::vector<std::string>{
                "M48", "; #@! TF.GenerationSoftware,Quillon,quillon,9", "; #@! TF.ProjectId,p,g,1",
                "; #@! TF.FileFunction,Plated,1,2,PTH", "FMAT,2", "METRIC", "T1C0.800", "T2C1.000",
                "%", "G90", "G05", "T1", "X-3.000Y0.000", "X10.000Y20.000", "T2", "X1.500Y2.250",
                "X0.000Y-0.001", "M30"}));
}

}  // namespace
}  // namespace quillon::test
