// SPDX-License-Identifier: MIT
#pragma once
// An error that stops a conversion. what() is exactly the system's text; the
// front ends show it like every other stopping error, and a conversion that
// throws leaves nothing to save.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "text/NumberFormat.h"

namespace quillon {

class TConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "List index out of bounds (%d)": a layer index that names no layer of the
// board, e.g. a choice kept from a plot with more layers.
inline TConvertError ListIndexError(std::int64_t Index) {
  return TConvertError("List index out of bounds (" + fmt::Int(Index) + ")");
}

}  // namespace quillon
