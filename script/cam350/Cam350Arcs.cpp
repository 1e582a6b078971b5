#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeCam350Arcs() {}

}  // namespace quillon
