// SPDX-License-Identifier: MIT
// Every Gerber file a conversion writes must be read by an independent Gerber
// reader without a complaint (see GerberFileChecks.h).

#include <gtest/gtest.h>

#include "script/GerberFileChecks.h"
#include "script/ScriptPcb.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"
#include "support/TestFiles.h"

namespace quillon {
namespace {

using namespace test;

// Layers as a two-sided board names them, every kind of item, pads of every
// shape, negative coordinates, an undefined pin.
void BuildDemoLikeBoard(TScriptingPcb& Pcb) {
  int Number = 1;
  for (const char* Name : {"COMP", "SOLDER", "MSKGTP", "MSKGBT", "PIN", "SILK"})
    AddLayer(Pcb, Name, static_cast<std::uint8_t>(Number++));
  // References only once every layer is there: adding a layer moves them.
  TLayer& Comp = Pcb.Layers.Items(0);
  TLayer& Solder = Pcb.Layers.Items(1);
  TLayer& Pin = Pcb.Layers.Items(4);
  TLayer& Silk = Pcb.Layers.Items(5);
  for (TLayer* L : {&Comp, &Solder}) {
    AddLine(*L, kindLine, {0, 0}, {2000, 0}, 12);
    AddLine(*L, kindLine, {2000, 0}, {2000, -1500}, 12);
    AddLine(*L, kindLine, {-500, 300}, {800, 900}, 25);
    AddLine(*L, kindRectangle, {-1000, -1000}, {3000, 2000}, 8);
    AddLine(*L, kindFilledRectangle, {100, 100}, {400, 250}, 1);
    AddArc(L->Arcs, {1000, 1000}, {1200, 1000}, {1000, 1200}, 10);  // a quarter
    AddArc(L->Arcs, {500, -500}, {600, -500}, {600, -500}, 6);      // a full circle
    AddArc(L->Arcs, {0, 0}, {0, 0}, {0, 0}, 0);                     // degenerate, width 0
    TPcbComplexPolygon& Pour = L->Polygons.Add();
    AddOutline(Pour, {{2200, 200}, {2900, 200}, {2900, 900}, {2200, 900}, {2200, 200}});
    AddOutline(Pour, {{2300, 300}, {2400, 300}, {2400, 400}, {2300, 300}});
    AddArc(Pour.Circles, {2700, 700}, {2760, 700}, {2760, 700}, 0);
    TPcbComplexPolygon& Open = L->Polygons.Add();  // not closed by the file
    AddOutline(Open, {{-900, -900}, {-600, -900}, {-600, -600}});
  }
  // Two strokes: gerbv cannot export a picture that is less than a pixel high.
  AddLine(Silk, kindLine, {-1000, 2100}, {3000, 2100}, 5);
  AddLine(Silk, kindLine, {-1000, 2100}, {-1000, 2500}, 5);
  TPcbText& Text = Silk.Texts.Add();
  Text.Text = "DEMO";
  Text.Size = 100;
  const int Pins[] = {1, 2, 3, 1, 2, 40};  // 40: no description row
  for (int I = 0; I < 6; ++I) AddFlash(Pin, Pins[I], {300 * I, 1500});
  AddPin(Pcb.Pins, 0, 0.8, 1.6, shapeCircle);
  AddPin(Pcb.Pins, 1, 1.0, 2.0, shapeSquare);
  AddPin(Pcb.Pins, 2, 0.5, 0, shapeNone);
  Pcb.Title = "Plt FileName: /boards/demo.plt";
  Pcb.PadTopLayer = 0;
  Pcb.PadBottomLayer = 1;
  Pcb.MaskTopLayer = 2;
  Pcb.MaskBottomLayer = 3;
  Pcb.DrillLayer = 4;
}

TEST(GerberReader, EveryLayerFileOfADemoLikeBoardIsAccepted) {
  ASSERT_TRUE(HaveGerbv()) << "gerbv is missing: run make deps";
  TScriptingPcb Pcb;
  BuildDemoLikeBoard(Pcb);
  TScriptedPrompts Prompts{{}, TAnswer::Yes};  // Yes to every undefined pin
  Pcb.SetPrompts(&Prompts);
  for (double Scale : {0.0254, 0.01}) {
    TempDir Dir;
    Pcb.Convert(coAll, fmtGerber, Scale);
    Pcb.SaveToFile(Dir.File("demo.gbr"));
    const std::vector<std::string> Files = LayerFilePaths(Pcb, Dir.File("demo.gbr"));
    ASSERT_EQ(Files.size(), 6u);
    for (const std::string& File : Files) {
      CheckGerberStructure(File, ReadFile(File));
      CheckWithGerbv(File);
    }
  }
  EXPECT_FALSE(Prompts.Asked.empty());
}

}  // namespace
}  // namespace quillon
