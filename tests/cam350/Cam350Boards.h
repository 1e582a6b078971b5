#pragma once
// Small boards for the CAM350 writer tests, built through the model, and a
// prompt that answers from a script and remembers what it was asked.

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "model/UserPrompts.h"
#include "script/ScriptPcb.h"

namespace quillon::test {

inline std::vector<std::string> LinesOf(const TTextLines& Out) {
  std::vector<std::string> Lines;
  for (int I = 0; I < Out.Count(); ++I) Lines.emplace_back(Out[I]);
  return Lines;
}

// Adds Count empty layers named L0, L1, ... with Number index + 1.
inline void AddLayers(TScriptingPcb& Board, int Count) {
  for (int I = 0; I < Count; ++I) {
    TLayer& Layer = Board.Layers.Add();
    Layer.Name = "L" + std::to_string(I);
    Layer.Number = static_cast<std::uint8_t>(I + 1);
  }
}

inline TPcbLine& AddLine(TPcbLines& Lines, std::int32_t StartX, std::int32_t StartY,
                         std::int32_t EndX, std::int32_t EndY, std::int32_t Width = 1,
                         std::uint16_t Kind = kindLine) {
  TPcbLine& Line = Lines.Add();
  Line.StartX = StartX;
  Line.StartY = StartY;
  Line.EndX = EndX;
  Line.EndY = EndY;
  Line.Width = Width;
  Line.Kind = Kind;
  return Line;
}

inline TPcbArc& AddArc(TPcbArcs& Arcs, std::int32_t CenterX, std::int32_t CenterY,
                       std::int32_t StartX, std::int32_t StartY, std::int32_t EndX,
                       std::int32_t EndY, std::int32_t Width) {
  TPcbArc& Arc = Arcs.Add();
  Arc.CenterX = CenterX;
  Arc.CenterY = CenterY;
  Arc.StartX = StartX;
  Arc.StartY = StartY;
  Arc.EndX = EndX;
  Arc.EndY = EndY;
  Arc.Width = Width;
  return Arc;
}

inline void AddFlash(TPcbFlashes& Flashes, std::int32_t PinNumber, std::int32_t X, std::int32_t Y) {
  TPcbFlash& Flash = Flashes.Add();
  Flash.PinNumber = PinNumber;
  Flash.X = X;
  Flash.Y = Y;
}

// An outline through Points: one segment between every two neighbours.
inline void AddOutline(TPcbComplexPolygon& Polygon,
                       const std::vector<std::pair<int, int>>& Points) {
  TPoligonOutLine& Outline = Polygon.OutLines.Add();
  for (std::size_t I = 1; I < Points.size(); ++I)
    AddLine(Outline.Lines, Points[I - 1].first, Points[I - 1].second, Points[I].first,
            Points[I].second, 0);
}

inline TPinRecord PinRow(std::int32_t PinNumber, std::uint8_t Shape, std::int32_t HoleDCode,
                         std::int32_t PadDCode) {
  TPinRecord Row;
  Row.PinNumber = PinNumber;
  Row.Hole = 0.8;
  Row.Aperture = Shape == shapeNone ? 0 : 1.6;
  Row.Shape = Shape;
  Row.HoleDCode = HoleDCode;
  Row.PadDCode = PadDCode;
  return Row;
}

// Answers the undefined-pin question from a script; a question beyond the
// script fails the test.
class TScriptedPrompts final : public TUserPrompts {
 public:
  explicit TScriptedPrompts(std::deque<TAnswer> Answers) : Answers(std::move(Answers)) {}
  void NotifyUser(std::string_view Text) override {
    ADD_FAILURE() << "unexpected message: " << Text;
  }
  TAnswer AskUser(std::string_view Text) override {
    Asked.emplace_back(Text);
    if (Answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << Text;
      return TAnswer::Cancel;
    }
    const TAnswer Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }
  std::vector<std::string> Asked;

 private:
  std::deque<TAnswer> Answers;
};

}  // namespace quillon::test
