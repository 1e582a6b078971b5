// SPDX-License-Identifier: MIT
#pragma once
// The fixed colours of the preview. A layer's role is the one chosen for it
// where the front end knows the choices; otherwise it is found from its name
// by the same default names the conversion preselects its layers by
// (script/LayerRoles.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Pcb.h"
#include "script/LayerRoles.h"

namespace quillon::preview {

struct TRgb {
  std::uint8_t R = 0, G = 0, B = 0;
  bool operator==(const TRgb&) const = default;
};

constexpr TRgb BackgroundColour{16, 20, 26};
constexpr TRgb UndefinedPinColour{255, 0, 255};
// Layers are laid over each other at this opacity so that lower ones show.
constexpr double LayerOpacity = 0.75;

// The colour of layer L: by role; layers of no role take turns through a few
// colours in board order, so that neighbours differ.
TRgb LayerColour(const TPcb& Board, int L);
// The same with the role of each layer given (index = layer).
TRgb LayerColour(const std::vector<TLayerRole>& Roles, int L);
// The role of each layer by its name.
std::vector<TLayerRole> RolesByName(const TPcb& Board);

// The order layers are laid down in, as seen from the top: bottom mask and
// copper first, then top mask and copper, then the drill layer, then layers
// of no role (silk screen and the like) on top; board order within a role.
std::vector<int> StackingOrder(const TPcb& Board);
// The same with the role of each layer given: bottom silkscreen above bottom
// copper, top silkscreen above the drill layer, the outline above them all.
std::vector<int> StackingOrder(const std::vector<TLayerRole>& Roles);

// "#rrggbb"
void AppendHexColour(std::string& Out, TRgb Colour);
std::string HexColour(TRgb Colour);

}  // namespace quillon::preview
