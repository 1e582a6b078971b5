// SPDX-License-Identifier: MIT
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "script/ScriptPcb.h"
#include "script/fab/ExcellonWriter.h"
#include "script/fab/FabGerberWriter.h"
#include "script/fab/FabOutline.h"
#include "script/fab/FabProvenance.h"

namespace quillon {

namespace {

// A board with hundreds of bad texts would fill the screen: the first ones
// say what is wrong, the count says how much.
constexpr std::size_t ListedTextWarnings = 20;

void ReportTextWarnings(const TScriptingPcb& Board, const std::vector<std::string>& Warnings) {
  if (Warnings.empty()) return;
  std::string Text = "Texts the fab files could not draw as the board has them:";
  for (std::size_t I = 0; I < Warnings.size() && I < ListedTextWarnings; ++I)
    Text += "\n" + Warnings[I];
  if (Warnings.size() > ListedTextWarnings)
    Text += "\n... and " + std::to_string(Warnings.size() - ListedTextWarnings) + " more.";
  Board.Prompts().NotifyUser(Text);
}

}  // namespace

void TScriptingPcb::WriteFabGerberLayers(std::uint8_t Options) {
  if (LayerOutputs.size() < static_cast<std::size_t>(Layers.Count()))
    LayerOutputs.resize(static_cast<std::size_t>(Layers.Count()));
  // Every file of the board declares the same coordinate format, chosen from
  // the farthest value any of them writes: the bodies come first, the
  // headers after.
  std::optional<fab::TFabOutlineWriter> Outline;
  if (OutlineFromExtents) Outline.emplace(*this);
  std::int64_t Farthest = Outline ? Outline->Farthest() : 0;
  // The drill layer's file decides which flashes are holes, so the drill
  // files follow the answers given for it and ask nothing of their own.
  std::vector<fab::TDrillHole> Holes;
  std::vector<std::unique_ptr<fab::TFabGerberWriter>> Writers;
  std::vector<std::string> Warnings;
  for (int L = 0; L < Layers.Count(); ++L) {
    Writers.push_back(std::make_unique<fab::TFabGerberWriter>(*this, L));
    Writers.back()->WriteBody(Options, Holes);
    Farthest = std::max(Farthest, Writers.back()->Farthest());
    const auto& Of = Writers.back()->Warnings();
    Warnings.insert(Warnings.end(), Of.begin(), Of.end());
  }
  ReportTextWarnings(*this, Warnings);
  const int Digits = fab::IntegerDigitsFor(Farthest);
  for (std::size_t L = 0; L < Writers.size(); ++L) {
    Writers[L]->Finish(Digits, LayerOutputs[L]);
    Writers[L].reset();
  }
  OutlineOutput.Clear();
  if (Outline) Outline->Finish(Digits, OutlineOutput);
  DrillOutput.Clear();
  NonPlatedDrillOutput.Clear();
  if (ExcellonDrill) {
    const std::vector<std::string> Provenance = fab::ProvenanceAttributes(*this);
    fab::WriteExcellon(Holes, true, Provenance, DrillOutput);
    fab::WriteExcellon(Holes, false, Provenance, NonPlatedDrillOutput);
  }
  FabPackageMade = true;
}

}  // namespace quillon
