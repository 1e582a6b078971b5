// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "script/ConvertError.h"
#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

using Lines = std::vector<std::string>;

const Lines TopBottomHead = {
    "echo Adding pads to top and bottom layers",
    "COM display_layer,name=comp,display=yes,number=1",
    "COM work_layer,name=comp",
    "COM display_layer,name=solder,display=yes,number=2",
    "COM affected_layer,name=solder,mode=single,affected=yes",
};
const Lines DrillHead = {
    "echo Adding pads to drill layer",
    "COM affected_layer,name=pin,mode=all,affected=no",
    "COM display_layer,name=pin,display=yes,number=3",
    "COM work_layer,name=pin",
};

std::string Pad(const std::string& X, const std::string& Y, const std::string& Symbol) {
  return "COM add_pad,attributes=no,x=" + X + ",y=" + Y + ",symbol=" + Symbol +
         ",polarity=positive,angle=0,mirror=no,nx=1,ny=1,dx=0,dy=0,xscale=1,yscale=1";
}

Lines Join(std::initializer_list<Lines> Parts) {
  Lines All;
  for (const Lines& P : Parts) All.insert(All.end(), P.begin(), P.end());
  return All;
}

// COMP, SOLDER and PIN chosen as top, bottom and drill layers; the flashes
// sit on PIN as in a real plot.
class GenesisPads : public ::testing::Test {
 protected:
  GenesisPads() {
    AddLayer(Pcb, "COMP", 1);
    AddLayer(Pcb, "SOLDER", 2);
    AddLayer(Pcb, "PIN", 3);
    Pcb.PadTopLayer = 0;
    Pcb.PadBottomLayer = 1;
    Pcb.DrillLayer = 2;
    Pcb.Scale = 0.01;
    Pcb.SetPrompts(&Prompts);
  }
  ~GenesisPads() override { Pcb.SetPrompts(nullptr); }

  Lines Run() {
    Pcb.MakeGenesisPads(Pcb.PadTopLayer, Pcb.PadBottomLayer, Pcb.MaskTopLayer, Pcb.MaskBottomLayer,
                        Pcb.DrillLayer);
    return LinesOf(Pcb.Output);
  }
  TLayer& Drill() { return Pcb.Layers.Items(2); }

  TScriptingPcb Pcb;
  TScriptedPrompts Prompts;
};

TEST_F(GenesisPads, BoardWithoutFlashesWritesNothing) {
  AddLine(Drill(), kindLine, {0, 0}, {10, 10}, 1);
  EXPECT_TRUE(Run().empty());
}

TEST_F(GenesisPads, WorkedExampleGivesPadAndDrillSymbols) {
  Pcb.Pins.Append(PinRow(4, 0.8, 1.5, shapeCircle));
  AddFlash(Drill(), 5, {1000, -325});
  EXPECT_EQ(Joined(Run()),
            Joined(Join({
                TopBottomHead,
                {"# AppertureNumber = 5",
                 "COM add_pad,attributes=no,x=10.00,y=-3.25,symbol=r1500,polarity=positive,"
                 "angle=0,mirror=no,nx=1,ny=1,dx=0,dy=0,xscale=1,yscale=1"},
                DrillHead,
                {"# AppertureNumber (drill) = 5",
                 "COM add_pad,attributes=no,x=10.00,y=-3.25,symbol=r800,polarity=positive,"
                 "angle=0,mirror=no,nx=1,ny=1,dx=0,dy=0,xscale=1,yscale=1",
                 "COM zoom_home"},
            })));
  EXPECT_TRUE(Prompts.Asked.empty());
}

TEST_F(GenesisPads, SymbolFollowsShapeAndPinUnits) {
  Pcb.Pins.Append(PinRow(0, 0.03, 0.06, shapeSquare));  // inches
  Pcb.Pins.Append(PinRow(1, 1.0, 0, shapeNone));
  Pcb.Pins.Append(PinRow(2, 0.5, 1.2, shapeNone));
  Pcb.Pins.SetUnits(1, 1);
  AddFlash(Drill(), 1, {0, 0});
  AddFlash(Drill(), 2, {1234, -5678});
  AddFlash(Drill(), 3, {-4, 4000});  // -0.004 rounds to zero and loses its sign
  Pcb.Scale = 0.001;
  Pcb.AddViewCommands = false;
  EXPECT_EQ(Joined(Run()), Joined(Join({
                               TopBottomHead,
                               {"# AppertureNumber = 1", Pad("0.00", "0.00", "s1524"),
                                "# AppertureNumber = 2", Pad("1.23", "-5.68", "bfr1000"),
                                "# AppertureNumber = 3", Pad("0.00", "4.00", "bfr10030480")},
                               DrillHead,
                               {"# AppertureNumber (drill) = 1", Pad("0.00", "0.00", "r762"),
                                "# AppertureNumber (drill) = 2", Pad("1.23", "-5.68", "r25400"),
                                "# AppertureNumber (drill) = 3", Pad("0.00", "4.00", "r12700")},
                           })));
}

