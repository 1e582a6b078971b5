#include "cli/raster/SvgRaster.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace quillon::cli {

std::string RasterizeSvgToPng(const std::string& Svg, int WidthPx, int HeightPx,
                              const std::string& PngPath) {
  // The preview draws shapes only, no glyphs, so no application object and
  // no windowing system are needed: the raster paint engine works alone.
  QSvgRenderer Renderer(QByteArray::fromRawData(Svg.data(), static_cast<qsizetype>(Svg.size())));
  if (!Renderer.isValid()) return "the SVG could not be read back for rendering";
  QImage Image(WidthPx, HeightPx, QImage::Format_ARGB32_Premultiplied);
  if (Image.isNull()) return "not enough memory for an image of that size";
  Image.fill(Qt::transparent);
  {
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    Renderer.render(&Painter);
  }
  if (!Image.save(QString::fromStdString(PngPath), "PNG")) return "cannot write " + PngPath;
  return {};
}

}  // namespace quillon::cli
