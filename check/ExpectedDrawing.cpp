// SPDX-License-Identifier: MIT
#include "check/ExpectedDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "check/RasterPainter.h"
#include "preview/BoardRenderer.h"
#include "preview/PrimitiveBounds.h"
#include "script/fab/FabOutline.h"

namespace quillon::check {

using namespace preview;

namespace {

// The picture of places not compared, made only when there are some: most
// boards have none, and a picture of a big board is big.
class TIgnorePicture {
 public:
  TIgnorePicture(TRaster& Target, const TWindow& View) : R(Target), P(Target, View), V(View) {}
  TRasterPainter& Painter() {
    if (R.Px.empty()) R = TRaster(V.Width, V.Height);
    return P;
  }

 private:
  TRaster& R;
  TRasterPainter P;
  TWindow V;
};

// Paints what the renderer hands over: regions with their holes cleared
// after their outer outline, strokes with round ends, pads by the role.
class TExpectedSink : public TPrimitiveSink {
 public:
  TExpectedSink(TRasterPainter& Painter, TLayerRole Role, TIgnorePicture& Ignore, const TPins& Pins)
      : P(Painter), Role(Role), Ignore(Ignore), Pins(Pins) {}

  void Stroke(const TStroke& S) override {
    if (S.Points.size() == 1 || (S.Points.size() == 2 && !S.Closed)) {
      P.Segment(S.Points.front(), S.Points.back(), S.Width);
      return;
    }
    for (std::size_t I = 0; I + 1 < S.Points.size(); ++I)
      P.Segment(S.Points[I], S.Points[I + 1], S.Width);
    if (S.Closed && S.Points.size() > 2) P.Segment(S.Points.back(), S.Points.front(), S.Width);
  }
  void Fill(const TFill& F) override { P.Polygon(F.Points); }
  void Arc(const TArc& A) override { P.Arc(A.Center, A.Radius, A.StartDeg, A.SweepDeg, A.Width); }
  void Region(const TRegion& R) override {
    std::size_t Begin = 0;
    for (std::size_t K = 0; K < R.RingEnds.size(); ++K) {
      const std::uint32_t End = R.RingEnds[K];
      if (End < Begin || End > R.Points.size()) break;
      // The first outline is the region; each later one and each circle is
      // cut out of whatever the layer holds there.
      P.SetValue(K == 0 ? 255 : 0);
      P.Polygon(R.Points.subspan(Begin, End - Begin));
      Begin = End;
    }
    P.SetValue(0);
    for (const TCircleMm& C : R.Voids) P.Circle(C.Center, C.Radius);
    P.SetValue(255);
  }
  // The strokes the fab writer draws: the same polylines, the same pen.
  void TextBox(const TTextBox& T) override {
    std::size_t Begin = 0;
    for (const std::uint32_t End : T.StrokeEnds) {
      if (End < Begin || End > T.Points.size()) break;
      if (End == Begin + 1) P.Segment(T.Points[Begin], T.Points[Begin], T.Width);
      for (std::size_t K = Begin + 1; K < End; ++K)
        P.Segment(T.Points[K - 1], T.Points[K], T.Width);
      Begin = End;
    }
  }
  void Pad(const TPad& Pad) override {
    const TPointMm Centre = P.FlashCentre(Pad.Center);
    if (Role == TLayerRole::Drill) {
      P.Circle(Centre, Pad.Hole / 2);
    } else if (Role == TLayerRole::PadTop || Role == TLayerRole::PadBottom) {
      if (Pad.Shape == shapeCircle) P.Circle(Centre, Pad.Size / 2);
      if (Pad.Shape == shapeSquare) P.Square(Centre, Pad.Size);
    }
  }
  // The first row of the table, which the writer takes for a pin it has no
  // row of when told to write it anyway, is not compared where such a flash
  // lies.
  void UndefinedPin(const TUndefinedPin& U) override {
    if (Pins.High() < 0) return;
    const TPinRecord First = Pins.Get(0);
    const double Size = std::max(First.Aperture, First.Hole);
    if (std::isfinite(Size) && Size > 0 && Size <= MaxPinSizeMm)
      Ignore.Painter().Square(U.Center, Size * 1.5);
  }

