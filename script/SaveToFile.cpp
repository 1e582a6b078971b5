#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::SaveToFile(const std::string&) const {}

std::vector<std::string> TScriptingPcb::LayerFileNames(const std::string&) const { return {}; }

}  // namespace quillon
