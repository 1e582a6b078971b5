// SPDX-License-Identifier: MIT
#pragma once
// The pieces both script readers share: walking a file line by line within
// the size limits, strict numbers, and the record of what could not be read.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "check/scripts/DrawnItems.h"

namespace quillon::check::scripts {

std::string_view Trimmed(std::string_view S);

// A decimal number as the writers print it: an optional sign, digits, an
// optional point and digits; nothing else, and no larger than the limit.
bool ReadNumber(std::string_view S, double& Out, double Limit = MaxCoordinateMm);
// A whole number within [Min, Max].
bool ReadInteger(std::string_view S, std::int64_t Min, std::int64_t Max, std::int64_t& Out);

// Pieces of S between the commas.
std::vector<std::string_view> SplitCommas(std::string_view S);

// Collects the problems of one file, the first MaxProblems of them.
class TProblemLog {
 public:
  explicit TProblemLog(TDrawnFile& File) : F(File) {}
  void Add(std::int64_t Line, std::string Message);

 private:
  TDrawnFile& F;
};

// Calls Each(line number, line) for every line of Text (CR LF, LF or CR),
// stopping when Each returns false. A line longer than MaxLineBytes is
// reported and passed over.
void ForEachLine(std::string_view Text, TProblemLog& Log,
                 const std::function<bool(std::int64_t, std::string_view)>& Each);

// Reads a whole file within MaxFileBytes; false with Error set otherwise.
inline constexpr std::uint64_t MaxFileBytes = 2ull << 30;
bool ReadWholeFile(const std::string& Path, std::string& Text, std::string& Error);

}  // namespace quillon::check::scripts
