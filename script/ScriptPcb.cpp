// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"

#include <algorithm>

namespace quillon {

TScriptingPcb::TScriptingPcb() = default;
TScriptingPcb::~TScriptingPcb() = default;

void TScriptingPcb::PrepareLayerOutputs(bool Release) {
  const std::size_t Count = Release ? 0 : static_cast<std::size_t>(Layers.Count());
  // Lists a streamed save attached to their files stay, emptied; otherwise
  // fresh lists give the memory of a previous conversion back.
  const bool Attached = std::any_of(LayerOutputs.begin(), LayerOutputs.end(),
                                    [](const TTextLines& L) { return L.Streaming(); });
  if (!Attached) LayerOutputs.clear();
  LayerOutputs.resize(Count);
  for (TTextLines& List : LayerOutputs) List.Clear();
}

std::string_view TScriptingPcb::MainLineEndOf(std::uint8_t Format) const {
  return Format == fmtGenesis && GenesisHost == TGenesisHost::Unix ? "\n" : "\r\n";
}

// A big board makes millions of lines in the one file of a CAM350 or Genesis
// conversion: room for about as many as it will write is taken at once, so
// that the list is not moved (copied whole, old and new buffers both in
// memory) each time it doubles. Room never written is never touched, so a
// generous guess costs address space, not memory.
void TScriptingPcb::ReserveMainOutput(std::uint8_t Format) {
  if (Format != fmtCam350Macro && Format != fmtGenesis) return;
  std::size_t Items = 0;
  for (const TLayer& Layer : Layers) {
    Items += static_cast<std::size_t>(Layer.Lines.Count() + Layer.Arcs.Count() +
                                      Layer.Texts.Count() + Layer.Flashes.Count());
    for (const TPcbComplexPolygon& Polygon : Layer.Polygons) {
      Items += 4 + static_cast<std::size_t>(Polygon.Circles.Count());
      for (const TPoligonOutLine& OutLine : Polygon.OutLines)
        Items += static_cast<std::size_t>(OutLine.Lines.Count());
    }
  }
  const std::size_t Lines = 256 + 8 * Items;
  Output.Reserve(Lines, Lines * (Format == fmtGenesis ? 64 : 16));
}

void TScriptingPcb::BuildApertures() {
  // Every stroke gets its round aperture before any body is written, so the
  // tables written first already hold every D-code the bodies use.
  for (const TLayer& Layer : Layers)
    for (const TPcbLine& Line : Layer.Lines)
      Apertures.FindOrAdd(shapeCircle, true, Line.Width * Scale);
  for (const TLayer& Layer : Layers)
    for (const TPcbArc& Arc : Layer.Arcs) Apertures.FindOrAdd(shapeCircle, true, Arc.Width * Scale);
  Apertures.FindOrAdd(shapeCircle, true, 10 * Scale);  // the default aperture
  Pins.AssignApertures(Apertures);
}

void TScriptingPcb::Convert(std::uint8_t Options, std::uint8_t Format, double NewScale) {
  if (Format == fmtCam350Macro || Format == fmtGenesis)
    PrepareLayerOutputs(true);
  else if (Format == fmtGerber)
    PrepareLayerOutputs(false);
  UndefinedPinRuns.reset();  // a conversion stopped by an error may have left it
  Apertures.Clear();
  Output.Clear();
  DrillOutput.Clear();
  NonPlatedDrillOutput.Clear();
  OutlineOutput.Clear();
  FabPackageMade = false;
  JobOutput.Clear();  // the job file belongs to the conversion it lists
  JobOutputBuilds = 0;
  Scale = NewScale;
  MainLineEnd = MainLineEndOf(Format);
  ReserveMainOutput(Format);
  WriteProlog(Format);
  Checkpoint("Apertures", 0);
  BuildApertures();

  if (Format == fmtCam350Macro) {
    WriteApertureTable();
    MakeCam350Padstacks(PadTopLayer, PadBottomLayer, MaskTopLayer, MaskBottomLayer, DrillLayer);
    WriteLayerTable(fmtCam350Macro);
    if (Options & coPolygons) MakeCam350Polygons();
    Checkpoint("CAM350: pads", 20);
    if (Options & coPads) MakeCam350Pads();
    Checkpoint("CAM350: lines", 40);
    if (Options & coLines) MakeCam350Lines();
    Checkpoint("CAM350: arcs", 70);
    if (Options & coArcs) MakeCam350Arcs();
    Checkpoint("CAM350: texts", 90);
    if (Options & coText) MakeCam350Text();
  } else if (Format == fmtGerber) {
    if (GerberProfile == TGerberProfile::Fab) {
      Checkpoint("Gerber: layer files", 10);
      WriteFabGerberLayers(Options);
    } else {
      ListUndefinedPinRuns();
      for (int L = 0; L < Layers.Count(); ++L) {
        Checkpoint("Gerber: layer", 10 + 85 * L / Layers.Count(), L);
        BeginGerberLayer(L);
        if (Options & coPolygons) WriteGerberPolygons(L);
        if (Options & coPads) WriteGerberFlashes(L);
        if (Options & coLines) WriteGerberLines(L);
        if (Options & coArcs) WriteGerberArcs(L);
      }
      UndefinedPinRuns.reset();
      FinishGerberLayers();
    }
    WriteProlog(fmtTextMacro);
    WriteApertureTable();
    MakeCam350Text();  // the texts go to the macro whatever coText says
  } else if (Format == fmtGenesis) {
    WriteLayerTable(fmtGenesis);
    LineBuilder(Output) << "COM open_job,job=" << JobName;
    LineBuilder(Output) << "COM open_entity,job=" << JobName << ",type=step,name=pcad45,iconic=no";
    Output.Add("COM units,type=mm");
    Checkpoint("Genesis: polygons", 5);
    if (Options & coPolygons) MakeGenesisPolygons();
    Checkpoint("Genesis: pads", 20);
    if (Options & coPads)
      MakeGenesisPads(PadTopLayer, PadBottomLayer, MaskTopLayer, MaskBottomLayer, DrillLayer);
    Checkpoint("Genesis: lines", 40);
    if (Options & coLines) MakeGenesisLines();
    Checkpoint("Genesis: arcs", 70);
    if (Options & coArcs) MakeGenesisArcs();
    Checkpoint("Genesis: texts", 90);
    if (Options & coText) MakeGenesisText();
    LineBuilder(Output) << "COM open_entity,job=" << JobName
                        << ",type=matrix,name=matrix,iconic=no";
    LineBuilder(Output) << "COM matrix_page_close,job=" << JobName << ",matrix=matrix";
  }
  Checkpoint("Done", 100);
}

}  // namespace quillon
