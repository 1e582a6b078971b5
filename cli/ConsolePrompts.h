// SPDX-License-Identifier: MIT
#pragma once
// The command line's user prompts: messages go to stderr; questions take the
// scripted answers in order (the last one repeats), else ask on the terminal
// when stdin is one, else answer Yes and say so on stderr.

#include <iosfwd>
#include <optional>
#include <string_view>
#include <vector>

#include "model/UserPrompts.h"

namespace quillon::cli {

class TConsolePrompts final : public TUserPrompts {
 public:
  explicit TConsolePrompts(std::vector<TAnswer> Scripted = {});
  void NotifyUser(std::string_view Text) override;
  TAnswer AskUser(std::string_view Text) override;

  // "yes,no,cancel,no-all,yes-all" (any letter case); nullopt when a word is
  // none of these or the list is empty.
  static std::optional<std::vector<TAnswer>> ParseAnswers(std::string_view List);
  static const char* AnswerName(TAnswer Answer);  // "yes", "no-all", ...

  int QuestionsAsked() const { return Asked; }

  // Where messages and questions are written and typed answers read, and
  // whether In is a person at a terminal. By default std::cerr, std::cin and
  // the terminal test of standard input; tests give their own streams.
  void UseStreams(std::istream& In, std::ostream& Err, bool InteractiveIn);

 private:
  TAnswer AskOnTerminal();

  std::vector<TAnswer> Scripted;
  std::size_t NextScripted = 0;
  int Asked = 0;
  std::istream* In;
  std::ostream* Err;
  bool Interactive;
};

}  // namespace quillon::cli
