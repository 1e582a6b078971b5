// SPDX-License-Identifier: MIT
#pragma once
// What a layer's role means in a fab file: its file function attribute and
// the function attribute of each aperture.

#include <cstdint>
#include <string_view>

#include "script/LayerRoles.h"

namespace quillon::fab {

// The value of "%TF.FileFunction,...*%".
std::string_view FileFunction(TLayerRole Role);

enum class TAperFunction : std::uint8_t {
  None,
  ComponentPad,
  Conductor,
  NonConductor,
  OtherDrawing,
  Profile
};
constexpr int AperFunctionCount = 6;

// The function of an aperture used for a flash or a stroke on a layer of
// Role, as far as it is known: the plot file does not tell a via from a
// component pin, so every pad is a component pad; on the mask and silkscreen
// layers the purpose of a stroke is unknown and no function is given.
TAperFunction FunctionOf(TLayerRole Role, bool Flash);
// The function of the pen that draws texts: on copper, copper that carries
// no current (the format's value for text in copper); elsewhere that of any
// other stroke of the layer.
TAperFunction TextFunctionOf(TLayerRole Role);

// The value of "%TA.AperFunction,...*%"; empty for None.
std::string_view AperFunctionText(TAperFunction Function);

// The file function of the plated or the non-plated drill file (both through
// all of the board's two copper layers).
std::string_view DrillFileFunction(bool Plated);

bool IsCopper(TLayerRole Role);

}  // namespace quillon::fab
