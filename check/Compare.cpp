// SPDX-License-Identifier: MIT
#include "check/Compare.h"

#include <algorithm>

namespace quillon::check {

namespace {

// 1 where the pictures differ and the place is compared.
TRaster Differences(const TRaster& Expected, const TRaster& Read, const TRaster& Ignore) {
  TRaster D(Expected.Width, Expected.Height);
  for (std::size_t I = 0; I < D.Px.size(); ++I)
    D.Px[I] = ((Expected.Px[I] >= 128) != (Read.Px[I] >= 128)) && Ignore.Px[I] < 128;
  return D;
}

// Keeps a pixel only when it and its eight neighbours all differ.
TRaster Erode(const TRaster& D) {
  TRaster E(D.Width, D.Height);
  for (int Y = 1; Y + 1 < D.Height; ++Y)
    for (int X = 1; X + 1 < D.Width; ++X) {
      if (!D.At(X, Y)) continue;
      bool All = true;
      for (int Dy = -1; Dy <= 1 && All; ++Dy)
        for (int Dx = -1; Dx <= 1 && All; ++Dx) All = D.At(X + Dx, Y + Dy) != 0;
      E.At(X, Y) = All;
    }
  return E;
}

// The blob of eight-connected pixels at (X, Y), cleared from E as it is taken.
TBlob TakeBlob(TRaster& E, int X, int Y, std::vector<std::pair<int, int>>& Stack) {
  TBlob B{0, X, Y, X, Y};
  Stack.assign(1, {X, Y});
  E.At(X, Y) = 0;
  while (!Stack.empty()) {
    const auto [Px, Py] = Stack.back();
    Stack.pop_back();
    ++B.Pixels;
    B.Left = std::min(B.Left, Px);
    B.Right = std::max(B.Right, Px);
    B.Top = std::min(B.Top, Py);
    B.Bottom = std::max(B.Bottom, Py);
    for (int Dy = -1; Dy <= 1; ++Dy)
      for (int Dx = -1; Dx <= 1; ++Dx) {
        const int Nx = Px + Dx, Ny = Py + Dy;
        if (Nx < 0 || Ny < 0 || Nx >= E.Width || Ny >= E.Height || !E.At(Nx, Ny)) continue;
        E.At(Nx, Ny) = 0;
        Stack.push_back({Nx, Ny});
      }
  }
  return B;
}

}  // namespace

preview::TBoxMm TBlob::BoxMm(const TWindow& View) const {
  preview::TBoxMm Box;
  Box.Add({View.MmX(Left - 1), View.MmY(Bottom + 2)});
  Box.Add({View.MmX(Right + 2), View.MmY(Top - 1)});
  return Box;
}

TComparison ComparePictures(const TRaster& Expected, const TRaster& Read, const TRaster& Ignore) {
  TComparison C;
  TRaster E = Erode(Differences(Expected, Read, Ignore));
  std::vector<std::pair<int, int>> Stack;
  for (int Y = 0; Y < E.Height; ++Y)
    for (int X = 0; X < E.Width; ++X) {
      if (!E.At(X, Y)) continue;
      const TBlob B = TakeBlob(E, X, Y, Stack);
      C.Pixels += B.Pixels;
      ++C.BlobCount;
      C.Blobs.push_back(B);
      if (C.Blobs.size() > 4 * TComparison::MaxBlobs) {
        std::sort(C.Blobs.begin(), C.Blobs.end(),
                  [](const TBlob& A, const TBlob& B) { return A.Across() > B.Across(); });
        C.Blobs.resize(TComparison::MaxBlobs);
      }
    }
  std::sort(C.Blobs.begin(), C.Blobs.end(),
            [](const TBlob& A, const TBlob& B) { return A.Across() > B.Across(); });
  if (C.Blobs.size() > TComparison::MaxBlobs) C.Blobs.resize(TComparison::MaxBlobs);
  return C;
}

}  // namespace quillon::check
