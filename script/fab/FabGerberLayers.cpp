#include <string>
#include <vector>

#include "script/ScriptPcb.h"
#include "script/fab/ExcellonWriter.h"
#include "script/fab/FabGerberWriter.h"

namespace quillon {

void TScriptingPcb::WriteFabGerberLayers(std::uint8_t Options) {
  if (LayerOutputs.size() < static_cast<std::size_t>(Layers.Count()))
    LayerOutputs.resize(static_cast<std::size_t>(Layers.Count()));
  // The drill layer's file decides which flashes are holes, so the drill
  // file follows the answers given for it and asks nothing of its own.
  std::vector<fab::TDrillHole> Holes;
  for (int L = 0; L < Layers.Count(); ++L)
    fab::TFabGerberWriter(*this, L).Write(Options, LayerOutputs[static_cast<std::size_t>(L)],
                                          Holes);
  DrillOutput.Clear();
  if (ExcellonDrill) fab::WriteExcellon(Holes, DrillOutput);
}

std::string TScriptingPcb::DrillFileName(const std::string& FileName) const {
  const std::size_t NameStart =
      FileName.rfind('/') == std::string::npos ? 0 : FileName.rfind('/') + 1;
  const std::size_t Dot = FileName.rfind('.');
  // A leading dot starts a name, not an extension.
  const bool HasExtension = Dot != std::string::npos && Dot > NameStart;
  std::string Name = FileName.substr(0, HasExtension ? Dot : FileName.size()) + ".drl";
  // A main file that is itself named ".drl" must not be replaced by the drill file.
  if (Name == FileName) Name += ".drl";
  return Name;
}

}  // namespace quillon
