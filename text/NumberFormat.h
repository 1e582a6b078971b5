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
#include <string>
#include <string_view>

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
// precision, which holds every such product without loss, and takes any value.
bool ScaledRoundQuick(double Value, int Decimals, std::int64_t& Result);
bool ScaledRoundExact(double Value, int Decimals, std::int64_t& Result);

// The usual shorthands of the output formats.
inline std::string F42(double V) { return Fixed(V, 2, 4); }  // "%4.2f"
inline std::string F24(double V) { return Fixed(V, 4, 2); }  // "%2.4f"
inline std::string F00(double V) { return Fixed(V, 0, 0); }  // "%0.0f"

}  // namespace quillon::fmt
