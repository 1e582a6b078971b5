// SPDX-License-Identifier: MIT
#include "cli/raster/BoardRaster.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <exception>
#include <new>
#include <type_traits>
#include <vector>

#include "preview/BoardRenderer.h"
#include "preview/Palette.h"
#include "preview/qt/PainterSink.h"

namespace quillon::cli {

using preview::TBoxMm;

namespace {

std::string PaintBoardToPng(const TPcb& Board, const preview::TSvgOptions& Options,
                            const TBoxMm& View, int WidthPx, int HeightPx, std::string& Png) {
  QImage Image(WidthPx, HeightPx, QImage::Format_ARGB32_Premultiplied);
  QImage Layer(WidthPx, HeightPx, QImage::Format_ARGB32_Premultiplied);
  if (Image.isNull() || Layer.isNull()) return "not enough memory for an image of that size";
  Image.fill(preview::ToQColor(preview::BackgroundColour));
  const double Zoom = WidthPx / std::max(View.Width(), 1e-9);
  const preview::TPaintView Paint{Zoom, QPointF(-View.Left * Zoom, View.Top * Zoom)};
  preview::TBoardRenderer Renderer(Board, Options.Render);
  const std::vector<int> Layers =
      Options.Layers.empty() ? preview::StackingOrder(Board) : Options.Layers;
  for (const int L : Layers) {
    if (L < 0 || L >= Board.Layers.Count()) continue;
    preview::PaintLayer(Image, Layer, preview::ToQColor(preview::LayerColour(Board, L)), Paint, {},
                        [&](preview::TPainterSink& Sink) { Renderer.RenderLayer(L, Sink); });
  }
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  if (!Image.save(&Buffer, "PNG")) return "the image could not be encoded as PNG";
  Png.assign(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
  return {};
}

}  // namespace

}  // namespace quillon::cli

// Nothing may leave the module as an exception: the program that loaded it
// reports Error instead.
extern "C" __attribute__((visibility("default"))) void QuillonPaintBoardToPng(
    const quillon::TPcb& Board, const quillon::preview::TSvgOptions& Options,
    const quillon::preview::TBoxMm& View, int WidthPx, int HeightPx, std::string& Png,
    std::string& Error) {
  static_assert(std::is_same_v<decltype(QuillonPaintBoardToPng), quillon::cli::TPaintBoardToPng>);
  try {
    Error = quillon::cli::PaintBoardToPng(Board, Options, View, WidthPx, HeightPx, Png);
  } catch (const std::bad_alloc&) {
    Error = "not enough memory for an image of that size";
  } catch (const std::exception& E) {
    Error = E.what();
  }
}
