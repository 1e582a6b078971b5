// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

using Lines = std::vector<std::string>;

TEST(GenesisLines, SegmentRectangleAndSkippedLinesOfOneLayer) {
  TScriptingPcb Pcb;
  for (const char* Name : {"L0", "L1", "L2", "L3"}) AddLayer(Pcb, Name, 0);
  TLayer& Layer = AddLayer(Pcb, "L4", 0);
  AddLine(Layer, kindLine, {100, 200}, {300, 200}, 10);
  AddLine(Layer, kindRectangle, {100, 200}, {300, 400}, 20);
  AddLine(Layer, kindFilledRectangle, {0, 0}, {50, 50}, 1);
  AddLine(Layer, 0x1234, {0, 0}, {50, 50}, 1);
  Pcb.Scale = 0.0254;
  Pcb.MakeGenesisLines();
  EXPECT_EQ(Joined(LinesOf(Pcb.Output)),
            Joined({"echo Adding Lines for layer: 4",
                    "COM display_layer,name=l4,display=yes,number=1", "COM work_layer,name=l4",
                    "COM add_line,attributes=no,xs=2.54,ys=5.08,xe=7.62,ye=5.08,symbol=r254,"
                    "polarity=positive,bus_num_lines=0,bus_dist_by=pitch,bus_distance=0,"
                    "bus_reference=left",
                    "COM add_polyline_strt", "COM add_polyline_xy,x=2.54,y=5.08",
                    "COM add_polyline_xy,x=7.62,y=5.08", "COM add_polyline_xy,x=7.62,y=10.16",
                    "COM add_polyline_xy,x=2.54,y=10.16", "COM add_polyline_xy,x=2.54,y=5.08",
                    "COM add_polyline_end,attributes=no,symbol=r508,polarity=positive",
                    "echo Skiping fill rect i=4 j=2", "echo Skiping unknown line i=4 j=3",
                    "COM zoom_home"}));
}

TEST(GenesisLines, LayersWithoutLinesAndArcsWithoutLinesWriteNothing) {
  TScriptingPcb Pcb;
  TLayer& Top = AddLayer(Pcb, "TOP", 0);
  AddLine(Top, kindLine, {-1, 0}, {0, -100}, 0);
  AddArc(AddLayer(Pcb, "BOT", 0).Arcs, {0, 0}, {10, 0}, {0, 10}, 1);
  Pcb.Scale = 0.001;
  Pcb.AddViewCommands = false;
  Pcb.MakeGenesisLines();
  EXPECT_EQ(Joined(LinesOf(Pcb.Output)),
            Joined({"echo Adding Lines for layer: 0",
                    "COM display_layer,name=top,display=yes,number=1", "COM work_layer,name=top",
                    "COM add_line,attributes=no,xs=0.00,ys=0.00,xe=0.00,ye=-0.10,symbol=r0,"
                    "polarity=positive,bus_num_lines=0,bus_dist_by=pitch,bus_distance=0,"
                    "bus_reference=left"}));
  Pcb.Output.Clear();
  Pcb.Layers.Items(1).Arcs.Clear();
  Pcb.MakeGenesisArcs();
  EXPECT_TRUE(LinesOf(Pcb.Output).empty());
}

