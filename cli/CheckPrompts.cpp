// SPDX-License-Identifier: MIT
#include "cli/CheckPrompts.h"

#include <algorithm>
#include <ostream>

namespace quillon::cli {

TCheckPrompts::TCheckPrompts(std::vector<TAnswer> Scripted, std::ostream& Err)
    : Scripted(std::move(Scripted)), Err(Err) {}

void TCheckPrompts::NotifyUser(std::string_view Text) {
  if (Shown.find(Text) != Shown.end()) return;
  Shown.emplace(Text);
  std::string Line;
  // The core breaks lines as a message box wants them (LF CR).
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == '\r' && (I == 0 || Text[I - 1] != '\n')) Line += '\n';
    if (Text[I] != '\r') Line += Text[I];
  }
  Err << Line << '\n' << std::flush;
}

TAnswer TCheckPrompts::AskUser(std::string_view) {
  ++Asked;
  if (Scripted.empty()) return TAnswer::Yes;
  const TAnswer A = Scripted[std::min(NextScripted, Scripted.size() - 1)];
  if (NextScripted < Scripted.size()) ++NextScripted;
  return A;
}

void TCheckPrompts::ReportUnscriptedAnswers() const {
  if (Asked == 0 || !Scripted.empty()) return;
  Err << "quillon-cli check: the conversion asked " << Asked
      << (Asked == 1 ? " question" : " questions")
      << ", answered yes here; give the conversion's --answers if it was answered otherwise\n"
      << std::flush;
}

}  // namespace quillon::cli
