// SPDX-License-Identifier: MIT
#pragma once
// An error that stops a plot load. what() is exactly the system's text
// ("Read beyond end of file", "Range check error", "Assertion failure", or the
// open error); the file name and byte offset travel beside it for front ends.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quillon {

class TPlotError : public std::runtime_error {
 public:
  TPlotError(const std::string& Message, std::string FileName, std::int64_t Offset = -1)
      : std::runtime_error(Message), FileName(std::move(FileName)), Offset(Offset) {}

  std::string FileName;
  std::int64_t Offset;  // byte offset of the failing read, -1 when unknown
};

}  // namespace quillon
