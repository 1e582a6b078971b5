#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeCam350Padstacks(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) {}

}  // namespace quillon
