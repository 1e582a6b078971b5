// SPDX-License-Identifier: MIT
#pragma once
// A writer's output lines in the shapes that tests compare.

#include <string>
#include <vector>

#include "text/TextLines.h"

namespace quillon::test {

// The lines from index From on, for comparing with an expected vector.
inline std::vector<std::string> LinesOf(const TTextLines& Lines, int From = 0) {
  std::vector<std::string> Result;
  for (int I = From; I < Lines.Count(); ++I) Result.emplace_back(Lines[I]);
  return Result;
}

// Lines joined with line feeds: a failed comparison of two such texts shows
// a line diff.
inline std::string Joined(const std::vector<std::string>& Lines) {
  std::string Text;
  for (const std::string& Line : Lines) Text += Line + "\n";
  return Text;
}

}  // namespace quillon::test
