// SPDX-License-Identifier: MIT
#include "preview/SpatialIndex.h"

#include <algorithm>
#include <limits>

namespace quillon::preview {

namespace {

// Rows and columns of a grid at most; beyond this the cells outnumber any
// board's items.
constexpr int MaxCellsPerSide = 2048;
// Items per cell the grid aims at.
constexpr double ItemsPerCell = 2.0;

float Down(double V) {
  float F = static_cast<float>(V);
  if (static_cast<double>(F) > V) F = std::nextafter(F, -std::numeric_limits<float>::infinity());
  return F;
}

float Up(double V) {
  float F = static_cast<float>(V);
  if (static_cast<double>(F) < V) F = std::nextafter(F, std::numeric_limits<float>::infinity());
  return F;
}

bool Finite(const TBoxMm& B) {
  return std::isfinite(B.Left) && std::isfinite(B.Right) && std::isfinite(B.Bottom) &&
         std::isfinite(B.Top) && std::fabs(B.Left) < 1e30 && std::fabs(B.Right) < 1e30 &&
         std::fabs(B.Bottom) < 1e30 && std::fabs(B.Top) < 1e30;
}

double Extent(const TBoxF& B) { return std::max(B.Width(), B.Height()); }

// A cell size that most items fit in and that gives about ItemsPerCell items
// per cell over the layer's area.
double ChooseCellSize(const std::vector<TBoxF>& Boxes, const TBoxMm& Bounds) {
  std::vector<float> Extents(Boxes.size());
  for (std::size_t I = 0; I < Boxes.size(); ++I) Extents[I] = static_cast<float>(Extent(Boxes[I]));
  const std::size_t Nth = Extents.size() * 9 / 10;
  std::nth_element(Extents.begin(), Extents.begin() + static_cast<std::ptrdiff_t>(Nth),
                   Extents.end());
  const double Typical = Extents[Nth];
  const double Side = std::max(Bounds.Width(), Bounds.Height());
  const double Area = std::max(Bounds.Width(), Side / MaxCellsPerSide) *
                      std::max(Bounds.Height(), Side / MaxCellsPerSide);
  const double ByCount = std::sqrt(Area * ItemsPerCell / static_cast<double>(Boxes.size()));
  double Size = std::max({Typical, ByCount, Side / MaxCellsPerSide});
  return Size > 0 ? Size : 1.0;
}

}  // namespace

int TLayerIndex::CellColumn(double X) const {
  const double C = std::floor((X - OriginX) / CellSize);
  return static_cast<int>(std::clamp(C, 0.0, static_cast<double>(Cols - 1)));
}

int TLayerIndex::CellRow(double Y) const {
  const double R = std::floor((Y - OriginY) / CellSize);
  return static_cast<int>(std::clamp(R, 0.0, static_cast<double>(Rows - 1)));
}

bool TLayerIndex::Build(TBoardRenderer& Renderer, int L, const std::atomic<bool>* Stop) {
  *this = TLayerIndex();
  LayerIndex = L;
  const TPcb& Board = Renderer.Board();
  if (L < 0 || L >= Board.Layers.Count()) return true;

  std::vector<std::uint32_t> ItemKeys;
  std::vector<TBoxF> ItemBoxes;
  std::size_t Seen = 0;
  bool Stopped = false;
  TBoardRenderer::ForEachItem(Board.Layers.Items(L), L, [&](const TItemRef& Item) {
    // Asked every few thousand items: a stop answers within a millisecond or so.
    if (Stop && ++Seen % StopCheckItems == 0 && Stop->load(std::memory_order_relaxed))
      Stopped = true;
    if (Stopped) return;
    if (static_cast<std::uint32_t>(Item.Index) > IndexMask) return;  // beyond any real board
    const TBoxMm B = Renderer.ItemBounds(Item);
    if (B.Empty() || !Finite(B)) return;
    AllBounds.AddBox(B);
    ItemKeys.push_back(Pack(Item.Kind, Item.Index));
    ItemBoxes.push_back({Down(B.Left), Down(B.Bottom), Up(B.Right), Up(B.Top)});
  });
  if (Stopped) {
    *this = TLayerIndex();
    return false;
  }
  if (ItemKeys.empty()) return true;

  CellSize = ChooseCellSize(ItemBoxes, AllBounds);
  OriginX = AllBounds.Left;
  OriginY = AllBounds.Bottom;
  Cols = std::clamp(static_cast<int>(std::floor(AllBounds.Width() / CellSize)) + 1, 1,
                    MaxCellsPerSide + 1);
  Rows = std::clamp(static_cast<int>(std::floor(AllBounds.Height() / CellSize)) + 1, 1,
                    MaxCellsPerSide + 1);

  // Bucket the items by the cell of their centre; large ones go last.
  const std::size_t CellCount = static_cast<std::size_t>(Cols) * static_cast<std::size_t>(Rows);
  const std::size_t Large = CellCount;
  std::vector<std::uint32_t> CellOf(ItemKeys.size());
  std::vector<std::uint32_t> Counts(CellCount + 1, 0);
  for (std::size_t I = 0; I < ItemKeys.size(); ++I) {
    const TBoxF& B = ItemBoxes[I];
    std::size_t Cell = Large;
    if (Extent(B) <= CellSize) {
      const double X = (static_cast<double>(B.Left) + B.Right) / 2;
      const double Y = (static_cast<double>(B.Bottom) + B.Top) / 2;
      Cell = static_cast<std::size_t>(CellRow(Y)) * static_cast<std::size_t>(Cols) +
             static_cast<std::size_t>(CellColumn(X));
    }
    CellOf[I] = static_cast<std::uint32_t>(Cell);
    ++Counts[Cell];
  }
  CellStart.assign(CellCount + 1, 0);
  for (std::size_t C = 0; C < CellCount; ++C) CellStart[C + 1] = CellStart[C] + Counts[C];
  LargeBegin = CellStart[CellCount];

  Keys.resize(ItemKeys.size());
  Boxes.resize(ItemKeys.size());
  std::vector<std::uint32_t> Next(CellStart.begin(), CellStart.end());
  for (std::size_t I = 0; I < ItemKeys.size(); ++I) {
    const std::uint32_t At = Next[CellOf[I]]++;
    Keys[At] = ItemKeys[I];
    Boxes[At] = ItemBoxes[I];
  }
  return true;
}

bool TBoardIndex::Build(const TPcb& Board, const TRenderOptions& Options,
                        const std::atomic<bool>* Stop) {
  TBoardRenderer Renderer(Board, Options);
  Layers.assign(static_cast<std::size_t>(Board.Layers.Count()), TLayerIndex());
  for (int L = 0; L < Board.Layers.Count(); ++L)
    if (!Layers[static_cast<std::size_t>(L)].Build(Renderer, L, Stop)) {
      Layers.clear();
      return false;
    }
  return true;
}

TBoxMm TBoardIndex::Bounds() const {
  TBoxMm B;
  for (const TLayerIndex& L : Layers) B.AddBox(L.Bounds());
  return B;
}

std::size_t TBoardIndex::ItemCount() const {
  std::size_t N = 0;
  for (const TLayerIndex& L : Layers) N += L.Count();
  return N;
}

}  // namespace quillon::preview
