// SPDX-License-Identifier: MIT
#include "script/PolygonBoundary.h"
#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon {

namespace {

using namespace genesis;

constexpr const char* SurfaceHeader = "COM add_surf_strt,surf_type=feature";
constexpr const char* PositiveEnd = "COM add_surf_end,attributes=no,polarity=positive";
constexpr const char* NegativeEnd = "COM add_surf_end,attributes=no,polarity=negative";

struct TSurfaces {
  TTextLines& Out;
  double Scale;

  TPoint P(std::int32_t X, std::int32_t Y) const { return XY(X * Scale, Y * Scale); }

  // An outline of n segments gives n + 2 points: every start, the last end,
  // and the first start again, since the plot's outlines are open. One that
  // the plot already closed gets its first point twice at the end.
  void Outline(const TOutlineSegments& Segments, const char* End) {
    Out.Add(SurfaceHeader);
    const TPcbLine& First = Segments.Items(0);
    LineBuilder(Out) << "COM add_surf_poly_strt," << P(First.StartX, First.StartY);
    for (int K = 1; K < Segments.Count(); ++K) {
      const TPcbLine& Segment = Segments.Items(K);
      LineBuilder(Out) << "COM add_surf_poly_seg," << P(Segment.StartX, Segment.StartY);
    }
    const TPcbLine& Last = Segments.Items(Segments.Count() - 1);
    LineBuilder(Out) << "COM add_surf_poly_seg," << P(Last.EndX, Last.EndY);
    LineBuilder(Out) << "COM add_surf_poly_seg," << P(First.StartX, First.StartY);
    Out.Add("COM add_surf_poly_end");
    Out.Add(End);
  }

  void VoidCircle(const TPcbArc& Circle) {
    Out.Add(SurfaceHeader);
    LineBuilder(Out) << "COM add_surf_poly_strt," << P(Circle.StartX, Circle.StartY);
    LineBuilder(Out) << "COM add_surf_poly_crv,"
                     << CenterXY(Circle.CenterX * Scale, Circle.CenterY * Scale) << ','
                     << EndXY(Circle.StartX * Scale, Circle.StartY * Scale) << ",cw=yes";
    Out.Add("COM add_surf_poly_end");
    Out.Add(NegativeEnd);
  }

  // The first outline bounds the polygon; the others and the circles are
  // voids cut out of it. Outlines without segments have nothing to draw, and
  // a polygon without its bounding outline draws nothing at all.
  void Polygon(const TPcbComplexPolygon& Polygon, int I, int PolygonIndex) {
    if (!HasOuterBoundary(Polygon)) return;
    const TPoligonOutLines& OutLines = Polygon.OutLines;
    Outline(OutLines.Items(0).Lines, PositiveEnd);
    for (int O = 1; O < OutLines.Count(); ++O) {
      if (OutLines.Items(O).Lines.Empty()) continue;
      LineBuilder(Out) << "echo Adding Void Complex Polygons for layer " << I
                       << ", ComplesPolygons: " << PolygonIndex << ", OutLines: " << O;
      Outline(OutLines.Items(O).Lines, NegativeEnd);
    }
    for (int C = 0; C < Polygon.Circles.Count(); ++C) {
      LineBuilder(Out) << "echo Adding Void Circle for layer: " << I
                       << ", ComplexPolygons: " << PolygonIndex << ", VoidCircles " << C;
      VoidCircle(Polygon.Circles.Items(C));
    }
  }

  // A filled rectangle as a closed five-point contour from its start corner.
  void FilledRectangle(const TPcbLine& Rect) {
    Out.Add(SurfaceHeader);
    LineBuilder(Out) << "COM add_surf_poly_strt," << P(Rect.StartX, Rect.StartY);
    LineBuilder(Out) << "COM add_surf_poly_seg," << P(Rect.EndX, Rect.StartY);
    LineBuilder(Out) << "COM add_surf_poly_seg," << P(Rect.EndX, Rect.EndY);
    LineBuilder(Out) << "COM add_surf_poly_seg," << P(Rect.StartX, Rect.EndY);
    LineBuilder(Out) << "COM add_surf_poly_seg," << P(Rect.StartX, Rect.StartY);
    Out.Add("COM add_surf_poly_end");
    Out.Add(PositiveEnd);
  }
};

}  // namespace

void TScriptingPcb::MakeGenesisPolygons() {
  TSurfaces Surfaces{Output, Scale};
  for (int I = 0; I < Layers.Count(); ++I) {
    const TLayer& Layer = Layers.Items(I);
    if (Layer.Polygons.Empty()) continue;
    LineBuilder(Output) << "echo Adding Complex Polygons for layer " << I;
    SelectLayer(Output, LayerName(Layer.Name));
    for (int P = 0; P < Layer.Polygons.Count(); ++P)
      Surfaces.Polygon(Layer.Polygons.Items(P), I, P);
    ZoomHome(Output, AddViewCommands);
  }
  // Every layer with lines gets its block, filled rectangles or not.
  for (int I = 0; I < Layers.Count(); ++I) {
    const TLayer& Layer = Layers.Items(I);
    if (Layer.Lines.Empty()) continue;
    LineBuilder(Output) << "echo Adding Rectange Polygons for layer " << I;
    SelectLayer(Output, LayerName(Layer.Name));
    for (const TPcbLine& Line : Layer.Lines)
      if (Line.Kind == kindFilledRectangle) Surfaces.FilledRectangle(Line);
    ZoomHome(Output, AddViewCommands);
  }
}

}  // namespace quillon
