// SPDX-License-Identifier: MIT
#pragma once
// Which of the files a user hands over are the files of a board's save, and
// in which role: the names come from the same output list a save uses, for
// the main file name that explains most of the files given.

#include <string>
#include <vector>

#include "script/ScriptPcb.h"

namespace quillon::check {

struct TFileMatch {
  std::vector<TOutputFile> Files;      // the files to check, by role
  std::vector<std::string> Strangers;  // files given that no save of this board writes
};

// Given lists files, or one folder (then every file the save writes is
// checked, and those not there are missing).
TFileMatch MatchOutputFiles(TScriptingPcb& Board, const std::vector<std::string>& Given);

}  // namespace quillon::check
