// SPDX-License-Identifier: MIT
// A board with every kind of record, cut at every byte: the load either ends
// normally (the cut fell between records, or one byte into a tag) or shows
// "EOF!!!!!" and stops with "Read beyond end of file" at the cut; in both
// cases everything read before the cut is on the board, nothing else.

#include <tuple>

#include "PlotLoadFixture.h"

namespace quillon::test {
namespace {

struct Record {
  std::size_t Start, End;
  bool Item;     // adds an item (a layer select does not)
  bool Polygon;  // joins the board as soon as its attribute word was read
};

struct GeneratedBoard {
  PlotBuilder Plot;
  std::size_t TableEnd = 0;
  std::vector<Record> Records;

  template <class F>
  void Add(F Write, bool Item = true, bool Polygon = false) {
    const std::size_t Start = Plot.Size();
    Write(Plot);
    Records.push_back({Start, Plot.Size(), Item, Polygon});
  }
};

GeneratedBoard MakeBoard() {
  GeneratedBoard B;
  B.Plot.Header(4, {0, 0, 5000, 4000}, 254).Layers({{"COMP", 1}, {"SOLDER", 2, 3}});
  B.TableEnd = B.Plot.Size();
  B.Add([](PlotBuilder& P) { P.Line(10, 20, 30, 40, 12); });
  B.Add([](PlotBuilder& P) { P.SelectLayer(2); }, false);
  B.Add([](PlotBuilder& P) { P.Rectangle(-5, -6, 70, 80, 0, 9); });
  B.Add([](PlotBuilder& P) { P.FilledRectangle(1, 2, 3, 4, 0x55AA); });
  B.Add([](PlotBuilder& P) { P.ArcByPoints({0, 0}, {10, 0}, {0, 10}, 8); });
  B.Add([](PlotBuilder& P) { P.ArcByAngles({100, 100}, 50, 0, 360, 4); });
  B.Add([](PlotBuilder& P) {
    P.ArcByAngles({-100, 100}, 50, 90, 270, 4, 0, PlotBuilder::TagArcByAnglesAlt);
  });
  B.Add([](PlotBuilder& P) { P.Text(5, 5, "ODD", {.Rotation = 90, .Size = 138}); });
  B.Add([](PlotBuilder& P) { P.Text(6, 6, "EV", {.Mirror = true, .Justification = 25}); });
  B.Add([](PlotBuilder& P) { P.Flash(3, 500, -500, 1); });
  B.Add(
      [](PlotBuilder& P) {
        P.Polygon({{{{0, 0}, {900, 0}, {900, 900}, {0, 0}}, {{100, 100}, {200, 100}, {100, 100}}},
                   {{400, 400, 50}, {600, 600, 25}},
                   7});
      },
      true, true);
  B.Add([](PlotBuilder& P) { P.SelectLayer(1); }, false);
  B.Add([](PlotBuilder& P) { P.Flash(1, 1, 1); });
  B.Add([](PlotBuilder& P) { P.Line(0, 0, 0, 0, 1); });
  return B;
}

auto Fields(const TPcbLine& L) {
  return std::tie(L.StartX, L.StartY, L.EndX, L.EndY, L.Width, L.Kind, L.AttributeLow, L.StyleWord);
}
auto Fields(const TPcbArc& A) {
  return std::tie(A.CenterX, A.CenterY, A.StartX, A.StartY, A.EndX, A.EndY, A.Width,
                  A.AttributeLow);
}
auto Fields(const TPcbText& T) {
  return std::tie(T.X, T.Y, T.Rotation, T.Mirror, T.Size, T.Justification, T.Text);
}
auto Fields(const TPcbFlash& F) { return std::tie(F.PinNumber, F.Rotation, F.X, F.Y); }

template <class TList>
bool IsPrefix(const TList& Part, const TList& Full) {
  if (Part.Count() > Full.Count()) return false;
  for (int i = 0; i < Part.Count(); ++i)
    if (Fields(Part.Items(i)) != Fields(Full.Items(i))) return false;
  return true;
}

template <class TList>
bool Equal(const TList& A, const TList& B) {
  return A.Count() == B.Count() && IsPrefix(A, B);
}

// Every polygon but the last equals the full board's; the last may be cut.
bool PolygonsArePrefix(const TPcbComplexPolygons& Part, const TPcbComplexPolygons& Full) {
  if (Part.Count() > Full.Count()) return false;
  for (int p = 0; p < Part.Count(); ++p) {
    const TPcbComplexPolygon &A = Part.Items(p), &B = Full.Items(p);
    const bool Last = p == Part.Count() - 1;
    if (A.Attribute != B.Attribute || A.OutLines.Count() > B.OutLines.Count()) return false;
    if (!Last && (A.OutLines.Count() != B.OutLines.Count() || !Equal(A.Circles, B.Circles)))
      return false;
    if (!IsPrefix(A.Circles, B.Circles)) return false;
    for (int o = 0; o < A.OutLines.Count(); ++o) {
      const TOutlineSegments &LA = A.OutLines.Items(o).Lines, &LB = B.OutLines.Items(o).Lines;
      const bool LastOutline = Last && o == A.OutLines.Count() - 1;
      if (LastOutline ? !IsPrefix(LA, LB) : !Equal(LA, LB)) return false;
    }
  }
  return true;
}

int ItemCount(const TPcb& Pcb) {
  int N = 0;
  for (const TLayer& L : Pcb.Layers)
    N +=
        L.Lines.Count() + L.Arcs.Count() + L.Texts.Count() + L.Flashes.Count() + L.Polygons.Count();
  return N;
}

class Truncation : public PlotLoadTest {
 protected:
  void CheckIsPrefixOfFull(std::size_t Length) {
    ASSERT_LE(Pcb.Layers.Count(), Full.Layers.Count());
    for (int i = 0; i < Pcb.Layers.Count(); ++i) {
      const TLayer &A = Pcb.Layers.Items(i), &B = Full.Layers.Items(i);
      EXPECT_EQ(A.Name, B.Name) << Length;
      EXPECT_EQ(A.Number, B.Number) << Length;
      EXPECT_TRUE(IsPrefix(A.Lines, B.Lines)) << Length;
      EXPECT_TRUE(IsPrefix(A.Arcs, B.Arcs)) << Length;
      EXPECT_TRUE(IsPrefix(A.Texts, B.Texts)) << Length;
      EXPECT_TRUE(IsPrefix(A.Flashes, B.Flashes)) << Length;
      EXPECT_TRUE(PolygonsArePrefix(A.Polygons, B.Polygons)) << Length;
    }
  }

