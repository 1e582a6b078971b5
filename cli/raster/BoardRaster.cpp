#include "cli/raster/BoardRaster.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <span>
#include <vector>

#include "preview/BoardRenderer.h"
#include "preview/Palette.h"

namespace quillon::cli {

namespace {

using preview::TBoxMm;
using preview::TPointMm;

QColor ToQColor(preview::TRgb C) { return QColor(C.R, C.G, C.B); }

// Board millimetres (Y up) to image pixels (Y down), one scale for both axes.
class TImageSink final : public preview::TPrimitiveSink {
 public:
  TImageSink(QPainter& Painter, const TBoxMm& View, double Zoom, QColor Colour, QSize Size)
      : P(Painter), View(View), Zoom(Zoom), Colour(Colour), Size(Size) {}

  // Pixels (y * width + x) of the items drawn as a dot: set after painting.
  std::vector<std::size_t> Dots;

  void Stroke(const preview::TStroke& S) override {
    if (Dot(Box(S.Points, S.Width / 2))) return;
    P.setPen(Pen(S.Width));
    P.setBrush(Qt::NoBrush);
    const QPolygonF Poly = Polygon(S.Points);
    if (S.Closed)
      P.drawPolygon(Poly);
    else
      P.drawPolyline(Poly);
  }

  void Fill(const preview::TFill& F) override {
    if (Dot(Box(F.Points, 0))) return;
    P.setPen(Qt::NoPen);
    P.setBrush(Colour);
    P.drawPolygon(Polygon(F.Points));
  }

  void Arc(const preview::TArc& A) override {
    if (Dot(Around(A.Center, A.Radius + A.Width / 2))) return;
    const double R = A.Radius * Zoom;
    const QRectF Circle(Px(A.Center) - QPointF(R, R), QSizeF(2 * R, 2 * R));
    QPainterPath Path;
    // Qt counts angles counter-clockwise as seen, as the board does.
    Path.arcMoveTo(Circle, A.StartDeg);
    Path.arcTo(Circle, A.StartDeg, A.SweepDeg);
    P.strokePath(Path, Pen(A.Width));
  }

  void Region(const preview::TRegion& G) override {
    if (Dot(Box(G.Points, 0))) return;
    QPainterPath Path;
    Path.setFillRule(Qt::OddEvenFill);
    std::uint32_t Begin = 0;
    for (const std::uint32_t End : G.RingEnds) {
      Path.addPolygon(Polygon(G.Points.subspan(Begin, End - Begin)));
      Path.closeSubpath();
      Begin = End;
    }
    for (const preview::TCircleMm& C : G.Voids)
      Path.addEllipse(Px(C.Center), C.Radius * Zoom, C.Radius * Zoom);
    P.fillPath(Path, Colour);
  }

  void TextBox(const preview::TTextBox& T) override {
    if (Dot(Box(T.Corners, 0))) return;
    P.setPen(Pen(0));
    P.setBrush(Qt::NoBrush);
    P.drawPolygon(Polygon(T.Corners));
  }

  void Pad(const preview::TPad& Pad) override {
    if (Dot(Around(Pad.Center, std::max(Pad.Size, Pad.Hole) / 2))) return;
    const preview::TPadLook Look = preview::PadLook(Pad);
    const QPointF C = Px(Pad.Center);
    if (Look.Pad) {
      QPainterPath Path;
      Path.setFillRule(Qt::OddEvenFill);
      const double Half = Pad.Size / 2 * Zoom;
      if (Pad.Shape == shapeSquare)
        Path.addRect(QRectF(C - QPointF(Half, Half), QSizeF(2 * Half, 2 * Half)));
      else
        Path.addEllipse(C, Half, Half);
      if (Look.CutHole) Path.addEllipse(C, Pad.Hole / 2 * Zoom, Pad.Hole / 2 * Zoom);
      P.fillPath(Path, Colour);
    }
    if (Look.HoleRing) {
      const double R = preview::HoleRingRadius(Pad.Hole) * Zoom;
      P.setPen(QPen(Colour, std::max(preview::HoleRingWidth(Pad.Hole) * Zoom, 1.0)));
      P.setBrush(Qt::NoBrush);
      P.drawEllipse(C, R, R);
    }
  }

