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

constexpr int MaxDecimals = 6;
constexpr long double Pow10L[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L, 100000.0L, 1000000.0L};
constexpr double Pow10[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0};

// Below 2^52 a double product has a fraction to round, and the fraction is
// held exactly.
constexpr double QuickLimit = 4503599627370496.0;  // 2^52

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

constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the decimal digits of V so that they end at End; returns their start.
// At least MinDigits digits: leading zeros fill up.
char* DigitsBackwards(char* End, std::uint64_t V, int MinDigits) {
  char* P = End;
  while (V >= 100) {
    const std::size_t Pair = static_cast<std::size_t>(V % 100) * 2;
    V /= 100;
    P -= 2;
    std::memcpy(P, DigitPairs + Pair, 2);
  }
  if (V >= 10) {
    P -= 2;
    std::memcpy(P, DigitPairs + static_cast<std::size_t>(V) * 2, 2);
  } else {
    *--P = static_cast<char>('0' + V);
  }
  while (End - P < MinDigits) *--P = '0';
  return P;
}

// The text of Scaled / 10^Decimals ("-" only on a nonzero value, at least one
// digit before the point), ending at End; returns its start.
char* FixedBackwards(char* End, std::int64_t Scaled, int Decimals) {
  std::uint64_t Mag =
      Scaled < 0 ? 0 - static_cast<std::uint64_t>(Scaled) : static_cast<std::uint64_t>(Scaled);
  char* P = End;
  if (Decimals > 0) {
    const auto Unit = static_cast<std::uint64_t>(Pow10[Decimals]);
    P = DigitsBackwards(P, Mag % Unit, Decimals);
    *--P = '.';
    Mag /= Unit;
  }
  P = DigitsBackwards(P, Mag, 1);
  if (Scaled < 0) *--P = '-';
  return P;
}

}  // namespace

// Why the double product S decides the rounding of the exact product P
// unless S is a half: S is P rounded to nearest, so |P - S| <= u/2 with u the
// ulp of S. Below 2^52 the fraction of |S| and one half are both multiples of
// u (or, below 1, the fraction is |S| itself and the doubles next to one half
// are at least 2^-54 from it while u/2 <= 2^-55), so a fraction other than
// one half is at least u from it: P lies on the same side of the half, and
// rounds to the same integer.
bool ScaledRoundQuick(double Value, int Decimals, std::int64_t& Result) {
  if (Decimals < 0 || Decimals > MaxDecimals) return false;
  const double Product = Value * Pow10[Decimals];
  const double Magnitude = std::fabs(Product);
  if (!(Magnitude < QuickLimit)) return false;  // NaN lands here too
  const auto Whole = static_cast<std::int64_t>(Magnitude);
  const double Fraction = Magnitude - static_cast<double>(Whole);  // exact
  if (Fraction == 0.5) return false;
  const std::int64_t Rounded = Whole + (Fraction > 0.5 ? 1 : 0);
  Result = Product < 0 ? -Rounded : Rounded;
  return true;
}

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
  std::int64_t Scaled;
  if (ScaledRound(Value, Decimals, Scaled)) {
    // 19 digits, a point, a sign.
    char Buf[24];
    char* End = Buf + sizeof Buf;
    const char* Begin = FixedBackwards(End, Scaled, Decimals);
    const auto Len = static_cast<std::size_t>(End - Begin);
    if (Width > 0 && Len < static_cast<std::size_t>(Width))
      Out.append(static_cast<std::size_t>(Width) - Len, ' ');
    Out.append(Begin, Len);
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
  const std::uint64_t Mag =
      Value < 0 ? 0 - static_cast<std::uint64_t>(Value) : static_cast<std::uint64_t>(Value);
  const char* Digits = DigitsBackwards(End, Mag, 1);
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
