// SPDX-License-Identifier: MIT
#include "app/RoleNames.h"

#include <QCoreApplication>

namespace quillon::app {

QString RoleName(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
      return QCoreApplication::translate("RoleNames", "pads top");
    case TLayerRole::PadBottom:
      return QCoreApplication::translate("RoleNames", "pads bottom");
    case TLayerRole::MaskTop:
      return QCoreApplication::translate("RoleNames", "mask top");
    case TLayerRole::MaskBottom:
      return QCoreApplication::translate("RoleNames", "mask bottom");
    case TLayerRole::Drill:
      return QCoreApplication::translate("RoleNames", "drill");
    case TLayerRole::SilkTop:
      return QCoreApplication::translate("RoleNames", "silkscreen top");
    case TLayerRole::SilkBottom:
      return QCoreApplication::translate("RoleNames", "silkscreen bottom");
    case TLayerRole::Outline:
      return QCoreApplication::translate("RoleNames", "outline");
    case TLayerRole::Other:
      break;
  }
  return QCoreApplication::translate("RoleNames", "other");
}

}  // namespace quillon::app
