// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "script/fab/FabProvenance.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

using Lines = std::vector<std::string>;

const std::string Software = "%TF.GenerationSoftware,Quillon,quillon," QUILLON_VERSION_TEXT "*%";
// A board without a project name is the project "board"; without a creation
// date its files carry none.
const std::string ProjectAttribute =
    "TF.ProjectId,board," + fab::ProjectIdOf(TScriptingPcb()).Guid + ",1";

Lines Header(const std::string& Function) {
  return {"G04 Plt FileName: t.plt*",
          "%FSLAX46Y46*%",
          "%MOMM*%",
          Software,
          "%" + ProjectAttribute + "*%",
          "%TF.FileFunction," + Function + "*%",
          "%TF.FilePolarity,Positive*%",
          "%TF.SameCoordinates,Original*%",
          "G75*"};
}

Lines Join(Lines A, const Lines& B) {
  A.insert(A.end(), B.begin(), B.end());
  return A;
}

// Five layers in the order the window preselects them, pins 1 (round pad)
// and 2 (square pad), and three flashes on the drill layer.
class FabBoardTest : public ::testing::Test {
 protected:
  FabBoardTest() {
    Board.Title = "Plt FileName: t.plt";
    Board.GerberProfile = TGerberProfile::Fab;
    AddRoleLayers(Board);
    AddPin(Board.Pins, 1, 0.8, 1.6, shapeCircle);
    AddPin(Board.Pins, 2, 1.0, 1.8, shapeSquare);
    TLayer& Drill = Board.Layers.Items(4);
    AddFlash(Drill, 2, {100, 100});
    AddFlash(Drill, 3, {200, 100});
    AddFlash(Drill, 2, {300, 100});
  }
  void Convert(std::uint8_t Options = coAll) { Board.Convert(Options, fmtGerber, MillimetreScale); }
  Lines File(int L) const { return LinesOf(Board.LayerOutputs[static_cast<std::size_t>(L)]); }

  TScriptingPcb Board;
};

TEST_F(FabBoardTest, CopperLayerHoldsPadsLinesAndArcsWithModalCodesOnce) {
  TLayer& Top = Board.Layers.Items(0);
  AddLine(Top, kindLine, {0, 0}, {1000, 0}, 25);
  AddLine(Top, kindLine, {1000, 0}, {1000, 500}, 25);
  AddLine(Top, kindLine, {200, 200}, {200, 200}, 25);  // a dot
  AddLine(Top, kindRectangle, {0, 0}, {300, 200}, 10);
  AddArc(Top, {500, 500}, {600, 500}, {500, 600}, 25);
  AddArc(Top, {600, 500}, {700, 500}, {700, 500}, 25);  // full circle
  Convert();
  // Table: D10 0.25 and D11 0.1 (strokes, also the default), D12/D13 pin 1
  // hole/pad, D14/D15 pin 2 hole/pad.
  const Lines Expected = Join(Header("Copper,L1,Top"), {"%TA.AperFunction,Conductor*%",
                                                        "%ADD10C,0.25*%",
                                                        "%TA.AperFunction,Conductor*%",
                                                        "%ADD11C,0.1*%",
                                                        "%TA.AperFunction,ComponentPad*%",
                                                        "%ADD13C,1.6*%",
                                                        "%TA.AperFunction,ComponentPad*%",
                                                        "%ADD15R,1.8X1.8*%",
                                                        "%TD.AperFunction*%",
                                                        "D13*",
                                                        "X1000000Y1000000D03*",
                                                        "D15*",
                                                        "X2000000Y1000000D03*",
                                                        "D13*",
                                                        "X3000000Y1000000D03*",
                                                        "D10*",
                                                        "X0Y0D02*",
                                                        "G01*",
                                                        "X10000000Y0D01*",
                                                        "X10000000Y0D02*",
                                                        "X10000000Y5000000D01*",
                                                        "X2000000Y2000000D03*",
                                                        "D11*",
                                                        "X0Y0D02*",
                                                        "X3000000Y0D01*",
                                                        "X3000000Y2000000D01*",
                                                        "X0Y2000000D01*",
                                                        "X0Y0D01*",
                                                        "D10*",
                                                        "X6000000Y5000000D02*",
                                                        "G03*",
                                                        "X5000000Y6000000I-1000000J0D01*",
                                                        "X7000000Y5000000D02*",
                                                        "X7000000Y5000000I-1000000J0D01*",
                                                        "M02*"});
  EXPECT_EQ(File(0), Expected);
}

