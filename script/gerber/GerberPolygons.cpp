// SPDX-License-Identifier: MIT
#include "script/gerber/GerberSyntax.h"
#include "script/PolygonBoundary.h"
#include "script/ScriptPcb.h"

namespace quillon {

namespace {

// One region of an outline's points: the start of every segment, then the end
// of the last. The outline has at least one segment.
void WriteOutlineRegion(TGerberSyntax& Gerber, const TPoligonOutLine& OutLine) {
  const TOutlineSegments& Segments = OutLine.Lines;
  Gerber.BeginRegion();
  for (int K = 0; K < Segments.Count(); ++K) {
    const TPcbLine& Segment = Segments.Items(K);
    if (K == 0)
      Gerber.Move(Segment.StartX, Segment.StartY);
    else
      Gerber.Draw(Segment.StartX, Segment.StartY);
  }
  const TPcbLine& Last = Segments.Items(Segments.Count() - 1);
  Gerber.Draw(Last.EndX, Last.EndY);
  Gerber.EndRegion();
}

// A polygon circle starts and ends at the same point: one full
// counter-clockwise turn cut out of the region.
void WriteCircleCutOut(TGerberSyntax& Gerber, const TPcbArc& Circle) {
  Gerber.ClearPolarity();
  Gerber.BeginRegion();
  Gerber.LinearMove(Circle.EndX, Circle.EndY);
  Gerber.ArcCcw(Circle.EndX, Circle.EndY, Gerber.Offset(Circle.CenterX, Circle.StartX),
                Gerber.Offset(Circle.CenterY, Circle.StartY));
  Gerber.EndRegion();
}

// A polygon with its outer boundary: the further outlines and the circles are
// cut out of it.
void WritePolygon(TGerberSyntax& Gerber, const TPcbComplexPolygon& Polygon) {
  Gerber.DarkPolarity();
  for (int I = 0; I < Polygon.OutLines.Count(); ++I) {
    const TPoligonOutLine& OutLine = Polygon.OutLines.Items(I);
    // An outline without segments has no point of its own: writing a region
    // for it would leave "G36*" open or repeat a point of an earlier item.
    if (OutLine.Lines.Empty()) continue;
    if (I > 0) Gerber.ClearPolarity();  // the further outlines are holes
    WriteOutlineRegion(Gerber, OutLine);
  }
  Gerber.MultiQuadrant();
  for (const TPcbArc& Circle : Polygon.Circles) WriteCircleCutOut(Gerber, Circle);
}

// Start and end are opposite corners. The contour goes back to its start:
// a region that is not closed is invalid, and strict readers reject it.
void WriteFilledRectangle(TGerberSyntax& Gerber, const TPcbLine& Rect) {
  Gerber.BeginRegion();
  Gerber.Move(Rect.StartX, Rect.StartY);
  Gerber.Draw(Rect.EndX, Rect.StartY);
  Gerber.Draw(Rect.EndX, Rect.EndY);
  Gerber.Draw(Rect.StartX, Rect.EndY);
  Gerber.Draw(Rect.StartX, Rect.StartY);
  Gerber.EndRegion();
}

}  // namespace

void TScriptingPcb::WriteGerberPolygons(int L) {
  if (L < 0 || L >= Layers.Count()) return;
  const TLayer& Layer = Layers.Items(L);
  TGerberSyntax Gerber(Output, Coord, Scale, GerberTexts);
  for (const TPcbComplexPolygon& Polygon : Layer.Polygons)
    if (HasOuterBoundary(Polygon)) WritePolygon(Gerber, Polygon);
  Gerber.DarkPolarity();
  for (const TPcbLine& Line : Layer.Lines)
    if (Line.Kind == kindFilledRectangle) WriteFilledRectangle(Gerber, Line);
}

}  // namespace quillon
