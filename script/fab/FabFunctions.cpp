#include "script/fab/FabFunctions.h"

namespace quillon::fab {

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
