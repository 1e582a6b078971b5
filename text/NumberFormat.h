// SPDX-License-Identifier: MIT
#pragma once
// The one place where numbers become output text. Every writer calls these,
// so a rule of the output formats lives here only:
//  - fixed point ("%4.2f", "%2.4f", "%0.0f") rounds half away from zero on the
//    exact value of the double, always with "." as decimal point, and a
//    negative value that rounds to zero prints without "-";
//  - integers as "%d", or C's "%W.Pd" (zero-padded to P digits, blank-padded
//    to W characters).
// Nothing here depends on the C locale.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace quillon::fmt {

// Appends Value with Decimals digits after the point, right-aligned with
// blanks to Width characters. Non-finite values print as "NAN", "INF", "-INF".
void AppendFixed(std::string& Out, double Value, int Decimals, int Width = 0);
std::string Fixed(double Value, int Decimals, int Width = 0);

// "%d"
void AppendInt(std::string& Out, std::int64_t Value);
std::string Int(std::int64_t Value);

// "%<Width>.<Precision>d": at least Precision digits (zero-padded), the sign
// before them, the whole right-aligned with blanks to Width characters.
void AppendIntPadded(std::string& Out, std::int64_t Value, int Width, int Precision);
std::string IntPadded(std::int64_t Value, int Width, int Precision);

// Rounds Value * 10^Decimals (Decimals 0..6) to an integer, halves away from
// zero, exactly. Returns false when the result does not fit in 64 bits or
// Value is not finite.
bool ScaledRound(double Value, int Decimals, std::int64_t& Result);

// The two roads ScaledRound takes, apart so that they can be held against
// each other. The quick one multiplies in double and declines (returns false)
// where that could differ from the exact product: a product of 2^52 or more,
// or one that came out as an exact half. The exact one multiplies in extended
// precision, which holds such a product without loss up to four decimals (the
// 64-bit mantissa has no room for 5^5 or 5^6 more), and takes any value.
inline bool ScaledRoundQuick(double Value, int Decimals, std::int64_t& Result);
bool ScaledRoundExact(double Value, int Decimals, std::int64_t& Result);

// The room WriteFixedQuick may fill.
constexpr int MaxQuickFixedChars = 32;
// What AppendFixed appends, written at P, for the values the quick rounding
// takes and Width up to MaxQuickFixedChars; returns the text's end, or
// nullptr (nothing written) for any other value. Inline: the writers call it
// for millions of numbers.
inline char* WriteFixedQuick(char* P, double Value, int Decimals, int Width);

// The usual shorthands of the output formats.
inline std::string F42(double V) { return Fixed(V, 2, 4); }  // "%4.2f"
inline std::string F24(double V) { return Fixed(V, 4, 2); }  // "%2.4f"
inline std::string F00(double V) { return Fixed(V, 0, 0); }  // "%0.0f"

// Inline parts of the above.

