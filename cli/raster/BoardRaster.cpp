#include "cli/raster/BoardRaster.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <vector>

#include "preview/BoardRenderer.h"
#include "preview/Palette.h"
#include "preview/qt/PainterSink.h"

namespace quillon::cli {

using preview::TBoxMm;

std::string RasterizeBoardToPng(const TPcb& Board, const preview::TSvgOptions& Options,
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

}  // namespace quillon::cli
