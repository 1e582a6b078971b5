// SPDX-License-Identifier: MIT
#pragma once
// The machine-readable report of a conversion (convert --json): one JSON
// object on standard output instead of the summary lines, listing the files
// written, the warnings, the undefined pins met and the answers taken.

#include <iosfwd>
#include <string>
#include <vector>

#include "model/UserPrompts.h"

namespace quillon {
class TScriptingPcb;
}

namespace quillon::cli {

// Passes every message and question on to Inner and keeps them for the report.
class TRecordingPrompts final : public TUserPrompts {
 public:
  explicit TRecordingPrompts(TUserPrompts& Inner) : Inner(Inner) {}
  void NotifyUser(std::string_view Text) override;
  TAnswer AskUser(std::string_view Text) override;

  struct TQuestion {
    std::string Text;
    TAnswer Answer;
  };
  std::vector<std::string> Messages;
  std::vector<TQuestion> Questions;

 private:
  TUserPrompts& Inner;
};

// Writes the report of a save to Out (and to ZipPath when not empty).
void PrintJsonReport(std::ostream& Stream, const TScriptingPcb& Board, const std::string& Out,
                     const std::string& ZipPath, const TRecordingPrompts& Prompts);

}  // namespace quillon::cli
