#include "cli/ConsolePrompts.h"

#include <iostream>

namespace quillon::cli {

// Filled in with the plot reader's front end.
TConsolePrompts::TConsolePrompts(std::vector<TAnswer> Scripted) : Scripted(std::move(Scripted)) {}

void TConsolePrompts::NotifyUser(std::string_view Text) { std::cerr << Text << '\n'; }

TAnswer TConsolePrompts::AskUser(std::string_view) {
  ++Asked;
  if (Scripted.empty()) return TAnswer::Yes;
  const TAnswer A = Scripted[NextScripted < Scripted.size() ? NextScripted : Scripted.size() - 1];
  ++NextScripted;
  return A;
}

std::optional<std::vector<TAnswer>> TConsolePrompts::ParseAnswers(std::string_view) {
  return std::nullopt;
}

const char* TConsolePrompts::AnswerName(TAnswer) { return "yes"; }

}  // namespace quillon::cli
