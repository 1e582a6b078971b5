#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeCam350Text() {}

}  // namespace quillon
