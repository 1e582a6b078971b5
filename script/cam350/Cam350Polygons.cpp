#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeCam350Polygons() {}

}  // namespace quillon
