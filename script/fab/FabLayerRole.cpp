#include "script/fab/FabLayerRole.h"

#include "script/ScriptPcb.h"

namespace quillon::fab {

TLayerRole RoleOf(const TScriptingPcb& Board, int L) {
  TLayerRole Role = TLayerRole::Other;
  if (L == Board.PadTopLayer) Role = TLayerRole::PadTop;
  if (L == Board.PadBottomLayer) Role = TLayerRole::PadBottom;
  if (L == Board.MaskTopLayer) Role = TLayerRole::MaskTop;
  if (L == Board.MaskBottomLayer) Role = TLayerRole::MaskBottom;
  if (L == Board.DrillLayer) Role = TLayerRole::Drill;
  return Role;
}

std::string_view FileFunction(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
      return "Copper,L1,Top";
    case TLayerRole::PadBottom:
      return "Copper,L2,Bot";
    case TLayerRole::MaskTop:
      return "Soldermask,Top";
    case TLayerRole::MaskBottom:
      return "Soldermask,Bot";
    default:
      return "Other,Drawing";
  }
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
      return 0;
  }
}

TAperFunction FunctionOf(TLayerRole Role, bool Flash) {
  switch (Role) {
    case TLayerRole::PadTop:
    case TLayerRole::PadBottom:
      return Flash ? TAperFunction::ComponentPad : TAperFunction::Conductor;
    case TLayerRole::MaskTop:
    case TLayerRole::MaskBottom:
      return TAperFunction::None;
    default:
      return TAperFunction::OtherDrawing;
  }
}

std::string_view AperFunctionText(TAperFunction Function) {
  switch (Function) {
    case TAperFunction::ComponentPad:
      return "ComponentPad";
    case TAperFunction::Conductor:
      return "Conductor";
    case TAperFunction::OtherDrawing:
      return "Other,Drawing";
    default:
      return "";
  }
}

}  // namespace quillon::fab
