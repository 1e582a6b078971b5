// SPDX-License-Identifier: MIT
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
    case TLayerRole::SilkTop:
      return "Legend,Top";
    case TLayerRole::SilkBottom:
      return "Legend,Bot";
    case TLayerRole::Outline:
      return "Profile,NP";
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
    case TLayerRole::SilkTop:
    case TLayerRole::SilkBottom:
      return TAperFunction::None;
    case TLayerRole::Outline:
      return TAperFunction::Profile;
    default:
      return TAperFunction::OtherDrawing;
  }
}

TAperFunction TextFunctionOf(TLayerRole Role) {
  return IsCopper(Role) ? TAperFunction::NonConductor : FunctionOf(Role, false);
}

std::string_view AperFunctionText(TAperFunction Function) {
  switch (Function) {
    case TAperFunction::ComponentPad:
      return "ComponentPad";
    case TAperFunction::Conductor:
      return "Conductor";
    case TAperFunction::NonConductor:
      return "NonConductor";
    case TAperFunction::OtherDrawing:
      return "Other,Drawing";
    case TAperFunction::Profile:
      return "Profile";
    default:
      return "";
  }
}

std::string_view DrillFileFunction(bool Plated) {
  return Plated ? "Plated,1,2,PTH" : "NonPlated,1,2,NPTH";
}

bool IsCopper(TLayerRole Role) {
  return Role == TLayerRole::PadTop || Role == TLayerRole::PadBottom;
}

}  // namespace quillon::fab
