// SPDX-License-Identifier: MIT
#pragma once
// The prompts of the check's own conversion of the plot, which it makes to
// know what the files should hold: the user met the questions when the files
// were converted, so they are answered as the conversion answered them (the
// same --answers; else yes, as without a terminal) and not shown again. A
// message is a problem with the plot: shown, each once.

#include <iosfwd>
#include <set>
#include <string>
#include <vector>

#include "model/UserPrompts.h"

namespace quillon::cli {

class TCheckPrompts final : public TUserPrompts {
 public:
  TCheckPrompts(std::vector<TAnswer> Scripted, std::ostream& Err);
  void NotifyUser(std::string_view Text) override;
  TAnswer AskUser(std::string_view Text) override;

  // Says once, after the conversion, that questions were answered yes
  // without --answers, which the user may have answered otherwise.
  void ReportUnscriptedAnswers() const;
  int QuestionsAsked() const { return Asked; }

 private:
  std::vector<TAnswer> Scripted;
  std::size_t NextScripted = 0;
  int Asked = 0;
  std::set<std::string, std::less<>> Shown;
  std::ostream& Err;
};

}  // namespace quillon::cli
