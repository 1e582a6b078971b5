#include "FabBoard.h"

namespace quillon::test {

TLayer& AddLayer(TScriptingPcb& Board, const std::string& Name) {
  TLayer& Layer = Board.Layers.Add();
  Layer.Name = Name;
  Layer.Number = static_cast<std::uint8_t>(Board.Layers.Count());
  return Layer;
}

void AddLine(TLayer& Layer, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
             std::int32_t Width, std::uint16_t Kind) {
  TPcbLine& Line = Layer.Lines.Add();
  Line.StartX = X1;
  Line.StartY = Y1;
  Line.EndX = X2;
  Line.EndY = Y2;
  Line.Width = Width;
  Line.Kind = Kind;
}

void AddArc(TLayer& Layer, std::int32_t CX, std::int32_t CY, std::int32_t SX, std::int32_t SY,
            std::int32_t EX, std::int32_t EY, std::int32_t Width) {
  TPcbArc& Arc = Layer.Arcs.Add();
  Arc.CenterX = CX;
  Arc.CenterY = CY;
  Arc.StartX = SX;
  Arc.StartY = SY;
  Arc.EndX = EX;
  Arc.EndY = EY;
  Arc.Width = Width;
}

void AddFlash(TLayer& Layer, std::int32_t Pin, std::int32_t X, std::int32_t Y) {
  TPcbFlash& Flash = Layer.Flashes.Add();
  Flash.PinNumber = Pin;
  Flash.X = X;
  Flash.Y = Y;
}

void AddOutline(TPcbComplexPolygon& Polygon, const std::vector<std::pair<int, int>>& Points) {
  TPoligonOutLine& Outline = Polygon.OutLines.Add();
  for (std::size_t K = 0; K + 1 < Points.size(); ++K) {
    TPcbLine& Segment = Outline.Lines.Add();
    Segment.StartX = Points[K].first;
    Segment.StartY = Points[K].second;
    Segment.EndX = Points[K + 1].first;
    Segment.EndY = Points[K + 1].second;
    Segment.Kind = kindLine;
  }
}

void MakeRichBoard(TScriptingPcb& Board) {
  for (const char* Name : {"COMP", "SOLDER", "MSKGTP", "MSKGBT", "PIN"}) AddLayer(Board, Name);
  Board.PadTopLayer = 0;
  Board.PadBottomLayer = 1;
  Board.MaskTopLayer = 2;
  Board.MaskBottomLayer = 3;
  Board.DrillLayer = 4;
  const struct {
    std::int32_t Pin;
    double Hole, Aperture;
    std::uint8_t Shape;
  } Pins[] = {{1, 0.8, 1.6, shapeCircle}, {2, 1.0, 1.8, shapeSquare}, {3, 0.0, 1.2, shapeCircle}};
  for (const auto& P : Pins) {
    TPinRecord Row;
    Row.PinNumber = P.Pin;
    Row.Hole = P.Hole;
    Row.Aperture = P.Aperture;
    Row.Shape = P.Shape;
    Board.Pins.Append(Row);
  }
  TLayer& Top = Board.Layers.Items(0);
  AddLine(Top, 0, 0, 1000, 0, 25);
  AddLine(Top, 1000, 0, 1000, 500, 25);
  AddLine(Top, 200, 200, 200, 200, 25);
  AddLine(Top, 0, 0, 300, 200, 10, kindRectangle);
  AddLine(Top, 2000, 0, 2500, 300, 1, kindFilledRectangle);
  AddArc(Top, 500, 500, 600, 500, 500, 600, 25);
  AddArc(Top, 600, 500, 700, 500, 700, 500, 25);
  TPcbComplexPolygon& Polygon = Top.Polygons.Add();
  AddOutline(Polygon, {{3000, 0}, {4000, 0}, {4000, 1000}, {3000, 1000}, {3000, 0}});
  AddOutline(Polygon, {{3200, 200}, {3400, 200}, {3400, 400}, {3200, 200}});
  for (int X : {3800, 3350}) {  // two circles: a reader must keep the mode between them
    TPcbArc& Circle = Polygon.Circles.Add();
    Circle.CenterX = X - 100;
    Circle.CenterY = 700;
    Circle.StartX = Circle.EndX = X;
    Circle.StartY = Circle.EndY = 700;
  }
  TLayer& Bottom = Board.Layers.Items(1);
  AddArc(Bottom, 0, 0, 1000, 0, -1000, 0, 30);
  AddArc(Bottom, 0, 0, 0, -500, 500, 0, 30);
  AddLine(Bottom, -1000, -1000, 1000, 1000, 30);
  TPcbComplexPolygon& Mask = Board.Layers.Items(2).Polygons.Add();
  AddOutline(Mask, {{0, 0}, {500, 0}, {500, 500}, {0, 500}, {0, 0}});
  TLayer& Drill = Board.Layers.Items(4);
  AddFlash(Drill, 2, 100, 100);
  AddFlash(Drill, 3, 200, 100);
  AddFlash(Drill, 4, 300, 100);
  AddFlash(Drill, 2, 400, 100);
}

TAnswer ScriptedPrompts::AskUser(std::string_view Text) {
  Asked.emplace_back(Text);
  if (Answers.empty()) return TAnswer::Yes;
  const TAnswer A = Answers.front();
  Answers.pop_front();
  return A;
}

std::vector<std::string> LinesOf(const TTextLines& Lines) {
  std::vector<std::string> Result;
  for (int I = 0; I < Lines.Count(); ++I) Result.emplace_back(Lines[I]);
  return Result;
}

}  // namespace quillon::test
