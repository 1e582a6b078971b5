// SPDX-License-Identifier: MIT
#include "pins/ParseNumber.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace quillon {

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// from_chars reports a value beyond the range of a double without giving one.
// Without an exponent the text is at least 1 exactly when a digit before the
// point is not 0, so that tells an overflow from an underflow.
double OutOfRangeValue(std::string_view Unsigned, bool Negative) {
  const std::string_view Whole = Unsigned.substr(0, Unsigned.find('.'));
  const bool Large = std::any_of(Whole.begin(), Whole.end(), [](char C) { return C != '0'; });
  const double Magnitude = Large ? std::numeric_limits<double>::infinity() : 0.0;
  return Negative ? -Magnitude : Magnitude;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view Text) {
  std::string Number(Text);
  std::replace(Number.begin(), Number.end(), ',', '.');
  const bool Negative = !Number.empty() && Number.front() == '-';
  const std::string_view Unsigned = std::string_view(Number).substr(Negative ? 1 : 0);
  // from_chars would also take "inf", "nan" and a second sign.
  if (Unsigned.empty() || !(IsDigit(Unsigned.front()) || Unsigned.front() == '.'))
    return std::nullopt;

  double Value = 0;
  const char* End = Number.data() + Number.size();
  const auto [Ptr, Ec] = std::from_chars(Number.data(), End, Value, std::chars_format::fixed);
  if (Ptr != End) return std::nullopt;
  if (Ec == std::errc::result_out_of_range) return OutOfRangeValue(Unsigned, Negative);
  if (Ec != std::errc()) return std::nullopt;
  return Value;
}

}  // namespace quillon