TEST_F(GenesisPads, EveryLayerWithFlashesRepeatsTheWholeBlock) {
  Pcb.Pins.Append(PinRow(0, 0.3, 0.6, shapeCircle));
  Pcb.Pins.Append(PinRow(1, 0.9, 1.6, shapeSquare));
  AddFlash(Pcb.Layers.Items(0), 1, {100, 200});
  AddFlash(Drill(), 2, {300, 400});
  AddFlash(Drill(), 1, {500, 600});
  EXPECT_EQ(Joined(Run()),
            Joined(Join({
                TopBottomHead,
                {"# AppertureNumber = 1", Pad("1.00", "2.00", "r600")},
                DrillHead,
                {"# AppertureNumber (drill) = 1", Pad("1.00", "2.00", "r300"), "COM zoom_home"},
                TopBottomHead,
                {"# AppertureNumber = 2", Pad("3.00", "4.00", "s1600"), "# AppertureNumber = 1",
                 Pad("5.00", "6.00", "r600")},
                DrillHead,
                {"# AppertureNumber (drill) = 2", Pad("3.00", "4.00", "r900"),
                 "# AppertureNumber (drill) = 1", Pad("5.00", "6.00", "r300"), "COM zoom_home"},
            })));
}

TEST_F(GenesisPads, SameTopAndBottomLayerIsWrittenAsItIs) {
  Pcb.Pins.Append(PinRow(0, 0.3, 0.6, shapeCircle));
  AddFlash(Drill(), 1, {0, 0});
  Pcb.PadBottomLayer = 0;
  Pcb.AddViewCommands = false;
  const Lines Out = Run();
  EXPECT_EQ(Joined(Lines(Out.begin(), Out.begin() + 5)),
            Joined({"echo Adding pads to top and bottom layers",
                    "COM display_layer,name=comp,display=yes,number=1", "COM work_layer,name=comp",
                    "COM display_layer,name=comp,display=yes,number=2",
                    "COM affected_layer,name=comp,mode=single,affected=yes"}));
}

TEST_F(GenesisPads, NoSkipsOnlyTheFlashThatRaisedTheQuestion) {
  Pcb.Pins.Append(PinRow(0, 0.3, 0.6, shapeCircle));
  for (int X : {1, 2, 3}) AddFlash(Drill(), 7, {X * 100, 0});  // row 6 is undefined
  Prompts.Answers = {TAnswer::No};
  Pcb.AddViewCommands = false;
  EXPECT_EQ(Joined(Run()), Joined(Join({
                               TopBottomHead,
                               // The undefined pin is drawn with the first row's values.
                               {"# AppertureNumber = 7", Pad("2.00", "0.00", "r600"),
                                "# AppertureNumber = 7", Pad("3.00", "0.00", "r600")},
                               DrillHead,
                               {"# AppertureNumber (drill) = 7", Pad("1.00", "0.00", "r300"),
                                "# AppertureNumber (drill) = 7", Pad("2.00", "0.00", "r300"),
                                "# AppertureNumber (drill) = 7", Pad("3.00", "0.00", "r300")},
                           })));
  EXPECT_EQ(Joined(Prompts.Asked), Joined({"Via with undefined Pin# (6) found in PLT file!\n\r"
                                           "Do you want to add it anyway?"}));
}

TEST_F(GenesisPads, QuestionComesAgainWhenTheUndefinedPinChanges) {
  Pcb.Pins.Append(PinRow(0, 0.3, 0.6, shapeCircle));
  AddFlash(Drill(), 7, {100, 0});
  AddFlash(Drill(), 1, {200, 0});  // defined: no question, state kept
  AddFlash(Drill(), 7, {300, 0});  // same undefined pin as last asked: added
  AddFlash(Drill(), 9, {400, 0});
  AddFlash(Drill(), 7, {500, 0});
  Prompts.Answers = {TAnswer::No, TAnswer::Yes, TAnswer::No};
  Pcb.AddViewCommands = false;
  const Lines Out = Run();
  ASSERT_EQ(Prompts.Asked.size(), 3u);
  EXPECT_NE(Prompts.Asked[0].find("Pin# (6)"), std::string::npos);
  EXPECT_NE(Prompts.Asked[1].find("Pin# (8)"), std::string::npos);
  EXPECT_NE(Prompts.Asked[2].find("Pin# (6)"), std::string::npos);
  EXPECT_EQ(
      Joined(Lines(Out.begin() + 5, Out.begin() + 11)),
      Joined({"# AppertureNumber = 1", Pad("2.00", "0.00", "r600"), "# AppertureNumber = 7",
              Pad("3.00", "0.00", "r600"), "# AppertureNumber = 9", Pad("4.00", "0.00", "r600")}));
  EXPECT_EQ(Out[11], "echo Adding pads to drill layer");

  // The next run starts afresh and asks the same questions again.
  Pcb.Output.Clear();
  Prompts.Answers = {TAnswer::No, TAnswer::Yes, TAnswer::No};
  EXPECT_EQ(Run(), Out);
  EXPECT_EQ(Prompts.Asked.size(), 6u);
}

