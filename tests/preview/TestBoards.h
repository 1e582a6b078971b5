#pragma once
// Small boards built directly in the model, so that a test states its items.

#include <initializer_list>
#include <string>
#include <utility>

#include "model/Pcb.h"
#include "pins/Pins.h"

namespace quillon::preview::test {

inline TLayer& AddLayer(TPcb& Board, const std::string& Name, std::uint8_t Number = 1) {
  TLayer& L = Board.Layers.Add();
  L.Name = Name;
  L.Number = Number;
  return L;
}

inline TPcbLine& AddLine(TPcbLines& Lines, std::uint16_t Kind, std::int32_t Sx, std::int32_t Sy,
                         std::int32_t Ex, std::int32_t Ey, std::int32_t Width = 1) {
  TPcbLine& Line = Lines.Add();
  Line.Kind = Kind;
  Line.StartX = Sx, Line.StartY = Sy, Line.EndX = Ex, Line.EndY = Ey;
  Line.Width = Width;
  return Line;
}

inline TPcbArc& AddArc(TPcbArcs& Arcs, std::int32_t Cx, std::int32_t Cy, std::int32_t Sx,
                       std::int32_t Sy, std::int32_t Ex, std::int32_t Ey, std::int32_t Width = 0) {
  TPcbArc& A = Arcs.Add();
  A.CenterX = Cx, A.CenterY = Cy, A.StartX = Sx, A.StartY = Sy, A.EndX = Ex, A.EndY = Ey;
  A.Width = Width;
  return A;
}

// An outline through the points, stored as the plot reader stores it: one
// segment from each point to the next, width 0.
inline void AddOutline(TPcbComplexPolygon& P, std::initializer_list<std::pair<int, int>> Points) {
  TPoligonOutLine& O = P.OutLines.Add();
  const std::pair<int, int>* Prev = nullptr;
  for (const auto& Point : Points) {
    if (Prev) AddLine(O.Lines, kindLine, Prev->first, Prev->second, Point.first, Point.second, 0);
    Prev = &Point;
  }
}

// A void circle as the reader stores it: start and end at centre + (R, 0).
inline void AddVoidCircle(TPcbComplexPolygon& P, int X, int Y, int R) {
  AddArc(P.Circles, X, Y, X + R, Y, X + R, Y);
}

inline TPcbFlash& AddFlash(TLayer& L, int Pin, int X, int Y) {
  TPcbFlash& F = L.Flashes.Add();
  F.PinNumber = Pin, F.X = X, F.Y = Y;
  return F;
}

inline TPinRecord PinRow(int Pin, double Hole, double Aperture, std::uint8_t Shape) {
  TPinRecord R;
  R.PinNumber = Pin, R.Hole = Hole, R.Aperture = Aperture, R.Shape = Shape;
  return R;
}

}  // namespace quillon::preview::test
