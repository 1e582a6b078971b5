// SPDX-License-Identifier: MIT
#include "script/gerber/GerberCoord.h"

#include <charconv>
#include <cstring>

#include "text/NumberFormat.h"

namespace quillon {

namespace {

// Fixed point with Decimals digits, no padding, "." as point, no "-" on a
// value that rounds to zero.
void AppendFixedText(std::string& S, double Value, int Decimals) {
  constexpr int ExactDecimals = 6;  // what the shared formatter rounds exactly
  if (Decimals <= ExactDecimals) {
    fmt::AppendFixed(S, Value, Decimals);
    return;
  }
  char Buf[512];
  const auto R = std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::fixed, Decimals);
  if (R.ec != std::errc()) {
    fmt::AppendFixed(S, Value, ExactDecimals);
    return;
  }
  const std::string_view Text(Buf, static_cast<std::size_t>(R.ptr - Buf));
  const bool AllZero = Text.find_first_not_of("-0.") == std::string_view::npos;
  S.append(AllZero && Text.front() == '-' ? Text.substr(1) : Text);
}

bool IsPoint(char C) { return C == '.' || C == ','; }

}  // namespace

char* TGerberCoord::WriteFast(char* P, double Value) const {
  const int Full = IntegerDigits + DecimalDigits;
  if (ZeroMode != 0 || DecimalChar != 0 || ForcePlus || DecimalDigits > 6 || Full > 20)
    return nullptr;
  std::int64_t Scaled;
  if (!fmt::ScaledRound(Value, DecimalDigits, Scaled)) return nullptr;
  if (Scaled <= -1000000000000000000 || Scaled >= 1000000000000000000) return nullptr;
  *P = '-';  // a value that rounds to zero has no sign
  P += Scaled < 0;
  const std::uint64_t Mag = fmt::detail::Magnitude(Scaled);
  const int Digits = fmt::detail::DigitCount(Mag);
  char* End = P + (Digits > Full ? Digits : Full);
  fmt::detail::DigitsBackwards(End, Mag, Full);
  return End;
}

void TGerberCoord::AppendGeneral(std::string& Out, double Value) const {
  std::string S;
  AppendFixedText(S, Value, DecimalDigits);
  // 0-based position of the first digit (the 1-based "sign position" - 1).
  const std::size_t Sign = !S.empty() && S[0] == '-' ? 1 : 0;

  // The point: removed, or replaced by DecimalChar; a point in the last place
  // is left alone.
  for (std::size_t I = S.size(); I-- > 1;) {
    if (!IsPoint(S[I - 1])) continue;
    if (DecimalChar == 0)
      S.erase(I - 1, 1);
    else
      S[I - 1] = DecimalChar;
  }

  const std::size_t Full = std::size_t{IntegerDigits} + DecimalDigits + Sign;
  if (ZeroMode == 0 || ZeroMode == 2) {
    if (S.size() < Full) S.insert(Sign, Full - S.size(), '0');
  }
  if (ZeroMode == 1) {
    std::size_t Zeros = 0;
    while (Sign + Zeros < S.size() && S.size() - Zeros >= 2 && S[Sign + Zeros] == '0') ++Zeros;
    S.erase(Sign, Zeros);
  }
  if (ZeroMode == 2) {
    // Trailing zeros go up to the point; the point goes too when only zeros
    // followed it.
    std::size_t End = S.size();
    while (End > 0 && S[End - 1] == '0') --End;
    if (End > 0 && DecimalChar != 0 && S[End - 1] == DecimalChar && End < S.size()) --End;
    S.resize(End);
  }

  if (S.empty() || S == "-") S.assign(1, '0');
  if (ForcePlus && S[0] != '-') Out += '+';
  Out += S;
}

void TGerberCoord::AppendCoord(std::string& Out, double Value) const {
  char Buf[MaxFastChars];
  if (const char* End = WriteFast(Buf, Value)) {
    Out.append(Buf, static_cast<std::size_t>(End - Buf));
    return;
  }
  AppendGeneral(Out, Value);
}

std::string TGerberCoord::FormatCoord(double Value) const {
  std::string S;
  AppendCoord(S, Value);
  return S;
}

}  // namespace quillon
