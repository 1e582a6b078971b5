// SPDX-License-Identifier: MIT
#pragma once
// Checks the main file of a conversion, a CAM350 macro or a Genesis script,
// with our own reader of their commands: layer by layer, the picture of what
// the file draws against the picture of what it should draw.

#include <string>
#include <vector>

#include "check/CheckRun.h"
#include "check/Raster.h"

namespace quillon::check::scripts {

struct TScriptCheck {
  const TScriptingPcb& Board;
  std::uint8_t Items = coAll;
  TWindow View;
  double TolerancePx = 2;
  std::string PictureFolder;     // none when empty
  bool GerberConversion = false;  // the macro beside Gerber files: texts only
};

// One result per layer of the board (and per layer the file draws on that
// the board does not have), each naming the file and the layer; a result of
// the whole file first when it is missing or holds lines the reader cannot
// read.
std::vector<TFileResult> CheckScriptFile(const TScriptCheck& C, const TOutputFile& File);

}  // namespace quillon::check::scripts
