// SPDX-License-Identifier: MIT
#include "RenderCompare.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ExternalTools.h"
#include "script/ScriptPcb.h"
#include "text/NumberFormat.h"

namespace quillon::test {

namespace {

struct Bounds {
  double MinX = std::numeric_limits<double>::max(), MinY = std::numeric_limits<double>::max();
  double MaxX = std::numeric_limits<double>::lowest(), MaxY = std::numeric_limits<double>::lowest();
  void Add(double X, double Y) {
    MinX = std::min(MinX, X);
    MinY = std::min(MinY, Y);
    MaxX = std::max(MaxX, X);
    MaxY = std::max(MaxY, Y);
  }
  void AddArc(const TPcbArc& A) {
    const double R = std::hypot(double(A.StartX) - A.CenterX, double(A.StartY) - A.CenterY);
    Add(A.CenterX - R, A.CenterY - R);
    Add(A.CenterX + R, A.CenterY + R);
  }
};

std::string Number(double V, int Decimals) { return fmt::Fixed(V, Decimals); }

}  // namespace

RenderWindow WindowAround(const TScriptingPcb& Board, double Scale, int LongSide) {
  Bounds B;
  for (const TLayer& Layer : Board.Layers) {
    for (const TPcbLine& L : Layer.Lines) {
      B.Add(L.StartX, L.StartY);
      B.Add(L.EndX, L.EndY);
    }
    for (const TPcbArc& A : Layer.Arcs) B.AddArc(A);
    for (const TPcbFlash& F : Layer.Flashes) B.Add(F.X, F.Y);
    for (const TPcbComplexPolygon& P : Layer.Polygons) {
      for (const TPoligonOutLine& O : P.OutLines)
        for (const TPcbLine& L : O.Lines) B.Add(L.StartX, L.StartY);
      for (const TPcbArc& C : P.Circles) B.AddArc(C);
    }
  }
  if (B.MinX > B.MaxX) B = {0, 0, 1, 1};
  constexpr double MarginMm = 5.0;
  const double Left = B.MinX * Scale - MarginMm, Bottom = B.MinY * Scale - MarginMm;
  const double WidthMm = (B.MaxX - B.MinX) * Scale + 2 * MarginMm;
  const double HeightMm = (B.MaxY - B.MinY) * Scale + 2 * MarginMm;
  RenderWindow W;
  W.Left = Left / 25.4;
  W.Bottom = Bottom / 25.4;
  W.Dpi = std::max(1, static_cast<int>(LongSide / (std::max(WidthMm, HeightMm) / 25.4)));
  W.Width = static_cast<int>(std::ceil(WidthMm / 25.4 * W.Dpi));
  W.Height = static_cast<int>(std::ceil(HeightMm / 25.4 * W.Dpi));
  return W;
}

std::string Render(const std::string& File, const std::string& Png, const RenderWindow& Window,
                   const std::string& Dir) {
  const std::string Command =
      "gerbv -x png -b '#000000' -f '#FFFFFFFF' --dpi=" + std::to_string(Window.Dpi) +
      " --origin=" + Number(Window.Left, 6) + "x" + Number(Window.Bottom, 6) +
      " --window=" + std::to_string(Window.Width) + "x" + std::to_string(Window.Height) + " -o " +
      Quoted(Png) + " " + Quoted(File);
  return RunTool(Command, Dir).Err;
}

PixelDifference ComparePictures(const std::string& PngA, const std::string& PngB) {
  PixelDifference D;
  const QImage A = QImage(QString::fromStdString(PngA)).convertToFormat(QImage::Format_RGB32);
  const QImage B = QImage(QString::fromStdString(PngB)).convertToFormat(QImage::Format_RGB32);
  if (A.isNull() || B.isNull() || A.size() != B.size()) return D;
  D.Total = static_cast<long long>(A.width()) * A.height();
  for (int Y = 0; Y < A.height(); ++Y) {
    const auto* RowA = reinterpret_cast<const QRgb*>(A.constScanLine(Y));
    const auto* RowB = reinterpret_cast<const QRgb*>(B.constScanLine(Y));
    for (int X = 0; X < A.width(); ++X) {
      const bool LitA = qGray(RowA[X]) >= 128, LitB = qGray(RowB[X]) >= 128;
      D.DrawnInFirst += LitA;
      D.Differing += LitA != LitB;
    }
  }
  return D;
}

}  // namespace quillon::test
