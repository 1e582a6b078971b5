// SPDX-License-Identifier: MIT
#pragma once
// Turns a coordinate in millimetres into Gerber coordinate digits, as the
// layer header "%FSLAX33Y33*%" declares them: three integer and three decimal
// digits, no decimal point, every leading zero written.

#include <cstdint>
#include <string>

namespace quillon {

class TGerberCoord {
 public:
  std::uint8_t IntegerDigits = 3;
  std::uint8_t DecimalDigits = 3;
  std::uint8_t ZeroMode = 0;  // 0 pad leading zeros, 1 remove them, 2 pad then trim trailing
  bool ForcePlus = false;
  char DecimalChar = 0;  // 0: the point is removed

  std::string FormatCoord(double Value) const;
  // Appends what FormatCoord returns, without a temporary string.
  void AppendCoord(std::string& Out, double Value) const;

  // The room WriteFast may fill.
  static constexpr std::size_t MaxFastChars = 24;
  // The short road for nearly every coordinate: with the settings in use
  // (zeros padded to at most 20 digits, no point, no plus) and a value below
  // 10^9 after scaling, writes what FormatCoord returns at P and returns its
  // end; otherwise writes nothing and returns nullptr.
  char* WriteFast(char* P, double Value) const;

 private:
  void AppendGeneral(std::string& Out, double Value) const;
};

}  // namespace quillon
