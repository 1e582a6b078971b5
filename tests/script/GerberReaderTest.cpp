// Every Gerber file a conversion writes must be read by an independent Gerber
// reader without a complaint. gerbv always exits 0, so it is judged by what it
// prints and by the picture it renders; it also passes an unclosed region
// silently, which the structural checks below catch.

#include <gtest/gtest.h>

#include <filesystem>

#include "ScriptBoards.h"
#include "support/TestFiles.h"

namespace quillon {
namespace {

using namespace test;
namespace fs = std::filesystem;

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
    AddLine(*L, kindLine, 0, 0, 2000, 0, 12);
    AddLine(*L, kindLine, 2000, 0, 2000, -1500, 12);
    AddLine(*L, kindLine, -500, 300, 800, 900, 25);
    AddLine(*L, kindRectangle, -1000, -1000, 3000, 2000, 8);
    AddLine(*L, kindFilledRectangle, 100, 100, 400, 250, 1);
    AddArc(L->Arcs, 1000, 1000, 1200, 1000, 1000, 1200, 10);  // a quarter
    AddArc(L->Arcs, 500, -500, 600, -500, 600, -500, 6);       // a full circle
    AddArc(L->Arcs, 0, 0, 0, 0, 0, 0, 0);                      // degenerate, width 0
    TPcbComplexPolygon& Pour = L->Polygons.Add();
    AddOutline(Pour, {{2200, 200}, {2900, 200}, {2900, 900}, {2200, 900}, {2200, 200}});
    AddOutline(Pour, {{2300, 300}, {2400, 300}, {2400, 400}, {2300, 300}});
    AddArc(Pour.Circles, 2700, 700, 2760, 700, 2760, 700, 0);
    TPcbComplexPolygon& Open = L->Polygons.Add();  // not closed by the file
    AddOutline(Open, {{-900, -900}, {-600, -900}, {-600, -600}});
  }
  // Two strokes: gerbv cannot export a picture that is less than a pixel high.
  AddLine(Silk, kindLine, -1000, 2100, 3000, 2100, 5);
  AddLine(Silk, kindLine, -1000, 2100, -1000, 2500, 5);
  TPcbText& Text = Silk.Texts.Add();
  Text.Text = "DEMO";
  Text.Size = 100;
  const int Pins[] = {1, 2, 3, 1, 2, 40};  // 40: no description row
  for (int I = 0; I < 6; ++I) AddFlash(Pin, Pins[I], 300 * I, 1500);
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

// Regions open and close in pairs; outside a region nothing is drawn or
// flashed before an aperture is selected.
void CheckStructure(const std::string& Name, const std::string& Text) {
  const TTextLines Lines = TTextLines::FromText(Text);
  bool InRegion = false, Selected = false;
  for (int I = 0; I < Lines.Count(); ++I) {
    const std::string_view L = Lines[I];
    if (L == "G36*") {
      EXPECT_FALSE(InRegion) << Name << " line " << I + 1 << ": region inside a region";
      InRegion = true;
    } else if (L == "G37*") {
      EXPECT_TRUE(InRegion) << Name << " line " << I + 1 << ": G37 without G36";
      InRegion = false;
    } else if (L.starts_with("G54D")) {
      Selected = true;
    } else if (!InRegion && (L.ends_with("D01*") || L.ends_with("D03*"))) {
      EXPECT_TRUE(Selected) << Name << " line " << I + 1 << ": " << L << " before any G54";
    }
  }
  EXPECT_FALSE(InRegion) << Name << ": region left open";
  EXPECT_EQ(Lines[Lines.Count() - 1], "M02*") << Name;
}

void CheckWithGerbv(const std::string& File) {
  const std::string Png = File + ".png", Err = File + ".err";
  const std::string Cmd = "gerbv -x png -D 200 -o '" + Png + "' '" + File + "' 2>'" + Err + "'";
  ASSERT_EQ(std::system(Cmd.c_str()), 0) << Cmd;
  const std::string Complaints = ReadFile(Err);
  EXPECT_EQ(Complaints.find("CRITICAL"), std::string::npos) << File << ":\n" << Complaints;
  EXPECT_EQ(Complaints.find("WARNING"), std::string::npos) << File << ":\n" << Complaints;
  ASSERT_TRUE(fs::exists(Png)) << File;
  EXPECT_GT(fs::file_size(Png), 0u) << File;
}

TEST(GerberReader, EveryLayerFileOfADemoLikeBoardIsAccepted) {
  ASSERT_EQ(std::system("command -v gerbv >/dev/null"), 0) << "gerbv is missing: run make deps";
  TScriptingPcb Pcb;
  BuildDemoLikeBoard(Pcb);
  TScriptedPrompts Prompts;  // Yes to every undefined pin
  Pcb.SetPrompts(&Prompts);
  for (double Scale : {0.0254, 0.01}) {
    TempDir Dir;
    Pcb.Convert(coAll, fmtGerber, Scale);
    Pcb.SaveToFile(Dir.File("demo.gbr"));
    const std::vector<std::string> Files = Pcb.LayerFileNames(Dir.File("demo.gbr"));
    ASSERT_EQ(Files.size(), 6u);
    for (const std::string& File : Files) {
      CheckStructure(File, ReadFile(File));
      CheckWithGerbv(File);
    }
  }
  EXPECT_FALSE(Prompts.Questions.empty());
}

}  // namespace
}  // namespace quillon
