#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeGenesisPolygons() {}

}  // namespace quillon
