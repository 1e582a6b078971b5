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

}  // namespace

// The board's pads and vias are the flashes of the drill layer; every layer
// file receives them with the aperture of its role.
void TScriptingPcb::WriteGerberFlashes(int L) {
  if (DrillLayer >= Layers.Count()) return;
  const TPcbFlashes& Flashes = Layers.Items(DrillLayer).Flashes;
  if (Flashes.Empty()) return;
  // Answers hold for this layer only: the next layer asks again.
  TPinQuestion Question(Prompts(), "Via which");
  TGerberSyntax Gerber(Output, Coord, Scale);
  for (const TPcbFlash& Flash : Flashes) {
    const std::int32_t PinRow = Flash.PinNumber - 1;
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
