// SPDX-License-Identifier: MIT
#pragma once
// Loading a plot file the same way in every command: the reader's own
// messages through the board's prompts, then one line on stderr for what went
// wrong, prefixed "quillon-cli: PLOT: " with the file name as given.

#include <optional>
#include <string>

namespace quillon {
class TPcb;
}

namespace quillon::cli {

// Loads FileName into Pcb. Returns the load's result (false: unrecognised
// tags were skipped, after a one-line warning), or nullopt when the command
// must stop with ExitFailure: the load stopped with an error (printed with
// its byte offset when known) or the file has no plot signature.
std::optional<bool> LoadPlotFile(TPcb& Pcb, const std::string& FileName);

}  // namespace quillon::cli
