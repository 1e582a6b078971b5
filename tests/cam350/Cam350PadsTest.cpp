// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

const char* const Question6 =
    "Via with undefined Pin# (6) found in PLT file!\n\rDo you want to add it anyway?";
const char* const Question7 =
    "Via with undefined Pin# (7) found in PLT file!\n\rDo you want to add it anyway?";
const char* const Question8 =
    "Via with undefined Pin# (8) found in PLT file!\n\rDo you want to add it anyway?";

TEST(Cam350Padstacks, EveryPinRowDefinesItsPadsAndHoleInRowOrder) {
  TScriptingPcb Board;
  Board.Pins.Append(PinRow(4, 0.8, 1.6, shapeCircle, 11, 12));
  Board.Pins.Append(PinRow(7, 0.8, 0, shapeNone, 13, 0));
  Board.Pins.Append(PinRow(4, 0.8, 1.6, shapeSquare, 14, 15));
  Board.MakeCam350Padstacks(1, 6, 2, 3, 8);
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"edit_padstack_dcode@ 5,1,12", "edit_padstack_dcode@ 5,6,12",
                                      "edit_padstack_dcode@ 5,8,11", "edit_padstack_dcode@ 8,8,13",
                                      "edit_padstack_dcode@ 5,1,15", "edit_padstack_dcode@ 5,6,15",
                                      "edit_padstack_dcode@ 5,8,14"}));
}

TEST(Cam350Padstacks, NothingWithoutPinRowsAndNoOverflowAtTheLargestPin) {
  TScriptingPcb Board;
  Board.MakeCam350Padstacks(0, 1, 2, 3, 4);
  EXPECT_TRUE(Board.Output.Empty());

  Board.Pins.Append(PinRow(2147483647, 0.8, 0, shapeNone, 10, 0));
  Board.MakeCam350Padstacks(0, 1, 2, 3, 255);
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"edit_padstack_dcode@ 2147483648,255,10"}));
}

TEST(Cam350Pads, AFlashOfADefinedPinIsPlacedOnItsOwnLayerWithoutAQuestion) {
  TScriptingPcb Board;
  TScriptedPrompts Prompts;
  Board.SetPrompts(&Prompts);
  AddLayers(Board, 3);
  Board.Scale = 0.01;
  Board.Pins.Append(PinRow(4, 0.8, 1.6, shapeCircle, 11, 12));
  AddFlash(Board.Layers.Items(2).Flashes, 5, {1000, -325});
  Board.MakeCam350Pads();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"setlayer@ 2", "add_padstack@", "setpadstack@ 5",
                                      "axy@ 10.00,-3.25", "back@", "view_all@"}));
  EXPECT_TRUE(Prompts.Asked.empty());
  EXPECT_TRUE(Prompts.Notes.empty());
}

TEST(Cam350Pads, ABoardWithoutFlashesGivesNoLineAtAll) {
  TScriptingPcb Board;
  AddLayers(Board, 2);
  AddLine(Board.Layers.Items(0).Lines, kindLine, {0, 0}, {10, 10}, 1);
  Board.MakeCam350Pads();
  EXPECT_TRUE(Board.Output.Empty());
}

TEST(Cam350Pads, NoSkipsOnlyTheFlashThatRaisedTheQuestion) {
  TScriptingPcb Board;
  TScriptedPrompts Prompts({TAnswer::No, TAnswer::Yes, TAnswer::No});
  Board.SetPrompts(&Prompts);
  AddLayers(Board, 1);
  Board.Scale = 0.01;
  Board.Pins.Append(PinRow(4, 0.8, 1.6, shapeCircle, 11, 12));
  TPcbFlashes& Flashes = Board.Layers.Items(0).Flashes;
  AddFlash(Flashes, 7, {100, 0});  // asked: No
  AddFlash(Flashes, 7, {200, 0});  // same pin right after: added unasked
  AddFlash(Flashes, 7, {300, 0});
  AddFlash(Flashes, 8, {400, 0});  // another undefined pin: asked again, Yes
  AddFlash(Flashes, 5, {500, 0});  // defined
  AddFlash(Flashes, 7, {600, 0});  // the undefined pin changed: asked, No
  Board.MakeCam350Pads();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"setlayer@ 0", "add_padstack@", "setpadstack@ 7",
                                      "axy@ 2.00,0.00", "back@", "add_padstack@", "setpadstack@ 7",
                                      "axy@ 3.00,0.00", "back@", "add_padstack@", "setpadstack@ 8",
                                      "axy@ 4.00,0.00", "back@", "add_padstack@", "setpadstack@ 5",
                                      "axy@ 5.00,0.00", "back@", "view_all@"}));
  EXPECT_EQ(Prompts.Asked, (std::vector<std::string>{Question6, Question7, Question6}));
  EXPECT_TRUE(Prompts.Notes.empty());
}

