#pragma once
// The pin table read from a pin description: one row per pin number with hole
// size, pad size and pad shape, and the D-codes a conversion gives them.
// A row with PinNumber n describes the flashes whose plot PinNumber is n + 1.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pins/ApertureTable.h"

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

// Units of the description, in the order of the window's unit lists.
struct TPinUnit {
  const char* Name;  // as shown: "MM", "Inch", ...
  double Factor;     // to millimetres
};
constexpr int PinUnitCount = 6;
extern const TPinUnit PinUnits[PinUnitCount];

// A plain grid of texts, filled by FillGrid and copied by the window.
struct TGrid {
  int RowCount = 0;
  int ColCount = 0;
  int FixedRows = 0;
  int FixedCols = 0;
  std::vector<std::string> Cells;  // row-major, RowCount * ColCount
  const std::string& Cell(int Row, int Col) const {
    return Cells[static_cast<std::size_t>(Row * ColCount + Col)];
  }
  std::string& Cell(int Row, int Col) { return Cells[static_cast<std::size_t>(Row * ColCount + Col)]; }
};

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
  void FillGrid(TGrid& Grid) const;
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
