// SPDX-License-Identifier: MIT
#include "preview/BoardRenderer.h"

#include <climits>
#include <cmath>

#include "pins/Pins.h"
#include "preview/ArcGeometry.h"
#include "preview/PrimitiveBounds.h"

namespace quillon::preview {

namespace {

// A size read from a description is trusted only when it is a plain number.
double BelievableSize(double Mm) {
  return std::isfinite(Mm) && Mm > 0 && Mm <= MaxPinSizeMm ? Mm : 0;
}

}  // namespace

TItemKind LineItemKind(const TPcbLine& Line) {
  switch (Line.Kind) {
    case kindRectangle:
      return TItemKind::Rectangle;
    case kindFilledRectangle:
      return TItemKind::FilledRectangle;
    default:
      return TItemKind::Line;
  }
}

int DrawRank(TItemKind Kind) {
  switch (Kind) {
    case TItemKind::Polygon:
      return 0;
    case TItemKind::FilledRectangle:
      return 1;
    case TItemKind::Flash:
      return 2;
    case TItemKind::Line:
    case TItemKind::Rectangle:
      return 3;
    case TItemKind::Arc:
      return 4;
    case TItemKind::Text:
      return 5;
  }
  return 0;
}

TBoardRenderer::TBoardRenderer(const TPcb& Board, const TRenderOptions& Options)
    : Pcb(Board), Opt(Options) {}

double TBoardRenderer::StrokeWidth(std::int32_t Width) const {
  const double Mm = Width * Opt.Scale;
  return Mm < HairlineBelowMm ? 0.0 : Mm;
}

void TBoardRenderer::RenderLayer(int L, TPrimitiveSink& Sink) {
  if (L < 0 || L >= Pcb.Layers.Count()) return;
  ForEachItem(Pcb.Layers.Items(L), L, [&](const TItemRef& Item) { RenderItem(Item, Sink); });
}

void TBoardRenderer::RenderItem(const TItemRef& Item, TPrimitiveSink& Sink) {
  if (Item.Layer < 0 || Item.Layer >= Pcb.Layers.Count()) return;
  const TLayer& Layer = Pcb.Layers.Items(Item.Layer);
  switch (Item.Kind) {
    case TItemKind::Line:
    case TItemKind::Rectangle:
    case TItemKind::FilledRectangle:
      if (const TPcbLine* Line = FindItem(Layer.Lines, Item.Index)) RenderLine(Item, *Line, Sink);
      return;
    case TItemKind::Arc:
      if (const TPcbArc* Arc = FindItem(Layer.Arcs, Item.Index)) RenderArc(Item, *Arc, Sink);
      return;
    case TItemKind::Text:
      if (const TPcbText* Text = FindItem(Layer.Texts, Item.Index)) RenderText(Item, *Text, Sink);
      return;
    case TItemKind::Flash:
      if (const TPcbFlash* Flash = FindItem(Layer.Flashes, Item.Index))
        RenderFlash(Item, *Flash, Sink);
      return;
    case TItemKind::Polygon:
      if (const TPcbComplexPolygon* Polygon = FindItem(Layer.Polygons, Item.Index))
        RenderPolygon(Item, *Polygon, Sink);
      return;
  }
}

TBoxMm TBoardRenderer::ItemBounds(const TItemRef& Item) {
  TBoundsSink Bounds;
  RenderItem(Item, Bounds);
  return Bounds.Box;
}

void TBoardRenderer::RenderLine(const TItemRef& Item, const TPcbLine& Line, TPrimitiveSink& Sink) {
  const TPointMm S = Mm(Line.StartX, Line.StartY), E = Mm(Line.EndX, Line.EndY);
  Points.clear();
  if (Item.Kind == TItemKind::Line) {
    Points = {S, E};
    Sink.Stroke({Item, Points, false, StrokeWidth(Line.Width)});
    return;
  }
  // Start and End are opposite corners; both rectangle kinds go round the
  // same way as the Gerber outline does.
  Points = {S, {E.X, S.Y}, E, {S.X, E.Y}};
  if (Item.Kind == TItemKind::FilledRectangle)
    Sink.Fill({Item, Points});
  else
    Sink.Stroke({Item, Points, true, StrokeWidth(Line.Width)});
}

void TBoardRenderer::RenderArc(const TItemRef& Item, const TPcbArc& Arc, TPrimitiveSink& Sink) {
  TArc A;
  A.Item = Item;
  A.Center = Mm(Arc.CenterX, Arc.CenterY);
  A.Start = Mm(Arc.StartX, Arc.StartY);
  A.End = Mm(Arc.EndX, Arc.EndY);
  A.Width = StrokeWidth(Arc.Width);
  A.Radius = std::hypot(A.Start.X - A.Center.X, A.Start.Y - A.Center.Y);
  if (A.Radius == 0) {
    // A turn about its own start point is a dot of the stroke's width.
    Points = {A.Center, A.Center};
    Sink.Stroke({Item, Points, false, A.Width});
    return;
  }
  A.StartDeg = DirectionDeg(A.Center, A.Start);
  const bool FullTurn = Arc.StartX == Arc.EndX && Arc.StartY == Arc.EndY;
  A.SweepDeg = FullTurn ? 360.0 : CounterClockwiseSweep(A.StartDeg, DirectionDeg(A.Center, A.End));
  Sink.Arc(A);
}

void TBoardRenderer::RenderText(const TItemRef& Item, const TPcbText& Text, TPrimitiveSink& Sink) {
  // The strokes the fab files draw; a text they skip (no size) is its box.
  font::DrawTextStrokes(Text, Opt.Scale, Letters);
  const font::TTextExtent& E = Letters.Extent;
  Sink.TextBox({Item, E.Anchor, E.Corners, E.Height, Text.Text, Letters.Points, Letters.Ends,
                StrokeWidth(font::TextStrokeUnits)});
}

void TBoardRenderer::RenderFlash(const TItemRef& Item, const TPcbFlash& Flash,
                                 TPrimitiveSink& Sink) {
  const std::int32_t RowPin = PinRowOf(Flash.PinNumber);
  const TPointMm Center = Mm(Flash.X, Flash.Y);
  if (!Opt.Pins || !Opt.Pins->Exists(RowPin)) {
    Sink.UndefinedPin({Item, Center, UndefinedPinMarkMm, RowPin});
    return;
  }
  TPinRecord Row;
  Opt.Pins->FindByPin(RowPin, Row);
  // Pads are round or square and flashes turn by quarter turns, so the
  // rotation never changes what a pad covers.
  std::uint8_t Shape = Row.Shape;
  if (Shape != shapeCircle && Shape != shapeSquare) Shape = shapeNone;
  Sink.Pad({Item, Center, Shape, BelievableSize(Row.Aperture), BelievableSize(Row.Hole), RowPin});
}

void TBoardRenderer::RenderPolygon(const TItemRef& Item, const TPcbComplexPolygon& Polygon,
                                   TPrimitiveSink& Sink) {
  Points.clear();
  RingEnds.clear();
  Voids.clear();
  for (const TPoligonOutLine& Outline : Polygon.OutLines) {
    if (Outline.Lines.Empty()) continue;  // a lone point encloses nothing
    const TPcbLine& First = Outline.Lines.Items(0);
    Points.push_back(Mm(First.StartX, First.StartY));
    for (const TPcbLine& Segment : Outline.Lines) Points.push_back(Mm(Segment.EndX, Segment.EndY));
    RingEnds.push_back(static_cast<std::uint32_t>(Points.size()));
  }
  // Without an outer boundary there is nothing dark for holes to cut into.
  const bool HasOuter = !Polygon.OutLines.Empty() && !Polygon.OutLines.Items(0).Lines.Empty();
  if (!HasOuter) return;
  for (const TPcbArc& Circle : Polygon.Circles) {
    const TPointMm Center = Mm(Circle.CenterX, Circle.CenterY);
    const TPointMm Start = Mm(Circle.StartX, Circle.StartY);
    const double Radius = std::hypot(Start.X - Center.X, Start.Y - Center.Y);
    if (Radius > 0) Voids.push_back({Center, Radius});
  }
  Sink.Region({Item, Points, RingEnds, Voids});
}

}  // namespace quillon::preview
