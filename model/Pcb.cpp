// SPDX-License-Identifier: MIT
#include "model/Pcb.h"

#include <algorithm>
#include <memory_resource>
#include <string>
#include <utility>

namespace quillon {

namespace {
TSilentPrompts SilentPrompts;
}

std::int32_t TLayers::IndexOfNumber(std::uint8_t Number) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i).Number == Number) return i;
  return -1;
}

// A big board's polygons fill tens of megabytes: blocks start at a size that
// is mapped in huge pages; none is taken before the first polygon.
class TPolygonArena {
 public:
  explicit TPolygonArena(std::size_t FirstBlock = HugeBlockBytes) : Arena(FirstBlock, &Blocks) {}
  std::pmr::memory_resource* Resource() { return &Arena; }
  void Release() { Arena.release(); }

 private:
  THugeBlockResource Blocks;
  std::pmr::monotonic_buffer_resource Arena;
};

TPcb::TPcb() : PolygonArena(std::make_unique<TPolygonArena>()), PromptsPtr(&SilentPrompts) {}
TPcb::~TPcb() = default;

TPolygonAllocator TPcb::PolygonAllocator() { return TPolygonAllocator(PolygonArena->Resource()); }

void TPcb::TakeLayers(TPcb& From) {
  // The old layers go first, while the memory of their polygons still exists.
  Layers = std::move(From.Layers);
  From.Layers.Clear();
  std::swap(PolygonArena, From.PolygonArena);
}

void TPcb::ReservePolygonMemory(std::size_t Bytes) {
  for (const TLayer& Layer : Layers)
    if (!Layer.Polygons.Empty()) return;
  PolygonArena = std::make_unique<TPolygonArena>(std::max(Bytes, HugeBlockBytes));
}

void TPcb::ClearLayers() {
  Layers.Clear();
  PolygonArena->Release();
}

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
