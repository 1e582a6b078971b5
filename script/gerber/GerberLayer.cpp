// SPDX-License-Identifier: MIT
#include "script/gerber/GerberSyntax.h"
#include "script/ScriptPcb.h"

namespace quillon {

namespace {

// Each layer is written in its own list, swapped in as Output while it is
// written and swapped back when it is finished: a big layer is millions of
// lines (no copy), and a list that streams to its file keeps streaming there.
// Output is the main list again in between.
void SwapInLayer(TTextLines& Output, std::vector<TTextLines>& LayerOutputs, int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= LayerOutputs.size()) return;
  std::swap(LayerOutputs[static_cast<std::size_t>(Index)], Output);
}

void MoveFinishedLayer(TTextLines& Output, std::vector<TTextLines>& LayerOutputs, int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= LayerOutputs.size()) return;
  TTextLines& List = LayerOutputs[static_cast<std::size_t>(Index)];
  std::swap(List, Output);
  Output.Clear();
  List.Add("M02*");
}

// About as many lines as layer L can take with every item kind switched on,
// so that a big layer's text is not copied again and again while it grows.
// Only what is written is touched: reserving more costs address space only.
std::size_t LineEstimate(const TScriptingPcb& Pcb, int L) {
  const TLayer& Layer = Pcb.Layers.Items(L);
  std::size_t Lines = 16 + static_cast<std::size_t>(Pcb.Apertures.Count());
  for (const TPcbComplexPolygon& Polygon : Layer.Polygons) {
    Lines += 3 + 5 * static_cast<std::size_t>(Polygon.Circles.Count());
    for (const TPoligonOutLine& OutLine : Polygon.OutLines)
      Lines += 4 + static_cast<std::size_t>(OutLine.Lines.Count());
  }
  Lines += 7 * static_cast<std::size_t>(Layer.Lines.Count());
  Lines += 5 * static_cast<std::size_t>(Layer.Arcs.Count());
  // Only a layer with a flash role receives the drill layer's flashes. What
  // is reserved stays with the finished layer, so a board of many layers must
  // not reserve room for every flash in every layer.
  const bool FlashRole = L == Pcb.PadTopLayer || L == Pcb.PadBottomLayer || L == Pcb.DrillLayer;
  if (FlashRole && Pcb.DrillLayer < Pcb.Layers.Count())
    Lines += 2 * static_cast<std::size_t>(Pcb.Layers.Items(Pcb.DrillLayer).Flashes.Count());
  return Lines;
}

}  // namespace

void TScriptingPcb::BeginGerberLayer(int L) {
  if (L > 0) MoveFinishedLayer(Output, LayerOutputs, L - 1);
  SwapInLayer(Output, LayerOutputs, L);
  WriteProlog(fmtGerber);
  const bool IsLayer = L >= 0 && L < Layers.Count();
  if (IsLayer) {
    const std::size_t Lines = LineEstimate(*this, L);
    Output.Reserve(Lines, Lines * 24);
  }
  WriteGerberApertures();
  const std::string_view Name = IsLayer ? std::string_view(Layers.Items(L).Name) : "";
  LineBuilder(Output) << "%LN" << TGerberText{Name} << "*%";
  Output.Add("%LPD*%");
}

// Output is left empty: the last layer's text moved into its list.
void TScriptingPcb::FinishGerberLayers() {
  if (Layers.Count() > 0) MoveFinishedLayer(Output, LayerOutputs, Layers.Count() - 1);
}

}  // namespace quillon
