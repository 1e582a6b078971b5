// SPDX-License-Identifier: MIT
#include <algorithm>

#include "script/ConvertError.h"
#include "script/PinQuestion.h"
#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon {

namespace {

using namespace genesis;

// A chosen pad layer may be an index kept from a plot with more layers: stop
// the conversion instead of reading beyond the layer list.
std::string PadLayerName(const TLayers& Layers, std::uint8_t Index) {
  if (Index >= Layers.Count()) throw ListIndexError(Index);
  return LayerName(Layers.Items(Index).Name);
}

void AddPad(TTextLines& Out, const TPcbFlash& Flash, double Scale, const TSymbol& Symbol) {
  LineBuilder(Out) << "COM add_pad,attributes=no," << XY(Flash.X * Scale, Flash.Y * Scale)
                   << ",symbol=" << Symbol
                   << ",polarity=positive,angle=0,mirror=no,nx=1,ny=1,dx=0,dy=0,xscale=1,yscale=1";
}

// One run of the pads writer: the chosen layers, the question state and the
// pin row of the previous lookup, which an empty pin table leaves standing.
struct TPadsRun {
  TTextLines& Out;
  const TPins& Pins;
  double Scale;
  std::string Top, Bottom, Drill;
  TPinQuestion Question;
  TPinRecord Row;  // all zero, Shape None, before the first lookup

  // Pads of one layer's flashes, each landing on both the top and the bottom
  // layer. False when the user cancelled.
  bool WriteTopBottom(const TPcbFlashes& Flashes, int Layer) {
    Out.Add("echo Adding pads to top and bottom layers");
    DisplayLayer(Out, Top, 1);
    WorkLayer(Out, Top);
    DisplayLayer(Out, Bottom, 2);
    LineBuilder(Out) << "COM affected_layer,name=" << Bottom << ",mode=single,affected=yes";
    for (const TPcbFlash& Flash : Flashes) {
      const TPinQuestion::TDecision Decision =
          Question.Decide(Pins, PinRowOf(Flash.PinNumber), Layer, &Flash);
      if (Decision == TPinQuestion::Stop) return false;
      if (Decision == TPinQuestion::Skip) continue;
      Pins.FindByPin(PinRowOf(Flash.PinNumber), Row);
      LineBuilder(Out) << "# AppertureNumber = " << Flash.PinNumber;
      AddPad(Out, Flash, Scale, PadSymbol(Row.Shape, Row.Aperture));
    }
    return true;
  }

  // Every flash gets its hole, whatever was answered about its pad: a via
  // the user left off the copper is still drilled.
  void WriteDrill(const TPcbFlashes& Flashes) {
    Out.Add("echo Adding pads to drill layer");
    LineBuilder(Out) << "COM affected_layer,name=" << Drill << ",mode=all,affected=no";
    DisplayLayer(Out, Drill, 3);
    WorkLayer(Out, Drill);
    for (const TPcbFlash& Flash : Flashes) {
      Pins.FindByPin(PinRowOf(Flash.PinNumber), Row);
      LineBuilder(Out) << "# AppertureNumber (drill) = " << Flash.PinNumber;
      AddPad(Out, Flash, Scale, RoundSymbol(Row.Hole));
    }
  }
};

}  // namespace

void TScriptingPcb::MakeGenesisPads(std::uint8_t TopLayer, std::uint8_t BottomLayer, std::uint8_t,
                                    std::uint8_t, std::uint8_t DrillLayerIndex) {
  // The mask layers have no part in a Genesis script.
  const auto HasFlashes = [](const TLayer& Layer) { return !Layer.Flashes.Empty(); };
  if (std::none_of(Layers.begin(), Layers.end(), HasFlashes)) return;

  // The chosen layers are checked before the first block is written, so a bad
  // index stops the conversion without a question and without a partial block.
  TPadsRun Run{Output,
               Pins,
               Scale,
               PadLayerName(Layers, TopLayer),
               PadLayerName(Layers, BottomLayer),
               PadLayerName(Layers, DrillLayerIndex),
               TPinQuestion(Prompts(), "Via with"),
               TPinRecord{}};
  for (int L = 0; L < Layers.Count(); ++L) {
    const TLayer& Layer = Layers.Items(L);
    if (Layer.Flashes.Empty()) continue;
    // Cancel ends the writer at once: no drill block, no later layer.
    if (!Run.WriteTopBottom(Layer.Flashes, L)) return;
    Run.WriteDrill(Layer.Flashes);
    ZoomHome(Output, AddViewCommands);
  }
}

}  // namespace quillon
