#include "model/Pcb.h"

namespace quillon {

namespace {
TSilentPrompts SilentPrompts;
}

std::int32_t TLayers::IndexOfNumber(std::uint8_t Number) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i).Number == Number) return i;
  return -1;
}

TPcb::TPcb() : PromptsPtr(&SilentPrompts) {}
TPcb::~TPcb() = default;

void TPcb::SetPrompts(TUserPrompts* Prompts) { PromptsPtr = Prompts ? Prompts : &SilentPrompts; }

}  // namespace quillon
