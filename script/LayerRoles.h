#pragma once
// What a plot layer is for. The conversion knows five roles, chosen by the
// user (or preselected by the layers' names); everything that depends on a
// layer's purpose (which flashes a layer file receives, the file function of
// a fab file, the colour of the preview) asks here.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/Pcb.h"
#include "pins/Pins.h"

namespace quillon {

class TScriptingPcb;

enum class TLayerRole : std::uint8_t { Other, PadTop, PadBottom, MaskTop, MaskBottom, Drill };

// The roles of the conversion, in the order of the window's lists and of the
// board's PadTopLayer, PadBottomLayer, MaskTopLayer, MaskBottomLayer,
// DrillLayer: when one layer is chosen for several roles, the later wins.
constexpr std::array<TLayerRole, 5> ConversionRoles = {TLayerRole::PadTop, TLayerRole::PadBottom,
                                                       TLayerRole::MaskTop, TLayerRole::MaskBottom,
                                                       TLayerRole::Drill};

// The layer name that preselects a role: "COMP", "SOLDER", "MSKGTP",
// "MSKGBT", "PIN"; empty for Other.
std::string_view DefaultLayerName(TLayerRole Role);

// The role a layer of this name is preselected for, compared in ASCII upper
// case; Other when the name preselects none.
TLayerRole RoleOfLayerName(std::string_view Name);

// The layer preselected for Role: the last one up to MaxIndex whose name
// preselects it; none when no name matches.
std::optional<int> PreselectLayer(const TLayers& Layers, TLayerRole Role, int MaxIndex);

// The role of layer L by the board's choices, the later role winning.
TLayerRole RoleOf(const TScriptingPcb& Board, int L);

// The chosen layer of Role on the board (one of its five layer fields).
std::uint8_t ChosenLayer(const TScriptingPcb& Board, TLayerRole Role);
void ChooseLayer(TScriptingPcb& Board, TLayerRole Role, std::uint8_t L);

// The D-code a flash of this pin row gets on a layer of Role; 0: no flash.
// Mask D-codes are always 0: mask layers get no flashes, and a pin without a
// pad shape is flashed on the drill layer only.
std::int32_t FlashDCode(const TPinRecord& Row, TLayerRole Role);

// "copper-top", "copper-bottom", "mask-top", "mask-bottom", "drill", "other".
std::string_view RoleId(TLayerRole Role);

}  // namespace quillon
