// SPDX-License-Identifier: MIT
#include "text/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace quillon::fmt {

// The scaled product must be exact for the rounding to see true halves: a
// double's 53-bit mantissa times 5^Decimals (at most 10 bits for up to four
// decimals) fits the 64-bit mantissa of x87 extended precision.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "exact fixed-point rounding needs 64-bit long double mantissas");

namespace {

using detail::MaxDecimals;
constexpr long double Pow10L[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L, 100000.0L, 1000000.0L};

void PadLeft(std::string& Out, std::size_t Start, int Width) {
  const std::size_t Len = Out.size() - Start;
  if (Width > 0 && Len < static_cast<std::size_t>(Width))
    Out.insert(Start, static_cast<std::size_t>(Width) - Len, ' ');
}

// Values too large for 64-bit scaled integers have no fraction left to round
// at two to four decimals: the shortest exact integer text plus zeros.
void AppendHuge(std::string& Out, double Value, int Decimals) {
  char Buf[400];
  auto R = std::to_chars(Buf, Buf + sizeof Buf, std::round(Value), std::chars_format::fixed, 0);
  Out.append(Buf, R.ptr);
  if (Decimals > 0) {
    Out += '.';
    Out.append(static_cast<std::size_t>(Decimals), '0');
  }
}

}  // namespace

bool ScaledRoundExact(double Value, int Decimals, std::int64_t& Result) {
  if (!std::isfinite(Value) || Decimals < 0 || Decimals > MaxDecimals) return false;
  const long double Scaled = static_cast<long double>(Value) * Pow10L[Decimals];
  const long double Rounded = std::round(Scaled);  // halves away from zero
  if (!(std::fabs(Rounded) < 9.2e18L)) return false;
  Result = static_cast<std::int64_t>(Rounded);
  return true;
}

bool ScaledRound(double Value, int Decimals, std::int64_t& Result) {
  return ScaledRoundQuick(Value, Decimals, Result) || ScaledRoundExact(Value, Decimals, Result);
}

void AppendFixed(std::string& Out, double Value, int Decimals, int Width) {
  if (Decimals > MaxDecimals) Decimals = MaxDecimals;
  char Buf[MaxQuickFixedChars];
  if (const char* End = WriteFixedQuick(Buf, Value, Decimals, Width)) {
    Out.append(Buf, static_cast<std::size_t>(End - Buf));
    return;
  }
  std::int64_t Scaled;
  if (ScaledRoundExact(Value, Decimals, Scaled)) {
    char Text[MaxQuickFixedChars];  // 19 digits, a point, a sign
    const char* End = detail::WithDecimals(
        Decimals, [&](auto D) { return detail::WriteScaled<decltype(D)::value>(Text, Scaled); });
    const auto Len = static_cast<std::size_t>(End - Text);
    if (Width > 0 && Len < static_cast<std::size_t>(Width))
      Out.append(static_cast<std::size_t>(Width) - Len, ' ');
    Out.append(Text, Len);
    return;
  }
  const std::size_t Start = Out.size();
  if (std::isnan(Value))
    Out += "NAN";
  else if (std::isinf(Value))
    Out += Value < 0 ? "-INF" : "INF";
  else
    AppendHuge(Out, Value, Decimals);
  PadLeft(Out, Start, Width);
}

std::string Fixed(double Value, int Decimals, int Width) {
  std::string S;
  AppendFixed(S, Value, Decimals, Width);
  return S;
}

void AppendInt(std::string& Out, std::int64_t Value) {
  char Buf[24];
  auto R = std::to_chars(Buf, Buf + sizeof Buf, Value);
  Out.append(Buf, R.ptr);
}

std::string Int(std::int64_t Value) {
  std::string S;
  AppendInt(S, Value);
  return S;
}

void AppendIntPadded(std::string& Out, std::int64_t Value, int Width, int Precision) {
  char Buf[24];
  char* End = Buf + sizeof Buf;
  const char* Digits = detail::DigitsBackwards(End, detail::Magnitude(Value), 1);
  const auto Len = static_cast<std::size_t>(End - Digits);
  const std::size_t Zeros = Precision > 0 && Len < static_cast<std::size_t>(Precision)
                                ? static_cast<std::size_t>(Precision) - Len
                                : 0;
  const std::size_t Total = (Value < 0 ? 1 : 0) + Zeros + Len;
  if (Width > 0 && Total < static_cast<std::size_t>(Width))
    Out.append(static_cast<std::size_t>(Width) - Total, ' ');
  if (Value < 0) Out += '-';
  Out.append(Zeros, '0');
  Out.append(Digits, Len);
}

std::string IntPadded(std::int64_t Value, int Width, int Precision) {
  std::string S;
  AppendIntPadded(S, Value, Width, Precision);
  return S;
}

}  // namespace quillon::fmt
