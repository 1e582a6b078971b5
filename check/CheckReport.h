// SPDX-License-Identifier: MIT
#pragma once
// The result of a check as JSON, and as lines for a person; the results of
// one file taken together.

#include <ostream>
#include <string>
#include <vector>

#include "check/CheckRun.h"

namespace quillon::check {

// One written file's result: the macro or script beside the layer files is
// read layer by layer, and its file passes only when every layer does.
struct TFileVerdict {
  std::string Path;
  std::string Role;
  int Layer = -1;  // -1 for the main file, whose layers are merged
  TFileStatus Status = TFileStatus::Passed;
  double AreaMm2 = 0;
  std::string Reader;
  std::string Message;  // the messages of the layers that do not pass
};
std::vector<TFileVerdict> VerdictsByFile(const TCheckResult& Result);

std::string CheckReportJson(const TCheckResult& Result);
void PrintCheckSummary(std::ostream& Out, const TCheckResult& Result);

}  // namespace quillon::check
