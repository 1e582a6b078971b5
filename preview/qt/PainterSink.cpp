// SPDX-License-Identifier: MIT
#include "preview/qt/PainterSink.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>

#include "preview/Palette.h"
#include "preview/TextEncoding.h"

namespace quillon::preview {

namespace {

// Below this height in pixels a text is only its box: no letter would read.
constexpr double MinTextPixels = 5.0;

TBoxMm BoxOf(std::span<const TPointMm> Points, double Margin) {
  TBoxMm B;
  for (const TPointMm& Mm : Points) B.Add(Mm, Margin);
  return B;
}

TBoxMm Around(TPointMm Centre, double Radius) {
  TBoxMm B;
  B.Add(Centre, Radius);
  return B;
}

}  // namespace

QColor ToQColor(TRgb C) { return QColor(C.R, C.G, C.B); }

const TLetterCache::TLetters& TLetterCache::Of(std::string_view Bytes) {
  const QByteArray Key(Bytes.data(), static_cast<qsizetype>(Bytes.size()));
  auto Found = Cache.constFind(Key);
  if (Found != Cache.constEnd()) return *Found;
  QFont Font;
  Font.setPixelSize(64);
  const QFontMetricsF Metrics(Font);
  const QString Text = QString::fromStdString(Utf8FromCp1251(Bytes));
  TLetters Letters;
  Letters.Outline.addText(QPointF(0, 0), Font, Text);
  const double Cap = std::max(Metrics.capHeight(), 1.0);
  Letters.Own = QRectF(0, -Cap, std::max(Metrics.horizontalAdvance(Text), 1.0), Cap);
  return *Cache.insert(Key, std::move(Letters));
}

TPainterSink::TPainterSink(QPainter& Painter, const QImage& Target, const TPaintView& View,
                           QColor Colour, const TPaintStyle& Style)
    : P(Painter),
      View(View),
      Colour(Colour),
      Style(Style),
      WidthPx(Target.width()),
      HeightPx(Target.height()),
      Ratio(Target.devicePixelRatio()) {}

void TPainterSink::Stroke(const TStroke& S) {
  if (Dot(BoxOf(S.Points, S.Width / 2))) return;
  P.setPen(Pen(S.Width));
  P.setBrush(Qt::NoBrush);
  const QPolygonF Poly = Polygon(S.Points);
  if (S.Closed)
    P.drawPolygon(Poly);
  else
    P.drawPolyline(Poly);
}

void TPainterSink::Fill(const TFill& F) {
  if (Dot(BoxOf(F.Points, 0))) return;
  P.setPen(Qt::NoPen);
  P.setBrush(Colour);
  P.drawPolygon(Polygon(F.Points));
}

void TPainterSink::Arc(const TArc& A) {
  if (Dot(Around(A.Center, A.Radius + A.Width / 2))) return;
  const double R = A.Radius * View.Zoom;
  const QRectF Circle(Px(A.Center) - QPointF(R, R), QSizeF(2 * R, 2 * R));
  QPainterPath Path;
  // Qt counts angles counter-clockwise as seen, as the board does.
  Path.arcMoveTo(Circle, A.StartDeg);
  Path.arcTo(Circle, A.StartDeg, A.SweepDeg);
  P.strokePath(Path, Pen(A.Width));
}

void TPainterSink::Region(const TRegion& G) {
  if (Dot(BoxOf(G.Points, 0))) return;
  QPainterPath Path;
  Path.setFillRule(Qt::OddEvenFill);
  std::uint32_t Begin = 0;
  for (const std::uint32_t End : G.RingEnds) {
    Path.addPolygon(Polygon(G.Points.subspan(Begin, End - Begin)));
    Path.closeSubpath();
    Begin = End;
  }
  for (const TCircleMm& C : G.Voids)
    Path.addEllipse(Px(C.Center), C.Radius * View.Zoom, C.Radius * View.Zoom);
  P.fillPath(Path, Colour);
}

void TPainterSink::TextBox(const TTextBox& T) {
  if (Dot(BoxOf(T.Corners, T.Width / 2))) return;
  if (T.Height * View.Zoom >= MinTextPixels && !T.StrokeEnds.empty()) {
    // The strokes the fab files draw, one path so that crossings do not
    // darken.
    QPainterPath Path;
    std::uint32_t Begin = 0;
    for (const std::uint32_t End : T.StrokeEnds) {
      Path.addPolygon(Polygon(T.Points.subspan(Begin, End - Begin)));
      Begin = End;
    }
    P.strokePath(Path, Pen(T.Width));
    return;
  }
  P.setPen(Pen(0));
  P.setBrush(Qt::NoBrush);
  P.drawPolygon(Polygon(T.Corners));
  if (!Style.Letters) return;
  // Where the text is anchored: what its box alone does not tell.
  const double Dot = std::max(T.Height / 12 * View.Zoom, 1.5);
  P.setPen(Qt::NoPen);
  P.setBrush(Colour);
  P.drawEllipse(Px(T.Anchor), Dot, Dot);
}

void TPainterSink::Pad(const TPad& Pad) {
  if (Dot(Around(Pad.Center, std::max(Pad.Size, Pad.Hole) / 2))) return;
  const TPadLook Look = PadLook(Pad);
  const QPointF C = Px(Pad.Center);
  if (Look.Pad) {
    QPainterPath Path;
    Path.setFillRule(Qt::OddEvenFill);
    const double Half = Pad.Size / 2 * View.Zoom;
    if (Pad.Shape == shapeSquare)
      Path.addRect(QRectF(C - QPointF(Half, Half), QSizeF(2 * Half, 2 * Half)));
    else
      Path.addEllipse(C, Half, Half);
    if (Look.CutHole) Path.addEllipse(C, Pad.Hole / 2 * View.Zoom, Pad.Hole / 2 * View.Zoom);
    P.fillPath(Path, Colour);
  }
  if (Look.HoleRing) {
    const double R = HoleRingRadius(Pad.Hole) * View.Zoom;
    P.setPen(QPen(Colour, std::max(HoleRingWidth(Pad.Hole) * View.Zoom, 1.0)));
    P.setBrush(Qt::NoBrush);
    P.drawEllipse(C, R, R);
  }
}

// As in the SVG: a circle and a cross of the undefined-pin colour.
void TPainterSink::UndefinedPin(const TUndefinedPin& U) {
  const bool Small = U.MarkSize * View.Zoom < Style.MinMarkPixels;
  const double Half = std::max(U.MarkSize * View.Zoom, Style.MinMarkPixels) / 2;
  P.setPen(QPen(ToQColor(UndefinedPinColour), std::max(Half / 4, 1.0)));
  P.setBrush(Qt::NoBrush);
  const QPointF C = Px(U.Center);
  // Zoomed out, thousands of them may be on screen: the cross alone says it.
  if (!Small) P.drawEllipse(C, Half, Half);
  P.drawLine(C + QPointF(-Half, -Half), C + QPointF(Half, Half));
  P.drawLine(C + QPointF(-Half, Half), C + QPointF(Half, -Half));
}

bool TPainterSink::Dot(const TBoxMm& Box) {
  if (Box.Empty() || Box.Width() * View.Zoom >= 1 || Box.Height() * View.Zoom >= 1) return false;
  const QPointF C = Px({(Box.Left + Box.Right) / 2, (Box.Bottom + Box.Top) / 2}) * Ratio;
  if (C.x() >= 0 && C.y() >= 0 && C.x() < WidthPx && C.y() < HeightPx)
    Dots.push_back(static_cast<std::size_t>(C.y()) * static_cast<std::size_t>(WidthPx) +
                   static_cast<std::size_t>(C.x()));
  return true;
}

void TPainterSink::SetDots(QImage& Image) const {
  const QRgb Pixel = Colour.rgba();
  QRgb* Bits = reinterpret_cast<QRgb*>(Image.bits());
  for (const std::size_t At : Dots) Bits[At] = Pixel;
}

QPolygonF TPainterSink::Polygon(std::span<const TPointMm> Points) const {
  QPolygonF Poly;
  Poly.reserve(static_cast<qsizetype>(Points.size()));
  for (const TPointMm& Mm : Points) Poly.append(Px(Mm));
  return Poly;
}

// Width 0 (a hairline) and anything thinner than a pixel: one pixel.
QPen TPainterSink::Pen(double WidthMm) const {
  return QPen(Colour, std::max(WidthMm * View.Zoom, 1.0), Qt::SolidLine, Qt::RoundCap,
              Qt::RoundJoin);
}

void PaintLayer(QImage& Target, QImage& Scratch, QColor Colour, const TPaintView& View,
                const TPaintStyle& Style, const std::function<void(TPainterSink&)>& Draw) {
  Scratch.fill(Qt::transparent);
  {
    QPainter P(&Scratch);
    P.setRenderHint(QPainter::Antialiasing);
    TPainterSink Sink(P, Scratch, View, Colour, Style);
    Draw(Sink);
    P.end();
    Sink.SetDots(Scratch);
  }
  QPainter Over(&Target);
  Over.setOpacity(LayerOpacity);
  Over.drawImage(QPointF(0, 0), Scratch);
}

}  // namespace quillon::preview
