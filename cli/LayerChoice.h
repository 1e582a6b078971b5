// SPDX-License-Identifier: MIT
#pragma once
// Which plot layers carry the top pads, bottom pads, masks and drills: chosen
// by name as the window preselects them, or given on the command line.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quillon {
class TLayers;
}

namespace quillon::cli {

struct TLayerRoles {
  std::uint8_t PadTop = 0;
  std::uint8_t PadBottom = 0;
  std::uint8_t MaskTop = 0;
  std::uint8_t MaskBottom = 0;
  std::uint8_t Drill = 0;
};

// The window's preselection: a layer whose upper-cased name is exactly "COMP",
// "SOLDER", "MSKGTP", "MSKGBT" or "PIN" takes that role; when several match,
// the last wins; a role without a match stays 0.
TLayerRoles PreselectLayerRoles(const TLayers& Layers);

// A layer given on the command line: a decimal number is a layer index (0 to
// 255, as the board stores it; an index without a layer is passed on and the
// writers leave that role empty), anything else a layer name compared without
// letter case, the last match winning as in the preselection. The error text
// says what is wrong when the value names no layer.
std::variant<std::uint8_t, std::string> ResolveLayer(const TLayers& Layers, std::string_view Text);

}  // namespace quillon::cli
