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
    default:
      break;
  }
  return {};
}
constexpr std::array<TRgb, 4> OtherColours = {TRgb{220, 180, 48}, TRgb{170, 100, 215},
                                              TRgb{64, 196, 200}, TRgb{230, 130, 64}};

}  // namespace

TRgb LayerColour(const TPcb& Board, int L) {
  if (L < 0 || L >= Board.Layers.Count()) return OtherColours[0];
  const TLayerRole Role = RoleOfLayerName(Board.Layers.Items(L).Name);
  if (Role != TLayerRole::Other) return RoleColour(Role);
  std::size_t OthersBefore = 0;
  for (int I = 0; I < L; ++I)
    if (RoleOfLayerName(Board.Layers.Items(I).Name) == TLayerRole::Other) ++OthersBefore;
  return OtherColours[OthersBefore % OtherColours.size()];
}

std::vector<int> StackingOrder(const TPcb& Board) {
  static constexpr TLayerRole Order[] = {TLayerRole::MaskBottom, TLayerRole::PadBottom,
                                         TLayerRole::MaskTop,    TLayerRole::PadTop,
                                         TLayerRole::Drill,      TLayerRole::Other};
  std::vector<int> Layers;
  for (TLayerRole Role : Order)
    for (int L = 0; L < Board.Layers.Count(); ++L)
      if (RoleOfLayerName(Board.Layers.Items(L).Name) == Role) Layers.push_back(L);
  return Layers;
}

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
