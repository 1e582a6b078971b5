// SPDX-License-Identifier: MIT
#include "cli/ItemSwitches.h"

#include "script/ScriptPcb.h"
#include "text/AsciiCase.h"

namespace quillon::cli {

namespace {

std::optional<std::uint8_t> SwitchOf(const std::string& Word) {
  if (Word == "pads") return coPads;
  if (Word == "lines") return coLines;
  if (Word == "arcs") return coArcs;
  if (Word == "text") return coText;
  if (Word == "polygons") return coPolygons;
  return std::nullopt;
}

}  // namespace

std::optional<std::uint8_t> ParseItemSwitches(std::string_view List) {
  const std::string Lower = LowerAscii(List);
  if (Lower == "none") return std::uint8_t{0};
  std::uint8_t Options = 0;
  std::size_t Start = 0;
  for (;;) {
    const std::size_t Comma = Lower.find(',', Start);
    const std::optional<std::uint8_t> Switch = SwitchOf(Lower.substr(Start, Comma - Start));
    if (!Switch) return std::nullopt;
    Options |= *Switch;
    if (Comma == std::string::npos) return Options;
    Start = Comma + 1;
  }
}

}  // namespace quillon::cli
