// SPDX-License-Identifier: MIT
#include "script/PolygonBoundary.h"
#include "script/ScriptPcb.h"
#include "script/cam350/Cam350Syntax.h"

namespace quillon {

namespace {

// Fill D-code, clearance, pattern, method and add type, the same for every
// pouring, then the pouring command itself.
void WritePouringStart(TTextLines& Out) {
  Out.Add("polyfilldcode@ 10");
  Out.Add("polyclearance@ 0.0");
  LineBuilder(Out) << "polyfillpattern@ " << cam350::Quoted{"SOLID"};
  LineBuilder(Out) << "polyfillmethod@ " << cam350::Quoted{"RASTER"};
  LineBuilder(Out) << "polyaddtype@ " << cam350::Quoted{"DRAWBORDER"};
  Out.Add("add_pouring@");
}

void WriteLayerSelection(TTextLines& Out, int LayerIndex) {
  cam350::WriteSetLayer(Out, LayerIndex);
  LineBuilder(Out) << "polylayer@ " << LayerIndex;
}

// The points of an outline with at least one segment: the Start of every
// segment, then the End of the last. Returns that last point.
cam350::Point WriteOutlinePoints(TTextLines& Out, const TOutlineSegments& Segments, double Scale) {
  for (const TPcbLine& Segment : Segments)
    cam350::WriteAxy(Out, cam350::Scaled(Segment.StartX, Segment.StartY, Scale));
  const TPcbLine& Last = Segments.Items(Segments.Count() - 1);
  const cam350::Point End = cam350::Scaled(Last.EndX, Last.EndY, Scale);
  cam350::WriteAxy(Out, End);
  return End;
}

// One complex polygon as a pouring with its voids. PickPoint, the lead point
// of every void circle, is the end of the outer outline or, once a void
// outline was written, that void's first point; it carries over between
// polygons and layers.
void WritePouring(TTextLines& Out, const TPcbComplexPolygon& Polygon, double Scale,
                  cam350::Point& PickPoint) {
  // Without an outer outline there is no pouring to draw nor to cut voids
  // from; writing one would need a point the polygon does not have.
  if (!HasOuterBoundary(Polygon)) return;
  WritePouringStart(Out);
  PickPoint = WriteOutlinePoints(Out, Polygon.OutLines.Items(0).Lines, Scale);
  Out.Add("back@");
  Out.Add("end@");

  Out.Add("layer_alloff@ 1");
  for (int Index = 1; Index < Polygon.OutLines.Count(); ++Index) {
    const TOutlineSegments& Segments = Polygon.OutLines.Items(Index).Lines;
    if (Segments.Empty()) continue;  // a void without points cuts nothing
    const TPcbLine& First = Segments.Items(0);
    PickPoint = cam350::Scaled(First.StartX, First.StartY, Scale);
    Out.Add("add_polyvoid@");
    cam350::WriteAxy(Out, PickPoint);  // the lead point, then the void's own points
    WriteOutlinePoints(Out, Segments, Scale);
    Out.Add("back@");
  }
  for (const TPcbArc& Circle : Polygon.Circles) {
    Out.Add("add_polyvoid_cir@");
    cam350::WriteAxy(Out, PickPoint);
    cam350::WriteAxy(Out, cam350::Scaled(Circle.CenterX, Circle.CenterY, Scale));
    cam350::WriteAxy(Out, cam350::Scaled(Circle.StartX, Circle.StartY, Scale));
    Out.Add("back@");
  }
  Out.Add("layer_alloff@ 0");
}

// A filled rectangle as a pouring of its four corners, going round once; the
// first corner is not repeated.
void WriteRectanglePouring(TTextLines& Out, const TPcbLine& Line, double Scale) {
  WritePouringStart(Out);
  cam350::WriteAxy(Out, cam350::Scaled(Line.StartX, Line.StartY, Scale));
  cam350::WriteAxy(Out, cam350::Scaled(Line.EndX, Line.StartY, Scale));
  cam350::WriteAxy(Out, cam350::Scaled(Line.EndX, Line.EndY, Scale));
  cam350::WriteAxy(Out, cam350::Scaled(Line.StartX, Line.EndY, Scale));
  Out.Add("back@");
  Out.Add("end@");
}

}  // namespace

void TScriptingPcb::MakeCam350Polygons() {
  cam350::Point PickPoint;
  for (int LayerIndex = 0; LayerIndex < Layers.Count(); ++LayerIndex) {
    const TLayer& Layer = Layers.Items(LayerIndex);
    if (Layer.Polygons.Empty()) continue;
    WriteLayerSelection(Output, LayerIndex);
    for (const TPcbComplexPolygon& Polygon : Layer.Polygons)
      WritePouring(Output, Polygon, Scale, PickPoint);
    cam350::WriteViewAll(Output, AddViewCommands);
  }
  // Filled rectangles are pourings too; they come after every complex polygon
  // of the board.
  for (int LayerIndex = 0; LayerIndex < Layers.Count(); ++LayerIndex) {
    const TLayer& Layer = Layers.Items(LayerIndex);
    if (Layer.Lines.Empty()) continue;
    WriteLayerSelection(Output, LayerIndex);
    for (const TPcbLine& Line : Layer.Lines)
      if (Line.Kind == kindFilledRectangle) WriteRectanglePouring(Output, Line, Scale);
    cam350::WriteViewAll(Output, AddViewCommands);
  }
}

}  // namespace quillon
