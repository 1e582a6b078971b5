#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteGerberPolygons(int) {}

}  // namespace quillon
