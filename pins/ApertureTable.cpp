// SPDX-License-Identifier: MIT
#include "pins/ApertureTable.h"

#include <cmath>
#include <limits>

namespace quillon {

void TApertureTable::Clear() {
  Rows.clear();
  ReusableCircles.clear();
  LastCircleDCode = 0;
}

std::int64_t TApertureTable::SizeKey(double Size) {
  const double Scaled = std::nearbyint(Size * 1000.0);  // default mode: halves to even
  constexpr double Limit = 9.2e18;
  if (std::isnan(Scaled)) return 0;
  if (Scaled >= Limit) return std::numeric_limits<std::int64_t>::max();
  if (Scaled <= -Limit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(Scaled);
}

std::int32_t TApertureTable::FindOrAdd(std::uint8_t Shape, bool Reusable, double Size) {
  if (Shape == shapeCircle && LastCircleDCode != 0 && Size == LastCircleSize)
    return LastCircleDCode;
  const double Asked = Size;
  if (!(Size > 0)) Size = MinimumSize;
  const std::int64_t Key = SizeKey(Size);
  if (Shape == shapeCircle) {
    auto It = ReusableCircles.find(Key);
    if (It != ReusableCircles.end()) {
      LastCircleSize = Asked;
      LastCircleDCode = Rows[It->second].DCode;
      return LastCircleDCode;
    }
  }
  TApertureTableItem Row;
  Row.Size = Size;
  Row.Shape = Shape;
  Row.DCode = static_cast<std::int32_t>(Rows.size()) + FirstDCode;
  Row.IsNew = true;
  Row.Reusable = Reusable;
  Rows.push_back(Row);
  if (Shape == shapeCircle && Reusable) {
    ReusableCircles.emplace(Key, Rows.size() - 1);
    LastCircleSize = Asked;
    LastCircleDCode = Row.DCode;
  }
  return Row.DCode;
}

bool TApertureTable::TakeNew(std::int32_t DCode) {
  const std::int64_t Index = static_cast<std::int64_t>(DCode) - FirstDCode;
  if (Index < 0 || Index >= static_cast<std::int64_t>(Rows.size())) return false;
  auto& Row = Rows[static_cast<std::size_t>(Index)];
  const bool WasNew = Row.IsNew;
  Row.IsNew = false;
  return WasNew;
}

const TApertureTableItem* TApertureTable::FindByDCode(std::int32_t DCode) const {
  const std::int64_t Index = static_cast<std::int64_t>(DCode) - FirstDCode;
  if (Index < 0 || Index >= static_cast<std::int64_t>(Rows.size())) return nullptr;
  return &Rows[static_cast<std::size_t>(Index)];
}

}  // namespace quillon
