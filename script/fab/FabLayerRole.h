#pragma once
// What a plot layer is for in the fab profile, from the user's layer choices:
// it decides the file function attribute, the aperture of a flash and the
// function attribute of each aperture.

#include <cstdint>
#include <string_view>

namespace quillon {
struct TPinRecord;
class TScriptingPcb;
}  // namespace quillon

namespace quillon::fab {

enum class TLayerRole : std::uint8_t { Other, PadTop, PadBottom, MaskTop, MaskBottom, Drill };

// When one layer was chosen for several roles, the later of pads top, pads
// bottom, mask top, mask bottom, drill wins, as it does for the flashes of
// the legacy files: a layer that is both the top pads and the drill layer
// carries holes.
TLayerRole RoleOf(const TScriptingPcb& Board, int L);

// The value of "%TF.FileFunction,...*%".
std::string_view FileFunction(TLayerRole Role);

// The D-code a flash of this pin gets on a layer of Role; 0: no flash.
std::int32_t FlashDCode(const TPinRecord& Row, TLayerRole Role);

enum class TAperFunction : std::uint8_t { None, ComponentPad, Conductor, OtherDrawing };
constexpr int AperFunctionCount = 4;

// The function of an aperture used for a flash or a stroke on a layer of
// Role, as far as it is known: the plot file does not tell a via from a
// component pin, so every pad is a component pad; on the mask layers the
// purpose of a stroke is unknown and no function is given.
TAperFunction FunctionOf(TLayerRole Role, bool Flash);

// The value of "%TA.AperFunction,...*%"; empty for None.
std::string_view AperFunctionText(TAperFunction Function);

}  // namespace quillon::fab
