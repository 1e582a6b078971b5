// SPDX-License-Identifier: MIT
#pragma once
// Reads a Genesis csh script back into what it draws on each layer of its
// matrix: pads, lines, polylines, arcs, surfaces and strings added to the work
// layer and the affected layers. The prologue's shell lines, echo lines and
// comments draw nothing; a COM command the reader does not know is reported
// with its line, never guessed at.

#include <string_view>

#include "check/scripts/DrawnItems.h"

namespace quillon::check::scripts {

TDrawnFile ReadGenesisScript(std::string_view Text);

}  // namespace quillon::check::scripts