TEST_F(FabBoardTest, EachLayerRoleHasItsFileFunctionAndFlashes) {
  AddLine(Board.Layers.Items(2), kindLine, {0, 0}, {100, 0}, 10);
  Convert();
  // Table: D10 0.1 (the stroke and the default), D11/D12 pin 1, D13/D14 pin 2.
  EXPECT_EQ(File(1), Join(Header("Copper,L2,Bot"),
                          {"%TA.AperFunction,ComponentPad*%", "%ADD12C,1.6*%",
                           "%TA.AperFunction,ComponentPad*%", "%ADD14R,1.8X1.8*%",
                           "%TD.AperFunction*%", "D12*", "X1000000Y1000000D03*", "D14*",
                           "X2000000Y1000000D03*", "D12*", "X3000000Y1000000D03*", "M02*"}));
  // Mask layers get no flashes, and a stroke there has no known function.
  EXPECT_EQ(File(2), Join(Header("Soldermask,Top"),
                          {"%ADD10C,0.1*%", "D10*", "X0Y0D02*", "G01*", "X1000000Y0D01*", "M02*"}));
  // A file that uses no aperture defines the default one, unused.
  EXPECT_EQ(File(3), Join(Header("Soldermask,Bot"), {"%ADD10C,0.1*%", "M02*"}));
  EXPECT_EQ(File(4), Join(Header("Other,Drawing"),
                          {"%TA.AperFunction,Other,Drawing*%", "%ADD11C,0.8*%",
                           "%TA.AperFunction,Other,Drawing*%", "%ADD13C,1*%", "%TD.AperFunction*%",
                           "D11*", "X1000000Y1000000D03*", "D13*", "X2000000Y1000000D03*", "D11*",
                           "X3000000Y1000000D03*", "M02*"}));
}

TEST_F(FabBoardTest, ALayerChosenForPadsAndDrillCarriesHolesAsADrawing) {
  Board.PadTopLayer = 4;
  Convert(coPads);
  const Lines File4 = File(4);
  ASSERT_GT(File4.size(), 4u);
  EXPECT_EQ(File4[5], "%TF.FileFunction,Other,Drawing*%");
  EXPECT_EQ(File4[14], "D11*");  // the hole of pin 1, after the two definitions
  EXPECT_EQ(File(0),
            Join(Header("Other,Drawing"), {"%TA.AperFunction,Other,Drawing*%", "%ADD10C,0.1*%",
                                           "%TD.AperFunction*%", "M02*"}));
}

TEST_F(FabBoardTest, PolygonsAreClosedRegionsWithTheirVoidsClearedRightAfter) {
  TLayer& Top = Board.Layers.Items(0);
  TPcbComplexPolygon& Polygon = Top.Polygons.Add();
  AddOutline(Polygon, {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});  // not closed by the file
  AddOutline(Polygon, {{200, 200}, {400, 200}, {400, 200}, {400, 400}, {200, 200}});
  for (int X : {800, 350}) {
    TPcbArc& Circle = Polygon.Circles.Add();
    Circle.CenterX = X - 100;
    Circle.CenterY = 700;
    Circle.StartX = Circle.EndX = X;
    Circle.StartY = Circle.EndY = 700;
  }
  TPcbComplexPolygon& Plain = Top.Polygons.Add();
  AddOutline(Plain, {{5000, 0}, {5100, 0}, {5100, 100}, {5000, 0}});
  AddLine(Top, kindFilledRectangle, {2000, 0}, {2500, 300}, 1);
  AddLine(Top, kindFilledRectangle, {3000, 0}, {3000, 300}, 1);  // encloses nothing
  Convert(coPolygons);
  // Regions draw with no aperture: the file defines the default D11, unused.
  // Each region states its interpolation mode; G75 is in the header.
  const Lines Expected = Join(Header("Copper,L1,Top"), {"%TA.AperFunction,Conductor*%",
                                                        "%ADD11C,0.1*%",
                                                        "%TD.AperFunction*%",
                                                        "G36*",
                                                        "X0Y0D02*",
                                                        "G01*",
                                                        "X10000000Y0D01*",
                                                        "X10000000Y10000000D01*",
                                                        "X0Y10000000D01*",
                                                        "X0Y0D01*",
                                                        "G37*",
                                                        "%LPC*%",
                                                        "G36*",
                                                        "X2000000Y2000000D02*",
                                                        "G01*",
                                                        "X4000000Y2000000D01*",
                                                        "X4000000Y4000000D01*",
                                                        "X2000000Y2000000D01*",
                                                        "G37*",
                                                        "G36*",
                                                        "X8000000Y7000000D02*",
                                                        "G03*",
                                                        "X8000000Y7000000I-1000000J0D01*",
                                                        "G37*",
                                                        "G36*",
                                                        "X3500000Y7000000D02*",
                                                        "G03*",
                                                        "X3500000Y7000000I-1000000J0D01*",
                                                        "G37*",
                                                        "%LPD*%",
                                                        "G36*",
                                                        "X50000000Y0D02*",
                                                        "G01*",
                                                        "X51000000Y0D01*",
                                                        "X51000000Y1000000D01*",
                                                        "X50000000Y0D01*",
                                                        "G37*",
                                                        "G36*",
                                                        "X20000000Y0D02*",
                                                        "G01*",
                                                        "X25000000Y0D01*",
                                                        "X25000000Y3000000D01*",
                                                        "X20000000Y3000000D01*",
                                                        "X20000000Y0D01*",
                                                        "G37*",
                                                        "M02*"});
  EXPECT_EQ(File(0), Expected);
}

