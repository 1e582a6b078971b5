// SPDX-License-Identifier: MIT
#include "preview/ItemDescription.h"

#include <cmath>

#include "pins/Pins.h"
#include "preview/ArcGeometry.h"
#include "preview/TextEncoding.h"
#include "text/NumberFormat.h"

namespace quillon::preview {

namespace {

// Appends the pieces of a description; lengths arrive in database units and
// are shown in millimetres.
class TDescription {
 public:
  TDescription(std::string& Out, double Scale) : Out(Out), Scale(Scale) {}

  TDescription& operator<<(const char* S) {
    Out += S;
    return *this;
  }
  TDescription& operator<<(std::int64_t V) {
    fmt::AppendInt(Out, V);
    return *this;
  }
  void Length(std::int64_t Dbu) { Mm(static_cast<double>(Dbu) * Scale); }
  void Mm(double V) { fmt::AppendFixed(Out, V, 3); }
  void Degrees(double V) { fmt::AppendFixed(Out, V, 1); }
  void Point(std::int32_t X, std::int32_t Y) {
    Out += '(';
    Length(X);
    Out += ", ";
    Length(Y);
    Out += ')';
  }
  TPointMm At(std::int32_t X, std::int32_t Y) const { return {X * Scale, Y * Scale}; }
  void Text(std::string_view Cp1251) { AppendUtf8FromCp1251(Out, Cp1251); }

 private:
  std::string& Out;
  double Scale;
};

void DescribeLine(TDescription& D, TItemKind Kind, const TPcbLine& L) {
  const bool Segment = Kind == TItemKind::Line;
  D << (Segment ? "start " : "corner ");
  D.Point(L.StartX, L.StartY);
  D << (Segment ? ", end " : ", opposite corner ");
  D.Point(L.EndX, L.EndY);
  if (Kind != TItemKind::FilledRectangle) {
    D << ", width ";
    D.Length(L.Width);
  }
}

void DescribeArc(TDescription& D, const TPcbArc& A) {
  D << "center ";
  D.Point(A.CenterX, A.CenterY);
  D << ", start ";
  D.Point(A.StartX, A.StartY);
  D << ", end ";
  D.Point(A.EndX, A.EndY);
  const TPointMm C = D.At(A.CenterX, A.CenterY), S = D.At(A.StartX, A.StartY),
                 E = D.At(A.EndX, A.EndY);
  D << ", radius ";
  D.Mm(std::hypot(S.X - C.X, S.Y - C.Y));
  if (A.StartX == A.EndX && A.StartY == A.EndY) {
    D << ", full circle";
  } else {
    D << ", counter-clockwise ";
    D.Degrees(CounterClockwiseSweep(DirectionDeg(C, S), DirectionDeg(C, E)));
    D << " degrees";
  }
  D << ", width ";
  D.Length(A.Width);
}

void DescribeText(TDescription& D, const TPcbText& T) {
  D << "\"";
  D.Text(T.Text);
  D << "\" at ";
  D.Point(T.X, T.Y);
  D << ", size ";
  D.Length(T.Size);
  D << ", rotation " << T.Rotation << (T.Mirror ? ", mirrored" : "") << ", justification "
    << T.Justification;
}

void DescribeFlash(TDescription& D, const TPcbFlash& F, const TPins* Pins) {
  const std::int32_t RowPin = PinRowOf(F.PinNumber);
  D << "pin " << F.PinNumber << " at ";
  D.Point(F.X, F.Y);
  D << ", rotation " << F.Rotation;
  if (!Pins || !Pins->Exists(RowPin)) {
    D << "; no description row for Pin# " << RowPin;
    return;
  }
  TPinRecord Row;
  Pins->FindByPin(RowPin, Row);
  D << "; Pin# " << RowPin << ": " << TPins::ShapeName(Row.Shape).c_str() << " pad ";
  D.Mm(Row.Aperture);
  D << ", hole ";
  D.Mm(Row.Hole);
}

void DescribePolygon(TDescription& D, const TPcbComplexPolygon& P) {
  std::int64_t Points = 0;
  for (const TPoligonOutLine& O : P.OutLines) Points += O.Lines.Count() + 1;
  D << static_cast<std::int64_t>(P.OutLines.Count())
    << (P.OutLines.Count() == 1 ? " outline, " : " outlines, ") << Points
    << (Points == 1 ? " point, " : " points, ") << static_cast<std::int64_t>(P.Circles.Count())
    << (P.Circles.Count() == 1 ? " void circle" : " void circles");
}

}  // namespace

std::string DescribeItem(const TPcb& Board, const TRenderOptions& Options, const TItemRef& Item) {
  std::string Out;
  if (Item.Layer < 0 || Item.Layer >= Board.Layers.Count()) return Out;
  const TLayer& Layer = Board.Layers.Items(Item.Layer);
  TDescription D(Out, Options.Scale);
  D << ItemKindName(Item.Kind) << " " << static_cast<std::int64_t>(Item.Index) << " on layer "
    << static_cast<std::int64_t>(Item.Layer) << " ";
  D.Text(Layer.Name);
  D << " (mm): ";
  switch (Item.Kind) {
    case TItemKind::Line:
    case TItemKind::Rectangle:
    case TItemKind::FilledRectangle:
      if (const TPcbLine* L = FindItem(Layer.Lines, Item.Index)) DescribeLine(D, Item.Kind, *L);
      break;
    case TItemKind::Arc:
      if (const TPcbArc* A = FindItem(Layer.Arcs, Item.Index)) DescribeArc(D, *A);
      break;
    case TItemKind::Text:
      if (const TPcbText* T = FindItem(Layer.Texts, Item.Index)) DescribeText(D, *T);
      break;
    case TItemKind::Flash:
      if (const TPcbFlash* F = FindItem(Layer.Flashes, Item.Index))
        DescribeFlash(D, *F, Options.Pins);
      break;
    case TItemKind::Polygon:
      if (const TPcbComplexPolygon* P = FindItem(Layer.Polygons, Item.Index))
        DescribePolygon(D, *P);
      break;
  }
  return Out;
}

}  // namespace quillon::preview
