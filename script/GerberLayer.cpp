#include "script/ScriptPcb.h"

namespace quillon {

namespace {

// A finished layer's text moves into its list (a big layer is millions of
// lines: no copy), and the list it had becomes the next layer's buffer.
void MoveFinishedLayer(TTextLines& Output, std::vector<TTextLines>& LayerOutputs, int Index) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= LayerOutputs.size()) return;
  TTextLines& List = LayerOutputs[static_cast<std::size_t>(Index)];
  std::swap(List, Output);
  Output.Clear();
  List.Add("M02*");
}

}  // namespace

void TScriptingPcb::BeginGerberLayer(int L) {
  if (L > 0) MoveFinishedLayer(Output, LayerOutputs, L - 1);
  WriteProlog(fmtGerber);
  WriteGerberApertures();
  const std::string_view Name = L >= 0 && L < Layers.Count() ? std::string_view(Layers.Items(L).Name) : "";
  LineBuilder(Output) << "%LN" << Name << "*%";
  Output.Add("%LPD*%");
}

void TScriptingPcb::FinishGerberLayers() {
  if (Layers.Count() > 0) MoveFinishedLayer(Output, LayerOutputs, Layers.Count() - 1);
}

}  // namespace quillon
