#include "script/GerberSyntax.h"
#include "script/LayerRoles.h"
#include "script/PinQuestion.h"
#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::ListUndefinedPinRuns() {
  UndefinedPinRuns.emplace();
  if (DrillLayer >= Layers.Count()) return;
  std::optional<std::int32_t> Previous;
  for (const TPcbFlash& Flash : Layers.Items(DrillLayer).Flashes) {
    const std::int32_t PinRow = PinRowOf(Flash.PinNumber);
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
  if (UndefinedPinRuns && RoleOf(*this, L) == TLayerRole::Other) {
    // The same questions as the loop below would ask, and nothing written.
    for (const std::int32_t PinRow : *UndefinedPinRuns) {
      if (Question.AnswersForAll()) break;
      if (Question.Decide(Pins, PinRow) == TPinQuestion::Stop) break;
    }
    return;
  }
  TGerberSyntax Gerber(Output, Coord, Scale, GerberTexts);
  for (const TPcbFlash& Flash : Flashes) {
    const std::int32_t PinRow = PinRowOf(Flash.PinNumber);
    const TPinQuestion::TDecision Decision = Question.Decide(Pins, PinRow);
    if (Decision == TPinQuestion::Stop) return;
    if (Decision == TPinQuestion::Skip) continue;
    // A missing pin takes the first row; an empty table has no row at all.
    if (Pins.High() < 0) continue;
    TPinRecord Row;
    Pins.FindByPin(PinRow, Row);
    const std::int32_t D = FlashDCode(Row, RoleOf(*this, L));
    if (D == 0) continue;
    Gerber.SelectAperture(D);
    Gerber.Flash(Flash.X, Flash.Y);
  }
}

}  // namespace quillon
