// SPDX-License-Identifier: MIT
#include "check/scripts/ScriptSyntax.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace quillon::check::scripts {

std::string_view Trimmed(std::string_view S) {
  while (!S.empty() && (S.front() == ' ' || S.front() == '\t')) S.remove_prefix(1);
  while (!S.empty() && (S.back() == ' ' || S.back() == '\t')) S.remove_suffix(1);
  return S;
}

bool ReadNumber(std::string_view S, double& Out, double Limit) {
  S = Trimmed(S);
  std::size_t I = 0;
  if (I < S.size() && (S[I] == '-' || S[I] == '+')) ++I;
  std::size_t Digits = 0, Point = 0;
  for (; I < S.size(); ++I) {
    if (S[I] >= '0' && S[I] <= '9')
      ++Digits;
    else if (S[I] == '.' && ++Point == 1)
      continue;
    else
      return false;
  }
  // More digits than any double holds is a hostile number, not a board's.
  if (Digits == 0 || Digits > 40) return false;
  const std::string Copy(S);
  const double V = std::strtod(Copy.c_str(), nullptr);
  if (!std::isfinite(V) || std::fabs(V) > Limit) return false;
  Out = V;
  return true;
}

bool ReadInteger(std::string_view S, std::int64_t Min, std::int64_t Max, std::int64_t& Out) {
  S = Trimmed(S);
  std::size_t I = 0;
  const bool Minus = !S.empty() && S[0] == '-';
  if (Minus || (!S.empty() && S[0] == '+')) ++I;
  if (I == S.size() || S.size() - I > 18) return false;
  std::int64_t V = 0;
  for (; I < S.size(); ++I) {
    if (S[I] < '0' || S[I] > '9') return false;
    V = V * 10 + (S[I] - '0');
  }
  if (Minus) V = -V;
  if (V < Min || V > Max) return false;
  Out = V;
  return true;
}

std::vector<std::string_view> SplitCommas(std::string_view S) {
  std::vector<std::string_view> Pieces;
  std::size_t Begin = 0;
  for (std::size_t I = 0; I <= S.size(); ++I)
    if (I == S.size() || S[I] == ',') {
      Pieces.push_back(S.substr(Begin, I - Begin));
      Begin = I + 1;
    }
  return Pieces;
}

void TProblemLog::Add(std::int64_t Line, std::string Message) {
  if (F.Problems.size() >= MaxProblems) return;
  // A message quotes the file, which may hold anything: control bytes would
  // garble the terminal that shows it.
  for (char& C : Message)
    if (static_cast<unsigned char>(C) < 0x20 || static_cast<unsigned char>(C) >= 0x7F) C = '?';
  F.Problems.push_back({Line, std::move(Message)});
}

void ForEachLine(std::string_view Text, TProblemLog& Log,
                 const std::function<bool(std::int64_t, std::string_view)>& Each) {
  std::int64_t Number = 0;
  std::size_t Begin = 0;
  while (Begin < Text.size()) {
    std::size_t End = Begin;
    while (End < Text.size() && Text[End] != '\n' && Text[End] != '\r') ++End;
    ++Number;
    const std::string_view Line = Text.substr(Begin, End - Begin);
    if (End < Text.size() && Text[End] == '\r' && End + 1 < Text.size() && Text[End + 1] == '\n')
      ++End;
    Begin = End + 1;
    if (Line.size() > MaxLineBytes) {
      Log.Add(Number, "a line of " + std::to_string(Line.size()) +
                          " bytes, longer than any command; passed over");
      continue;
    }
    if (!Each(Number, Line)) return;
  }
}

bool ReadWholeFile(const std::string& Path, std::string& Text, std::string& Error) {
  std::ifstream In(Path, std::ios::binary);
  if (!In) {
    Error = std::string("cannot open: ") + std::strerror(errno);
    return false;
  }
  In.seekg(0, std::ios::end);
  const std::streamoff Size = In.tellg();
  if (Size < 0 || static_cast<std::uint64_t>(Size) > MaxFileBytes) {
    Error = "larger than a script the check reads (2 GB)";
    return false;
  }
  In.seekg(0);
  Text.resize(static_cast<std::size_t>(Size));
  In.read(Text.data(), Size);
  if (!In) {
    Error = "cannot read it whole";
    return false;
  }
  return true;
}

}  // namespace quillon::check::scripts
