// SPDX-License-Identifier: MIT
#pragma once
// The result of a check as JSON, and as lines for a person.

#include <ostream>
#include <string>

#include "check/CheckRun.h"

namespace quillon::check {

std::string CheckReportJson(const TCheckResult& Result);
void PrintCheckSummary(std::ostream& Out, const TCheckResult& Result);

}  // namespace quillon::check
