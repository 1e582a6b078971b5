// SPDX-License-Identifier: MIT
#pragma once
// The board at a glance for `quillon-cli info`: the header values, then one
// row per layer with its item counts, as an aligned text table.

#include <string>
#include <string_view>

namespace quillon {
class TPcb;
}

namespace quillon::cli {

std::string BoardSummary(const TPcb& Pcb, const std::string& FileName);

// Bytes read from a plot file for a terminal: printable ASCII as it is, every
// other byte as \xHH, so a name cannot upset the terminal or the columns.
std::string PrintableBytes(std::string_view Bytes);

}  // namespace quillon::cli
