// SPDX-License-Identifier: MIT
#pragma once
// Paints the preview's primitives with a QPainter into an image: board
// millimetres (Y up) to image pixels (Y down). The window's Layers page and
// the command line's PNG preview both draw through it, so a board looks the
// same in both. Built only where Qt Gui is found; the core never sees it.
//
// Items smaller than a pixel in both directions become that one pixel of
// their colour: antialiased, a million of them would fade to nothing, and
// one pixel each is far cheaper to set than to paint.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

#include "preview/Palette.h"
#include "preview/Primitives.h"

class QPainter;

namespace quillon::preview {

QColor ToQColor(TRgb C);

// The outlines of each text string met, at one size: a board repeats few
// strings many times, and laying out the letters anew for each would cost
// more than filling them. Used by one painting at a time.
class TLetterCache {
 public:
  struct TLetters {
    QPainterPath Outline;
    QRectF Own;  // baseline from (0, 0) to (Width, 0), cap height upwards
  };
  const TLetters& Of(std::string_view Bytes);
  void Clear() { Cache.clear(); }

 private:
  QHash<QByteArray, TLetters> Cache;
};

// Where the painting goes: Pixel = (X * Zoom + Offset.x, -Y * Zoom +
// Offset.y) in the image's logical pixels.
struct TPaintView {
  double Zoom = 1;  // pixels per millimetre
  QPointF Offset;
};

struct TPaintStyle {
  // Texts tall enough to read are drawn as their strokes; otherwise a text
  // is the outline of its box, its anchor marked when Letters is set.
  TLetterCache* Letters = nullptr;
  // The smallest an undefined pin's mark is drawn, in pixels: it is a
  // warning, so a zoomed-out view keeps it visible (then a cross alone).
  double MinMarkPixels = 0;
};

class TPainterSink final : public TPrimitiveSink {
 public:
  TPainterSink(QPainter& Painter, const QImage& Target, const TPaintView& View, QColor Colour,
               const TPaintStyle& Style);

  void Stroke(const TStroke& S) override;
  void Fill(const TFill& F) override;
  void Arc(const TArc& A) override;
  void Region(const TRegion& G) override;
  void TextBox(const TTextBox& T) override;
  void Pad(const TPad& Pad) override;
  void UndefinedPin(const TUndefinedPin& U) override;

  // An item whose box is under a pixel in both directions is remembered as
  // that pixel (when in the image) and true returned; false otherwise.
  bool Dot(const TBoxMm& Box);
  // Sets the remembered pixels: after the painter has finished.
  void SetDots(QImage& Image) const;

 private:
  QPointF Px(TPointMm Mm) const {
    return {Mm.X * View.Zoom + View.Offset.x(), -Mm.Y * View.Zoom + View.Offset.y()};
  }
  QPolygonF Polygon(std::span<const TPointMm> Points) const;
  QPen Pen(double WidthMm) const;

  QPainter& P;
  TPaintView View;
  QColor Colour;
  TPaintStyle Style;
  int WidthPx, HeightPx;  // the image's device pixels
  double Ratio;           // device pixels per logical pixel
  std::vector<std::size_t> Dots;
};

// Paints one layer onto Target at the preview's layer opacity: Draw paints
// its items through the sink onto Scratch (cleared first, of Target's size),
// whose pixels then go over Target, so overlapping items of a layer do not
// darken each other.
void PaintLayer(QImage& Target, QImage& Scratch, QColor Colour, const TPaintView& View,
                const TPaintStyle& Style, const std::function<void(TPainterSink&)>& Draw);

}  // namespace quillon::preview
