// SPDX-License-Identifier: MIT
#pragma once
// The options of a check (quillon-cli check, convert --check) and running
// one over a converted board's files.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "script/ScriptPcb.h"

namespace CLI {
class App;
}

namespace quillon::cli {

struct TCheckArgs {
  int Dpi = 1000;
  std::optional<double> ToleranceMm;
  std::string Report;  // the JSON report; difference pictures go beside it
  double TimeLimit = 120;
  int Jobs = 0;
};

// Adds --dpi, --tolerance-mm, --report, --time-limit, --check-jobs.
void AddCheckOptions(CLI::App& Sub, TCheckArgs& Args);

// Checks Files of Board (converted with the item switches Items) and reports
// to Out; returns 0 when every file passes, 1 when any does not, 2 without a
// reader.
int RunCheck(const TScriptingPcb& Board, const std::vector<TOutputFile>& Files,
             const TCheckArgs& Args, std::uint8_t Items, std::ostream& Out);

}  // namespace quillon::cli
