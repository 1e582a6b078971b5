// SPDX-License-Identifier: MIT
#include "app/ItemText.h"

#include <cmath>
#include <string>

#include "pins/Pins.h"
#include "preview/ArcGeometry.h"
#include "preview/TextEncoding.h"
#include "text/NumberFormat.h"

namespace quillon::app {

using preview::TItemKind;
using preview::TPointMm;

namespace {

// Lengths arrive in database units and are shown in millimetres with the
// core's digits, so that English reads as the command line's description.
class TNumbers {
 public:
  explicit TNumbers(double Scale) : Scale(Scale) {}

  static QString Int(std::int64_t V) { return QString::number(V); }
  static QString Fixed(double V, int Decimals) {
    std::string Out;
    fmt::AppendFixed(Out, V, Decimals);
    return QString::fromStdString(Out);
  }
  QString Length(std::int64_t Dbu) const { return Fixed(static_cast<double>(Dbu) * Scale, 3); }
  QString Point(std::int32_t X, std::int32_t Y) const {
    return QStringLiteral("(%1, %2)").arg(Length(X), Length(Y));
  }
  TPointMm At(std::int32_t X, std::int32_t Y) const { return {X * Scale, Y * Scale}; }

 private:
  double Scale;
};

QString FromCp1251(std::string_view Bytes) {
  std::string Utf8;
  preview::AppendUtf8FromCp1251(Utf8, Bytes);
  return QString::fromStdString(Utf8);
}

}  // namespace

// The texts are filed under TItemText, where lupdate finds them.
namespace parts {

QString KindName(TItemKind Kind) {
  switch (Kind) {
    case TItemKind::Line:
      return TItemText::tr("Line");
    case TItemKind::Rectangle:
      return TItemText::tr("Rectangle");
    case TItemKind::FilledRectangle:
      return TItemText::tr("Filled rectangle");
    case TItemKind::Arc:
      return TItemText::tr("Arc");
    case TItemKind::Text:
      return TItemText::tr("Text");
    case TItemKind::Flash:
      return TItemText::tr("Flash");
    case TItemKind::Polygon:
      break;
  }
  return TItemText::tr("Polygon");
}

QString ShapeName(std::uint8_t Shape) {
  switch (Shape) {
    case shapeNone:
      return TItemText::tr("None");
    case shapeCircle:
      return TItemText::tr("Circle");
    case shapeSquare:
      return TItemText::tr("Square");
    default:
      return TItemText::tr("Undefined");
  }
}

QString Line(const TNumbers& N, TItemKind Kind, const TPcbLine& L) {
  const QString Start = N.Point(L.StartX, L.StartY), End = N.Point(L.EndX, L.EndY);
  if (Kind == TItemKind::Line)
    return TItemText::tr("start %1, end %2, width %3").arg(Start, End, N.Length(L.Width));
  if (Kind == TItemKind::Rectangle)
    return TItemText::tr("corner %1, opposite corner %2, width %3")
        .arg(Start, End, N.Length(L.Width));
  return TItemText::tr("corner %1, opposite corner %2").arg(Start, End);
}

QString Arc(const TNumbers& N, const TPcbArc& A) {
  const TPointMm C = N.At(A.CenterX, A.CenterY), S = N.At(A.StartX, A.StartY),
                 E = N.At(A.EndX, A.EndY);
  const QString Turn =
      A.StartX == A.EndX && A.StartY == A.EndY
          ? TItemText::tr("full circle")
          : TItemText::tr("counter-clockwise %1 degrees")
                .arg(TNumbers::Fixed(preview::CounterClockwiseSweep(preview::DirectionDeg(C, S),
                                                                    preview::DirectionDeg(C, E)),
                                     1));
  return TItemText::tr("center %1, start %2, end %3, radius %4, %5, width %6")
      .arg(N.Point(A.CenterX, A.CenterY), N.Point(A.StartX, A.StartY), N.Point(A.EndX, A.EndY),
           TNumbers::Fixed(std::hypot(S.X - C.X, S.Y - C.Y), 3), Turn, N.Length(A.Width));
}

QString Text(const TNumbers& N, const TPcbText& T) {
  const QString Where = N.Point(T.X, T.Y), Size = N.Length(T.Size),
                Rotation = TNumbers::Int(T.Rotation),
                Justification = TNumbers::Int(T.Justification);
  return (T.Mirror ? TItemText::tr("\"%1\" at %2, size %3, rotation %4, mirrored, justification %5")
                   : TItemText::tr("\"%1\" at %2, size %3, rotation %4, justification %5"))
      .arg(FromCp1251(T.Text), Where, Size, Rotation, Justification);
}

QString Flash(const TNumbers& N, const TPcbFlash& F, const TPins* Pins) {
  const std::int32_t RowPin = PinRowOf(F.PinNumber);
  const QString Pin = TNumbers::Int(F.PinNumber), Where = N.Point(F.X, F.Y),
                Rotation = TNumbers::Int(F.Rotation), Row = TNumbers::Int(RowPin);
  if (!Pins || !Pins->Exists(RowPin))
    return TItemText::tr("pin %1 at %2, rotation %3; no description row for Pin# %4")
        .arg(Pin, Where, Rotation, Row);
  TPinRecord Record;
  Pins->FindByPin(RowPin, Record);
  return TItemText::tr("pin %1 at %2, rotation %3; Pin# %4: %5 pad %6, hole %7")
      .arg(Pin, Where, Rotation, Row, ShapeName(Record.Shape), TNumbers::Fixed(Record.Aperture, 3),
           TNumbers::Fixed(Record.Hole, 3));
}

QString Polygon(const TPcbComplexPolygon& P) {
  const int Outlines = P.OutLines.Count(), Circles = P.Circles.Count();
  int Points = 0;
  for (const TPoligonOutLine& O : P.OutLines) Points += O.Lines.Count() + 1;
  // English needs only one and many; the translation picks its own forms.
  return TItemText::tr("%1, %2, %3")
      .arg(Outlines == 1 ? TItemText::tr("%n outline", nullptr, 1)
                         : TItemText::tr("%n outlines", nullptr, Outlines),
           Points == 1 ? TItemText::tr("%n point", nullptr, 1)
                       : TItemText::tr("%n points", nullptr, Points),
           Circles == 1 ? TItemText::tr("%n void circle", nullptr, 1)
                        : TItemText::tr("%n void circles", nullptr, Circles));
}

QString Fields(const TLayer& Layer, const TNumbers& N, const preview::TRenderOptions& Options,
               const preview::TItemRef& Item) {
  using preview::FindItem;
  switch (Item.Kind) {
    case TItemKind::Line:
    case TItemKind::Rectangle:
    case TItemKind::FilledRectangle:
      if (const TPcbLine* L = FindItem(Layer.Lines, Item.Index)) return Line(N, Item.Kind, *L);
      break;
    case TItemKind::Arc:
      if (const TPcbArc* A = FindItem(Layer.Arcs, Item.Index)) return Arc(N, *A);
      break;
    case TItemKind::Text:
      if (const TPcbText* T = FindItem(Layer.Texts, Item.Index)) return Text(N, *T);
      break;
    case TItemKind::Flash:
      if (const TPcbFlash* F = FindItem(Layer.Flashes, Item.Index))
        return Flash(N, *F, Options.Pins);
      break;
    case TItemKind::Polygon:
      if (const TPcbComplexPolygon* P = FindItem(Layer.Polygons, Item.Index)) return Polygon(*P);
      break;
  }
  return QString();
}

QString Whole(const TPcb& Board, const preview::TRenderOptions& Options,
              const preview::TItemRef& Item) {
  if (Item.Layer < 0 || Item.Layer >= Board.Layers.Count()) return QString();
  const TLayer& Layer = Board.Layers.Items(Item.Layer);
  const TNumbers N(Options.Scale);
  return TItemText::tr("%1 %2 on layer %3 %4 (mm): %5")
      .arg(KindName(Item.Kind), TNumbers::Int(Item.Index), TNumbers::Int(Item.Layer),
           FromCp1251(Layer.Name), Fields(Layer, N, Options, Item));
}

}  // namespace parts

QString TItemText::Describe(const TPcb& Board, const preview::TRenderOptions& Options,
                            const preview::TItemRef& Item) {
  return parts::Whole(Board, Options, Item);
}

}  // namespace quillon::app
