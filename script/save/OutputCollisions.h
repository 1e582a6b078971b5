// SPDX-License-Identifier: MIT
#pragma once
// Two files of one save that would land on the same name: the second would
// silently replace the first. Names are compared byte for byte and under ASCII
// case folding, since Windows and macOS folders fold letter case.

#include <optional>
#include <string>
#include <vector>

#include "model/Pcb.h"
#include "script/save/OutputFiles.h"
#include "save/SaveError.h"

namespace quillon {

// The save is refused before anything is written; what() names both files,
// e.g. `layer 1 "1X" and layer 11 "X" would both be written to 11X.gbr`.
class TOutputCollision : public TSaveError {
 public:
  TOutputCollision(const std::string& FileName, const std::string& Message)
      : TSaveError(TWholeMessage{}, FileName, Message) {}
};

// The message for the first pair of Files that would share a name, or nullopt.
// Layer names come from Layers.
std::optional<std::string> FindOutputCollision(const std::vector<TOutputFile>& Files,
                                               const TLayers& Layers);

}  // namespace quillon
