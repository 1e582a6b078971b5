// SPDX-License-Identifier: MIT
#pragma once
// Turns the items of a loaded board into drawing primitives in millimetres.
// Coordinates are multiplied by the chosen DBU factor, as every writer does;
// pad and hole sizes come from the pin table, already in millimetres.

#include <vector>

#include "font/TextStrokes.h"
#include "model/Pcb.h"
#include "preview/Primitives.h"

namespace quillon {
class TPins;
}

namespace quillon::preview {

// Strokes narrower than this are drawn one device pixel wide.
constexpr double HairlineBelowMm = 0.01;
// Diameter of the mark of a flash whose pin has no description row.
constexpr double UndefinedPinMarkMm = 1.0;
// Pad and hole sizes beyond this are not believable and are drawn as 0.
constexpr double MaxPinSizeMm = 10000.0;

struct TRenderOptions {
  double Scale = 0.01;          // millimetres per database unit, finite and > 0
  const TPins* Pins = nullptr;  // null: no description, every flash is marked
};

class TBoardRenderer {
 public:
  TBoardRenderer(const TPcb& Board, const TRenderOptions& Options);

  // Every item of layer L in the order the Gerber output lays them down:
  // polygons, filled rectangles, flashes, lines and rectangles, arcs; then
  // texts. An index that is not a layer draws nothing.
  void RenderLayer(int L, TPrimitiveSink& Sink);
  // One item; a reference to no item draws nothing.
  void RenderItem(const TItemRef& Item, TPrimitiveSink& Sink);
  // The box of what RenderItem draws; empty for nothing.
  TBoxMm ItemBounds(const TItemRef& Item);

  // Calls Fn(const TItemRef&) for every item of layer L in drawing order.
  template <class Fn>
  static void ForEachItem(const TLayer& Layer, int L, Fn&& F);

  const TPcb& Board() const { return Pcb; }
  const TRenderOptions& Options() const { return Opt; }

 private:
  void RenderLine(const TItemRef& Item, const TPcbLine& Line, TPrimitiveSink& Sink);
  void RenderArc(const TItemRef& Item, const TPcbArc& Arc, TPrimitiveSink& Sink);
  void RenderText(const TItemRef& Item, const TPcbText& Text, TPrimitiveSink& Sink);
  void RenderFlash(const TItemRef& Item, const TPcbFlash& Flash, TPrimitiveSink& Sink);
  void RenderPolygon(const TItemRef& Item, const TPcbComplexPolygon& Polygon, TPrimitiveSink& Sink);
  TPointMm Mm(std::int32_t X, std::int32_t Y) const { return {X * Opt.Scale, Y * Opt.Scale}; }
  double StrokeWidth(std::int32_t Width) const;

  const TPcb& Pcb;
  TRenderOptions Opt;
  // Reused from item to item: a big board has a million of them.
  std::vector<TPointMm> Points;
  std::vector<std::uint32_t> RingEnds;
  std::vector<TCircleMm> Voids;
  font::TTextStrokes Letters;
};

// The item at Index of List, or nullptr when there is none.
template <class T>
const T* FindItem(const TCollection<T>& List, std::int32_t Index) {
  return Index >= 0 && Index < List.Count() ? &List.Items(Index) : nullptr;
}

// What a line of the board is by its Kind.
TItemKind LineItemKind(const TPcbLine& Line);

template <class Fn>
void TBoardRenderer::ForEachItem(const TLayer& Layer, int L, Fn&& F) {
  for (int I = 0; I < Layer.Polygons.Count(); ++I) F(TItemRef{L, TItemKind::Polygon, I});
  for (int I = 0; I < Layer.Lines.Count(); ++I)
    if (Layer.Lines.Items(I).Kind == kindFilledRectangle)
      F(TItemRef{L, TItemKind::FilledRectangle, I});
  for (int I = 0; I < Layer.Flashes.Count(); ++I) F(TItemRef{L, TItemKind::Flash, I});
  for (int I = 0; I < Layer.Lines.Count(); ++I) {
    const TItemKind Kind = LineItemKind(Layer.Lines.Items(I));
    if (Kind != TItemKind::FilledRectangle) F(TItemRef{L, Kind, I});
  }
  for (int I = 0; I < Layer.Arcs.Count(); ++I) F(TItemRef{L, TItemKind::Arc, I});
  for (int I = 0; I < Layer.Texts.Count(); ++I) F(TItemRef{L, TItemKind::Text, I});
}

// Rank of a kind in the drawing order of a layer (later ranks lie on top).
int DrawRank(TItemKind Kind);

}  // namespace quillon::preview
