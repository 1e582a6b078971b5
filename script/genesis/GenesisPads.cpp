#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeGenesisPads(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) {}

}  // namespace quillon
