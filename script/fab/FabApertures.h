// SPDX-License-Identifier: MIT
#pragma once
// The apertures one fab-profile file uses. A file defines only these, each
// with its function. An aperture keeps its D-code from the conversion's
// aperture table; when a file uses one table aperture for two functions (a
// round pad of a stroke's size on a copper layer), the second function gets
// a D-code of its own after the table's last, since an aperture has one
// function.

#include <array>
#include <cstdint>
#include <vector>

#include "script/fab/FabFunctions.h"
#include "text/TextLines.h"

namespace quillon {
class TApertureTable;
}

namespace quillon::fab {

class TFabApertures {
 public:
  explicit TFabApertures(const TApertureTable& Table) : Table(Table) {}

  // The file's D-code for the table aperture TableDCode used with Function;
  // 0 for a D-code the table does not have.
  std::int32_t Use(std::int32_t TableDCode, TAperFunction Function);
  bool Empty() const { return Used.empty(); }

  // The definitions in D-code order, each after its function attribute, and
  // "%TD.AperFunction*%" after them when any function was given (a reader
  // that takes the bare "%TD*%" for nothing to delete stops at it).
  void WriteDefinitions(TTextLines& Out, bool AttributesAsComments) const;

 private:
  struct TUse {
    std::int32_t FileDCode;
    std::int32_t TableDCode;
    TAperFunction Function;
  };
  const TApertureTable& Table;
  // Per table row: the file D-code for each function, 0 while unused.
  std::vector<std::array<std::int32_t, AperFunctionCount>> ByRow;
  std::vector<TUse> Used;
  std::int32_t NextOwnDCode = 0;
};

}  // namespace quillon::fab
