// SPDX-License-Identifier: MIT
#include "TestBoards.h"

#include "script/ScriptPcb.h"

namespace quillon::test {

namespace {

// Lines and arcs store their ends the same way.
template <class TItem>
void SetEnds(TItem& Item, BoardPoint Start, BoardPoint End) {
  Item.StartX = Start.X;
  Item.StartY = Start.Y;
  Item.EndX = End.X;
  Item.EndY = End.Y;
}

}  // namespace

TLayer& AddLayer(TPcb& Board, const std::string& Name, std::uint8_t Number) {
  TLayer& Layer = Board.Layers.Add();
  Layer.Name = Name;
  Layer.Number = Number;
  return Layer;
}

void AddLayers(TPcb& Board, int Count) {
  for (int I = 0; I < Count; ++I)
    AddLayer(Board, "L" + std::to_string(I), static_cast<std::uint8_t>(I + 1));
}

namespace {

template <class TList>
TPcbLine& AddLineTo(TList& Lines, std::uint16_t Kind, BoardPoint Start, BoardPoint End,
                    std::int32_t Width) {
  TPcbLine& Line = Lines.Add();
  Line.Kind = Kind;
  SetEnds(Line, Start, End);
  Line.Width = Width;
  return Line;
}

template <class TList>
TPcbArc& AddArcTo(TList& Arcs, BoardPoint Center, BoardPoint Start, BoardPoint End,
                  std::int32_t Width) {
  TPcbArc& Arc = Arcs.Add();
  Arc.CenterX = Center.X;
  Arc.CenterY = Center.Y;
  SetEnds(Arc, Start, End);
  Arc.Width = Width;
  return Arc;
}

}  // namespace

TPcbLine& AddLine(TPcbLines& Lines, std::uint16_t Kind, BoardPoint Start, BoardPoint End,
                  std::int32_t Width) {
  return AddLineTo(Lines, Kind, Start, End, Width);
}

TPcbLine& AddLine(TLayer& Layer, std::uint16_t Kind, BoardPoint Start, BoardPoint End,
                  std::int32_t Width) {
  return AddLine(Layer.Lines, Kind, Start, End, Width);
}

TPcbArc& AddArc(TPcbArcs& Arcs, BoardPoint Center, BoardPoint Start, BoardPoint End,
                std::int32_t Width) {
  return AddArcTo(Arcs, Center, Start, End, Width);
}

TPcbArc& AddArc(TPolygonCircles& Circles, BoardPoint Center, BoardPoint Start, BoardPoint End,
                std::int32_t Width) {
  return AddArcTo(Circles, Center, Start, End, Width);
}

TPcbArc& AddArc(TLayer& Layer, BoardPoint Center, BoardPoint Start, BoardPoint End,
                std::int32_t Width) {
  return AddArc(Layer.Arcs, Center, Start, End, Width);
}

TPcbFlash& AddFlash(TPcbFlashes& Flashes, std::int32_t PinNumber, BoardPoint At) {
  TPcbFlash& Flash = Flashes.Add();
  Flash.PinNumber = PinNumber;
  Flash.X = At.X;
  Flash.Y = At.Y;
  return Flash;
}

TPcbFlash& AddFlash(TLayer& Layer, std::int32_t PinNumber, BoardPoint At) {
  return AddFlash(Layer.Flashes, PinNumber, At);
}

TPcbText& AddText(TPcbTexts& Texts, const std::string& Text, BoardPoint At, std::int32_t Size,
                  std::uint8_t Justification, std::int32_t Rotation, std::uint8_t Mirror) {
  TPcbText& Item = Texts.Add();
  Item.Text = Text;
  Item.X = At.X;
  Item.Y = At.Y;
  Item.Size = Size;
  Item.Justification = Justification;
  Item.Rotation = Rotation;
  Item.Mirror = Mirror;
  return Item;
}

TPcbText& AddText(TLayer& Layer, const std::string& Text, BoardPoint At, std::int32_t Size,
                  std::uint8_t Justification, std::int32_t Rotation, std::uint8_t Mirror) {
  return AddText(Layer.Texts, Text, At, Size, Justification, Rotation, Mirror);
}

TPoligonOutLine& AddOutline(TPcbComplexPolygon& Polygon, const std::vector<BoardPoint>& Points) {
  TPoligonOutLine& Outline = Polygon.OutLines.Add();
  for (const BoardPoint& Point : Points) Outline.Lines.AddPoint(Point.X, Point.Y);
  return Outline;
}

TPcbArc& AddVoidCircle(TPcbComplexPolygon& Polygon, BoardPoint Center, std::int32_t Radius) {
  const BoardPoint On{Center.X + Radius, Center.Y};
  return AddArc(Polygon.Circles, Center, On, On, 0);
}

TPinRecord PinRow(std::int32_t PinNumber, double Hole, double Aperture, std::uint8_t Shape,
                  std::int32_t HoleDCode, std::int32_t PadDCode) {
  TPinRecord Row;
  Row.PinNumber = PinNumber;
  Row.Hole = Hole;
  Row.Aperture = Aperture;
  Row.Shape = Shape;
  Row.HoleDCode = HoleDCode;
  Row.PadDCode = PadDCode;
  return Row;
}

void AddPin(TPins& Pins, std::int32_t PinNumber, double Hole, double Aperture, std::uint8_t Shape) {
  Pins.Append(PinRow(PinNumber, Hole, Aperture, Shape));
}

void BuildSampleBoard(TScriptingPcb& Pcb) {
  TLayer& Comp = AddLayer(Pcb, "COMP", 1);
  AddLine(Comp, kindLine, {100, 200}, {300, 200}, 10);
  AddLine(Comp, kindLine, {300, 200}, {300, 400}, 10);
  AddLine(Comp, kindRectangle, {0, 0}, {50, 60}, 20);
  AddLine(Comp, kindFilledRectangle, {10, 10}, {20, 30}, 1);
  AddArc(Comp, {0, 0}, {100, 0}, {0, 100}, 5);
  TPcbComplexPolygon& Polygon = Comp.Polygons.Add();
  AddOutline(Polygon, {{0, 0}, {100, 0}, {100, 100}, {0, 0}});
  AddOutline(Polygon, {{20, 20}, {40, 20}, {40, 40}, {20, 20}});
  AddVoidCircle(Polygon, {50, 50}, 10);
  TLayer& Pin = AddLayer(Pcb, "PIN", 2);
  AddFlash(Pin, 1, {500, 500});
  AddFlash(Pin, 9, {600, 600});
  AddPin(Pcb.Pins, 0, 0.8, 1.6, shapeSquare);
  Pcb.Title = "Plt FileName: /boards/sample.plt";
  Pcb.PadTopLayer = 0;
  Pcb.PadBottomLayer = 0;
  Pcb.MaskTopLayer = 7;  // no such layers: no mask role anywhere
  Pcb.MaskBottomLayer = 7;
  Pcb.DrillLayer = 1;
}

namespace {

void AddRichTop(TLayer& Top) {
  AddLine(Top, kindLine, {0, 0}, {1000, 0}, 25);
  AddLine(Top, kindLine, {1000, 0}, {1000, 500}, 25);
  AddLine(Top, kindLine, {200, 200}, {200, 200}, 25);
  AddLine(Top, kindRectangle, {0, 0}, {300, 200}, 10);
  AddLine(Top, kindFilledRectangle, {2000, 0}, {2500, 300}, 1);
  AddArc(Top, {500, 500}, {600, 500}, {500, 600}, 25);
  AddArc(Top, {600, 500}, {700, 500}, {700, 500}, 25);
  TPcbComplexPolygon& Polygon = Top.Polygons.Add();
  AddOutline(Polygon, {{3000, 0}, {4000, 0}, {4000, 1000}, {3000, 1000}, {3000, 0}});
  AddOutline(Polygon, {{3200, 200}, {3400, 200}, {3400, 400}, {3200, 200}});
  // Two circles: a reader must keep the mode between them.
  AddVoidCircle(Polygon, {3700, 700}, 100);
  AddVoidCircle(Polygon, {3250, 700}, 100);
}

}  // namespace

void AddRoleLayers(TScriptingPcb& Board) {
  std::uint8_t Number = 1;
  for (const char* Name : {"COMP", "SOLDER", "MSKGTP", "MSKGBT", "PIN"})
    AddLayer(Board, Name, Number++);
  Board.PadTopLayer = 0;
  Board.PadBottomLayer = 1;
  Board.MaskTopLayer = 2;
  Board.MaskBottomLayer = 3;
  Board.DrillLayer = 4;
}

void BuildRichBoard(TScriptingPcb& Board) {
  AddRoleLayers(Board);
  AddPin(Board.Pins, 1, 0.8, 1.6, shapeCircle);
  AddPin(Board.Pins, 2, 1.0, 1.8, shapeSquare);
  AddPin(Board.Pins, 3, 0.0, 1.2, shapeCircle);
  AddRichTop(Board.Layers.Items(0));
  TLayer& Bottom = Board.Layers.Items(1);
  AddArc(Bottom, {0, 0}, {1000, 0}, {-1000, 0}, 30);
  AddArc(Bottom, {0, 0}, {0, -500}, {500, 0}, 30);
  AddLine(Bottom, kindLine, {-1000, -1000}, {1000, 1000}, 30);
  AddOutline(Board.Layers.Items(2).Polygons.Add(),
             {{0, 0}, {500, 0}, {500, 500}, {0, 500}, {0, 0}});
  TLayer& Drill = Board.Layers.Items(4);
  AddFlash(Drill, 2, {100, 100});
  AddFlash(Drill, 3, {200, 100});
  AddFlash(Drill, 4, {300, 100});
  AddFlash(Drill, 2, {400, 100});
}

}  // namespace quillon::test