 private:
  TRasterPainter& P;
  TLayerRole Role;
  TIgnorePicture& Ignore;
  const TPins& Pins;
};

TRenderOptions RenderOptionsOf(const TScriptingPcb& Board) {
  TRenderOptions Options;
  Options.Scale = Board.Scale;
  Options.Pins = &Board.Pins;
  return Options;
}

bool HasDrillLayer(const TScriptingPcb& Board) { return Board.DrillLayer < Board.Layers.Count(); }

void DrawFlashes(TBoardRenderer& Renderer, const TScriptingPcb& Board, TPrimitiveSink& Sink) {
  if (!HasDrillLayer(Board)) return;
  const int Drill = Board.DrillLayer;
  for (int I = 0; I < Board.Layers.Items(Drill).Flashes.Count(); ++I)
    Renderer.RenderItem({Drill, TItemKind::Flash, I}, Sink);
}

}  // namespace

void DrawExpectedLayer(const TScriptingPcb& Board, const TLayerFileRules& Rules,
                       const TWindow& View, TRaster& Picture, TRaster& Ignore) {
  if (Rules.Layer < 0 || Rules.Layer >= Board.Layers.Count()) return;
  const TLayer& Layer = Board.Layers.Items(Rules.Layer);
  TBoardRenderer Renderer(Board, RenderOptionsOf(Board));
  TRasterPainter Painter(Picture, View);
  TIgnorePicture IgnorePicture(Ignore, View);
  TExpectedSink Sink(Painter, Rules.Role, IgnorePicture, Board.Pins);
  const int L = Rules.Layer;
  if (Rules.Options & coPolygons) {
    for (int I = 0; I < Layer.Polygons.Count(); ++I)
      Renderer.RenderItem({L, TItemKind::Polygon, I}, Sink);
    for (int I = 0; I < Layer.Lines.Count(); ++I)
      if (Layer.Lines.Items(I).Kind == kindFilledRectangle)
        Renderer.RenderItem({L, TItemKind::FilledRectangle, I}, Sink);
  }
  if (Rules.Options & coPads) DrawFlashes(Renderer, Board, Sink);
  if (Rules.Options & coLines) {
    // Every rectangle, filled or not, is also outlined with its line's width.
    for (int I = 0; I < Layer.Lines.Count(); ++I) {
      const TItemKind Kind = LineItemKind(Layer.Lines.Items(I));
      Renderer.RenderItem({L, Kind == TItemKind::FilledRectangle ? TItemKind::Rectangle : Kind, I},
                          Sink);
    }
  }
  if (Rules.Options & coArcs)
    for (int I = 0; I < Layer.Arcs.Count(); ++I) Renderer.RenderItem({L, TItemKind::Arc, I}, Sink);
  if (Rules.CarriesTexts && (Rules.Options & coText))
    for (int I = 0; I < Layer.Texts.Count(); ++I)
      Renderer.RenderItem({L, TItemKind::Text, I}, Sink);
}

void DrawExpectedDrill(const TScriptingPcb& Board, bool Plated, std::uint8_t Options,
                       const TWindow& View, TRaster& Picture, TRaster& Ignore) {
  if (!(Options & coPads) || !HasDrillLayer(Board) || Board.Pins.High() < 0) return;
  TRasterPainter Painter(Picture, View);
  TIgnorePicture IgnorePicture(Ignore, View);
  const TLayer& Drill = Board.Layers.Items(Board.DrillLayer);
  const double Scale = Board.Scale;
  for (const TPcbFlash& Flash : Drill.Flashes) {
    const std::int32_t PinRow = PinRowOf(Flash.PinNumber);
    TPinRecord Row;
    Board.Pins.FindByPin(PinRow, Row);
    const TPointMm Center{Flash.X * Scale, Flash.Y * Scale};
    if (!Board.Pins.Exists(PinRow)) {
      // Drilled or not as the question was answered.
      IgnorePicture.Painter().Square(Center, std::max(Row.Hole, 0.0) * 1.5);
      continue;
    }
    // A pin without a pad is a hole through bare board, drilled after plating.
    const bool RowPlated = !(Row.Aperture == 0 && Row.Shape == shapeNone);
    // Holes that round to no size are not drilled.
    if (RowPlated != Plated || !(std::round(Row.Hole * 1000) > 0)) continue;
    if (Row.Hole > MaxPinSizeMm) continue;
    Painter.Circle(Painter.FlashCentre(Center), Row.Hole / 2);
  }
}

namespace {

// The rectangle of the header's extents, as the outline file draws it.
std::optional<std::array<TPointMm, 4>> OutlineCorners(const TScriptingPcb& Board) {
  if (!Board.OutlineFromExtents) return std::nullopt;
  const TExtents& E = Board.Extents;
  const double S = Board.Scale;
  const double L = std::min(E.Left, E.Right) * S, R = std::max(E.Left, E.Right) * S;
  const double B = std::min(E.Top, E.Bottom) * S, T = std::max(E.Top, E.Bottom) * S;
  if (!(L < R) || !(B < T)) return std::nullopt;
  return std::array<TPointMm, 4>{TPointMm{L, B}, TPointMm{R, B}, TPointMm{R, T}, TPointMm{L, T}};
}

}  // namespace

void DrawExpectedOutline(const TScriptingPcb& Board, const TWindow& View, TRaster& Picture) {
  const auto Corners = OutlineCorners(Board);
  if (!Corners) return;
  TRasterPainter Painter(Picture, View);
  for (std::size_t I = 0; I < 4; ++I)
    Painter.Segment((*Corners)[I], (*Corners)[(I + 1) % 4], fab::OutlineLineWidthMm);
}

TBoxMm BoardExtent(const TScriptingPcb& Board) {
  TBoardRenderer Renderer(Board, RenderOptionsOf(Board));
  TBoundsSink Bounds;
  for (int L = 0; L < Board.Layers.Count(); ++L) {
    const TLayer& Layer = Board.Layers.Items(L);
    TBoardRenderer::ForEachItem(Layer, L, [&](const TItemRef& Item) {
      if (Item.Kind != TItemKind::Text) Renderer.RenderItem(Item, Bounds);
    });
  }
  if (const auto Corners = OutlineCorners(Board))
    for (const TPointMm& C : *Corners) Bounds.Box.Add(C, fab::OutlineLineWidthMm / 2);
  return Bounds.Box;
}

}  // namespace quillon::check
