#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteGerberLines(int) {}

}  // namespace quillon
