#include "script/GerberSyntax.h"
#include "script/PinQuestion.h"
#include "script/ScriptPcb.h"

namespace quillon {

namespace {

// The aperture a layer's role calls for; a later role overrides an earlier
// one, so the drill role wins. Mask D-codes are always 0: mask layers get no
// flashes, and a pin without a pad shape is flashed on the drill layer only.
std::int32_t RoleDCode(const TScriptingPcb& Pcb, int L, const TPinRecord& Row) {
  std::int32_t D = 0;
  if (L == Pcb.PadTopLayer) D = Row.PadDCode;
  if (L == Pcb.PadBottomLayer) D = Row.PadDCode;
  if (L == Pcb.MaskTopLayer) D = Row.MaskDCode;
  if (L == Pcb.MaskBottomLayer) D = Row.MaskDCode;
  if (L == Pcb.DrillLayer) D = Row.HoleDCode;
  return D;
}

bool HasFlashRole(const TScriptingPcb& Pcb, int L) {
  return L == Pcb.PadTopLayer || L == Pcb.PadBottomLayer || L == Pcb.MaskTopLayer ||
         L == Pcb.MaskBottomLayer || L == Pcb.DrillLayer;
}

// The description counts pins from 0, the plot file from 1. Taken in 64 bits
// and narrowed with wrap-around: no PinNumber of the model can overflow.
std::int32_t PinRowOf(const TPcbFlash& Flash) {
  return static_cast<std::int32_t>(std::int64_t{Flash.PinNumber} - 1);
}

}  // namespace

void TScriptingPcb::ListUndefinedPinRuns() {
  UndefinedPinRuns.emplace();
  if (DrillLayer >= Layers.Count()) return;
  std::optional<std::int32_t> Previous;
  for (const TPcbFlash& Flash : Layers.Items(DrillLayer).Flashes) {
    const std::int32_t PinRow = PinRowOf(Flash);
    if (Pins.Exists(PinRow) || PinRow == Previous) continue;
    Previous = PinRow;
    UndefinedPinRuns->push_back(PinRow);
  }
}

// The board's pads and vias are the flashes of the drill layer; every layer
// file receives them with the aperture of its role.
void TScriptingPcb::WriteGerberFlashes(int L) {
  if (DrillLayer >= Layers.Count()) return;
  const TPcbFlashes& Flashes = Layers.Items(DrillLayer).Flashes;
  if (Flashes.Empty()) return;
  // Answers hold for this layer only: the next layer asks again.
  TPinQuestion Question(Prompts(), "Via which");
  if (UndefinedPinRuns && !HasFlashRole(*this, L)) {
    // The same questions as the loop below would ask, and nothing written.
    for (const std::int32_t PinRow : *UndefinedPinRuns) {
      if (Question.AnswersForAll()) break;
      if (Question.Decide(Pins, PinRow) == TPinQuestion::Stop) break;
    }
    return;
  }
  TGerberSyntax Gerber(Output, Coord, Scale);
  for (const TPcbFlash& Flash : Flashes) {
    const std::int32_t PinRow = PinRowOf(Flash);
    const TPinQuestion::TDecision Decision = Question.Decide(Pins, PinRow);
    if (Decision == TPinQuestion::Stop) return;
    if (Decision == TPinQuestion::Skip) continue;
    // A missing pin takes the first row; an empty table has no row at all.
    if (Pins.High() < 0) continue;
    TPinRecord Row;
    Pins.FindByPin(PinRow, Row);
    const std::int32_t D = RoleDCode(*this, L, Row);
    if (D == 0) continue;
    Gerber.SelectAperture(D);
    Gerber.Flash(Flash.X, Flash.Y);
  }
}

}  // namespace quillon
