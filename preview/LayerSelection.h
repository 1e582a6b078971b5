// SPDX-License-Identifier: MIT
#pragma once
// Which layers a preview draws, from a list such as "0,COMP,solder": each
// entry is a layer index (digits only) or a layer name in any letter case.

#include <string>
#include <string_view>
#include <vector>

#include "model/Pcb.h"

namespace quillon::preview {

// Fills Layers with the indexes the list names, in list order without
// repeats. Returns false with a message in Error for an empty entry, an index
// beyond the board, or a name no layer has. Names match the file's bytes or
// their UTF-8 reading (names are Windows-1251).
bool SelectLayers(const TPcb& Board, std::string_view List, std::vector<int>& Layers,
                  std::string& Error);

}  // namespace quillon::preview
