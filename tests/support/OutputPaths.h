// SPDX-License-Identifier: MIT
#pragma once
// The paths of the Gerber layer files a save to Main writes, in layer order.

#include <string>
#include <vector>

#include "script/ScriptPcb.h"

namespace quillon::test {

inline std::vector<std::string> LayerFilePaths(const TScriptingPcb& Pcb, const std::string& Main) {
  std::vector<std::string> Paths;
  for (const TOutputFile& File : Pcb.OutputFiles(Main))
    if (File.Role == TOutputRole::Layer) Paths.push_back(File.Path);
  return Paths;
}

}  // namespace quillon::test
