// SPDX-License-Identifier: MIT
#include "preview/Palette.h"

#include <array>

namespace quillon::preview {

namespace {

TRgb RoleColour(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
      return {214, 64, 56};
    case TLayerRole::PadBottom:
      return {60, 116, 224};
    case TLayerRole::Drill:
      return {236, 236, 236};
    case TLayerRole::MaskTop:
      return {48, 170, 88};
    case TLayerRole::MaskBottom:
      return {40, 130, 120};
    case TLayerRole::SilkTop:
      return {240, 240, 190};
    case TLayerRole::SilkBottom:
      return {170, 160, 120};
    case TLayerRole::Outline:
      return {250, 200, 40};
    default:
      break;
  }
  return {};
}
constexpr std::array<TRgb, 4> OtherColours = {TRgb{220, 180, 48}, TRgb{170, 100, 215},
                                              TRgb{64, 196, 200}, TRgb{230, 130, 64}};

}  // namespace

std::vector<TLayerRole> RolesByName(const TPcb& Board) {
  std::vector<TLayerRole> Roles;
  Roles.reserve(static_cast<std::size_t>(Board.Layers.Count()));
  for (const TLayer& Layer : Board.Layers) Roles.push_back(RoleOfLayerName(Layer.Name));
  return Roles;
}

TRgb LayerColour(const std::vector<TLayerRole>& Roles, int L) {
  if (L < 0 || static_cast<std::size_t>(L) >= Roles.size()) return OtherColours[0];
  const TLayerRole Role = Roles[static_cast<std::size_t>(L)];
  if (Role != TLayerRole::Other) return RoleColour(Role);
  std::size_t OthersBefore = 0;
  for (int I = 0; I < L; ++I)
    if (Roles[static_cast<std::size_t>(I)] == TLayerRole::Other) ++OthersBefore;
  return OtherColours[OthersBefore % OtherColours.size()];
}

TRgb LayerColour(const TPcb& Board, int L) { return LayerColour(RolesByName(Board), L); }

std::vector<int> StackingOrder(const std::vector<TLayerRole>& Roles) {
  static constexpr TLayerRole Order[] = {
      TLayerRole::MaskBottom, TLayerRole::PadBottom, TLayerRole::SilkBottom,
      TLayerRole::MaskTop,    TLayerRole::PadTop,    TLayerRole::Drill,
      TLayerRole::SilkTop,    TLayerRole::Other,     TLayerRole::Outline};
  std::vector<int> Layers;
  for (TLayerRole Role : Order)
    for (std::size_t L = 0; L < Roles.size(); ++L)
      if (Roles[L] == Role) Layers.push_back(static_cast<int>(L));
  return Layers;
}

std::vector<int> StackingOrder(const TPcb& Board) { return StackingOrder(RolesByName(Board)); }

void AppendHexColour(std::string& Out, TRgb Colour) {
  static constexpr char Hex[] = "0123456789abcdef";
  Out += '#';
  for (std::uint8_t V : {Colour.R, Colour.G, Colour.B}) {
    Out += Hex[V >> 4];
    Out += Hex[V & 15];
  }
}

std::string HexColour(TRgb Colour) {
  std::string S;
  AppendHexColour(S, Colour);
  return S;
}

}  // namespace quillon::preview
