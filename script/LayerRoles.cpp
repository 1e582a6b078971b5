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
    case TLayerRole::Other:
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

std::optional<int> PreselectLayer(const TLayers& Layers, TLayerRole Role, int MaxIndex) {
  std::optional<int> Found;
  for (int I = 0; I < Layers.Count() && I <= MaxIndex; ++I)
    if (RoleOfLayerName(Layers.Items(I).Name) == Role) Found = I;
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
    case TLayerRole::Other:
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
    case TLayerRole::Other:
      break;
  }
}

TLayerRole RoleOf(const TScriptingPcb& Board, int L) {
  TLayerRole Found = TLayerRole::Other;
  for (TLayerRole Role : ConversionRoles)
    if (L == ChosenLayer(Board, Role)) Found = Role;
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
    case TLayerRole::Other:
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
    case TLayerRole::Other:
      break;
  }
  return "other";
}

}  // namespace quillon
