// SPDX-License-Identifier: MIT
#pragma once
// The pins the plot's flashes use that the pin description lacks: what the
// conversion would ask about, listed before it runs.

#include <cstdint>
#include <vector>

#include "script/ScriptPcb.h"

namespace quillon::app {

struct TUndefinedPin {
  std::int32_t PinRow = 0;  // as the question names it
  std::int64_t Flashes = 0;
  std::vector<int> Layers;  // the layers holding its flashes, in order
  // The first of its flashes, for showing it on the board.
  std::int32_t X = 0, Y = 0;
};

// In the order of the pin rows.
std::vector<TUndefinedPin> FindUndefinedPins(const TScriptingPcb& Board);

}  // namespace quillon::app
