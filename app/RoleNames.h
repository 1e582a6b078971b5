// SPDX-License-Identifier: MIT
#pragma once
// The words the window uses for a layer's role: in the lists of the Plt
// page, the file list of the Output page and the warnings of Convert.

#include <QString>

#include "script/LayerRoles.h"

namespace quillon::app {

// "pads top", "mask bottom", "drill", "silkscreen top", "outline", "other"...
QString RoleName(TLayerRole Role);

}  // namespace quillon::app
