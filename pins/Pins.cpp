// SPDX-License-Identifier: MIT
#include "pins/Pins.h"

#include "text/NumberFormat.h"

namespace quillon {

namespace {
double UnitFactor(std::uint8_t Unit) { return Unit < PinUnitCount ? PinUnits[Unit].Factor : 1.0; }
}  // namespace

void TPins::Clear() {
  Records.clear();
  LastRowOfPin.clear();
  ApertureUnitIndex = 0;
  HoleUnitIndex = 0;
}

void TPins::SetUnits(std::uint8_t ApertureUnit, std::uint8_t HoleUnit) {
  ApertureUnitIndex = ApertureUnit;
  HoleUnitIndex = HoleUnit;
}

void TPins::Append(const TPinRecord& Row) {
  Records.push_back(Row);
  LastRowOfPin[Row.PinNumber] = Records.size() - 1;
}

TPinRecord TPins::Get(int Index) const {
  if (Index < 0 || Index > High()) {
    TPinRecord Missing;
    Missing.PinNumber = 65535;
    return Missing;
  }
  TPinRecord Row = Records[static_cast<std::size_t>(Index)];
  Row.Hole *= UnitFactor(HoleUnitIndex);
  Row.Aperture *= UnitFactor(ApertureUnitIndex);
  return Row;
}

bool TPins::Exists(std::int32_t PinNumber) const { return LastRowOfPin.count(PinNumber) != 0; }

void TPins::FindByPin(std::int32_t PinNumber, TPinRecord& Row) const {
  if (Records.empty()) return;
  auto It = LastRowOfPin.find(PinNumber);
  Row = Get(It == LastRowOfPin.end() ? 0 : static_cast<int>(It->second));
}

void TPins::AssignApertures(TApertureTable& Table) {
  for (std::size_t I = 0; I < Records.size(); ++I) {
    const TPinRecord Mm = Get(static_cast<int>(I));
    TPinRecord& Row = Records[I];
    Row.HoleDCode = Table.FindOrAdd(shapeCircle, false, Mm.Hole);
    Row.PadDCode = Row.Shape != shapeNone ? Table.FindOrAdd(Row.Shape, false, Mm.Aperture) : 0;
  }
}

std::string TPins::ShapeName(std::uint8_t Shape) {
  switch (Shape) {
    case shapeNone:
      return "None";
    case shapeCircle:
      return "Circle";
    case shapeSquare:
      return "Square";
    default:
      return "Undefined";
  }
}

TPinRowTexts TPins::TableHeader() { return {"Pin#", "Hole", "Aper", "Aper Type"}; }

TPinRowTexts TPins::RowTexts(int Index) const {
  const TPinRecord Row = Get(Index);  // sizes in millimetres
  TPinRowTexts Texts;
  fmt::AppendInt(Texts[0], Row.PinNumber);
  fmt::AppendFixed(Texts[1], Row.Hole, 4, 2);
  fmt::AppendFixed(Texts[2], Row.Aperture, 4, 2);
  Texts[3] = ShapeName(Row.Shape);
  return Texts;
}

}  // namespace quillon
