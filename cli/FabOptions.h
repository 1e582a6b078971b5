// SPDX-License-Identifier: MIT
#pragma once
// The command line's options of the fab package: the extra layer roles, the
// outline drawn from the extents, the file names and the zip archive.

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace quillon {
class TScriptingPcb;
}

namespace quillon::cli {

struct TFabArgs {
  // A role given on the command line (index, name or "none"); nullopt: by name.
  std::optional<std::string> SilkTop, SilkBottom, Outline;
  bool OutlineFromExtents = false;
  std::optional<std::string> Names;  // "protel" or "indexed"
  std::string Zip;
};

void AddFabOptions(CLI::App& Sub, TFabArgs& Args);

// The usage error of a fab option given without the fab profile; empty when
// none.
std::string CheckFabOptions(const TFabArgs& Args, bool FabProfile);

// Sets the package's roles, names, archive, project name and creation date on
// the board; the error names the option whose value names no layer.
std::string ApplyFabOptions(const TFabArgs& Args, const std::string& Plot, TScriptingPcb& Pcb);

// "quillon-cli: wrote FILE.zip: N bytes" on standard error.
void PrintZipSummary(const std::string& ZipPath);

}  // namespace quillon::cli
