// SPDX-License-Identifier: MIT
// Reading a pin description: every line that holds a pin list, a gap and a
// size describes one or more pins; everything else (titles, headings, remarks,
// blank lines) is skipped. See PinRegex.h for the grammar.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "pins/ParseNumber.h"
#include "pins/PinRegex.h"
#include "pins/Pins.h"
#include "text/TextLines.h"

namespace quillon {

namespace {

struct TLineMeaning {
  double Hole = 0;
  double Aperture = 0;
  std::uint8_t Shape = shapeCircle;
};

// A third number of 2 marks a square pad in many descriptions; halves round
// to even, so 2.5 is 2 and 1.5 is 2 as well.
bool RoundsToTwo(double V) { return std::nearbyint(V) == 2.0; }

// What up to three numbers V1, V2, V3 (absent when not found or not one
// number) say about the pins of a line; nullopt when they say nothing.
std::optional<TLineMeaning> Meaning(const std::optional<double> (&V)[3], std::uint8_t Layout) {
  const bool AperFirst = Layout == layoutAperHole;
  TLineMeaning M;
  if (V[0] && V[1] && V[2]) {
    if (AperFirst) {
      M.Aperture = *V[0];
      M.Hole = *V[2];
      if (*V[0] == *V[1]) {
        M.Shape = shapeSquare;
      } else if (RoundsToTwo(*V[2])) {
        // "aperture hole 2": the third number is the shape mark, not the hole.
        M.Shape = shapeSquare;
        M.Hole = *V[1];
      }
    } else {
      M.Hole = *V[0];
      M.Aperture = *V[1];
      if (*V[2] == *V[1] || RoundsToTwo(*V[2])) M.Shape = shapeSquare;
    }
  } else if (V[0] && V[1]) {
    M.Hole = AperFirst ? *V[1] : *V[0];
    M.Aperture = AperFirst ? *V[0] : *V[1];
  } else if (V[0] && !V[2]) {
    M.Hole = *V[0];
    M.Shape = shapeNone;  // a drilled hole without a pad
  } else {
    return std::nullopt;
  }
  return M;
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Splits "1,3;5" into 1, 3, 5 and "1,,3" into 1, 0, 3: each piece is the run
// of digits up to the next separator, an empty piece is pin 0. Every piece is
// read once, however many there are, and a separator at the very end adds no
// pin. False when a pin number does not fit in 32 bits.
bool SplitPinList(std::string_view List, std::vector<std::int32_t>& Pins) {
  Pins.clear();
  std::size_t I = 0;
  while (true) {
    std::int64_t Value = 0;
    bool TooLarge = false;
    for (; I < List.size() && IsDigit(List[I]); ++I) {
      if (TooLarge) continue;  // keep skipping the digits, in linear time
      Value = Value * 10 + (List[I] - '0');
      TooLarge = Value > std::numeric_limits<std::int32_t>::max();
    }
    if (TooLarge) return false;
    Pins.push_back(static_cast<std::int32_t>(Value));
    if (I >= List.size()) break;
    ++I;  // the separator that ended the piece
    if (I >= List.size()) break;
  }
  return true;
}

struct TLineResult {
  std::optional<TPinLineSkip> Skip;
  TLineMeaning Meaning;
};

TLineResult ReadLine(std::string_view Line, std::uint8_t Layout, std::vector<std::int32_t>& Pins) {
  TLineResult R;
  if (!pinregex::IsPinLine(Line)) {
    R.Skip = TPinLineSkip::NotAPinLine;
    return R;
  }
  std::string_view List;
  std::size_t From = 0;
  pinregex::FindPinList(Line, List, From);  // a pin line has one

  std::optional<double> V[3];
  for (auto& Value : V) {
    std::string_view Number;
    if (!pinregex::FindNumber(Line, From, Number)) break;
    Value = ParseNumber(Number);
    // A size too large for a double would be written as "INF" in every
    // output and make its pads and holes vanish: unreadable like any other.
    if (Value && !std::isfinite(*Value)) {
      R.Skip = &Value == &V[0] ? TPinLineSkip::FirstSizeUnreadable
                               : TPinLineSkip::SecondSizeUnreadable;
      return R;
    }
  }
  const std::optional<TLineMeaning> M = Meaning(V, Layout);
  if (!M) {
    R.Skip = V[0] ? TPinLineSkip::SecondSizeUnreadable : TPinLineSkip::FirstSizeUnreadable;
    return R;
  }
  R.Meaning = *M;
  // The square word overrides the numbers, also on a line without a pad size.
  if (pinregex::HasSquareWord(Line)) R.Meaning.Shape = shapeSquare;
  if (!SplitPinList(List, Pins)) R.Skip = TPinLineSkip::PinNumberTooLarge;
  return R;
}

}  // namespace

void TPins::Parse(const TTextLines& Lines, std::uint8_t Layout,
                  std::vector<TSkippedPinLine>* Skipped) {
  std::vector<std::int32_t> PinNumbers;
  for (int I = 0; I < Lines.Count(); ++I) {
    const TLineResult R = ReadLine(Lines[I], Layout, PinNumbers);
    if (R.Skip) {
      if (Skipped) Skipped->push_back({I, *R.Skip});
      continue;
    }
    TPinRecord Row;
    Row.Hole = R.Meaning.Hole;
    Row.Aperture = R.Meaning.Aperture;
    Row.Shape = R.Meaning.Shape;
    for (const std::int32_t Pin : PinNumbers) {
      Row.PinNumber = Pin;
      Append(Row);
    }
  }
}

void TPins::Parse(std::string_view Text, std::uint8_t Layout,
                  std::vector<TSkippedPinLine>* Skipped) {
  Parse(TTextLines::FromText(Text), Layout, Skipped);
}

}  // namespace quillon