TEST(Cam350Pads, ToAllAnswersStandForTheRestOfTheRunAcrossLayers) {
  for (const TAnswer Answer : {TAnswer::NoToAll, TAnswer::YesToAll}) {
    TScriptingPcb Board;
    TScriptedPrompts Prompts({Answer});
    Board.SetPrompts(&Prompts);
    AddLayers(Board, 2);
    Board.Scale = 0.01;
    Board.Pins.Append(PinRow(4, 0.8, 1.6, shapeCircle, 11, 12));
    AddFlash(Board.Layers.Items(0).Flashes, 9, {100, 0});
    AddFlash(Board.Layers.Items(0).Flashes, 5, {200, 0});
    AddFlash(Board.Layers.Items(1).Flashes, 10, {300, 0});
    AddFlash(Board.Layers.Items(1).Flashes, 5, {400, 0});
    Board.MakeCam350Pads();
    const bool Yes = Answer == TAnswer::YesToAll;
    std::vector<std::string> Expected{"setlayer@ 0"};
    if (Yes)
      Expected.insert(Expected.end(),
                      {"add_padstack@", "setpadstack@ 9", "axy@ 1.00,0.00", "back@"});
    Expected.insert(Expected.end(), {"add_padstack@", "setpadstack@ 5", "axy@ 2.00,0.00", "back@",
                                     "view_all@", "setlayer@ 1"});
    if (Yes)
      Expected.insert(Expected.end(),
                      {"add_padstack@", "setpadstack@ 10", "axy@ 3.00,0.00", "back@"});
    Expected.insert(Expected.end(),
                    {"add_padstack@", "setpadstack@ 5", "axy@ 4.00,0.00", "back@", "view_all@"});
    EXPECT_EQ(LinesOf(Board.Output), Expected) << (Yes ? "Yes to All" : "No to All");
    EXPECT_EQ(Prompts.Asked, (std::vector<std::string>{Question8}));
    EXPECT_TRUE(Prompts.Notes.empty());
  }
}

TEST(Cam350Pads, CancelEndsTheWriterAtOnceAndTheNextRunAsksAfresh) {
  TScriptingPcb Board;
  TScriptedPrompts Prompts({TAnswer::Cancel, TAnswer::Yes});
  Board.SetPrompts(&Prompts);
  AddLayers(Board, 3);
  Board.Scale = 0.01;
  Board.Pins.Append(PinRow(4, 0.8, 1.6, shapeCircle, 11, 12));
  AddFlash(Board.Layers.Items(1).Flashes, 5, {100, 0});
  AddFlash(Board.Layers.Items(1).Flashes, 9, {200, 0});
  AddFlash(Board.Layers.Items(1).Flashes, 5, {300, 0});
  AddFlash(Board.Layers.Items(2).Flashes, 5, {400, 0});
  Board.MakeCam350Pads();
  EXPECT_EQ(LinesOf(Board.Output),
            (std::vector<std::string>{"setlayer@ 1", "add_padstack@", "setpadstack@ 5",
                                      "axy@ 1.00,0.00", "back@"}));

  Board.Output.Clear();
  Board.MakeCam350Pads();
  EXPECT_EQ(Board.Output.Count(), 1 + 3 * 4 + 1 + 1 + 4 + 1);
  EXPECT_EQ(Prompts.Asked, (std::vector<std::string>{Question8, Question8}));
  EXPECT_TRUE(Prompts.Notes.empty());
}

}  // namespace
}  // namespace quillon::test
