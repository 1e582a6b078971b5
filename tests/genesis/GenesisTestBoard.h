#pragma once
// Small boards for the Genesis writer tests, built through the model API,
// and a prompts object that answers the pad question from a script.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "model/UserPrompts.h"
#include "script/ScriptPcb.h"

namespace quillon::test {

// Answers AskUser from Answers in order and records every question; a
// question with no answer left fails the test and answers Cancel.
class TScriptedPrompts : public TUserPrompts {
 public:
  explicit TScriptedPrompts(std::deque<TAnswer> Answers = {}) : Answers(std::move(Answers)) {}
  void NotifyUser(std::string_view Text) override { Notes.emplace_back(Text); }
  TAnswer AskUser(std::string_view Text) override {
    Asked.emplace_back(Text);
    if (Answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << Text;
      return TAnswer::Cancel;
    }
    const TAnswer A = Answers.front();
    Answers.pop_front();
    return A;
  }

  std::deque<TAnswer> Answers;
  std::vector<std::string> Asked;
  std::vector<std::string> Notes;
};

inline std::vector<std::string> LinesOf(const TTextLines& Lines, int From = 0) {
  std::vector<std::string> V;
  for (int I = From; I < Lines.Count(); ++I) V.emplace_back(Lines[I]);
  return V;
}

// Lines joined with line feeds: a failed comparison of two such texts shows
// a line diff.
inline std::string Joined(const std::vector<std::string>& Lines) {
  std::string S;
  for (const std::string& L : Lines) S += L + "\n";
  return S;
}

// The reference is valid until the next layer is added.
inline TLayer& AddLayer(TScriptingPcb& Pcb, const std::string& Name, std::uint8_t Number = 0) {
  TLayer& Layer = Pcb.Layers.Add();
  Layer.Name = Name;
  Layer.Number = Number;
  return Layer;
}

inline TPcbLine& AddLine(TLayer& Layer, std::uint16_t Kind, std::int32_t StartX,
                         std::int32_t StartY, std::int32_t EndX, std::int32_t EndY,
                         std::int32_t Width = 1) {
  TPcbLine& Line = Layer.Lines.Add();
  Line.Kind = Kind;
  Line.StartX = StartX;
  Line.StartY = StartY;
  Line.EndX = EndX;
  Line.EndY = EndY;
  Line.Width = Width;
  return Line;
}

inline TPcbArc& AddArc(TPcbArcs& Arcs, std::int32_t CenterX, std::int32_t CenterY,
                       std::int32_t StartX, std::int32_t StartY, std::int32_t EndX,
                       std::int32_t EndY, std::int32_t Width = 0) {
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

inline TPcbFlash& AddFlash(TLayer& Layer, std::int32_t PinNumber, std::int32_t X, std::int32_t Y) {
  TPcbFlash& Flash = Layer.Flashes.Add();
  Flash.PinNumber = PinNumber;
  Flash.X = X;
  Flash.Y = Y;
  return Flash;
}

inline TPcbText& AddText(TLayer& Layer, const std::string& Text, std::int32_t X, std::int32_t Y,
                         std::int32_t Size, std::uint8_t Justification, std::int32_t Rotation = 0,
                         std::uint8_t Mirror = 0) {
  TPcbText& T = Layer.Texts.Add();
  T.Text = Text;
  T.X = X;
  T.Y = Y;
  T.Size = Size;
  T.Justification = Justification;
  T.Rotation = Rotation;
  T.Mirror = Mirror;
  return T;
}

// An outline through Points, one segment from each point to the next.
inline TPoligonOutLine& AddOutline(TPcbComplexPolygon& Polygon,
                                   const std::vector<std::pair<int, int>>& Points) {
  TPoligonOutLine& OutLine = Polygon.OutLines.Add();
  for (std::size_t K = 0; K + 1 < Points.size(); ++K) {
    TPcbLine& Segment = OutLine.Lines.Add();
    Segment.Kind = kindLine;
    Segment.StartX = Points[K].first;
    Segment.StartY = Points[K].second;
    Segment.EndX = Points[K + 1].first;
    Segment.EndY = Points[K + 1].second;
  }
  return OutLine;
}

inline TPinRecord PinRow(std::int32_t PinNumber, double Hole, double Aperture, std::uint8_t Shape) {
  TPinRecord Row;
  Row.PinNumber = PinNumber;
  Row.Hole = Hole;
  Row.Aperture = Aperture;
  Row.Shape = Shape;
  return Row;
}

}  // namespace quillon::test
