// SPDX-License-Identifier: MIT
#include "pins/PinRegex.h"

#include <re2/re2.h>

namespace quillon::pinregex {

namespace {

// Latin-1 makes every byte one character, so "[^\d]" takes any byte that is
// not an ASCII digit (0x80-0xFF and NUL included) and the square word is
// matched byte for byte. Leftmost-first (not longest) gives Perl's choice.
RE2::Options ByteOptions() {
  RE2::Options Options;
  Options.set_encoding(RE2::Options::EncodingLatin1);
  Options.set_case_sensitive(true);
  Options.set_longest_match(false);
  Options.set_log_errors(false);
  return Options;
}

const RE2& LineRegex() {
  static const RE2 Re(R"([ \t]*([\d]+[\d,;]*)([ \t]+[^\d]+)([\d]+[\d\.,]*))", ByteOptions());
  return Re;
}

const RE2& PinListRegex() {
  static const RE2 Re(R"([ \t]*([\d]+[\d,;]*))", ByteOptions());
  return Re;
}

const RE2& NumberRegex() {
  static const RE2 Re(R"(([\d]+[\d\.,]*))", ByteOptions());
  return Re;
}

const RE2& SquareWordRegex() {
  static const RE2 Re(R"(\xEA\xE2\xE0\xE4|rect)", ByteOptions());
  return Re;
}

re2::StringPiece Piece(std::string_view S) { return re2::StringPiece(S.data(), S.size()); }

// The whole match only: that needs just the automaton, while groups would make
// RE2 run its slower group-tracking matcher over the whole text.
bool FindWhole(const RE2& Re, std::string_view Text, std::size_t From, std::string_view& Match) {
  re2::StringPiece Found;
  if (!Re.Match(Piece(Text), From, Text.size(), RE2::UNANCHORED, &Found, 1)) return false;
  Match = std::string_view(Found.data(), Found.size());
  return true;
}

}  // namespace

bool IsPinLine(std::string_view Line) {
  return LineRegex().Match(Piece(Line), 0, Line.size(), RE2::UNANCHORED, nullptr, 0);
}

bool FindPinList(std::string_view Line, std::string_view& List, std::size_t& End) {
  std::string_view Match;
  if (!FindWhole(PinListRegex(), Line, 0, Match)) return false;
  End = static_cast<std::size_t>(Match.data() - Line.data()) + Match.size();
  // Group 1 is the match without the blanks and tabs it starts with.
  List = Match.substr(Match.find_first_not_of(" \t"));
  return true;
}

bool FindNumber(std::string_view Line, std::size_t& From, std::string_view& Number) {
  if (From > Line.size()) return false;
  // Group 1 is the whole match.
  if (!FindWhole(NumberRegex(), Line, From, Number)) return false;
  From = static_cast<std::size_t>(Number.data() - Line.data()) + Number.size();
  return true;
}

bool HasSquareWord(std::string_view Line) {
  return SquareWordRegex().Match(Piece(Line), 0, Line.size(), RE2::UNANCHORED, nullptr, 0);
}

}  // namespace quillon::pinregex
