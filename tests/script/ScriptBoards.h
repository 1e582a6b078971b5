#pragma once
// Small boards for the conversion tests, built through the model itself, and
// prompts that answer from a script and remember what they were asked.

#include <string>
#include <string_view>
#include <vector>

#include "model/UserPrompts.h"
#include "script/ScriptPcb.h"

namespace quillon::test {

class TScriptedPrompts final : public TUserPrompts {
 public:
  explicit TScriptedPrompts(std::vector<TAnswer> Answers = {}) : Answers(std::move(Answers)) {}
  void NotifyUser(std::string_view Text) override { Messages.emplace_back(Text); }
  // Answers in order; Yes once the script is used up.
  TAnswer AskUser(std::string_view Text) override {
    Questions.emplace_back(Text);
    return Next < Answers.size() ? Answers[Next++] : TAnswer::Yes;
  }

  std::vector<TAnswer> Answers;
  std::size_t Next = 0;
  std::vector<std::string> Questions;
  std::vector<std::string> Messages;
};

inline TLayer& AddLayer(TPcb& Pcb, const std::string& Name, std::uint8_t Number) {
  TLayer& Layer = Pcb.Layers.Add();
  Layer.Name = Name;
  Layer.Number = Number;
  return Layer;
}

inline TPcbLine& AddLine(TLayer& Layer, std::uint16_t Kind, std::int32_t X1, std::int32_t Y1,
                         std::int32_t X2, std::int32_t Y2, std::int32_t Width) {
  TPcbLine& Line = Layer.Lines.Add();
  Line.Kind = Kind;
  Line.StartX = X1;
  Line.StartY = Y1;
  Line.EndX = X2;
  Line.EndY = Y2;
  Line.Width = Width;
  return Line;
}

inline TPcbArc& AddArc(TPcbArcs& Arcs, std::int32_t CX, std::int32_t CY, std::int32_t SX,
                       std::int32_t SY, std::int32_t EX, std::int32_t EY, std::int32_t Width) {
  TPcbArc& Arc = Arcs.Add();
  Arc.CenterX = CX;
  Arc.CenterY = CY;
  Arc.StartX = SX;
  Arc.StartY = SY;
  Arc.EndX = EX;
  Arc.EndY = EY;
  Arc.Width = Width;
  return Arc;
}

inline TPcbFlash& AddFlash(TLayer& Layer, std::int32_t Pin, std::int32_t X, std::int32_t Y) {
  TPcbFlash& Flash = Layer.Flashes.Add();
  Flash.PinNumber = Pin;
  Flash.X = X;
  Flash.Y = Y;
  return Flash;
}

// An outline through the points in order, one segment per pair of neighbours.
inline TPoligonOutLine& AddOutline(TPcbComplexPolygon& Polygon,
                                   const std::vector<std::pair<int, int>>& Points) {
  TPoligonOutLine& OutLine = Polygon.OutLines.Add();
  for (std::size_t I = 1; I < Points.size(); ++I) {
    TPcbLine& S = OutLine.Lines.Add();
    S.Kind = kindLine;
    S.StartX = Points[I - 1].first;
    S.StartY = Points[I - 1].second;
    S.EndX = Points[I].first;
    S.EndY = Points[I].second;
  }
  return OutLine;
}

inline void AddPin(TPins& Pins, std::int32_t PinNumber, double Hole, double Aperture,
                   std::uint8_t Shape) {
  TPinRecord Row;
  Row.PinNumber = PinNumber;
  Row.Hole = Hole;
  Row.Aperture = Aperture;
  Row.Shape = Shape;
  Pins.Append(Row);
}

inline std::vector<std::string> LinesOf(const TTextLines& Lines) {
  std::vector<std::string> V;
  for (int I = 0; I < Lines.Count(); ++I) V.emplace_back(Lines[I]);
  return V;
}

// The board most tests use, in database units with Scale 0.01 (mm):
//  layer 0 "COMP" (1): two 0.1 mm segments, a 0.2 mm rectangle, a filled
//    rectangle, a 0.05 mm arc, a polygon with a hole and a circle;
//  layer 1 "PIN" (2): the flashes of pin 1 (described) and pin 9 (not);
//  pin row 0: hole 0.8, square pad 1.6 (millimetres).
// Apertures after BuildApertures: D10 C0.1, D11 C0.2, D12 C0.01, D13 C0.05,
// D14 C0.8 (hole), D15 R1.6 (pad).
inline void BuildSampleBoard(TScriptingPcb& Pcb) {
  TLayer& Comp = AddLayer(Pcb, "COMP", 1);
  AddLine(Comp, kindLine, 100, 200, 300, 200, 10);
  AddLine(Comp, kindLine, 300, 200, 300, 400, 10);
  AddLine(Comp, kindRectangle, 0, 0, 50, 60, 20);
  AddLine(Comp, kindFilledRectangle, 10, 10, 20, 30, 1);
  AddArc(Comp.Arcs, 0, 0, 100, 0, 0, 100, 5);
  TPcbComplexPolygon& Polygon = Comp.Polygons.Add();
  AddOutline(Polygon, {{0, 0}, {100, 0}, {100, 100}, {0, 0}});
  AddOutline(Polygon, {{20, 20}, {40, 20}, {40, 40}, {20, 20}});
  AddArc(Polygon.Circles, 50, 50, 60, 50, 60, 50, 0);
  TLayer& Pin = AddLayer(Pcb, "PIN", 2);
  AddFlash(Pin, 1, 500, 500);
  AddFlash(Pin, 9, 600, 600);
  AddPin(Pcb.Pins, 0, 0.8, 1.6, shapeSquare);
  Pcb.Title = "Plt FileName: /boards/sample.plt";
  Pcb.PadTopLayer = 0;
  Pcb.PadBottomLayer = 0;
  Pcb.MaskTopLayer = 7;  // no such layers: no mask role anywhere
  Pcb.MaskBottomLayer = 7;
  Pcb.DrillLayer = 1;
}

}  // namespace quillon::test
