// SPDX-License-Identifier: MIT
#pragma once
// A uniform grid of the items' boxes, one per layer, so that a view of a
// board with a million items visits only what it shows. An item sits in the
// cell of its box's centre; the cell size is at least the extent of nearly
// every item, so a query looks half a cell further in every direction, and
// the few larger items are kept in a list that every query checks.

#include <atomic>
#include <cmath>
#include <cstdint>
#include <vector>

#include "preview/BoardRenderer.h"

namespace quillon::preview {

// How many items a build passes between two looks at its Stop flag.
constexpr std::size_t StopCheckItems = 4096;

// Single precision halves the index; boxes are widened by a relative step so
// that rounding never loses an item.
struct TBoxF {
  float Left = 0, Bottom = 0, Right = 0, Top = 0;
  double Width() const { return static_cast<double>(Right) - Left; }
  double Height() const { return static_cast<double>(Top) - Bottom; }
};

class TLayerIndex {
 public:
  // Returns false, leaving the index empty, when Stop (if given) turned true
  // meanwhile: a view that no longer needs the index does not wait for it.
  bool Build(TBoardRenderer& Renderer, int L, const std::atomic<bool>* Stop = nullptr);

  // Calls F(const TItemRef&, const TBoxF&) for every item whose box meets
  // Box, in no particular order.
  template <class Fn>
  void Query(const TBoxMm& Box, Fn&& F) const;

  int Layer() const { return LayerIndex; }
  std::size_t Count() const { return Keys.size(); }
  const TBoxMm& Bounds() const { return AllBounds; }
  int Columns() const { return Cols; }
  int RowCount() const { return Rows; }
  std::size_t LargeCount() const { return Keys.size() - LargeBegin; }

  static std::uint32_t Pack(TItemKind Kind, std::int32_t Index) {
    return static_cast<std::uint32_t>(Kind) << KindShift | static_cast<std::uint32_t>(Index);
  }
  TItemRef Unpack(std::uint32_t Key) const {
    return {LayerIndex, static_cast<TItemKind>(Key >> KindShift),
            static_cast<std::int32_t>(Key & IndexMask)};
  }

 private:
  static constexpr int KindShift = 29;
  static constexpr std::uint32_t IndexMask = (1u << KindShift) - 1;

  template <class Fn>
  void Visit(std::size_t Begin, std::size_t End, const TBoxMm& Box, Fn& F) const;
  int CellColumn(double X) const;
  int CellRow(double Y) const;

  int LayerIndex = 0;
  std::vector<std::uint32_t> Keys;       // grouped by cell, large items last
  std::vector<TBoxF> Boxes;              // beside Keys
  std::vector<std::uint32_t> CellStart;  // Cols * Rows + 1 offsets into Keys
  std::size_t LargeBegin = 0;
  TBoxMm AllBounds;
  double OriginX = 0, OriginY = 0, CellSize = 1;
  int Cols = 1, Rows = 1;
};

class TBoardIndex {
 public:
  // As TLayerIndex::Build: false, and no layers, when stopped.
  bool Build(const TPcb& Board, const TRenderOptions& Options,
             const std::atomic<bool>* Stop = nullptr);
  void Clear() { Layers.clear(); }
  int LayerCount() const { return static_cast<int>(Layers.size()); }
  const TLayerIndex& Layer(int L) const { return Layers[static_cast<std::size_t>(L)]; }
  TBoxMm Bounds() const;
  std::size_t ItemCount() const;

 private:
  std::vector<TLayerIndex> Layers;
};

template <class Fn>
void TLayerIndex::Visit(std::size_t Begin, std::size_t End, const TBoxMm& Box, Fn& F) const {
  for (std::size_t I = Begin; I < End; ++I) {
    const TBoxF& B = Boxes[I];
    if (B.Left <= Box.Right && Box.Left <= B.Right && B.Bottom <= Box.Top && Box.Bottom <= B.Top)
      F(Unpack(Keys[I]), B);
  }
}

template <class Fn>
void TLayerIndex::Query(const TBoxMm& Box, Fn&& F) const {
  if (Keys.empty() || Box.Empty() || !Box.Intersects(AllBounds)) return;
  const double Reach = CellSize / 2;
  const int C0 = CellColumn(Box.Left - Reach), C1 = CellColumn(Box.Right + Reach);
  const int R0 = CellRow(Box.Bottom - Reach), R1 = CellRow(Box.Top + Reach);
  for (int R = R0; R <= R1; ++R) {
    const std::size_t Row = static_cast<std::size_t>(R) * static_cast<std::size_t>(Cols);
    Visit(CellStart[Row + static_cast<std::size_t>(C0)],
          CellStart[Row + static_cast<std::size_t>(C1) + 1], Box, F);
  }
  Visit(LargeBegin, Keys.size(), Box, F);
}

}  // namespace quillon::preview
