#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::BeginGerberLayer(int) {}
void TScriptingPcb::FinishGerberLayers() {}

}  // namespace quillon
