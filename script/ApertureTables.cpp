#include "script/ScriptPcb.h"

namespace quillon {

// The table leaves the rows' first-use marks alone: a CAM350 writer that uses
// one of these D-codes for the first time declares it once more.
void TScriptingPcb::WriteApertureTable() {
  for (int I = 0; I < Apertures.Count(); ++I) {
    const TApertureTableItem& Row = Apertures.Items(I);
    LineBuilder(Output) << "edit_aperture@ " << Row.DCode << ',' << unsigned{Row.Shape} << ','
                        << F24(Row.Size) << ',' << F24(Row.Size) << ",0,\"\"";
    Output.Add("update_dcodebar@");
  }
}

// Every layer file declares the whole table of the conversion, used or not.
void TScriptingPcb::WriteGerberApertures() {
  for (int I = 0; I < Apertures.Count(); ++I) {
    Apertures.AppendGerberDefinition(Output.Open(), I);
    Output.Close();
  }
}

}  // namespace quillon
