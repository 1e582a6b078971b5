// SPDX-License-Identifier: MIT
#include "app/UndefinedPins.h"

#include <map>

namespace quillon::app {

std::vector<TUndefinedPin> FindUndefinedPins(const TScriptingPcb& Board) {
  std::map<std::int32_t, TUndefinedPin> Found;
  for (int L = 0; L < Board.Layers.Count(); ++L)
    for (const TPcbFlash& Flash : Board.Layers.Items(L).Flashes) {
      const std::int32_t Row = PinRowOf(Flash.PinNumber);
      if (Board.Pins.Exists(Row)) continue;
      auto [It, New] = Found.try_emplace(Row);
      TUndefinedPin& Pin = It->second;
      if (New) {
        Pin.PinRow = Row;
        Pin.X = Flash.X;
        Pin.Y = Flash.Y;
      }
      ++Pin.Flashes;
      if (Pin.Layers.empty() || Pin.Layers.back() != L) Pin.Layers.push_back(L);
    }
  std::vector<TUndefinedPin> Pins;
  Pins.reserve(Found.size());
  for (auto& Entry : Found) Pins.push_back(std::move(Entry.second));
  return Pins;
}

}  // namespace quillon::app