namespace detail {

constexpr int MaxDecimals = 6;
constexpr double Pow10[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0};
constexpr std::uint64_t Pow10Int[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
// Below 2^52 a double product has a fraction to round, and the fraction is
// held exactly.
constexpr double QuickLimit = 4503599627370496.0;  // 2^52

inline constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the decimal digits of V so that they end at End, at least MinDigits
// of them (leading zeros fill up); returns their start.
inline char* DigitsBackwards(char* End, std::uint64_t V, int MinDigits) {
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

inline std::uint64_t Magnitude(std::int64_t V) {
  return V < 0 ? 0 - static_cast<std::uint64_t>(V) : static_cast<std::uint64_t>(V);
}

inline int DigitCount(std::uint64_t V) {
  int N = 1;
  for (; V >= 10000; V /= 10000) N += 4;
  return N + (V >= 10) + (V >= 100) + (V >= 1000);
}

// The text of Scaled / 10^Decimals ("-" only on a nonzero value, at least one
// digit before the point) at P; returns its end. Decimals is a constant, so
// that the divisions by 10^Decimals are multiplications.
template <int Decimals>
inline char* WriteScaled(char* P, std::int64_t Scaled) {
  constexpr std::uint64_t Unit = Pow10Int[Decimals];
  const std::uint64_t Mag = Magnitude(Scaled);
  const std::uint64_t Whole = Mag / Unit;
  *P = '-';
  P += Scaled < 0;
  P += DigitCount(Whole);
  char* End = P;
  if constexpr (Decimals > 0) {
    End = P + 1 + Decimals;
    *P = '.';
    DigitsBackwards(End, Mag % Unit, Decimals);
  }
  DigitsBackwards(P, Whole, 1);
  return End;
}

// The length of what WriteScaled writes.
template <int Decimals>
inline int ScaledLength(std::int64_t Scaled) {
  return (Scaled < 0) + DigitCount(Magnitude(Scaled) / Pow10Int[Decimals]) +
         (Decimals > 0 ? 1 + Decimals : 0);
}

template <int Decimals>
inline char* WriteFixedQuickAt(char* P, double Value, int Width) {
  std::int64_t Scaled;
  if (Width > MaxQuickFixedChars || !ScaledRoundQuick(Value, Decimals, Scaled)) return nullptr;
  const int Pad = Width - ScaledLength<Decimals>(Scaled);
  if (Pad > 0) {
    std::memset(P, ' ', static_cast<std::size_t>(Pad));
    P += Pad;
  }
  return WriteScaled<Decimals>(P, Scaled);
}

// Do(std::integral_constant<int, Decimals>) for Decimals 0..6, nullptr for
// any other: the constant turns the divisions by 10^Decimals into
// multiplications.
template <class TDo>
inline char* WithDecimals(int Decimals, TDo Do) {
  switch (Decimals) {
    case 0:
      return Do(std::integral_constant<int, 0>());
    case 1:
      return Do(std::integral_constant<int, 1>());
    case 2:
      return Do(std::integral_constant<int, 2>());
    case 3:
      return Do(std::integral_constant<int, 3>());
    case 4:
      return Do(std::integral_constant<int, 4>());
    case 5:
      return Do(std::integral_constant<int, 5>());
    case 6:
      return Do(std::integral_constant<int, 6>());
    default:
      return nullptr;
  }
}

}  // namespace detail

// Why the double product S decides the rounding of the exact product P
// unless S is a half: S is P rounded to nearest, so |P - S| <= u/2 with u the
// ulp of S. Below 2^52 the fraction of |S| and one half are both multiples of
// u (or, below 1, the fraction is |S| itself and the doubles next to one half
// are at least 2^-54 from it while u/2 <= 2^-55), so a fraction other than
// one half is at least u from it: P lies on the same side of the half, and
// rounds to the same integer.
inline bool ScaledRoundQuick(double Value, int Decimals, std::int64_t& Result) {
  if (Decimals < 0 || Decimals > detail::MaxDecimals) return false;
  const double Product = Value * detail::Pow10[Decimals];
  const double Magnitude = Product < 0 ? -Product : Product;
  if (!(Magnitude < detail::QuickLimit)) return false;  // NaN lands here too
  const auto Whole = static_cast<std::int64_t>(Magnitude);
  const double Fraction = Magnitude - static_cast<double>(Whole);  // exact
  if (Fraction == 0.5) return false;
  const std::int64_t Rounded = Whole + (Fraction > 0.5 ? 1 : 0);
  Result = Product < 0 ? -Rounded : Rounded;
  return true;
}

inline char* WriteFixedQuick(char* P, double Value, int Decimals, int Width) {
  return detail::WithDecimals(Decimals, [&](auto D) {
    return detail::WriteFixedQuickAt<decltype(D)::value>(P, Value, Width);
  });
}

}  // namespace quillon::fmt
