// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon {

namespace {

using namespace genesis;

// The "#" lines keep, as comments, the macro steps of the other script format
// that would draw the same arc, so both outputs can be compared by eye.
struct TArcsRun {
  TTextLines& Out;
  TApertureTable& Apertures;
  double Scale;
  std::int32_t LastDCode = 1;  // not reset between layers

  void DeclareAperture(std::int32_t DCode) {
    if (!Apertures.TakeNew(DCode)) return;
    const TApertureTableItem* Row = Apertures.FindByDCode(DCode);
    const double Size = Row ? Row->Size : 0.0;
    LineBuilder(Out) << "#edit_aperture@ " << DCode << ",1," << F24(Size) << ',' << F24(Size)
                     << ",0,\"\"";
    Out.Add("#update_dcodebar@");
  }

  void Write(const TPcbArc& Arc) {
    const double Width = Arc.Width * Scale;
    const std::int32_t DCode = Apertures.FindOrAdd(shapeCircle, true, Width);
    DeclareAperture(DCode);
    if (DCode != LastDCode) LineBuilder(Out) << "#setdcode@ " << DCode;
    LastDCode = DCode;
    Out.Add("#update_dcodebar@");

    const bool FullCircle = Arc.StartX == Arc.EndX && Arc.StartY == Arc.EndY;
    Out.Add(FullCircle ? "#add_circle@" : "#add_arc@");
    const TPoint C = CenterXY(Arc.CenterX * Scale, Arc.CenterY * Scale);
    const TPoint S = StartXY(Arc.StartX * Scale, Arc.StartY * Scale);
    const TPoint E = EndXY(Arc.EndX * Scale, Arc.EndY * Scale);
    // Scripts in use rely on every arc, a full circle included, running
    // clockwise from its start to its end.
    LineBuilder(Out) << "COM add_arc,attributes=no," << C << ',' << S << ',' << E
                     << ",symbol=" << RoundSymbol(Width) << ",polarity=positive,direction=cw";
    LineBuilder(Out) << "#axy@ " << C;
    LineBuilder(Out) << "#axy@ " << S;
    if (!FullCircle) LineBuilder(Out) << "#axy@ " << E;
    Out.Add("#back@");
  }
};

}  // namespace

void TScriptingPcb::MakeGenesisArcs() {
  TArcsRun Run{Output, Apertures, Scale};
  for (int I = 0; I < Layers.Count(); ++I) {
    Checkpoint("Genesis: arcs", -1, I);
    const TLayer& Layer = Layers.Items(I);
    if (Layer.Arcs.Empty()) continue;
    LineBuilder(Output) << "echo Adding Arcs for layer: " << I;
    SelectLayer(Output, LayerName(Layer.Name));
    for (const TPcbArc& Arc : Layer.Arcs) Run.Write(Arc);
    ZoomHome(Output, AddViewCommands);
  }
}

}  // namespace quillon
