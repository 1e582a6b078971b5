#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteLayerTable(std::uint8_t) {}

}  // namespace quillon
