// SPDX-License-Identifier: MIT
// The plot's picture follows the reader's pixel conventions: thin strokes
// and flashes at every fraction of a pixel, and the pair of thin lines of
// the bench board whose gap once moved by a pixel, leave no difference that
// the edge does not explain.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "check/Compare.h"
#include "check/GerbvReader.h"
#include "check/RasterPainter.h"

namespace quillon::check {
namespace {

std::string Coord(double Mm) { return std::to_string(std::llround(Mm * 1e6)); }

struct TLine {
  double X0, Y0, X1, Y1, Width;
};
struct TFlash {
  double X, Y, Size;
  bool Square;
};

class CheckReaderGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ReaderAvailable()) GTEST_SKIP() << "gerbv is not installed";
    Dir = (std::filesystem::temp_directory_path() / "quillon-check-grid").string();
    std::filesystem::create_directories(Dir);
    // The bench board's window at the resolution its check is lowered to:
    // its left edge 0.725 inch left of the plot's origin, at 245 dpi.
    View.Left = -18.415;
    View.Bottom = -0.508;
    View.PxPerMm = 245 / 25.4;
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  // Reads Gerber back and compares it with Expected: the differing pixels
  // before the edge is left out, and the comparison.
  TComparison Compare(const std::string& Gerber, const TRaster& Expected, long& Raw, long& Dark) {
    std::ofstream(Dir + "/t.gbr") << "%FSLAX46Y46*%\n%MOMM*%\n%LPD*%\nG75*\n" << Gerber << "M02*\n";
    const TReadBack Back = ReadBack(Dir + "/t.gbr", View, 245, 60, Dir);
    EXPECT_EQ(Back.Status, TReadBack::Read) << Back.Message;
    if (Back.Status != TReadBack::Read) return {};
    EXPECT_EQ(Back.Picture.Width, Expected.Width);
    EXPECT_EQ(Back.Picture.Height, Expected.Height);
    Raw = Dark = 0;
    for (std::size_t I = 0; I < Expected.Px.size(); ++I) {
      Raw += (Expected.Px[I] >= 128) != (Back.Picture.Px[I] >= 128);
      Dark += Back.Picture.Px[I] >= 128;
    }
    return ComparePictures(Expected, Back.Picture, TRaster());
  }

  std::string Dir;
  TWindow View;
};

TEST_F(CheckReaderGrid, ThinStrokesLieWhereTheReaderPutsThem) {
  // The bench board's bottom copper: a rectangle's edge 0.1778 mm wide on
  // x = 0 and a line 0.127 mm wide 0.2286 mm to its right.
  std::vector<TLine> Lines = {{0, 2, 0, 12, 0.1778}, {0.2286, 3, 0.2286, 11, 0.127}};
  const double Widths[] = {0.0254, 0.05, 0.1, 0.127, 0.1778, 0.2, 0.25, 0.3, 0.4, 0.5, 0.7};
  int K = 0;
  for (const double W : Widths)
    for (int I = 0; I < 12; ++I, ++K) {
      // Every fraction of a pixel, across, along and aslant.
      const double X = 2 + K * 1.3 + I * 0.0094, Y = 14 + I * 0.0317;
      Lines.push_back({X, Y, X, Y + 6, W});
      Lines.push_back({X - 0.3, Y + 7 + I * 0.013, X + 0.9, Y + 7 + I * 0.013, W});
      Lines.push_back({X - 0.3, Y + 9, X + 0.8, Y + 12.3, W});
      // A line beside another, a pixel apart.
      Lines.push_back({X + 0.6, Y, X + 0.6, Y + 6, W});
      Lines.push_back(
          {X + 0.6 + W + 0.104 + I * 0.005, Y, X + 0.6 + W + 0.104 + I * 0.005, Y + 6, 0.127});
    }
  std::ostringstream G;
  int D = 10;
  for (const TLine& L : Lines) {
    G << "%ADD" << D << "C," << L.Width << "*%\nD" << D << "*\nX" << Coord(L.X0) << "Y"
      << Coord(L.Y0) << "D02*\nX" << Coord(L.X1) << "Y" << Coord(L.Y1) << "D01*\n";
    ++D;
  }
  View.Width = static_cast<int>(180 * View.PxPerMm);
  View.Height = static_cast<int>(30 * View.PxPerMm);
  TRaster Expected(View.Width, View.Height);
  TRasterPainter P(Expected, View);
  for (const TLine& L : Lines) P.Segment({L.X0, L.Y0}, {L.X1, L.Y1}, L.Width);
  long Raw = 0, Dark = 0;
  const TComparison C = Compare(G.str(), Expected, Raw, Dark);
  EXPECT_EQ(C.BlobCount, 0);
  // Only single pixels of the round ends and of slanted edges differ.
  EXPECT_LT(Raw * 10, Dark) << Raw << " of " << Dark;
}

TEST_F(CheckReaderGrid, ArcsAndFlashesLeaveOnlyEdges) {
  std::ostringstream G;
  View.Width = static_cast<int>(300 * View.PxPerMm);
  View.Height = static_cast<int>(12 * View.PxPerMm);
  TRaster Expected(View.Width, View.Height);
  TRasterPainter P(Expected, View);
  int D = 10, K = 0;
  for (const double W : {0.0254, 0.127, 0.1778, 0.4})
    for (int I = 0; I < 8; ++I, ++K) {
      const double Cx = 3 + K * 2.5 + I * 0.011, Cy = 2 + I * 0.0173, R = 0.3 + I * 0.23;
      G << "%ADD" << D << "C," << W << "*%\nD" << D << "*\nX" << Coord(Cx + R) << "Y" << Coord(Cy)
        << "D02*\nG03X" << Coord(Cx) << "Y" << Coord(Cy + R) << "I" << Coord(-R) << "J0D01*\n";
      ++D;
      P.Arc({Cx, Cy}, R, 0, 90, W);
    }
  K = 0;
  for (const double S : {0.1, 0.2, 0.3, 0.5, 1.0, 1.6})
    for (const bool Square : {false, true})
      for (int I = 0; I < 8; ++I, ++K) {
        const TFlash F{2 + K * 2.1 + I * 0.0131, 8 + I * 0.0173, S, Square};
        if (Square)
          G << "%ADD" << D << "R," << S << "X" << S << "*%\n";
        else
          G << "%ADD" << D << "C," << S << "*%\n";
        G << "D" << D << "*\nX" << Coord(F.X) << "Y" << Coord(F.Y) << "D03*\n";
        ++D;
        const preview::TPointMm At = P.FlashCentre({F.X, F.Y});
        if (Square)
          P.Square(At, S);
        else
          P.Circle(At, S / 2);
      }
  long Raw = 0, Dark = 0;
  const TComparison C = Compare(G.str(), Expected, Raw, Dark);
  EXPECT_EQ(C.BlobCount, 0);
  EXPECT_LT(Raw * 4, Dark) << Raw << " of " << Dark;
}

}  // namespace
}  // namespace quillon::check
