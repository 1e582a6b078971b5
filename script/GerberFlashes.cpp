#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteGerberFlashes(int) {}

}  // namespace quillon
