// SPDX-License-Identifier: MIT
#include "script/gerber/GerberApertures.h"
#include "script/ScriptPcb.h"
#include "script/cam350/Cam350Syntax.h"

namespace quillon {

// The table leaves the rows' first-use marks alone: a CAM350 writer that uses
// one of these D-codes for the first time declares it once more.
void TScriptingPcb::WriteApertureTable() {
  for (int I = 0; I < Apertures.Count(); ++I)
    cam350::WriteApertureDefinition(Output, Apertures.Items(I));
}

// Every layer file declares the whole table of the conversion, used or not.
void TScriptingPcb::WriteGerberApertures() {
  for (int I = 0; I < Apertures.Count(); ++I) {
    AppendGerberApertureDefinition(Output.Open(), Apertures.Items(I));
    Output.Close();
  }
}

}  // namespace quillon
