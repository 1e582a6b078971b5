#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeGenesisArcs() {}

}  // namespace quillon
