// Any text as a pin description, in both column layouts and all units.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pins/Pins.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const std::string_view Text(reinterpret_cast<const char*>(Data) + 1, Size - 1);
  quillon::TPins Pins;
  Pins.Parse(Text, Data[0] & 1);
  Pins.SetUnits(static_cast<std::uint8_t>((Data[0] >> 1) % 6), static_cast<std::uint8_t>((Data[0] >> 4) % 6));
  quillon::TApertureTable Table;
  Pins.AssignApertures(Table);
  quillon::TGrid Grid;
  Pins.FillGrid(Grid);
  return 0;
}