TEST_F(GenesisPads, NoToAllSkipsEveryLaterUndefinedFlashWithoutAsking) {
  Pcb.Pins.Append(PinRow(0, 0.3, 0.6, shapeCircle));
  AddFlash(Drill(), 7, {100, 0});
  AddFlash(Drill(), 1, {200, 0});
  AddFlash(Drill(), 9, {300, 0});
  AddFlash(Drill(), 7, {400, 0});
  Prompts.Answers = {TAnswer::NoToAll};
  Pcb.AddViewCommands = false;
  const Lines Out = Run();
  EXPECT_EQ(Joined(Lines(Out.begin() + 5, Out.begin() + 7)),
            Joined({"# AppertureNumber = 1", Pad("2.00", "0.00", "r600")}));
  EXPECT_EQ(Out[7], "echo Adding pads to drill layer");
  EXPECT_EQ(Out.size(), 5u + 2u + 4u + 8u);
  EXPECT_EQ(Prompts.Asked.size(), 1u);
}

TEST_F(GenesisPads, YesToAllAddsEveryUndefinedFlashWithoutAsking) {
  AddFlash(Drill(), 7, {100, 0});
  AddFlash(Drill(), 9, {300, 0});
  Prompts.Answers = {TAnswer::YesToAll};
  Pcb.AddViewCommands = false;
  // An empty pin table leaves the previous lookup's values: zero at first.
  EXPECT_EQ(Joined(Run()), Joined(Join({
                               TopBottomHead,
                               {"# AppertureNumber = 7", Pad("1.00", "0.00", "bfr1000"),
                                "# AppertureNumber = 9", Pad("3.00", "0.00", "bfr1000")},
                               DrillHead,
                               {"# AppertureNumber (drill) = 7", Pad("1.00", "0.00", "r0"),
                                "# AppertureNumber (drill) = 9", Pad("3.00", "0.00", "r0")},
                           })));
  EXPECT_EQ(Prompts.Asked.size(), 1u);
}

TEST_F(GenesisPads, CancelEndsTheWriterAtOnce) {
  Pcb.Pins.Append(PinRow(0, 0.3, 0.6, shapeCircle));
  AddFlash(Pcb.Layers.Items(0), 1, {100, 0});
  AddFlash(Pcb.Layers.Items(0), 5, {200, 0});
  AddFlash(Pcb.Layers.Items(0), 1, {300, 0});
  AddFlash(Drill(), 1, {400, 0});
  Prompts.Answers = {TAnswer::Cancel};
  EXPECT_EQ(Joined(Run()), Joined(Join({
                               TopBottomHead,
                               {"# AppertureNumber = 1", Pad("1.00", "0.00", "r600")},
                           })));
}

TEST_F(GenesisPads, CancelLetsTheConversionGoOn) {
  AddFlash(Drill(), 5, {0, 0});
  AddLine(Drill(), kindLine, {0, 0}, {100, 0}, 10);
  Prompts.Answers = {TAnswer::Cancel};
  Pcb.Convert(coPads | coLines, fmtGenesis, 0.01);
  const Lines Out = LinesOf(Pcb.Output);
  EXPECT_NE(std::find(Out.begin(), Out.end(), "echo Adding Lines for layer: 2"), Out.end());
  EXPECT_EQ(std::find(Out.begin(), Out.end(), "echo Adding pads to drill layer"), Out.end());
}

TEST_F(GenesisPads, LayerIndexBeyondTheBoardStopsTheConversion) {
  AddFlash(Drill(), 1, {0, 0});
  for (std::uint8_t* Index : {&Pcb.PadTopLayer, &Pcb.PadBottomLayer, &Pcb.DrillLayer}) {
    const std::uint8_t Kept = *Index;
    *Index = 3;
    Pcb.Output.Clear();
    try {
      Run();
      ADD_FAILURE() << "no error";
    } catch (const TConvertError& E) {
      EXPECT_STREQ(E.what(), "List index out of bounds (3)");
    }
    EXPECT_EQ(Pcb.Output.Count(), 0) << "nothing written before the error";
    EXPECT_TRUE(Prompts.Asked.empty());
    *Index = Kept;
  }
  Pcb.DrillLayer = 255;
  EXPECT_THROW(Pcb.Convert(coAll, fmtGenesis, 0.01), TConvertError);
}

TEST_F(GenesisPads, LayerIndexBeyondTheBoardIsHarmlessWithoutFlashes) {
  Pcb.DrillLayer = 200;
  EXPECT_TRUE(Run().empty());
}

TEST_F(GenesisPads, LayerNamesAreLowerCasedForAsciiLettersOnly) {
  Pcb.Layers.Items(0).Name = "TOP";
  Pcb.Layers.Items(1).Name = "B\xC4_2";  // an 8-bit capital stays as it is
  Pcb.Pins.Append(PinRow(0, 0.3, 0.6, shapeCircle));
  AddFlash(Drill(), 1, {0, 0});
  const Lines Out = Run();
  EXPECT_EQ(Out[1], "COM display_layer,name=top,display=yes,number=1");
  EXPECT_EQ(Out[4], "COM affected_layer,name=b\xC4_2,mode=single,affected=yes");
}

}  // namespace
}  // namespace quillon::test
