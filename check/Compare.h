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
  std::int64_t Pixels = 0;      // differing pixels once the edges are left out
  std::vector<TBlob> Blobs;     // the largest first, at most MaxBlobs of them
  std::int64_t BlobCount = 0;   // all of them
  static constexpr std::size_t MaxBlobs = 20;
};

// Expected and Read are pictures of the same size; where Ignore is drawn
// nothing is compared.
TComparison ComparePictures(const TRaster& Expected, const TRaster& Read, const TRaster& Ignore);

}  // namespace quillon::check
