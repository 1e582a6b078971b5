// SPDX-License-Identifier: MIT
// Any text as a pin description, in both column layouts and all units. The
// first byte chooses: bit 0 the layout, bits 1-3 the aperture unit, bits 4-6
// the hole unit (values beyond the six units test their fallback).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "pins/Pins.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const std::string_view Text(reinterpret_cast<const char*>(Data) + 1, Size - 1);
  quillon::TPins Pins;
  Pins.Parse(Text, Data[0] & 1);
  Pins.SetUnits(static_cast<std::uint8_t>((Data[0] >> 1) & 7),
                static_cast<std::uint8_t>((Data[0] >> 4) & 7));
  quillon::TApertureTable Table;
  Pins.AssignApertures(Table);
  using quillon::fuzz::Check;
  for (int I = 0; I <= Pins.High(); ++I) {
    const quillon::TPinRecord Row = Pins.Get(I);
    Check(!Pins.RowTexts(I)[0].empty() && !Pins.RowTexts(I)[3].empty(), "a row without its texts");
    Check(Row.Shape <= quillon::shapeSquare, "shape beyond Square");
    Check(Row.PinNumber >= 0, "negative pin number");
    Check(Table.FindByDCode(Row.HoleDCode) != nullptr, "hole without aperture");
    Check(Row.Shape == quillon::shapeNone ? Row.PadDCode == 0
                                          : Table.FindByDCode(Row.PadDCode) != nullptr,
          "pad aperture does not match the shape");
    Check(Pins.Exists(Row.PinNumber), "a row's pin does not exist");
  }
  return 0;
}
