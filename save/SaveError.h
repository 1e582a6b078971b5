// SPDX-License-Identifier: MIT
#pragma once
// A file of a conversion's output could not be written. what() names the file
// and gives the system's reason; the file name travels beside it.

#include <stdexcept>
#include <string>

namespace quillon {

class TSaveError : public std::runtime_error {
 public:
  TSaveError(const std::string& FileName, const std::string& Reason)
      : std::runtime_error("Cannot write \"" + FileName + "\": " + Reason), FileName(FileName) {}

  std::string FileName;

 protected:
  // For a refusal whose message says more than a system reason would.
  struct TWholeMessage {};
  TSaveError(TWholeMessage, const std::string& FileName, const std::string& Message)
      : std::runtime_error(Message), FileName(FileName) {}
};

}  // namespace quillon
