#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeCam350Pads() {}

}  // namespace quillon
