#include "model/Pcb.h"

#include <string>

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

void TPcb::Checkpoint(std::string_view Text, int Percent, int Layer) const {
  if (!ProgressPtr) return;
  CheckCancel();
  if (Layer < 0) {
    ProgressPtr->Stage(Text, Percent);
    return;
  }
  std::string Full(Text);
  Full += " of layer ";
  Full += std::to_string(Layer);
  ProgressPtr->Stage(Full, Percent);
}

}  // namespace quillon