// Clear polarity erases whatever the layer holds: a polygon without its
// bounding outline cuts neither its holes nor its circles into the copper
// drawn before it, while the polygon around it is written as ever.
TEST_F(FabBoardTest, APolygonWithoutAnOuterOutlineWritesNothing) {
  TLayer& Top = Board.Layers.Items(0);
  AddOutline(Top.Polygons.Add(), {{0, 0}, {1000, 0}, {1000, 1000}});
  TPcbComplexPolygon& Hollow = Top.Polygons.Add();
  Hollow.OutLines.Add();
  AddOutline(Hollow, {{200, 200}, {400, 200}, {400, 400}});
  TPcbArc& Circle = Hollow.Circles.Add();
  Circle.CenterX = Circle.CenterY = 700;
  Circle.StartX = Circle.EndX = 800;
  Circle.StartY = Circle.EndY = 700;
  Top.Polygons.Add().Circles.Add() = Circle;  // no outlines at all
  Convert(coPolygons);
  const Lines Expected = Join(Header("Copper,L1,Top"), {"%TA.AperFunction,Conductor*%",
                                                        "%ADD10C,0.1*%",
                                                        "%TD.AperFunction*%",
                                                        "G36*",
                                                        "X0Y0D02*",
                                                        "G01*",
                                                        "X10000000Y0D01*",
                                                        "X10000000Y10000000D01*",
                                                        "X0Y0D01*",
                                                        "G37*",
                                                        "M02*"});
  EXPECT_EQ(File(0), Expected);
}

TEST_F(FabBoardTest, APadOfAStrokesSizeGetsADCodeOfItsOwnOnCopper) {
  Board.Pins.Clear();
  AddPin(Board.Pins, 1, 0.8, 0.25, shapeCircle);  // round pad of the stroke's 0.25
  AddLine(Board.Layers.Items(0), kindLine, {0, 0}, {100, 0}, 25);
  Convert(coPads | coLines);
  // D10 0.25 stroke, D11 default, D12 hole; the pad shares D10 in the
  // table. The pads come first and keep D10; the strokes get D13, after the
  // table's last. (Pin 3 has no row: answered Yes, it takes the first row.)
  EXPECT_EQ(File(0),
            Join(Header("Copper,L1,Top"),
                 {"%TA.AperFunction,ComponentPad*%", "%ADD10C,0.25*%",
                  "%TA.AperFunction,Conductor*%", "%ADD13C,0.25*%", "%TD.AperFunction*%", "D10*",
                  "X1000000Y1000000D03*", "X2000000Y1000000D03*", "X3000000Y1000000D03*", "D13*",
                  "X0Y0D02*", "G01*", "X1000000Y0D01*", "M02*"}));
}

TEST_F(FabBoardTest, AttributesCanBeWrittenAsComments) {
  Board.X2AsComments = true;
  Board.Title.clear();
  Convert(coPads);
  EXPECT_EQ(File(1),
            (Lines{"%FSLAX46Y46*%",
                   "%MOMM*%",
                   "G04 #@! TF.GenerationSoftware,Quillon,quillon," QUILLON_VERSION_TEXT "*",
                   "G04 #@! " + ProjectAttribute + "*",
                   "G04 #@! TF.FileFunction,Copper,L2,Bot*",
                   "G04 #@! TF.FilePolarity,Positive*",
                   "G04 #@! TF.SameCoordinates,Original*",
                   "G75*",
                   "G04 #@! TA.AperFunction,ComponentPad*",
                   "%ADD12C,1.6*%",
                   "G04 #@! TA.AperFunction,ComponentPad*",
                   "%ADD14R,1.8X1.8*%",
                   "G04 #@! TD.AperFunction*",
                   "D12*",
                   "X1000000Y1000000D03*",
                   "D14*",
                   "X2000000Y1000000D03*",
                   "D12*",
                   "X3000000Y1000000D03*",
                   "M02*"}));
}

