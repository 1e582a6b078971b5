#include "preview/Palette.h"

#include <array>

namespace quillon::preview {

namespace {

bool EqualsUpper(std::string_view Name, std::string_view Upper) {
  if (Name.size() != Upper.size()) return false;
  for (std::size_t I = 0; I < Name.size(); ++I) {
    const char C = Name[I];
    const char U = C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
    if (U != Upper[I]) return false;
  }
  return true;
}

constexpr TRgb RoleColours[] = {
    {214, 64, 56},    // copper top
    {60, 116, 224},   // copper bottom
    {236, 236, 236},  // drill
    {48, 170, 88},    // mask top
    {40, 130, 120},   // mask bottom
};
constexpr std::array<TRgb, 4> OtherColours = {TRgb{220, 180, 48}, TRgb{170, 100, 215},
                                              TRgb{64, 196, 200}, TRgb{230, 130, 64}};

}  // namespace

TLayerRole RoleOfLayerName(std::string_view Name) {
  if (EqualsUpper(Name, "COMP")) return TLayerRole::CopperTop;
  if (EqualsUpper(Name, "SOLDER")) return TLayerRole::CopperBottom;
  if (EqualsUpper(Name, "PIN")) return TLayerRole::Drill;
  if (EqualsUpper(Name, "MSKGTP")) return TLayerRole::MaskTop;
  if (EqualsUpper(Name, "MSKGBT")) return TLayerRole::MaskBottom;
  return TLayerRole::Other;
}

const char* RoleId(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::CopperTop:
      return "copper-top";
    case TLayerRole::CopperBottom:
      return "copper-bottom";
    case TLayerRole::Drill:
      return "drill";
    case TLayerRole::MaskTop:
      return "mask-top";
    case TLayerRole::MaskBottom:
      return "mask-bottom";
    case TLayerRole::Other:
      return "other";
  }
  return "other";
}

TRgb LayerColour(const TPcb& Board, int L) {
  if (L < 0 || L >= Board.Layers.Count()) return OtherColours[0];
  const TLayerRole Role = RoleOfLayerName(Board.Layers.Items(L).Name);
  if (Role != TLayerRole::Other) return RoleColours[static_cast<int>(Role)];
  std::size_t OthersBefore = 0;
  for (int I = 0; I < L; ++I)
    if (RoleOfLayerName(Board.Layers.Items(I).Name) == TLayerRole::Other) ++OthersBefore;
  return OtherColours[OthersBefore % OtherColours.size()];
}

std::vector<int> StackingOrder(const TPcb& Board) {
  static constexpr TLayerRole Order[] = {TLayerRole::MaskBottom, TLayerRole::CopperBottom,
                                         TLayerRole::MaskTop,    TLayerRole::CopperTop,
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
