// SPDX-License-Identifier: MIT
#include <vector>

#include "script/LayerRoles.h"
#include "script/PinQuestion.h"
#include "script/ScriptPcb.h"
#include "script/gerber/GerberSyntax.h"

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

namespace {

// What the flashes of one pin row need, looked up once per row and layer: a
// board has few pin rows, each flashed many times.
class TRowDCodes {
 public:
  TRowDCodes(const TPins& Pins, TLayerRole Role) : Pins(Pins), Role(Role) {}

  struct TRow {
    std::int32_t PinRow = 0;
    std::int32_t DCode = 0;  // of the row, or of the first row for a missing one
    bool Defined = false;    // the description has the row
    bool Known = false;
  };
  const TRow& Of(std::int32_t PinRow) {
    TRow& R = Slots[static_cast<std::uint32_t>(PinRow) % Slots.size()];
    if (R.Known && R.PinRow == PinRow) return R;
    R.PinRow = PinRow;
    R.Defined = Pins.Exists(PinRow);
    TPinRecord Record;
    Pins.FindByPin(PinRow, Record);
    R.DCode = Pins.High() < 0 ? 0 : FlashDCode(Record, Role);
    R.Known = true;
    return R;
  }

 private:
  const TPins& Pins;
  TLayerRole Role;
  std::vector<TRow> Slots = std::vector<TRow>(1024);
};

}  // namespace

// The board's pads and vias are the flashes of the drill layer; every layer
// file receives them with the aperture of its role.
void TScriptingPcb::WriteGerberFlashes(int L) {
  if (DrillLayer >= Layers.Count()) return;
  const TPcbFlashes& Flashes = Layers.Items(DrillLayer).Flashes;
  if (Flashes.Empty()) return;
  // Answers hold for this layer only: the next layer asks again.
  TPinQuestion Question(Prompts(), "Via which");
  const TLayerRole Role = RoleOf(*this, L);
  if (UndefinedPinRuns && Role == TLayerRole::Other) {
    // The same questions as the loop below would ask, and nothing written.
    for (const std::int32_t PinRow : *UndefinedPinRuns) {
      if (Question.AnswersForAll()) break;
      if (Question.Decide(Pins, PinRow, L) == TPinQuestion::Stop) break;
    }
    return;
  }
  TGerberSyntax Gerber(Output, Coord, Scale, GerberTexts);
  TRowDCodes DCodes(Pins, Role);
  for (const TPcbFlash& Flash : Flashes) {
    const TRowDCodes::TRow& Row = DCodes.Of(PinRowOf(Flash.PinNumber));
    // A defined row is flashed without a question.
    if (!Row.Defined) {
      const TPinQuestion::TDecision Decision = Question.Decide(Pins, Row.PinRow, L, &Flash);
      if (Decision == TPinQuestion::Stop) return;
      if (Decision == TPinQuestion::Skip) continue;
    }
    // A missing pin takes the first row; an empty table has no row at all.
    if (Row.DCode == 0) continue;
    Gerber.SelectAperture(Row.DCode);
    Gerber.Flash(Flash.X, Flash.Y);
  }
}

}  // namespace quillon
