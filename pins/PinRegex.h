// SPDX-License-Identifier: MIT
#pragma once
// The fixed expressions of the pin description grammar, matched as a
// Perl-style engine would (unanchored, leftmost-first, greedy, case-sensitive,
// on 8-bit bytes), but by an automaton: a description line of a megabyte
// must not take seconds or exhaust the stack.
//
//   LineRegex        [ \t]*([\d]+[\d,;]*)([ \t]+[^\d]+)([\d]+[\d\.,]*)
//   PinListRegex     [ \t]*([\d]+[\d,;]*)
//   NumberRegex      ([\d]+[\d\.,]*)
//   SquareWordRegex  \xEA\xE2\xE0\xE4|rect   (Windows-1251 "kvad..." or "rect")

#include <cstddef>
#include <string_view>

namespace quillon::pinregex {

// LineRegex matches somewhere in Line.
bool IsPinLine(std::string_view Line);

// First match of PinListRegex: List is its group 1, End the offset just after
// the match. False when Line has no digit.
bool FindPinList(std::string_view Line, std::string_view& List, std::size_t& End);

// First match of NumberRegex at or after From: Number is the match and From
// moves to its end. False when no digit follows From.
bool FindNumber(std::string_view Line, std::size_t& From, std::string_view& Number);

// SquareWordRegex matches somewhere in Line.
bool HasSquareWord(std::string_view Line);

}  // namespace quillon::pinregex
