// SPDX-License-Identifier: MIT
#pragma once
// The job file of the fab package: one JSON document that tells a board
// house what the package is (project, board size, copper layer count) and
// what each of its files holds, so that nothing has to be guessed from names.

#include <string>
#include <vector>

#include "script/save/OutputFiles.h"
#include "text/TextLines.h"

namespace quillon {
class TScriptingPcb;
}

namespace quillon::fab {

struct TJobEntry {
  std::string Path;          // as seen from the job file: a name in the same folder
  std::string FileFunction;  // the X2 file function
};

// The X2 file function of a file of the save, e.g. "Copper,L1,Top" or
// "Plated,1,2,PTH"; empty for the main output and the job file itself.
std::string X2FunctionOf(const TScriptingPcb& Board, const TOutputFile& File);

// Writes the job file listing Files into Out, one JSON line per line.
void WriteJobFile(const TScriptingPcb& Board, const std::vector<TJobEntry>& Files, TTextLines& Out);

}  // namespace quillon::fab
