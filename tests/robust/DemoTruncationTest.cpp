// SPDX-License-Identifier: MIT
// The demo plot cut at every byte position: the load never crashes; it ends
// normally or shows "EOF!!!!!" and stops with "Read beyond end of file" at the
// cut; everything before the cut is kept, and what was kept converts in every
// format.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/PlotError.h"
#include "script/ScriptPcb.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

class RecordingPrompts final : public TUserPrompts {
 public:
  void NotifyUser(std::string_view Text) override { Messages.emplace_back(Text); }
  TAnswer AskUser(std::string_view) override { return TAnswer::Yes; }
  std::vector<std::string> Messages;
};

std::string Point(std::int32_t X, std::int32_t Y) {
  return std::to_string(X) + "," + std::to_string(Y) + " ";
}

// A layer's items as text, one list per kind in file order. A polygon is
// spread over several entries (the polygon, each outline, each segment, each
// circle) because a cut may end it anywhere; the demo writes its circles
// after its outlines, so this is also the order in which they are read.
std::vector<std::vector<std::string>> Describe(const TLayer& L) {
  std::vector<std::vector<std::string>> Kinds(5);
  Kinds[0].push_back(L.Name + " " + std::to_string(L.Number));
  for (const TPcbLine& I : L.Lines)
    Kinds[0].push_back(std::to_string(I.Kind) + " " + std::to_string(I.Width) + " " +
                       Point(I.StartX, I.StartY) + Point(I.EndX, I.EndY));
  for (const TPcbArc& I : L.Arcs)
    Kinds[1].push_back(std::to_string(I.Width) + " " + Point(I.CenterX, I.CenterY) +
                       Point(I.StartX, I.StartY) + Point(I.EndX, I.EndY));
  for (const TPcbText& I : L.Texts)
    Kinds[2].push_back(I.Text + " " + Point(I.X, I.Y) + std::to_string(I.Size));
  for (const TPcbFlash& I : L.Flashes)
    Kinds[3].push_back(std::to_string(I.PinNumber) + " " + Point(I.X, I.Y));
  for (const TPcbComplexPolygon& P : L.Polygons) {
    Kinds[4].push_back("polygon " + std::to_string(P.Attribute));
    for (const TPoligonOutLine& O : P.OutLines) {
      Kinds[4].push_back("outline");
      for (const TPcbLine& S : O.Lines)
        Kinds[4].push_back(Point(S.StartX, S.StartY) + Point(S.EndX, S.EndY));
    }
    for (const TPcbArc& C : P.Circles) Kinds[4].push_back("circle " + Point(C.CenterX, C.CenterY));
  }
  return Kinds;
}

bool IsPrefix(const std::vector<std::string>& Part, const std::vector<std::string>& Full) {
  return Part.size() <= Full.size() && std::equal(Part.begin(), Part.end(), Full.begin());
}

std::size_t Entries(const TPcb& Pcb) {
  std::size_t N = 0;
  for (const TLayer& L : Pcb.Layers)
    for (const auto& Kind : Describe(L)) N += Kind.size();
  return N;
}

TEST(DemoTruncation, EveryBytePositionStopsCleanlyAndKeepsWhatCameBefore) {
  const std::string Demo = ReadFile(SourcePath("examples/demo.plt"));
  TempDir Tmp;
  const std::string File = Tmp.File("cut.plt");
  WriteFile(File, Demo);
  TPcb Full;
  ASSERT_TRUE(Full.LoadFromFile(File));
  const std::size_t TableEnd = 20 + 8 * static_cast<std::size_t>(Full.Layers.Count());

  std::size_t LastEntries = 0;
  for (std::size_t Length = 0; Length <= Demo.size(); ++Length) {
    SCOPED_TRACE("cut at " + std::to_string(Length));
    WriteFile(File, Demo.substr(0, Length));
    RecordingPrompts Prompts;
    TScriptingPcb Pcb;
    Pcb.SetPrompts(&Prompts);
    try {
      EXPECT_TRUE(Pcb.LoadFromFile(File));
      EXPECT_GE(Length, TableEnd);  // no normal end inside the header or the layer table
      EXPECT_TRUE(Prompts.Messages.empty());
    } catch (const TPlotError& E) {
      EXPECT_STREQ(E.what(), "Read beyond end of file");
      EXPECT_EQ(E.Offset, static_cast<std::int64_t>(Length));
      EXPECT_EQ(Prompts.Messages, std::vector<std::string>{"EOF!!!!!"});
    }
    // Layers appear whole, one by one; their items are the demo's first ones.
    EXPECT_EQ(
        Pcb.Layers.Count(),
        std::min<int>(Full.Layers.Count(), Length < 20 ? 0 : static_cast<int>((Length - 20) / 8)));
    for (int L = 0; L < Pcb.Layers.Count(); ++L) {
      const auto Part = Describe(Pcb.Layers.Items(L)), Whole = Describe(Full.Layers.Items(L));
      for (std::size_t K = 0; K < Part.size(); ++K)
        EXPECT_TRUE(IsPrefix(Part[K], Whole[K])) << "layer " << L;
    }
    // A longer cut never keeps less.
    const std::size_t Kept = Entries(Pcb);
    EXPECT_GE(Kept, LastEntries);
    LastEntries = Kept;

    // What was kept converts (a cut board may lack the layers the roles name).
    Pcb.PadTopLayer = 0;
    Pcb.PadBottomLayer = 1;
    Pcb.DrillLayer = 3;
    for (const std::uint8_t Format : {fmtCam350Macro, fmtGerber, fmtGenesis}) {
      try {
        Pcb.Convert(coAll, Format, 0.0254);
      } catch (const std::exception& E) {
        EXPECT_LE(Pcb.Layers.Count(), 3) << E.what();
      }
    }
  }
  EXPECT_EQ(LastEntries, Entries(Full));
}

}  // namespace
}  // namespace quillon::test
