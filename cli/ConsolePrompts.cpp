// SPDX-License-Identifier: MIT
#include "cli/ConsolePrompts.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string>

#include "text/AsciiCase.h"

namespace quillon::cli {

namespace {

// The core breaks lines with line feed + carriage return, as the message
// boxes expect; a terminal wants a plain line feed.
std::string TerminalText(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char C = Text[i];
    const bool Pair = i + 1 < Text.size() &&
                      ((C == '\n' && Text[i + 1] == '\r') || (C == '\r' && Text[i + 1] == '\n'));
    Out.push_back(C == '\r' ? '\n' : C);
    if (Pair) ++i;
  }
  return Out;
}

std::string_view Trim(std::string_view S) {
  const auto Blank = [](char C) { return C == ' ' || C == '\t' || C == '\r' || C == '\n'; };
  while (!S.empty() && Blank(S.front())) S.remove_prefix(1);
  while (!S.empty() && Blank(S.back())) S.remove_suffix(1);
  return S;
}

const TAnswer AllAnswers[] = {TAnswer::Yes, TAnswer::No, TAnswer::Cancel, TAnswer::NoToAll,
                              TAnswer::YesToAll};

std::optional<TAnswer> AnswerFromWord(std::string_view Word) {
  const std::string W = LowerAscii(Trim(Word));
  for (TAnswer A : AllAnswers)
    if (W == TConsolePrompts::AnswerName(A)) return A;
  return std::nullopt;
}

// What a person may type: a word, or one letter where "a" (all) is No to All
// and "A" is Yes to All, the two standing answers.
std::optional<TAnswer> TypedAnswer(std::string_view Line) {
  const std::string_view T = Trim(Line);
  if (T == "a") return TAnswer::NoToAll;
  if (T == "A") return TAnswer::YesToAll;
  if (T.size() == 1) {
    switch (T[0]) {
      case 'y':
      case 'Y':
        return TAnswer::Yes;
      case 'n':
      case 'N':
        return TAnswer::No;
      case 'c':
      case 'C':
        return TAnswer::Cancel;
      default:
        return std::nullopt;
    }
  }
  return AnswerFromWord(T);
}

constexpr const char* TerminalChoices =
    "Answer [y]es, [n]o, [c]ancel, [a] no to all, [A] yes to all "
    "(or yes, no, cancel, no-all, yes-all): ";

}  // namespace

TConsolePrompts::TConsolePrompts(std::vector<TAnswer> Scripted)
    : Scripted(std::move(Scripted)),
      In(&std::cin),
      Err(&std::cerr),
      Interactive(::isatty(STDIN_FILENO) == 1) {}

void TConsolePrompts::UseStreams(std::istream& NewIn, std::ostream& NewErr, bool InteractiveIn) {
  In = &NewIn;
  Err = &NewErr;
  Interactive = InteractiveIn;
}

void TConsolePrompts::NotifyUser(std::string_view Text) {
  *Err << TerminalText(Text) << '\n' << std::flush;
}

TAnswer TConsolePrompts::AskUser(std::string_view Text) {
  ++Asked;
  *Err << TerminalText(Text) << '\n';
  if (!Scripted.empty()) {
    const TAnswer A = Scripted[std::min(NextScripted, Scripted.size() - 1)];
    if (NextScripted < Scripted.size()) ++NextScripted;
    *Err << "Answer: " << AnswerName(A) << " (scripted)\n" << std::flush;
    return A;
  }
  if (Interactive) return AskOnTerminal();
  *Err << "Answer: yes (standard input is not a terminal)\n" << std::flush;
  return TAnswer::Yes;
}

TAnswer TConsolePrompts::AskOnTerminal() {
  for (;;) {
    *Err << TerminalChoices << std::flush;
    std::string Line;
    if (!std::getline(*In, Line)) {
      // Nobody left to answer: stop the writer rather than guess.
      *Err << "\nAnswer: cancel (end of input)\n" << std::flush;
      return TAnswer::Cancel;
    }
    if (const std::optional<TAnswer> A = TypedAnswer(Line)) return *A;
  }
}

std::optional<std::vector<TAnswer>> TConsolePrompts::ParseAnswers(std::string_view List) {
  std::vector<TAnswer> Answers;
  for (;;) {
    const std::size_t Comma = List.find(',');
    const std::optional<TAnswer> A = AnswerFromWord(List.substr(0, Comma));
    if (!A) return std::nullopt;
    Answers.push_back(*A);
    if (Comma == std::string_view::npos) return Answers;
    List.remove_prefix(Comma + 1);
  }
}

const char* TConsolePrompts::AnswerName(TAnswer Answer) {
  switch (Answer) {
    case TAnswer::Yes:
      return "yes";
    case TAnswer::No:
      return "no";
    case TAnswer::Cancel:
      return "cancel";
    case TAnswer::NoToAll:
      return "no-all";
    case TAnswer::YesToAll:
      return "yes-all";
  }
  return "yes";
}

}  // namespace quillon::cli
