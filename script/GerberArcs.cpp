#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteGerberArcs(int) {}

}  // namespace quillon