TEST_F(FabBoardTest, UndefinedPinsAreAskedAboutPerLayerAndTheDrillFileFollowsTheAnswers) {
  // Pin 9 (row 8) has no row: No skips its first flash; the next flash of
  // it follows without a question and takes the first row's apertures.
  TLayer& Drill = Board.Layers.Items(4);
  Drill.Flashes.Clear();
  AddFlash(Drill, 9, {100, 100});
  AddFlash(Drill, 9, {200, 100});
  AddFlash(Drill, 2, {300, 100});
  // Layers 0 and 1 ask once each; the masks ask too; Cancel on the drill layer.
  TScriptedPrompts Prompts(
      {TAnswer::No, TAnswer::Cancel, TAnswer::Yes, TAnswer::Yes, TAnswer::Cancel}, TAnswer::Yes);
  Board.SetPrompts(&Prompts);
  Board.ExcellonDrill = true;
  Convert(coPads);
  Board.SetPrompts(nullptr);
  ASSERT_EQ(Prompts.Asked.size(), 5u);
  EXPECT_EQ(Prompts.Asked[0],
            "Via which undefined Pin# (8) found in PLT file!\n\rDo you want to add it anyway?");
  EXPECT_EQ(File(0), Join(Header("Copper,L1,Top"),
                          {"%TA.AperFunction,ComponentPad*%", "%ADD12C,1.6*%", "%TD.AperFunction*%",
                           "D12*", "X2000000Y1000000D03*", "X3000000Y1000000D03*", "M02*"}));
  EXPECT_EQ(File(1), Join(Header("Copper,L2,Bot"), {"%TA.AperFunction,Conductor*%", "%ADD10C,0.1*%",
                                                    "%TD.AperFunction*%", "M02*"}));
  EXPECT_EQ(File(4),
            Join(Header("Other,Drawing"), {"%TA.AperFunction,Other,Drawing*%", "%ADD10C,0.1*%",
                                           "%TD.AperFunction*%", "M02*"}));
  EXPECT_TRUE(Board.DrillOutput.Empty()) << "no hole left: no drill file";
}

TEST_F(FabBoardTest, DrillFileHasOneToolPerHoleSizeAndOnlyWhenAskedFor) {
  Convert();
  EXPECT_TRUE(Board.DrillOutput.Empty());
  Board.ExcellonDrill = true;
  Convert();
  EXPECT_EQ(LinesOf(Board.DrillOutput),
            (Lines{"M48", "; #@! TF.GenerationSoftware,Quillon,quillon," QUILLON_VERSION_TEXT,
                   "; #@! " + ProjectAttribute, "; #@! TF.FileFunction,Plated,1,2,PTH", "FMAT,2",
                   "METRIC", "T1C0.800", "T2C1.000", "%", "G90", "G05", "T1", "X1.000Y1.000",
                   "X3.000Y1.000", "T2", "X2.000Y1.000", "M30"}));
  Board.GerberProfile = TGerberProfile::Legacy;
  Convert();
  EXPECT_TRUE(Board.DrillOutput.Empty());
}

TEST_F(FabBoardTest, RepeatedConversionsGiveTheSameFiles) {
  AddLine(Board.Layers.Items(0), kindLine, {0, 0}, {100, 0}, 25);
  Board.ExcellonDrill = true;
  Convert();
  const auto First = Board.LayerOutputs;
  const auto FirstDrill = LinesOf(Board.DrillOutput);
  Convert();
  EXPECT_EQ(Board.LayerOutputs, First);
  EXPECT_EQ(LinesOf(Board.DrillOutput), FirstDrill);
}

TEST_F(FabBoardTest, StrokesMarkTheirAperturesTakenAsTheLegacyWriterDoes) {
  // The text macro after the layer files declares an aperture only while it
  // is still new, so both profiles must leave the marks alike.
  AddLine(Board.Layers.Items(0), kindLine, {0, 0}, {100, 0}, 25);
  AddArc(Board.Layers.Items(1), {0, 0}, {100, 0}, {0, 100}, 30);
  Convert(coLines | coArcs);
  EXPECT_FALSE(Board.Apertures.Items(0).IsNew);  // 0.25
  EXPECT_FALSE(Board.Apertures.Items(1).IsNew);  // 0.3
  EXPECT_TRUE(Board.Apertures.Items(2).IsNew);   // default, used by no stroke
}

}  // namespace
}  // namespace quillon::test