  // As in the SVG: a circle and a cross of the undefined-pin colour.
  void UndefinedPin(const preview::TUndefinedPin& U) override {
    const double Half = U.MarkSize / 2 * Zoom;
    P.setPen(QPen(ToQColor(preview::UndefinedPinColour), std::max(U.MarkSize / 8 * Zoom, 1.0)));
    P.setBrush(Qt::NoBrush);
    const QPointF C = Px(U.Center);
    P.drawEllipse(C, Half, Half);
    P.drawLine(C + QPointF(-Half, -Half), C + QPointF(Half, Half));
    P.drawLine(C + QPointF(-Half, Half), C + QPointF(Half, -Half));
  }

 private:
  QPointF Px(TPointMm Mm) const { return {(Mm.X - View.Left) * Zoom, (View.Top - Mm.Y) * Zoom}; }
  QPolygonF Polygon(std::span<const TPointMm> Points) const {
    QPolygonF Poly;
    Poly.reserve(static_cast<qsizetype>(Points.size()));
    for (const TPointMm& Mm : Points) Poly.append(Px(Mm));
    return Poly;
  }
  // Width 0 (a hairline) and anything thinner than a pixel: one pixel.
  QPen Pen(double WidthMm) const {
    QPen Result(Colour, std::max(WidthMm * Zoom, 1.0));
    Result.setCapStyle(Qt::RoundCap);
    Result.setJoinStyle(Qt::RoundJoin);
    return Result;
  }
  static TBoxMm Box(std::span<const TPointMm> Points, double Margin) {
    TBoxMm B;
    for (const TPointMm& Mm : Points) B.Add(Mm, Margin);
    return B;
  }
  static TBoxMm Around(TPointMm Centre, double Radius) {
    TBoxMm B;
    B.Add(Centre, Radius);
    return B;
  }
  // An item under a pixel in both directions becomes that pixel.
  bool Dot(const TBoxMm& B) {
    if (B.Empty() || B.Width() * Zoom >= 1 || B.Height() * Zoom >= 1) return false;
    const QPointF C = Px({(B.Left + B.Right) / 2, (B.Bottom + B.Top) / 2});
    if (C.x() >= 0 && C.y() >= 0 && C.x() < Size.width() && C.y() < Size.height())
      Dots.push_back(static_cast<std::size_t>(C.y()) * static_cast<std::size_t>(Size.width()) +
                     static_cast<std::size_t>(C.x()));
    return true;
  }

  QPainter& P;
  TBoxMm View;
  double Zoom;
  QColor Colour;
  QSize Size;
};

}  // namespace

std::string RasterizeBoardToPng(const TPcb& Board, const preview::TSvgOptions& Options,
                                const TBoxMm& View, int WidthPx, int HeightPx, std::string& Png) {
  QImage Image(WidthPx, HeightPx, QImage::Format_ARGB32_Premultiplied);
  QImage Layer(WidthPx, HeightPx, QImage::Format_ARGB32_Premultiplied);
  if (Image.isNull() || Layer.isNull()) return "not enough memory for an image of that size";
  Image.fill(ToQColor(preview::BackgroundColour));
  const double Zoom = WidthPx / std::max(View.Width(), 1e-9);
  preview::TBoardRenderer Renderer(Board, Options.Render);
  const std::vector<int> Layers =
      Options.Layers.empty() ? preview::StackingOrder(Board) : Options.Layers;
  for (const int L : Layers) {
    if (L < 0 || L >= Board.Layers.Count()) continue;
    const QColor Colour = ToQColor(preview::LayerColour(Board, L));
    Layer.fill(Qt::transparent);
    std::vector<std::size_t> Dots;
    {
      QPainter P(&Layer);
      P.setRenderHint(QPainter::Antialiasing);
      TImageSink Sink(P, View, Zoom, Colour, Layer.size());
      Renderer.RenderLayer(L, Sink);
      Dots = std::move(Sink.Dots);
    }
    QRgb* Bits = reinterpret_cast<QRgb*>(Layer.bits());
    for (const std::size_t At : Dots) Bits[At] = Colour.rgba();
    QPainter Over(&Image);
    Over.setOpacity(preview::LayerOpacity);
    Over.drawImage(QPointF(0, 0), Layer);
  }
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  if (!Image.save(&Buffer, "PNG")) return "the image could not be encoded as PNG";
  Png.assign(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
  return {};
}

}  // namespace quillon::cli