  GeneratedBoard Board = MakeBoard();
  TPcb Full;
};

TEST_F(Truncation, EveryBytePosition) {
  Board.Plot.Save(Tmp.File("full.plt"));
  ASSERT_TRUE(Full.LoadFromFile(Tmp.File("full.plt")));
  ASSERT_EQ(ItemCount(Full), 12);

  for (std::size_t Length = 0; Length <= Board.Plot.Size(); ++Length) {
    Prompts.Messages.clear();
    // The cut ends the body normally when it falls on a record boundary or
    // one byte after it.
    std::size_t Boundary = Board.TableEnd;
    int Items = 0;
    for (const Record& R : Board.Records) {
      if (R.End <= Length) Boundary = R.End;
      if (R.Item && (R.End <= Length || (R.Polygon && R.Start + 4 <= Length))) ++Items;
    }
    const bool NormalEnd = Length >= Board.TableEnd && Length - Boundary <= 1;

    WriteFile(PlotFile(), Board.Plot.Prefix(Length));
    try {
      const bool Result = Pcb.LoadFromFile(PlotFile());
      EXPECT_TRUE(NormalEnd) << "cut at " << Length << " ended normally";
      EXPECT_TRUE(Result) << Length;
      EXPECT_TRUE(Prompts.Messages.empty()) << Length;
    } catch (const TPlotError& E) {
      EXPECT_FALSE(NormalEnd) << "cut at " << Length << " stopped";
      EXPECT_STREQ(E.what(), "Read beyond end of file") << Length;
      EXPECT_EQ(E.Offset, static_cast<std::int64_t>(Length));
      EXPECT_EQ(Prompts.Messages, std::vector<std::string>{"EOF!!!!!"}) << Length;
    }
    EXPECT_EQ(ItemCount(Pcb), Items) << Length;
    if (Length >= Board.TableEnd) {
      EXPECT_EQ(Pcb.Layers.Count(), 2) << Length;
    }
    CheckIsPrefixOfFull(Length);
  }
}

}  // namespace
}  // namespace quillon::test
