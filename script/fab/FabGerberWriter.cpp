// SPDX-License-Identifier: MIT
#include "script/fab/FabGerberWriter.h"

#include <cmath>
#include <string>
#include <vector>

#include "font/StrokeFont.h"
#include "script/PinQuestion.h"
#include "script/PolygonBoundary.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabProvenance.h"

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
  if (Options & coText) CheckTexts();
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
  const std::vector<std::string> Provenance = ProvenanceAttributes(Board);
  AddFabHeader(Head, {FabTitle(Board.Title), FileFunction(Role), IntegerDigits, Board.X2AsComments,
                      Provenance});
  Used.WriteDefinitions(Head, Board.X2AsComments);
  File.Clear();
  File.Reserve(static_cast<std::size_t>(Head.Count() + Body.Count()) + 1 + TextLineEstimate,
               Head.TextBytes() + Body.TextBytes() + 4 + 24 * TextLineEstimate);
  File.AddAll(Head);
  File.AddAll(Body);
  Body.Clear();
  if (!TextsToDraw.empty()) {
    // A pen of its own, which knows nothing of the body's: it selects the
    // text aperture and states the linear mode once more.
    TFabGerberBody TextPen(File);
    WriteTexts(TextPen);
  }
  File.Add("M02*");
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
    if (!HasOuterBoundary(Polygon)) continue;
    CollectOutline(Polygon.OutLines.Items(0));
    WriteContourRegion();
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

namespace quillon::fab {

namespace {

// Six integer digits hold less than a million millimetres.
constexpr double MaxFabMillimetres = 1e6;

TFabPoint ToFabPoint(font::TPointMm P) { return {ToFabUnits(P.X), ToFabUnits(P.Y)}; }

}  // namespace

void TFabGerberWriter::WarnText(int Index, std::string_view What) {
  std::string Line = "Layer " + std::to_string(L) + " \"" + Board.Layers.Items(L).Name +
                     "\", text " + std::to_string(Index) + ": ";
  Line += What;
  TextWarnings.push_back(std::move(Line));
}

void TFabGerberWriter::CheckTexts() {
  const TLayer& Layer = Board.Layers.Items(L);
  if (Layer.Texts.Empty()) return;
  // The pen of the CAM350 macro's texts. It is only found, not taken: the
  // macro that follows defines it when it is new to the table, as it does
  // without the fab files. Every board's table holds it (the default
  // aperture), so the table does not grow.
  const double Width = font::TextStrokeWidth(Board.Scale);
  TextDCode = Used.Use(Board.Apertures.FindOrAdd(shapeCircle, true, Width), TextFunctionOf(Role));
  if (TextDCode == 0) return;
  for (int I = 0; I < Layer.Texts.Count(); ++I) {
    const TPcbText& Text = Layer.Texts.Items(I);
    const font::TTextExtent Box = font::EstimateTextExtent(Text, Board.Scale);
    if (Text.Text.empty()) {
      WarnText(I, "no characters; nothing drawn");
      continue;
    }
    if (!(Box.Height > 0) || !std::isfinite(Box.Height)) {
      WarnText(I, "size " + std::to_string(Text.Size) + " gives no height; not drawn");
      continue;
    }
    // A text that would reach beyond what the file's coordinates can hold
    // is left out rather than squeezed to the edge of the format.
    double Reach = 0;
    for (const font::TPointMm& C : Box.Corners)
      Reach = std::max({Reach, std::fabs(C.X) + Width / 2, std::fabs(C.Y) + Width / 2});
    if (!(Reach < MaxFabMillimetres)) {
      WarnText(I, "size " + std::to_string(Text.Size) +
                      " puts it beyond the coordinates a fab file can hold; not drawn");
      continue;
    }
    int Missing = 0;
    for (const char C : Text.Text)
      Missing += font::GlyphOf(static_cast<std::uint8_t>(C)) == nullptr;
    if (Missing > 0)
      WarnText(I, std::to_string(Missing) +
                      " character(s) without a glyph in the stroke font drawn as boxes");
    TextReach = std::max(TextReach, ToFabUnits(Reach));
    TextsToDraw.push_back(I);
    // About as many lines as Simplex Roman's characters take.
    TextLineEstimate += 2 + 12 * std::min<std::size_t>(Text.Text.size(), 1000);
  }
}

void TFabGerberWriter::WriteTexts(TFabGerberBody& TextPen) {
  const TLayer& Layer = Board.Layers.Items(L);
  TextPen.Select(TextDCode);
  for (const int I : TextsToDraw) {
    font::DrawTextStrokes(Layer.Texts.Items(I), Board.Scale, Letters);
    WriteTextStrokes(TextPen);
  }
  TextsToDraw.clear();
}

void TFabGerberWriter::WriteTextStrokes(TFabGerberBody& TextPen) {
  std::uint32_t Begin = 0;
  for (const std::uint32_t End : Letters.Ends) {
    const TFabPoint First = ToFabPoint(Letters.Points[Begin]);
    bool Moved = false;
    for (std::uint32_t K = Begin + 1; K < End; ++K) {
      const TFabPoint To = ToFabPoint(Letters.Points[K]);
      if (To == First && !Moved) continue;
      if (!Moved) TextPen.Move(First), Moved = true;
      TextPen.Draw(To);
    }
    // A stroke that rounds to one point is a dot of the pen.
    if (!Moved) TextPen.Flash(First);
    Begin = End;
  }
}

}  // namespace quillon::fab
