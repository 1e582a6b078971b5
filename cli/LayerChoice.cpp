// SPDX-License-Identifier: MIT
#include "cli/LayerChoice.h"

#include <charconv>

#include "model/Pcb.h"
#include "script/LayerRoles.h"
#include "text/AsciiCase.h"

namespace quillon::cli {

TLayerRoles PreselectLayerRoles(const TLayers& Layers) {
  TLayerRoles Roles;
  std::uint8_t* Fields[] = {&Roles.PadTop, &Roles.PadBottom, &Roles.MaskTop, &Roles.MaskBottom,
                            &Roles.Drill};
  for (std::size_t R = 0; R < ConversionRoles.size(); ++R)
    // A role is stored as a byte: only the first 256 layers can take one.
    if (const auto L = PreselectLayer(Layers, ConversionRoles[R], 255))
      *Fields[R] = static_cast<std::uint8_t>(*L);
  return Roles;
}

std::variant<std::uint8_t, std::string> ResolveLayer(const TLayers& Layers, std::string_view Text) {
  const bool Numeric =
      !Text.empty() && Text.find_first_not_of("0123456789") == std::string_view::npos;
  if (Numeric) {
    unsigned Index = 0;
    const auto R = std::from_chars(Text.data(), Text.data() + Text.size(), Index);
    if (R.ec != std::errc() || Index > 255)
      return "layer index " + std::string(Text) + " is above 255";
    return static_cast<std::uint8_t>(Index);
  }
  const std::string Wanted = UpperAscii(Text);
  int Found = -1;
  for (int I = 0; I < Layers.Count() && I <= 255; ++I)
    if (UpperAscii(Layers.Items(I).Name) == Wanted) Found = I;
  if (Found < 0) return "no layer named \"" + std::string(Text) + "\"";
  return static_cast<std::uint8_t>(Found);
}

}  // namespace quillon::cli
