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
  Scale = NewScale;
  WriteProlog(Format);
  BuildApertures();

  if (Format == fmtCam350Macro) {
    WriteApertureTable();
    MakeCam350Padstacks(PadTopLayer, PadBottomLayer, MaskTopLayer, MaskBottomLayer, DrillLayer);
    WriteLayerTable(fmtCam350Macro);
    if (Options & coPolygons) MakeCam350Polygons();
    if (Options & coPads) MakeCam350Pads();
    if (Options & coLines) MakeCam350Lines();
    if (Options & coArcs) MakeCam350Arcs();
    if (Options & coText) MakeCam350Text();
  } else if (Format == fmtGerber) {
    if (GerberProfile == TGerberProfile::Fab) {
      WriteFabGerberLayers(Options);
    } else {
      ListUndefinedPinRuns();
      for (int L = 0; L < Layers.Count(); ++L) {
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
    if (Options & coPolygons) MakeGenesisPolygons();
    if (Options & coPads)
      MakeGenesisPads(PadTopLayer, PadBottomLayer, MaskTopLayer, MaskBottomLayer, DrillLayer);
    if (Options & coLines) MakeGenesisLines();
    if (Options & coArcs) MakeGenesisArcs();
    if (Options & coText) MakeGenesisText();
    LineBuilder(Output) << "COM open_entity,job=" << JobName
                        << ",type=matrix,name=matrix,iconic=no";
    LineBuilder(Output) << "COM matrix_page_close,job=" << JobName << ",matrix=matrix";
  }
}

}  // namespace quillon
