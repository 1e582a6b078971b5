// SPDX-License-Identifier: MIT
#pragma once
// Compares the picture a file draws with the picture it should draw. A pixel
// on the edge of a difference is not counted: the two drawings may round an
// edge to neighbouring pixels. What is left falls into blobs, each measured
// by its bounding box; a file passes when no blob is wider or taller than the
// tolerance.

#include <cstdint>
#include <vector>

#include "check/Raster.h"

namespace quillon::check {

struct TBlob {
  std::int64_t Pixels = 0;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;  // pixels, inclusive
  int Across() const { return std::max(Right - Left, Bottom - Top) + 1; }
  // In board millimetres, with the pixel of edge left out put back.
  preview::TBoxMm BoxMm(const TWindow& View) const;
};

struct TComparison {
  std::int64_t Pixels = 0;     // differing pixels once the edges are left out
  std::vector<TBlob> Blobs;    // the largest first, at most MaxBlobs of them
  std::int64_t BlobCount = 0;  // all of them
  static constexpr std::size_t MaxBlobs = 20;
};

// Compares two pictures of Width pixels a row given row by row from the top,
// so that neither needs to be whole in memory: a picture read back can be
// decoded straight into the comparison. Only three rows of differences are
// kept; what survives the edge is kept as runs, which a difference makes few of.
class TRowComparison {
 public:
  explicit TRowComparison(int Width);
  // The next row of each picture; where Ignore (may be null) is drawn
  // nothing is compared.
  void AddRow(const std::uint8_t* Expected, const std::uint8_t* Read, const std::uint8_t* Ignore);
  TComparison Finish();

 private:
  struct TRun {
    int Row, From, To;  // pixels To inclusive
    std::uint32_t Parent;
  };
  void ErodeMiddleRow();
  void AddRun(int From, int To);
  std::uint32_t Root(std::uint32_t I);

  int Width;
  int Rows = 0;                       // rows added
  std::vector<std::uint8_t> Diff[3];  // the last three rows of differences, 0 or 1
  bool DiffAny[3] = {false, false, false};
  std::vector<std::uint8_t> Vertical;  // the three rows ANDed
  std::vector<TRun> Runs;
  std::size_t PrevRowBegin = 0, RowBegin = 0;  // the runs of the row above and of this row
};

// Expected and Read are pictures of the same size; where Ignore is drawn
// nothing is compared. An Ignore of no pixels ignores nothing.
TComparison ComparePictures(const TRaster& Expected, const TRaster& Read, const TRaster& Ignore);

}  // namespace quillon::check
