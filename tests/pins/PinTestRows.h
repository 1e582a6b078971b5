// SPDX-License-Identifier: MIT
#pragma once
// Pin rows as plain values, so a test states the rows it expects in one line.

#include <ostream>
#include <string_view>
#include <vector>

#include "pins/Pins.h"

namespace quillon::test {

struct Row {
  int Pin;
  double Hole;
  double Aperture;
  int Shape;
  bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& R, std::ostream* Os) {
  *Os << "{" << R.Pin << ", " << R.Hole << ", " << R.Aperture << ", " << R.Shape << "}";
}

// The rows as stored, in description units.
inline std::vector<Row> RowsOf(const TPins& Pins) {
  std::vector<Row> Rows;
  for (const TPinRecord& P : Pins.Rows())
    Rows.push_back({P.PinNumber, P.Hole, P.Aperture, P.Shape});
  return Rows;
}

inline std::vector<Row> Read(std::string_view Text, std::uint8_t Layout = layoutHoleAper) {
  TPins Pins;
  Pins.Parse(Text, Layout);
  return RowsOf(Pins);
}

constexpr int None = shapeNone, Circle = shapeCircle, Square = shapeSquare;

}  // namespace quillon::test
