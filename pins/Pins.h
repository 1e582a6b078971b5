// SPDX-License-Identifier: MIT
#pragma once
// The pin table read from a pin description: one row per pin number with hole
// size, pad size and pad shape, and the D-codes a conversion gives them.
// A row with PinNumber n describes the flashes whose plot PinNumber is n + 1.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pins/ApertureTable.h"
#include "text/Units.h"

namespace quillon {

class TTextLines;

struct TPinRecord {
  std::int32_t PinNumber = 0;
  double Hole = 0;      // in the hole unit, as written
  double Aperture = 0;  // in the aperture unit, as written; 0 when none given
  std::uint8_t Shape = shapeNone;
  std::int32_t HoleDCode = 0;
  std::int32_t PadDCode = 0;
  std::int32_t MaskDCode = 0;  // nothing sets it
};

enum TPinLayout : std::uint8_t { layoutHoleAper = 0, layoutAperHole = 1 };

// Why Parse added no rows for a line, for a front end that wants to say so.
enum class TPinLineSkip : std::uint8_t {
  NotAPinLine,           // no pin list, gap and size
  FirstSizeUnreadable,   // V1 is not one number
  SecondSizeUnreadable,  // V2 is not one number while V3 is
  PinNumberTooLarge,     // a pin number beyond the 32-bit range
};
struct TSkippedPinLine {
  int Line;  // index into the lines given to Parse
  TPinLineSkip Reason;
};

// One row of the pin table as text, column by column: pin number, hole,
// aperture, aperture type.
constexpr int PinTableColumns = 4;
using TPinRowTexts = std::array<std::string, PinTableColumns>;

// The pin row a flash's pin code refers to: the description counts pins from
// 0, the plot file from 1. Taken in 64 bits and narrowed with wrap-around, so
// that no pin code of the model can overflow.
inline std::int32_t PinRowOf(std::int32_t PinNumber) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(std::int64_t{PinNumber} - 1));
}

class TPins {
 public:
  void Clear();
  // Appends the rows that the used lines describe (see PinParser.cpp); lines
  // that add none are appended to Skipped when given.
  void Parse(const TTextLines& Lines, std::uint8_t Layout,
             std::vector<TSkippedPinLine>* Skipped = nullptr);
  // Text is split at CR LF, LF or a lone CR first.
  void Parse(std::string_view Text, std::uint8_t Layout,
             std::vector<TSkippedPinLine>* Skipped = nullptr);
  void SetUnits(std::uint8_t ApertureUnit, std::uint8_t HoleUnit);

  int High() const { return static_cast<int>(Records.size()) - 1; }
  // Row Index with sizes in millimetres; beyond High a row of PinNumber 65535.
  TPinRecord Get(int Index) const;
  bool Exists(std::int32_t PinNumber) const;
  // Row becomes Get of the last row with PinNumber, else Get(0); an empty
  // table leaves Row unchanged.
  void FindByPin(std::int32_t PinNumber, TPinRecord& Row) const;
  void AssignApertures(TApertureTable& Table);
  // The column titles ("Pin#", "Hole", "Aper", "Aper Type") and row Index
  // with its sizes in millimetres to four decimals, as the window's grid and
  // the command line's table show them.
  static TPinRowTexts TableHeader();
  TPinRowTexts RowTexts(int Index) const;
  static std::string ShapeName(std::uint8_t Shape);

  // Appends a row as stored (description units); Parse uses it.
  void Append(const TPinRecord& Row);
  const std::vector<TPinRecord>& Rows() const { return Records; }
  std::uint8_t ApertureUnit() const { return ApertureUnitIndex; }
  std::uint8_t HoleUnit() const { return HoleUnitIndex; }

 private:
  std::vector<TPinRecord> Records;
  std::uint8_t ApertureUnitIndex = 0;
  std::uint8_t HoleUnitIndex = 0;
  // PinNumber -> index of the last row with it; the pad writers ask per flash.
  std::unordered_map<std::int32_t, std::size_t> LastRowOfPin;
};

}  // namespace quillon
