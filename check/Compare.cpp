// SPDX-License-Identifier: MIT
#include "check/Compare.h"

#include <algorithm>
#include <cstring>

namespace quillon::check {

TRowComparison::TRowComparison(int Width) : Width(std::max(0, Width)) {
  for (std::vector<std::uint8_t>& D : Diff) D.assign(static_cast<std::size_t>(this->Width), 0);
  Vertical.assign(static_cast<std::size_t>(this->Width), 0);
}

void TRowComparison::AddRow(const std::uint8_t* Expected, const std::uint8_t* Read,
                            const std::uint8_t* Ignore) {
  const int Slot = Rows % 3;
  std::uint8_t* D = Diff[Slot].data();
  const std::size_t N = static_cast<std::size_t>(Width);
  // Most rows of a file that draws what it should are the same byte for byte.
  bool Any = false;
  if (N > 0 && std::memcmp(Expected, Read, N) != 0) {
    // Dark is 128 and above: the top bit of a sample.
    std::uint8_t Or = 0;
    if (Ignore)
      for (std::size_t X = 0; X < N; ++X)
        Or |= D[X] = static_cast<std::uint8_t>(((Expected[X] ^ Read[X]) & ~Ignore[X]) >> 7);
    else
      for (std::size_t X = 0; X < N; ++X)
        Or |= D[X] = static_cast<std::uint8_t>((Expected[X] ^ Read[X]) >> 7);
    Any = Or != 0;
  }
  if (!Any && DiffAny[Slot]) std::fill(Diff[Slot].begin(), Diff[Slot].end(), 0);
  DiffAny[Slot] = Any;
  ++Rows;
  if (Rows >= 3 && DiffAny[0] && DiffAny[1] && DiffAny[2]) ErodeMiddleRow();
}

// Keeps a pixel of the middle one of the last three rows only when it and its
// eight neighbours all differ; the first and last row and column never do.
void TRowComparison::ErodeMiddleRow() {
  const std::uint8_t* A = Diff[(Rows - 3) % 3].data();
  const std::uint8_t* B = Diff[(Rows - 2) % 3].data();
  const std::uint8_t* C = Diff[(Rows - 1) % 3].data();
  std::uint8_t* V = Vertical.data();
  for (int X = 0; X < Width; ++X) V[X] = A[X] & B[X] & C[X];
  int From = -1;
  for (int X = 1; X + 1 < Width; ++X) {
    const bool Kept = V[X - 1] & V[X] & V[X + 1];
    if (Kept && From < 0) From = X;
    if (!Kept && From >= 0) {
      AddRun(From, X - 1);
      From = -1;
    }
  }
  if (From >= 0) AddRun(From, Width - 2);
}

std::uint32_t TRowComparison::Root(std::uint32_t I) {
  while (Runs[I].Parent != I) {
    Runs[I].Parent = Runs[Runs[I].Parent].Parent;
    I = Runs[I].Parent;
  }
  return I;
}

// Joins the run to the runs of the row above that touch it, corners included.
void TRowComparison::AddRun(int From, int To) {
  const int Row = Rows - 2;
  if (Runs.empty() || Runs.back().Row != Row) {
    const bool Above = !Runs.empty() && Runs.back().Row == Row - 1;
    PrevRowBegin = Above ? RowBegin : Runs.size();
    RowBegin = Runs.size();
  }
  const auto Self = static_cast<std::uint32_t>(Runs.size());
  Runs.push_back({Row, From, To, Self});
  while (PrevRowBegin < RowBegin && Runs[PrevRowBegin].To + 1 < From) ++PrevRowBegin;
  for (std::size_t J = PrevRowBegin; J < RowBegin && Runs[J].From <= To + 1; ++J) {
    const std::uint32_t A = Root(static_cast<std::uint32_t>(J)), B = Root(Self);
    if (A != B) Runs[std::max(A, B)].Parent = std::min(A, B);
  }
}

TComparison TRowComparison::Finish() {
  TComparison C;
  // A blob is named by its first run: the order in which a scan from the top
  // left meets the blobs.
  std::vector<std::int64_t> BlobOf(Runs.size(), -1);
  std::vector<TBlob> All;
  for (std::uint32_t I = 0; I < Runs.size(); ++I) {
    const TRun& R = Runs[I];
    const std::uint32_t Top = Root(I);
    if (BlobOf[Top] < 0) {
      BlobOf[Top] = static_cast<std::int64_t>(All.size());
      All.push_back({0, R.From, R.Row, R.To, R.Row});
    }
    TBlob& B = All[static_cast<std::size_t>(BlobOf[Top])];
    B.Pixels += R.To - R.From + 1;
    B.Left = std::min(B.Left, R.From);
    B.Right = std::max(B.Right, R.To);
    B.Top = std::min(B.Top, R.Row);
    B.Bottom = std::max(B.Bottom, R.Row);
  }
  for (const TBlob& B : All) C.Pixels += B.Pixels;
  C.BlobCount = static_cast<std::int64_t>(All.size());
  std::stable_sort(All.begin(), All.end(),
                   [](const TBlob& A, const TBlob& B) { return A.Across() > B.Across(); });
  if (All.size() > TComparison::MaxBlobs) All.resize(TComparison::MaxBlobs);
  C.Blobs = std::move(All);
  return C;
}

preview::TBoxMm TBlob::BoxMm(const TWindow& View) const {
  preview::TBoxMm Box;
  Box.Add({View.MmX(Left - 1), View.MmY(Bottom + 2)});
  Box.Add({View.MmX(Right + 2), View.MmY(Top - 1)});
  return Box;
}

TComparison ComparePictures(const TRaster& Expected, const TRaster& Read, const TRaster& Ignore) {
  TRowComparison Compare(Expected.Width);
  const bool Ignoring = !Ignore.Px.empty();
  for (int Y = 0; Y < Expected.Height; ++Y) {
    const std::size_t At = static_cast<std::size_t>(Y) * Expected.Width;
    Compare.AddRow(&Expected.Px[At], &Read.Px[At], Ignoring ? &Ignore.Px[At] : nullptr);
  }
  return Compare.Finish();
}

}  // namespace quillon::check
