// SPDX-License-Identifier: MIT
#pragma once
// What a plot layer is for. The conversion knows five roles, chosen by the
// user (or preselected by the layers' names); everything that depends on a
// layer's purpose (which flashes a layer file receives, the file function of
// a fab file, the colour of the preview) asks here. The fab package knows
// three more (silkscreen top and bottom, board outline) that only its files
// use: the legacy writers never see them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/Pcb.h"
#include "pins/Pins.h"

namespace quillon {

class TScriptingPcb;

enum class TLayerRole : std::uint8_t {
  Other,
  PadTop,
  PadBottom,
  MaskTop,
  MaskBottom,
  Drill,
  SilkTop,
  SilkBottom,
  Outline,
};

// The roles of the conversion, in the order of the window's lists and of the
// board's PadTopLayer, PadBottomLayer, MaskTopLayer, MaskBottomLayer,
// DrillLayer: when one layer is chosen for several roles, the later wins.
constexpr std::array<TLayerRole, 5> ConversionRoles = {TLayerRole::PadTop, TLayerRole::PadBottom,
                                                       TLayerRole::MaskTop, TLayerRole::MaskBottom,
                                                       TLayerRole::Drill};

// The roles only the fab package uses, in the order in which a later one wins
// when one layer is chosen for several; none is set unless chosen or
// preselected by name.
constexpr std::array<TLayerRole, 3> PackageRoles = {TLayerRole::SilkTop, TLayerRole::SilkBottom,
                                                    TLayerRole::Outline};

// The layer name that preselects a role: "COMP", "SOLDER", "MSKGTP",
// "MSKGBT", "PIN"; empty for Other.
std::string_view DefaultLayerName(TLayerRole Role);

// The role a layer of this name is preselected for, compared in ASCII upper
// case; Other when the name preselects none.
TLayerRole RoleOfLayerName(std::string_view Name);

// The package role a layer of this name is preselected for, compared in ASCII
// upper case: SILK, SILKTOP, TOPSILK, LEGEND -> SilkTop; SILKBOT, SILKBOTTOM,
// BOTSILK -> SilkBottom; BOARD, OUTLINE, BRD, PROFILE -> Outline; else Other.
TLayerRole PackageRoleOfLayerName(std::string_view Name);

// The layer preselected for Role (a conversion or a package role): the last
// one up to MaxIndex whose name preselects it; none when no name matches.
std::optional<int> PreselectLayer(const TLayers& Layers, TLayerRole Role, int MaxIndex);

// The role of layer L by the board's choices, the later role winning.
TLayerRole RoleOf(const TScriptingPcb& Board, int L);

// The role of layer L in the fab package: its conversion role, else the
// last package role it was chosen for. With an outline drawn from the
// extents no layer is the outline.
TLayerRole FabRoleOf(const TScriptingPcb& Board, int L);

// The layer chosen for a package role; none when not set.
std::optional<std::uint8_t> ChosenPackageLayer(const TScriptingPcb& Board, TLayerRole Role);

// The chosen layer of Role on the board (one of its five layer fields).
std::uint8_t ChosenLayer(const TScriptingPcb& Board, TLayerRole Role);
void ChooseLayer(TScriptingPcb& Board, TLayerRole Role, std::uint8_t L);

// The D-code a flash of this pin row gets on a layer of Role; 0: no flash.
// Mask D-codes are always 0: mask layers get no flashes, and a pin without a
// pad shape is flashed on the drill layer only.
std::int32_t FlashDCode(const TPinRecord& Row, TLayerRole Role);

// "copper-top", "copper-bottom", "mask-top", "mask-bottom", "drill",
// "silk-top", "silk-bottom", "outline", "other".
std::string_view RoleId(TLayerRole Role);

}  // namespace quillon
