#pragma once
// Turns a coordinate in millimetres into Gerber coordinate digits.

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
  void AppendCoord(std::string& Out, double Value) const;
};

}  // namespace quillon
