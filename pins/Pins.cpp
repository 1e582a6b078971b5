#include "pins/Pins.h"

namespace quillon {

const TPinUnit PinUnits[PinUnitCount] = {
    {"MM", 1.0}, {"Inch", 25.4}, {"PInch", 25.0}, {"Net1.25", 0.8}, {"mkm*10", 0.01}, {"mil", 0.0254},
};

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
    case shapeNone: return "None";
    case shapeCircle: return "Circle";
    case shapeSquare: return "Square";
    default: return "Undefined";
  }
}

}  // namespace quillon
