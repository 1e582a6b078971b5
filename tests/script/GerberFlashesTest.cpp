// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"

namespace quillon {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

std::string Question(int PinRow) {
  return "Via which undefined Pin# (" + std::to_string(PinRow) +
         ") found in PLT file!\n\rDo you want to add it anyway?";
}

// Layers 0 to 3; the flashes are on layer 3. Pin rows 0 (round pad) and 1
// (no pad shape). Scale 1: D10 the default aperture, D11/D12 hole/pad of row
// 0, D13 hole of row 1.
class GerberFlashes : public ::testing::Test {
 protected:
  GerberFlashes() {
    for (const char* Name : {"L0", "L1", "L2", "DRL"}) AddLayer(Pcb, Name, 1);
    AddPin(Pcb.Pins, 0, 0.9, 1.5, shapeCircle);
    AddPin(Pcb.Pins, 1, 0.7, 0, shapeNone);
    Pcb.DrillLayer = 3;
    Pcb.PadTopLayer = 0;
    Pcb.PadBottomLayer = 1;
    Pcb.MaskTopLayer = 9;
    Pcb.MaskBottomLayer = 9;
    Pcb.SetPrompts(&Prompts);
    Pcb.Scale = 1.0;
    Pcb.BuildApertures();
  }
  TLayer& Drill() { return Pcb.Layers.Items(3); }
  Lines Flashes(int L) {
    Pcb.Output.Clear();
    Pcb.WriteGerberFlashes(L);
    return LinesOf(Pcb.Output);
  }
  TScriptingPcb Pcb;
  TScriptedPrompts Prompts{{}, TAnswer::Yes};
};

TEST_F(GerberFlashes, EachRoleTakesItsApertureAndTheDrillRoleWins) {
  AddFlash(Drill(), 1, {1000, 2000});
  AddFlash(Drill(), 2, {3000, 4000});
  EXPECT_EQ(Flashes(0), (Lines{"G54D12*", "X1000000Y2000000D03*"}));  // no pad for row 1
  EXPECT_EQ(Flashes(1), (Lines{"G54D12*", "X1000000Y2000000D03*"}));
  EXPECT_EQ(Flashes(2), Lines{});
  EXPECT_EQ(Flashes(3),
            (Lines{"G54D11*", "X1000000Y2000000D03*", "G54D13*", "X3000000Y4000000D03*"}));
  // The top pad layer that is also the drill layer flashes the holes.
  Pcb.PadTopLayer = 3;
  EXPECT_EQ(Flashes(3)[0], "G54D11*");
  // A mask role later in the order overrides a pad role: masks have no D-code.
  Pcb.PadTopLayer = 0;
  Pcb.MaskTopLayer = 0;
  EXPECT_EQ(Flashes(0), Lines{});
  EXPECT_TRUE(Prompts.Asked.empty());
}

// Rows are looked up once per layer and kept by row number: rows that a
// table of a power-of-two size would put in one place keep their own D-codes,
// and a missing row among them is asked about as before.
TEST_F(GerberFlashes, RowsThatShareAPlaceInTheLookUpKeepTheirOwnApertures) {
  AddPin(Pcb.Pins, 1024, 0.5, 2.5, shapeCircle);
  AddPin(Pcb.Pins, 4096, 0.3, 3.5, shapeSquare);
  Pcb.BuildApertures();
  const std::int32_t PadOf1024 = Pcb.Pins.Get(2).PadDCode;
  const std::int32_t PadOf4096 = Pcb.Pins.Get(3).PadDCode;
  const std::string FirstRowPad = "G54D" + std::to_string(Pcb.Pins.Get(0).PadDCode) + "*";
  ASSERT_NE(PadOf1024, PadOf4096);
  for (int I = 0; I < 3; ++I) {
    AddFlash(Drill(), 1025, {I, 0});
    AddFlash(Drill(), 4097, {I, 1});
    AddFlash(Drill(), 2049, {I, 2});  // row 2048: not in the table
    AddFlash(Drill(), 1, {I, 3});
  }
  const Lines Out = Flashes(0);
  ASSERT_EQ(Out.size(), 24u);
  for (int I = 0; I < 3; ++I) {
    EXPECT_EQ(Out[8 * I], "G54D" + std::to_string(PadOf1024) + "*");
    EXPECT_EQ(Out[8 * I + 2], "G54D" + std::to_string(PadOf4096) + "*");
    EXPECT_EQ(Out[8 * I + 4], FirstRowPad);  // a missing row takes the first row's pad
    EXPECT_EQ(Out[8 * I + 6], FirstRowPad);
  }
  // Defined rows in between ask nothing, so the missing row is asked once.
  EXPECT_EQ(Prompts.Asked, std::vector<std::string>{Question(2048)});
}

TEST_F(GerberFlashes, DrillLayerWithoutFlashesOrOutOfRangeWritesNothing) {
  EXPECT_EQ(Flashes(3), Lines{});
  AddFlash(Drill(), 1, {0, 0});
  Pcb.DrillLayer = 4;
  EXPECT_EQ(Flashes(0), Lines{});
  Pcb.DrillLayer = 255;
  EXPECT_EQ(Flashes(0), Lines{});
}

TEST_F(GerberFlashes, NoSkipsOnlyTheAskedFlashAndARepeatIsNotAskedAgain) {
  AddFlash(Drill(), 9, {1, 1});  // row 8: undefined
  AddFlash(Drill(), 9, {2, 2});  // the same pin right after: no question, written
  AddFlash(Drill(), 1, {3, 3});
  AddFlash(Drill(), 9, {4, 4});  // still the last pin asked about: no question
  Prompts.Answers = {TAnswer::No, TAnswer::Yes};
  // A missing pin takes the apertures of the first row.
  EXPECT_EQ(Flashes(0), (Lines{"G54D12*", "X002000Y002000D03*", "G54D12*", "X003000Y003000D03*",
                               "G54D12*", "X004000Y004000D03*"}));
  EXPECT_EQ(Prompts.Asked, (Lines{Question(8)}));
}

TEST_F(GerberFlashes, ADifferentMissingPinIsAskedAboutAgain) {
  AddFlash(Drill(), 9, {1, 1});
  AddFlash(Drill(), 7, {2, 2});
  AddFlash(Drill(), 9, {3, 3});
  Prompts.Answers = {TAnswer::No, TAnswer::No, TAnswer::Yes};
  EXPECT_EQ(Flashes(0), (Lines{"G54D12*", "X003000Y003000D03*"}));
  EXPECT_EQ(Prompts.Asked, (Lines{Question(8), Question(6), Question(8)}));
}

TEST_F(GerberFlashes, ToAllAnswersStandForEveryLaterUndefinedFlashOfTheCall) {
  AddFlash(Drill(), 9, {1, 1});
  AddFlash(Drill(), 9, {2, 2});
  AddFlash(Drill(), 7, {3, 3});
  AddFlash(Drill(), 1, {4, 4});
  Prompts.Answers = {TAnswer::NoToAll};
  EXPECT_EQ(Flashes(0), (Lines{"G54D12*", "X004000Y004000D03*"}));
  EXPECT_EQ(Prompts.Asked.size(), 1u);

  Prompts.Answers = {TAnswer::YesToAll, TAnswer::YesToAll};
  Prompts.Asked.clear();
  EXPECT_EQ(Flashes(0).size(), 8u);
  // The answer is local to the call: the next layer asks again.
  EXPECT_EQ(Flashes(1).size(), 8u);
  EXPECT_EQ(Prompts.Asked, (Lines{Question(8), Question(8)}));
}

TEST_F(GerberFlashes, CancelEndsTheLayerAndTheNextLayersAskAgain) {
  AddFlash(Drill(), 1, {1, 1});
  AddFlash(Drill(), 9, {2, 2});
  AddFlash(Drill(), 1, {3, 3});
  // Layer 2 has no role but still asks; layer 3 answers No.
  Prompts.Answers = {TAnswer::Yes, TAnswer::Cancel, TAnswer::Yes, TAnswer::No};
  Pcb.Convert(coPads, fmtGerber, 1.0);
  const auto Body = [&](int L) {
    const Lines All = LinesOf(Pcb.LayerOutputs[static_cast<std::size_t>(L)]);
    return Lines(All.begin() + 5 + Pcb.Apertures.Count() + 2, All.end());
  };
  EXPECT_EQ(Body(0), (Lines{"G54D12*", "X001000Y001000D03*", "G54D12*", "X002000Y002000D03*",
                            "G54D12*", "X003000Y003000D03*", "M02*"}));
  EXPECT_EQ(Body(1), (Lines{"G54D12*", "X001000Y001000D03*", "M02*"}));  // cancelled
  EXPECT_EQ(Body(2), (Lines{"M02*"}));                                   // mask: nothing
  EXPECT_EQ(Body(3),
            (Lines{"G54D11*", "X001000Y001000D03*", "G54D11*", "X003000Y003000D03*", "M02*"}));
  EXPECT_EQ(Prompts.Asked, (Lines(4, Question(8))));
}

TEST_F(GerberFlashes, EmptyPinTableAsksButHasNoRowToFlash) {
  Pcb.Pins.Clear();
  AddFlash(Drill(), 1, {1, 1});
  AddFlash(Drill(), 2, {2, 2});
  EXPECT_EQ(Flashes(3), Lines{});
  EXPECT_EQ(Prompts.Asked, (Lines{Question(0), Question(1)}));
}

}  // namespace
}  // namespace quillon
