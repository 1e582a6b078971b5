// SPDX-License-Identifier: MIT
#include "script/LayerRoles.h"

#include "script/ScriptPcb.h"
#include "text/AsciiCase.h"

namespace quillon {

std::string_view DefaultLayerName(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
      return "COMP";
    case TLayerRole::PadBottom:
      return "SOLDER";
    case TLayerRole::MaskTop:
      return "MSKGTP";
    case TLayerRole::MaskBottom:
      return "MSKGBT";
    case TLayerRole::Drill:
      return "PIN";
    default:
      break;
  }
  return {};
}

TLayerRole RoleOfLayerName(std::string_view Name) {
  const std::string Upper = UpperAscii(Name);
  for (TLayerRole Role : ConversionRoles)
    if (Upper == DefaultLayerName(Role)) return Role;
  return TLayerRole::Other;
}

TLayerRole PackageRoleOfLayerName(std::string_view Name) {
  static constexpr struct {
    std::string_view Name;
    TLayerRole Role;
  } Names[] = {
      // A plot's layer names hold at most six characters: each role has
      // names that fit, besides the longer ones other tools use.
      {"SILK", TLayerRole::SilkTop},       {"SILKT", TLayerRole::SilkTop},
      {"SLKTOP", TLayerRole::SilkTop},     {"TSILK", TLayerRole::SilkTop},
      {"SILKTOP", TLayerRole::SilkTop},    {"TOPSILK", TLayerRole::SilkTop},
      {"LEGEND", TLayerRole::SilkTop},     {"SILKB", TLayerRole::SilkBottom},
      {"SLKBOT", TLayerRole::SilkBottom},  {"BSILK", TLayerRole::SilkBottom},
      {"SILKBOT", TLayerRole::SilkBottom}, {"SILKBOTTOM", TLayerRole::SilkBottom},
      {"BOTSILK", TLayerRole::SilkBottom}, {"BOARD", TLayerRole::Outline},
      {"OUTLIN", TLayerRole::Outline},     {"EDGE", TLayerRole::Outline},
      {"OUTLINE", TLayerRole::Outline},    {"BRD", TLayerRole::Outline},
      {"PROFILE", TLayerRole::Outline},
  };
  const std::string Upper = UpperAscii(Name);
  for (const auto& Entry : Names)
    if (Upper == Entry.Name) return Entry.Role;
  return TLayerRole::Other;
}

std::optional<int> PreselectLayer(const TLayers& Layers, TLayerRole Role, int MaxIndex) {
  std::optional<int> Found;
  for (int I = 0; I < Layers.Count() && I <= MaxIndex; ++I) {
    const std::string& Name = Layers.Items(I).Name;
    if (RoleOfLayerName(Name) == Role || PackageRoleOfLayerName(Name) == Role) Found = I;
  }
  return Found;
}

std::uint8_t ChosenLayer(const TScriptingPcb& Board, TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
      return Board.PadTopLayer;
    case TLayerRole::PadBottom:
      return Board.PadBottomLayer;
    case TLayerRole::MaskTop:
      return Board.MaskTopLayer;
    case TLayerRole::MaskBottom:
      return Board.MaskBottomLayer;
    case TLayerRole::Drill:
      return Board.DrillLayer;
    default:
      break;
  }
  return 0;
}

void ChooseLayer(TScriptingPcb& Board, TLayerRole Role, std::uint8_t L) {
  switch (Role) {
    case TLayerRole::PadTop:
      Board.PadTopLayer = L;
      break;
    case TLayerRole::PadBottom:
      Board.PadBottomLayer = L;
      break;
    case TLayerRole::MaskTop:
      Board.MaskTopLayer = L;
      break;
    case TLayerRole::MaskBottom:
      Board.MaskBottomLayer = L;
      break;
    case TLayerRole::Drill:
      Board.DrillLayer = L;
      break;
    default:
      break;
  }
}

std::optional<std::uint8_t> ChosenPackageLayer(const TScriptingPcb& Board, TLayerRole Role) {
  switch (Role) {
    case TLayerRole::SilkTop:
      return Board.SilkTopLayer;
    case TLayerRole::SilkBottom:
      return Board.SilkBottomLayer;
    case TLayerRole::Outline:
      return Board.OutlineFromExtents ? std::nullopt : Board.OutlineLayer;
    default:
      return std::nullopt;
  }
}

TLayerRole RoleOf(const TScriptingPcb& Board, int L) {
  TLayerRole Found = TLayerRole::Other;
  for (TLayerRole Role : ConversionRoles)
    if (L == ChosenLayer(Board, Role)) Found = Role;
  return Found;
}

TLayerRole FabRoleOf(const TScriptingPcb& Board, int L) {
  TLayerRole Found = RoleOf(Board, L);
  if (Found != TLayerRole::Other) return Found;
  for (TLayerRole Role : PackageRoles)
    if (const auto Chosen = ChosenPackageLayer(Board, Role); Chosen && *Chosen == L) Found = Role;
  return Found;
}

std::int32_t FlashDCode(const TPinRecord& Row, TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
    case TLayerRole::PadBottom:
      return Row.PadDCode;
    case TLayerRole::MaskTop:
    case TLayerRole::MaskBottom:
      return Row.MaskDCode;
    case TLayerRole::Drill:
      return Row.HoleDCode;
    default:
      break;
  }
  return 0;
}

std::string_view RoleId(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
      return "copper-top";
    case TLayerRole::PadBottom:
      return "copper-bottom";
    case TLayerRole::MaskTop:
      return "mask-top";
    case TLayerRole::MaskBottom:
      return "mask-bottom";
    case TLayerRole::Drill:
      return "drill";
    case TLayerRole::SilkTop:
      return "silk-top";
    case TLayerRole::SilkBottom:
      return "silk-bottom";
    case TLayerRole::Outline:
      return "outline";
    case TLayerRole::Other:
      break;
  }
  return "other";
}

}  // namespace quillon
