// SPDX-License-Identifier: MIT
#include "script/fab/FabGerberWriter.h"

#include <string>

#include "script/PinQuestion.h"
#include "script/ScriptPcb.h"

namespace quillon::fab {

TFabGerberWriter::TFabGerberWriter(TScriptingPcb& Board, int L)
    : Board(Board), L(L), Role(FabRoleOf(Board, L)), Pen(Body), Used(Board.Apertures) {}

TFabPoint TFabGerberWriter::Point(std::int32_t X, std::int32_t Y) const {
  return ToFabPoint(X, Y, Board.Scale);
}

namespace {

// About as many body lines as the layer can take with every item kind on, so
// that a big layer's text is not copied again and again while it grows.
std::size_t LineEstimate(const TScriptingPcb& Board, int L) {
  const TLayer& Layer = Board.Layers.Items(L);
  std::size_t Lines = 8;
  for (const TPcbComplexPolygon& Polygon : Layer.Polygons) {
    Lines += 2 + 5 * static_cast<std::size_t>(Polygon.Circles.Count());
    for (const TPoligonOutLine& OutLine : Polygon.OutLines)
      Lines += 5 + static_cast<std::size_t>(OutLine.Lines.Count());
  }
  Lines += 7 * static_cast<std::size_t>(Layer.Lines.Count());
  Lines += 4 * static_cast<std::size_t>(Layer.Arcs.Count());
  if (Board.DrillLayer < Board.Layers.Count())
    Lines += 2 * static_cast<std::size_t>(Board.Layers.Items(Board.DrillLayer).Flashes.Count());
  return Lines;
}

}  // namespace

void TFabGerberWriter::WriteBody(std::uint8_t Options, std::vector<TDrillHole>& Holes) {
  const std::size_t Estimate = LineEstimate(Board, L);
  Body.Reserve(Estimate, Estimate * 20);
  if (Options & coPolygons) WritePolygons();
  if (Options & coPads) WriteFlashes(Holes);
  if (Options & coLines) WriteLines();
  if (Options & coArcs) WriteArcs();
}

void TFabGerberWriter::Finish(int IntegerDigits, TTextLines& File) {
  if (Used.Empty()) {
    // Readers that tell a Gerber file from older formats by its aperture
    // definitions take a file without any for something else: such a file
    // defines the conversion's default aperture, unused.
    Used.Use(Board.Apertures.FindOrAdd(shapeCircle, true, 10 * Board.Scale),
             FunctionOf(Role, false));
  }
  TTextLines Head;
  AddFabHeader(Head, {Board.Title, FileFunction(Role), IntegerDigits, Board.X2AsComments});
  Used.WriteDefinitions(Head, Board.X2AsComments);
  File.Clear();
  File.Reserve(static_cast<std::size_t>(Head.Count() + Body.Count()) + 1,
               Head.TextBytes() + Body.TextBytes() + 4);
  File.AddAll(Head);
  File.AddAll(Body);
  File.Add("M02*");
  Body.Clear();
}

void TFabGerberWriter::WriteContourRegion() {
  // Repeated corners would be draws of zero length; a closing corner equal
  // to the first is added by the closing draw.
  std::size_t Kept = 0;
  for (const TFabPoint& P : Contour)
    if (Kept == 0 || !(P == Contour[Kept - 1])) Contour[Kept++] = P;
  while (Kept > 1 && Contour[Kept - 1] == Contour[0]) --Kept;
  if (Kept < 3) return;
  Pen.BeginRegion();
  Pen.Move(Contour[0]);
  for (std::size_t K = 1; K < Kept; ++K) Pen.Draw(Contour[K]);
  Pen.Draw(Contour[0]);
  Pen.EndRegion();
}

void TFabGerberWriter::CollectOutline(const TPoligonOutLine& Outline) {
  Contour.clear();
  for (const TPcbLine& Segment : Outline.Lines)
    Contour.push_back(Point(Segment.StartX, Segment.StartY));
  if (!Outline.Lines.Empty()) {
    const TPcbLine& Last = Outline.Lines.Items(Outline.Lines.Count() - 1);
    Contour.push_back(Point(Last.EndX, Last.EndY));
  }
}

void TFabGerberWriter::WriteCircleRegion(const TPcbArc& Circle) {
  // A polygon circle starts and ends at one point: one full turn around the
  // centre, with the centre taken relative to the start point as the legacy
  // files do.
  const TFabPoint End = Point(Circle.EndX, Circle.EndY);
  const TFabPoint Start = Point(Circle.StartX, Circle.StartY);
  const TFabPoint Center = Point(Circle.CenterX, Circle.CenterY);
  if (Center == Start) return;  // no radius: nothing to cut out
  const TFabPoint ShiftedCenter{End.X + (Center.X - Start.X), End.Y + (Center.Y - Start.Y)};
  Pen.BeginRegion();
  Pen.Move(End);
  Pen.Arc(End, ShiftedCenter);
  Pen.EndRegion();
}

void TFabGerberWriter::WritePolygons() {
  const TLayer& Layer = Board.Layers.Items(L);
  for (const TPcbComplexPolygon& Polygon : Layer.Polygons) {
    if (!Polygon.OutLines.Empty()) {
      CollectOutline(Polygon.OutLines.Items(0));
      WriteContourRegion();
    }
    // The holes and circles are cut out of the region right after it, so
    // they clear what the layer holds there, as in the legacy files.
    for (int K = 1; K < Polygon.OutLines.Count(); ++K) {
      Pen.SetClear(true);
      CollectOutline(Polygon.OutLines.Items(K));
      WriteContourRegion();
    }
    for (const TPcbArc& Circle : Polygon.Circles) {
      Pen.SetClear(true);
      WriteCircleRegion(Circle);
    }
    Pen.SetClear(false);
  }
  for (const TPcbLine& Line : Layer.Lines) {
    if (Line.Kind != kindFilledRectangle) continue;
    Contour = {Point(Line.StartX, Line.StartY), Point(Line.EndX, Line.StartY),
               Point(Line.EndX, Line.EndY), Point(Line.StartX, Line.EndY)};
    WriteContourRegion();
  }
}

void TFabGerberWriter::WriteFlashes(std::vector<TDrillHole>& Holes) {
  const int Drill = Board.DrillLayer;
  if (Drill >= Board.Layers.Count()) return;
  const TLayer& DrillLayer = Board.Layers.Items(Drill);
  if (DrillLayer.Flashes.Empty()) return;
  // The same question as the legacy layer files, asked again for each layer.
  TPinQuestion Question(Board.Prompts(), "Via which");
  for (const TPcbFlash& Flash : DrillLayer.Flashes) {
    const std::int32_t PinRow = PinRowOf(Flash.PinNumber);
    const TPinQuestion::TDecision Decision = Question.Decide(Board.Pins, PinRow, L, &Flash);
    if (Decision == TPinQuestion::Stop) return;
    if (Decision == TPinQuestion::Skip || Board.Pins.High() < 0) continue;
    TPinRecord Row;
    Board.Pins.FindByPin(PinRow, Row);
    const std::int32_t DCode = Used.Use(FlashDCode(Row, Role), FunctionOf(Role, true));
    if (DCode == 0) continue;
    Pen.Select(DCode);
    Pen.Flash(Point(Flash.X, Flash.Y));
    // A pin without a pad is a hole through bare board: a mounting hole,
    // drilled after plating.
    const bool Plated = !(Row.Aperture == 0 && Row.Shape == shapeNone);
    if (Role == TLayerRole::Drill)
      Holes.push_back({Flash.X * Board.Scale, Flash.Y * Board.Scale, Row.Hole, Plated});
  }
}

std::int32_t TFabGerberWriter::StrokeDCode(std::int32_t Width) {
  // Finding and taking the aperture as the legacy writer does keeps the
  // table's marks, and so the accompanying text macro, the same.
  const std::int32_t TableDCode = Board.Apertures.FindOrAdd(shapeCircle, true, Width * Board.Scale);
  Board.Apertures.TakeNew(TableDCode);
  return Used.Use(TableDCode, FunctionOf(Role, false));
}

void TFabGerberWriter::WriteLines() {
  for (const TPcbLine& Line : Board.Layers.Items(L).Lines) {
    Pen.Select(StrokeDCode(Line.Width));
    const TFabPoint Start = Point(Line.StartX, Line.StartY);
    const TFabPoint End = Point(Line.EndX, Line.EndY);
    if (Start == End) {
      // A stroke of no length is a dot of the aperture: flashed, since a
      // draw of zero length is not to be written.
      Pen.Flash(Start);
      continue;
    }
    Pen.Move(Start);
    if (Line.Kind == kindLine) {
      Pen.Draw(End);
    } else {
      Pen.Draw({End.X, Start.Y});
      Pen.Draw(End);
      Pen.Draw({Start.X, End.Y});
      Pen.Draw(Start);
    }
  }
}

void TFabGerberWriter::WriteArcs() {
  for (const TPcbArc& Arc : Board.Layers.Items(L).Arcs) {
    Pen.Select(StrokeDCode(Arc.Width));
    const TFabPoint Start = Point(Arc.StartX, Arc.StartY);
    const TFabPoint End = Point(Arc.EndX, Arc.EndY);
    const TFabPoint Center = Point(Arc.CenterX, Arc.CenterY);
    if (Start == Center && End == Center) {
      Pen.Flash(Start);  // a circle of no radius is a dot
      continue;
    }
    Pen.Move(Start);
    Pen.Arc(End, Center);
  }
}

}  // namespace quillon::fab
