// SPDX-License-Identifier: MIT
#pragma once
// Reading a pin description file whole, for the command line and the window
// alike. A description is a text of at most some megabytes: anything much
// larger is not one, and a device such as /dev/zero would never end, so both
// are refused before they fill the memory.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quillon {

// The largest description read, in bytes (64 MiB): a hundred times the
// largest ever seen.
constexpr std::uint64_t MaxDescriptionBytes = std::uint64_t{64} << 20;

// what(): `Cannot read the pin description "FILE": REASON`, for a message
// box; a front end with its own wording takes the two parts.
class TDescriptionFileError : public std::runtime_error {
 public:
  TDescriptionFileError(const std::string& FileName, const std::string& Reason)
      : std::runtime_error("Cannot read the pin description \"" + FileName + "\": " + Reason),
        FileName(FileName),
        Reason(Reason) {}
  std::string FileName;
  std::string Reason;
};

// The bytes of FileName, a regular file or a pipe (also through links).
// Throws TDescriptionFileError for anything else (a folder, a device, a
// socket), for more than MaxDescriptionBytes, and when it cannot be read.
std::string ReadDescriptionFile(const std::string& FileName);

}  // namespace quillon
