#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeGenesisText() {}

}  // namespace quillon
