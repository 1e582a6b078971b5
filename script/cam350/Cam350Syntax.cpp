// SPDX-License-Identifier: MIT
#include "script/cam350/Cam350Syntax.h"

#include "text/CoordText.h"
#include "text/OneLine.h"

namespace quillon::cam350 {

LineBuilder& operator<<(LineBuilder& Line, Point P) {
  return Line << F42Coord{P.X} << ',' << F42Coord{P.Y};
}

LineBuilder& operator<<(LineBuilder& Line, Quoted Q) {
  return Line << '"' << OneLine(Q.Text) << '"';
}

void WriteAxy(TTextLines& Out, Point P) { LineBuilder(Out) << "axy@ " << P; }

void WriteSetLayer(TTextLines& Out, int LayerIndex) {
  LineBuilder(Out) << "setlayer@ " << LayerIndex;
}

void WriteApertureDefinition(TTextLines& Out, const TApertureTableItem& Row) {
  LineBuilder(Out) << "edit_aperture@ " << Row.DCode << ',' << unsigned{Row.Shape} << ','
                   << F24(Row.Size) << ',' << F24(Row.Size) << ",0," << Quoted{};
  Out.Add("update_dcodebar@");
}

void WriteViewAll(TTextLines& Out, bool AddViewCommands) {
  if (AddViewCommands) Out.Add("view_all@");
}

std::int32_t UseRoundAperture(TApertureTable& Apertures, TTextLines& Out, double Size) {
  const std::int32_t DCode = Apertures.FindOrAdd(shapeCircle, true, Size);
  if (Apertures.TakeNew(DCode)) {
    // The stored size, not the requested one: a size of zero or less was
    // replaced by the table's minimum.
    if (const TApertureTableItem* Row = Apertures.FindByDCode(DCode))
      WriteApertureDefinition(Out, *Row);
  }
  return DCode;
}

void SelectRoundAperture(TApertureTable& Apertures, TTextLines& Out, double Size,
                         std::int32_t& LastDCode) {
  const std::int32_t DCode = UseRoundAperture(Apertures, Out, Size);
  if (DCode != LastDCode) LineBuilder(Out) << "setdcode@ " << DCode;
  LastDCode = DCode;
}

}  // namespace quillon::cam350
