// SPDX-License-Identifier: MIT
#pragma once
// The D-code table of one conversion. Row i has D-code i + 10. Round strokes
// of equal size (to a thousandth of an output unit) share one reusable row;
// pin apertures get rows of their own unless a stroke row of their size exists.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillon {

enum TShape : std::uint8_t { shapeNone = 0, shapeCircle = 1, shapeSquare = 2 };

struct TApertureTableItem {
  double Size = 0;  // output units, always > 0
  std::uint8_t Shape = 0;
  std::int32_t DCode = 0;
  bool IsNew = false;
  bool Reusable = false;
};

class TApertureTable {
 public:
  static constexpr std::int32_t FirstDCode = 10;
  // What a size that is not positive (NaN included) becomes.
  static constexpr double MinimumSize = 0.0001;

  void Clear();
  int Count() const { return static_cast<int>(Rows.size()); }
  const TApertureTableItem& Items(int Index) const { return Rows[static_cast<std::size_t>(Index)]; }

  // The D-code to draw with; appends a row when no reusable Circle row of the
  // same size key answers (only Circle requests look).
  std::int32_t FindOrAdd(std::uint8_t Shape, bool Reusable, double Size);
  // True once for a row added and not taken since; clears the mark.
  bool TakeNew(std::int32_t DCode);
  // The row with that D-code, or nullptr.
  const TApertureTableItem* FindByDCode(std::int32_t DCode) const;

  // Size x 1000 rounded half to even, saturated to 64 bits.
  static std::int64_t SizeKey(double Size);

 private:
  std::vector<TApertureTableItem> Rows;
  // Size key -> row index of the reusable Circle row of that key.
  std::unordered_map<std::int64_t, std::size_t> ReusableCircles;
  // The last Circle request answered by a reusable row: strokes come in runs
  // of one width, and such a row, once there, answers that size for good.
  double LastCircleSize = 0;
  std::int32_t LastCircleDCode = 0;  // 0: none yet
};

}  // namespace quillon
