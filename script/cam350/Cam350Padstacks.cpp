// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::MakeCam350Padstacks(std::uint8_t TopLayer, std::uint8_t BottomLayer,
                                        std::uint8_t /*MaskTopLayer*/,
                                        std::uint8_t /*MaskBottomLayer*/, std::uint8_t DrillLayer) {
  for (int Index = 0; Index <= Pins.High(); ++Index) {
    const TPinRecord Row = Pins.Get(Index);
    // The padstack is named after the flash PinNumber it serves: the
    // description counts pins from 0, the plot file from 1. Taken in 64 bits
    // so that no pin number of a description can overflow.
    const std::int64_t Padstack = std::int64_t{Row.PinNumber} + 1;
    if (Row.Shape != shapeNone) {
      LineBuilder(Output) << "edit_padstack_dcode@ " << Padstack << ',' << unsigned{TopLayer} << ','
                          << Row.PadDCode;
      LineBuilder(Output) << "edit_padstack_dcode@ " << Padstack << ',' << unsigned{BottomLayer}
                          << ',' << Row.PadDCode;
    }
    LineBuilder(Output) << "edit_padstack_dcode@ " << Padstack << ',' << unsigned{DrillLayer} << ','
                        << Row.HoleDCode;
  }
}

}  // namespace quillon
