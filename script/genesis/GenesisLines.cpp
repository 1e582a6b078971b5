#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeGenesisLines() {}

}  // namespace quillon
