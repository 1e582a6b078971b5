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
