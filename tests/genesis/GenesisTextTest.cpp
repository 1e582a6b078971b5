// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

std::string TextLine(const std::string& X, const std::string& Y, const std::string& Text,
                     const std::string& Angle, const std::string& Mirror) {
  return "COM add_text,attributes=no,type=string,x=" + X + ",y=" + Y + ",text=" + Text +
         ",x_size = 0.61,y_size = 0.81,w_factor=1,polarity=positive,angle=" + Angle +
         ",mirror=" + Mirror + ",fontname=standard,ver=1";
}

// "ABC" of size 100 at (1000, 2000) with Scale 0.01: X0 = 10, Y0 = 20,
// H = 0.808, W = 0.61408, L = (3 - 0.43) x W = 1.5781856.
class GenesisText : public ::testing::Test {
 protected:
  GenesisText() { Pcb.Scale = 0.01; }
  // The add_text line of one text written alone.
  std::string Written(std::uint8_t Justification, std::int32_t Rotation = 0,
                      std::uint8_t Mirror = 0, const std::string& Text = "ABC") {
    TScriptingPcb Board;
    Board.Scale = 0.01;
    AddText(AddLayer(Board, "SILK", 0), Text, {1000, 2000}, 100, Justification, Rotation, Mirror);
    Board.MakeGenesisText();
    return std::string(Board.Output[4]);
  }
  TScriptingPcb Pcb;
};

TEST_F(GenesisText, WorkedExampleWithItsLayerBlock) {
  AddLayer(Pcb, "COMP", 0);
  AddText(AddLayer(Pcb, "SILK", 0), "ABC", {1000, 2000}, 100, 34);
  Pcb.MakeGenesisText();
  EXPECT_EQ(Joined(LinesOf(Pcb.Output)),
            Joined({"echo Adding text for layer: 1",
                    "COM display_layer,name=silk,display=yes,number=1", "COM work_layer,name=silk",
                    "echo XOrg=10.00,YOrg=20.00,GetSymbWidth=0.61,GetSymbHeight=0.81,"
                    "GetTextCharCount=3",
                    "COM add_text,attributes=no,type=string,x=10.00,y=20.00,text=ABC,"
                    "x_size = 0.61,y_size = 0.81,w_factor=1,polarity=positive,angle=0,"
                    "mirror=no,fontname=standard,ver=1",
                    "COM zoom_home"}));
}

TEST_F(GenesisText, JustificationMovesTheAnchorToTheLowerLeftCorner) {
  const struct {
    std::uint8_t Code;
    const char* X;
    const char* Y;
  } Cases[] = {{25, "9.21", "19.19"},  {26, "9.21", "20.00"},  {27, "9.21", "19.60"},
               {33, "10.00", "19.19"}, {34, "10.00", "20.00"}, {35, "10.00", "19.60"},
               {41, "8.42", "19.19"},  {42, "8.42", "20.00"},  {43, "8.42", "19.60"}};
  for (const auto& C : Cases)
    EXPECT_EQ(Written(C.Code), TextLine(C.X, C.Y, "ABC", "0", "no")) << int(C.Code);
}

TEST_F(GenesisText, UnknownJustificationIsPlacedAtTheAnchor) {
  // Not at the corner the previous text (justification 42) was moved to.
  TLayer& Layer = AddLayer(Pcb, "SILK", 0);
  AddText(Layer, "ABC", {1000, 2000}, 100, 42);
  AddText(Layer, "ABC", {1000, 2000}, 100, 0);
  AddText(Layer, "ABC", {1000, 2000}, 100, 36);
  Pcb.MakeGenesisText();
  EXPECT_EQ(Pcb.Output[4], TextLine("8.42", "20.00", "ABC", "0", "no"));
  EXPECT_EQ(Pcb.Output[6], TextLine("10.00", "20.00", "ABC", "0", "no"));
  EXPECT_EQ(Pcb.Output[8], TextLine("10.00", "20.00", "ABC", "0", "no"));
}

TEST_F(GenesisText, MirrorFlipsTheAnchorAboutThePlotAnchor) {
  EXPECT_EQ(Written(34, 0, 4), TextLine("10.00", "20.00", "ABC", "0", "yes"));
  EXPECT_EQ(Written(42, 0, 4), TextLine("11.58", "20.00", "ABC", "0", "yes"));
  EXPECT_EQ(Written(42, 0, 1), TextLine("11.58", "20.00", "ABC", "0", "yes"));
}

TEST_F(GenesisText, RotationTurnsTheAnchorAndSetsTheAngle) {
  EXPECT_EQ(Written(34, 90), TextLine("10.00", "20.00", "ABC", "270", "no"));
  EXPECT_EQ(Written(34, 90, 4), TextLine("10.00", "20.00", "ABC", "90", "yes"));
  // (8.42, 20) turned about (10, 20) by 90 degrees counter-clockwise.
  EXPECT_EQ(Written(42, 90), TextLine("10.00", "18.42", "ABC", "270", "no"));
  // Mirrored first to (11.58, 20), then turned to (10, 21.58).
  EXPECT_EQ(Written(42, 90, 4), TextLine("10.00", "21.58", "ABC", "90", "yes"));
  EXPECT_EQ(Written(42, 180), TextLine("11.58", "20.00", "ABC", "180", "no"));
  // (9.21, 19.19) turned by 270: dx = -0.79, dy = -0.81 -> (10 - 0.81, 20 + 0.79).
  EXPECT_EQ(Written(25, 270), TextLine("9.19", "20.79", "ABC", "90", "no"));
}

TEST_F(GenesisText, EmptyTextHasNoCharactersAndANegativeLength) {
  TScriptingPcb Board;
  Board.Scale = 0.01;
  AddText(AddLayer(Board, "SILK", 0), "", {1000, 2000}, 100, 42);
  Board.MakeGenesisText();
  EXPECT_EQ(Board.Output[3],
            "echo XOrg=10.00,YOrg=20.00,GetSymbWidth=0.61,GetSymbHeight=0.81,GetTextCharCount=0");
  // L = -0.43 x W, so ending at X0 starts the string right of it.
  EXPECT_EQ(Board.Output[4], TextLine("10.26", "20.00", "", "0", "no"));
  EXPECT_NE(Board.Output[4].find(",text=,x_size = "), std::string::npos);
}

TEST_F(GenesisText, TextsWithShellCharactersArriveAsWritten) {
  EXPECT_EQ(Written(34, 0, 0, "R1-C/2 +5V"), TextLine("10.00", "20.00", "R1-C/2 +5V", "0", "no"));
  EXPECT_EQ(Written(34, 0, 0, "R*"), TextLine("10.00", "20.00", "'R*'", "0", "no"));
  EXPECT_EQ(Written(34, 0, 0, "it's;$x"), TextLine("10.00", "20.00", "'it'\\''s;$x'", "0", "no"));
  EXPECT_EQ(Written(34, 0, 0, "A\r\nB"), TextLine("10.00", "20.00", "'A  B'", "0", "no"));
}

}  // namespace
}  // namespace quillon::test
