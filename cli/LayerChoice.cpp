#include "cli/LayerChoice.h"

#include <charconv>

#include "cli/TextCase.h"
#include "model/Pcb.h"

namespace quillon::cli {

TLayerRoles PreselectLayerRoles(const TLayers& Layers) {
  TLayerRoles Roles;
  // A role is stored as a byte: only the first 256 layers can take one.
  for (int I = 0; I < Layers.Count() && I <= 255; ++I) {
    const std::string Name = UpperAscii(Layers.Items(I).Name);
    const auto Index = static_cast<std::uint8_t>(I);
    if (Name == "COMP") Roles.PadTop = Index;
    if (Name == "SOLDER") Roles.PadBottom = Index;
    if (Name == "MSKGTP") Roles.MaskTop = Index;
    if (Name == "MSKGBT") Roles.MaskBottom = Index;
    if (Name == "PIN") Roles.Drill = Index;
  }
  return Roles;
}

std::variant<std::uint8_t, std::string> ResolveLayer(const TLayers& Layers,
                                                     std::string_view Text) {
  const bool Numeric = !Text.empty() && Text.find_first_not_of("0123456789") == std::string_view::npos;
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
