#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteProlog(std::uint8_t Kind) {
  Output.Clear();
  (void)Kind;
}

}  // namespace quillon
