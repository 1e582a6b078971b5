#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteApertureTable() {}
void TScriptingPcb::WriteGerberApertures() {}

}  // namespace quillon
