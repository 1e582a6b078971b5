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

constexpr long double Pow10[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L, 100000.0L, 1000000.0L};
constexpr int MaxExactDecimals = 4;

void PadLeft(std::string& Out, std::size_t Start, int Width) {
  const std::size_t Len = Out.size() - Start;
  if (Width > 0 && Len < static_cast<std::size_t>(Width))
    Out.insert(Start, static_cast<std::size_t>(Width) - Len, ' ');
}

void AppendUnsigned(std::string& Out, std::uint64_t V) {
  char Buf[24];
  auto R = std::to_chars(Buf, Buf + sizeof Buf, V);
  Out.append(Buf, R.ptr);
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

bool ScaledRound(double Value, int Decimals, std::int64_t& Result) {
  if (!std::isfinite(Value) || Decimals < 0 || Decimals > 6) return false;
  const long double Scaled = static_cast<long double>(Value) * Pow10[Decimals];
  const long double Rounded = std::round(Scaled);  // halves away from zero
  if (!(std::fabs(Rounded) < 9.2e18L)) return false;
  Result = static_cast<std::int64_t>(Rounded);
  return true;
}

void AppendFixed(std::string& Out, double Value, int Decimals, int Width) {
  const std::size_t Start = Out.size();
  if (std::isnan(Value)) {
    Out += "NAN";
  } else if (std::isinf(Value)) {
    Out += Value < 0 ? "-INF" : "INF";
  } else {
    if (Decimals > MaxExactDecimals + 2) Decimals = MaxExactDecimals + 2;
    std::int64_t Scaled;
    if (!ScaledRound(Value, Decimals, Scaled)) {
      AppendHuge(Out, Value, Decimals);
    } else {
      if (Scaled < 0) Out += '-';  // a value that rounds to zero has no sign
      const std::uint64_t Mag =
          Scaled < 0 ? 0 - static_cast<std::uint64_t>(Scaled) : static_cast<std::uint64_t>(Scaled);
      char Digits[32];
      auto R = std::to_chars(Digits, Digits + sizeof Digits, Mag);
      int Len = static_cast<int>(R.ptr - Digits);
      // At least one digit before the point.
      const int Need = Decimals + 1;
      if (Len < Need) {
        std::memmove(Digits + (Need - Len), Digits, static_cast<std::size_t>(Len));
        std::memset(Digits, '0', static_cast<std::size_t>(Need - Len));
        Len = Need;
      }
      const int IntLen = Len - Decimals;
      Out.append(Digits, static_cast<std::size_t>(IntLen));
      if (Decimals > 0) {
        Out += '.';
        Out.append(Digits + IntLen, static_cast<std::size_t>(Decimals));
      }
    }
  }
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
  const std::size_t Start = Out.size();
  if (Value < 0) Out += '-';
  const std::uint64_t Mag =
      Value < 0 ? 0 - static_cast<std::uint64_t>(Value) : static_cast<std::uint64_t>(Value);
  std::string Digits;
  AppendUnsigned(Digits, Mag);
  if (Precision > 0 && Digits.size() < static_cast<std::size_t>(Precision))
    Out.append(static_cast<std::size_t>(Precision) - Digits.size(), '0');
  Out += Digits;
  PadLeft(Out, Start, Width);
}

std::string IntPadded(std::int64_t Value, int Width, int Precision) {
  std::string S;
  AppendIntPadded(S, Value, Width, Precision);
  return S;
}

}  // namespace quillon::fmt
