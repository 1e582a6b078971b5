#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeCam350Lines() {}

}  // namespace quillon