// Two layers of arcs at Scale 0.0254: widths 10, 10 and 20 (a full circle) on
// TOP, width 10 again on BOT. The apertures were built first, as a conversion
// does: D10 for 0.254 mm, D11 for 0.508 mm.
TEST(GenesisArcs, CommentLinesFollowTheApertureSequence) {
  TScriptingPcb Pcb;
  AddLayer(Pcb, "TOP", 0);
  AddLayer(Pcb, "BOT", 0);
  TLayer& Top = Pcb.Layers.Items(0);
  TLayer& Bot = Pcb.Layers.Items(1);
  AddArc(Top.Arcs, {0, 0}, {100, 0}, {0, 100}, 10);
  AddArc(Top.Arcs, {0, 0}, {0, 100}, {-100, 0}, 10);
  AddArc(Top.Arcs, {500, 500}, {600, 500}, {600, 500}, 20);
  AddArc(Bot.Arcs, {0, 0}, {100, 0}, {0, -100}, 10);
  Pcb.Scale = 0.0254;
  Pcb.BuildApertures();
  Pcb.MakeGenesisArcs();
  const Lines Expected = {
      "echo Adding Arcs for layer: 0",
      "COM display_layer,name=top,display=yes,number=1",
      "COM work_layer,name=top",
      "#edit_aperture@ 10,1,0.2540,0.2540,0,\"\"",
      "#update_dcodebar@",
      "#setdcode@ 10",
      "#update_dcodebar@",
      "#add_arc@",
      "COM add_arc,attributes=no,xc=0.00,yc=0.00,xs=2.54,ys=0.00,xe=0.00,ye=2.54,symbol=r254,"
      "polarity=positive,direction=cw",
      "#axy@ xc=0.00,yc=0.00",
      "#axy@ xs=2.54,ys=0.00",
      "#axy@ xe=0.00,ye=2.54",
      "#back@",
      // Same width: no definition and no D-code change, only the bar update.
      "#update_dcodebar@",
      "#add_arc@",
      "COM add_arc,attributes=no,xc=0.00,yc=0.00,xs=0.00,ys=2.54,xe=-2.54,ye=0.00,symbol=r254,"
      "polarity=positive,direction=cw",
      "#axy@ xc=0.00,yc=0.00",
      "#axy@ xs=0.00,ys=2.54",
      "#axy@ xe=-2.54,ye=0.00",
      "#back@",
      "#edit_aperture@ 11,1,0.5080,0.5080,0,\"\"",
      "#update_dcodebar@",
      "#setdcode@ 11",
      "#update_dcodebar@",
      "#add_circle@",
      "COM add_arc,attributes=no,xc=12.70,yc=12.70,xs=15.24,ys=12.70,xe=15.24,ye=12.70,"
      "symbol=r508,polarity=positive,direction=cw",
      "#axy@ xc=12.70,yc=12.70",
      "#axy@ xs=15.24,ys=12.70",
      "#back@",
      "COM zoom_home",
      // The last D-code carries over to the next layer.
      "echo Adding Arcs for layer: 1",
      "COM display_layer,name=bot,display=yes,number=1",
      "COM work_layer,name=bot",
      "#setdcode@ 10",
      "#update_dcodebar@",
      "#add_arc@",
      "COM add_arc,attributes=no,xc=0.00,yc=0.00,xs=2.54,ys=0.00,xe=0.00,ye=-2.54,symbol=r254,"
      "polarity=positive,direction=cw",
      "#axy@ xc=0.00,yc=0.00",
      "#axy@ xs=2.54,ys=0.00",
      "#axy@ xe=0.00,ye=-2.54",
      "#back@",
      "COM zoom_home",
  };
  EXPECT_EQ(Joined(LinesOf(Pcb.Output)), Joined(Expected));

  // A second run starts from D-code 1 again; the definitions stay made.
  Pcb.Output.Clear();
  Pcb.MakeGenesisArcs();
  EXPECT_EQ(Pcb.Output[3], "#setdcode@ 10");
  EXPECT_EQ(Pcb.Output[4], "#update_dcodebar@");
}

TEST(GenesisArcs, ZeroWidthArcGetsSymbolR0AndTheSmallestAperture) {
  TScriptingPcb Pcb;
  AddArc(AddLayer(Pcb, "TOP", 0).Arcs, {0, 0}, {100, 0}, {0, 100}, 0);
  Pcb.Scale = 0.01;
  Pcb.AddViewCommands = false;
  Pcb.BuildApertures();
  Pcb.MakeGenesisArcs();
  EXPECT_EQ(Joined(LinesOf(Pcb.Output, 3)),
            Joined({"#edit_aperture@ 10,1,0.0001,0.0001,0,\"\"", "#update_dcodebar@",
                    "#setdcode@ 10", "#update_dcodebar@", "#add_arc@",
                    "COM add_arc,attributes=no,xc=0.00,yc=0.00,xs=1.00,ys=0.00,xe=0.00,"
                    "ye=1.00,symbol=r0,polarity=positive,direction=cw",
                    "#axy@ xc=0.00,yc=0.00", "#axy@ xs=1.00,ys=0.00", "#axy@ xe=0.00,ye=1.00",
                    "#back@"}));
}

}  // namespace
}  // namespace quillon::test
