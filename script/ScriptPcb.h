// SPDX-License-Identifier: MIT
#pragma once
// The board extended with what a conversion needs: the output being built,
// the aperture and pin tables, the user's layer choices. Convert runs the
// writers of one format in a fixed order; SaveToFile writes the results.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Pcb.h"
#include "pins/ApertureTable.h"
#include "pins/Pins.h"
#include "script/gerber/GerberCoord.h"
#include "script/gerber/GerberCoordTexts.h"
#include "script/save/OutputFiles.h"
#include "text/TextLines.h"

namespace quillon {

// Output format codes.
constexpr std::uint8_t fmtCam350Macro = 0;
constexpr std::uint8_t fmtGerber = 1;
constexpr std::uint8_t fmtTextMacro = 2;  // only a prologue kind
constexpr std::uint8_t fmtGenesis = 3;

// Item switches of Convert's Options byte.
constexpr std::uint8_t coPads = 0x80;
constexpr std::uint8_t coLines = 0x40;
constexpr std::uint8_t coArcs = 0x20;
constexpr std::uint8_t coText = 0x10;
constexpr std::uint8_t coPolygons = 0x08;
constexpr std::uint8_t coAll = coPads | coLines | coArcs | coText | coPolygons;

// The form of the Gerber files: the legacy files, or modern files that fabs
// accept today (X2 attributes, no deprecated codes; script/fab/).
enum class TGerberProfile : std::uint8_t { Legacy, Fab };

// Where a Genesis script runs: Windows hosts read CR LF and C:/tmp, Unix csh
// would read "then\r" and "C:/tmp/..." wrongly, so it gets LF and /tmp.
enum class TGenesisHost : std::uint8_t { Windows, Unix };

// How a Genesis script types its matrix layers: every layer a document (the
// classic script), or by the role chosen for it (copper a signal layer, masks
// solder mask, silkscreens silk screen, the drill a drill layer, the outline
// a rout layer; the rest documents).
enum class TGenesisMatrix : std::uint8_t { Document, Roles };

// How the files of the fab profile are named: by role with the extensions
// board houses recognise (<base>.GTL, ...), or like the legacy layer files
// (<index><layer name>.gbr).
enum class TFabNames : std::uint8_t { Protel, Indexed };

class TScriptingPcb : public TPcb {
 public:
  TScriptingPcb();
  ~TScriptingPcb() override;

  bool AddViewCommands = true;
  TTextLines Output;
  std::vector<TTextLines> LayerOutputs;
  TApertureTable Apertures;
  TPins Pins;
  std::uint8_t PadTopLayer = 0;
  std::uint8_t PadBottomLayer = 0;
  std::uint8_t MaskTopLayer = 0;
  std::uint8_t MaskBottomLayer = 0;
  std::uint8_t DrillLayer = 0;
  std::string Title;
  std::string JobName;
  std::string DatabaseName;
  TGerberCoord Coord;
  TGerberCoordTexts GerberTexts;  // Coord's texts of the coordinates written

  // Fab profile of a Gerber conversion (script/fab/).
  TGerberProfile GerberProfile = TGerberProfile::Legacy;
  TGenesisHost GenesisHost = TGenesisHost::Windows;
  // The job a Genesis script creates (and deletes first when it exists): a
  // second board converted under its own name keeps the first board's job.
  std::string GenesisJob = "quillon";
  TGenesisMatrix GenesisMatrix = TGenesisMatrix::Document;
  // The line end of the main file of the last conversion (OutputFiles gives
  // it with the file): CR LF, except for a Genesis script for a Unix host.
  std::string_view MainLineEnd = "\r\n";
  // That line end for a conversion to Format.
  std::string_view MainLineEndOf(std::uint8_t Format) const;
  bool ExcellonDrill = false;       // also an Excellon drill file, in DrillOutput
  bool X2AsComments = false;        // attributes as "G04 #@! " comments
  TTextLines DrillOutput;           // plated holes; empty unless the last conversion made one
  TTextLines NonPlatedDrillOutput;  // holes of pins without a pad
  // The package's extra roles: none unless chosen or preselected by name.
  std::optional<std::uint8_t> SilkTopLayer, SilkBottomLayer, OutlineLayer;
  // A profile file drawn around the header's extents instead of a layer.
  bool OutlineFromExtents = false;
  TTextLines OutlineOutput;     // that profile file
  bool FabPackageMade = false;  // the last conversion wrote the fab profile's files
  TFabNames FabNames = TFabNames::Protel;
  // The job file's creation date (ISO 8601), set by the front end so that a
  // conversion itself stays deterministic.
  std::string CreationDate;
  std::string ProjectName;  // the job file's project: the plot's name
  // The job file names the files of the save it belongs to, so it is built
  // when the save's name is known (PrepareSave), once per name; OutputFiles
  // only reports it.
  TTextLines JobOutput;
  // What JobOutput was built for (its entries, project and date), and how
  // many times it was built since the conversion.
  std::string JobOutputKey;
  int JobOutputBuilds = 0;
  // Where SaveToFile also puts the package as one zip archive; none when empty.
  std::string ZipPath;
  // Put before each Gerber layer file's name, so that boards saved in one
  // folder keep their layer files apart; empty by default.
  std::string LayerFilePrefix;

  // Driver (ScriptPcb.cpp).
  void Convert(std::uint8_t Options, std::uint8_t Format, double Scale);
  void BuildApertures();
  void PrepareLayerOutputs(bool Release);
  void ReserveMainOutput(std::uint8_t Format);
  // Makes what a save to FileName needs beyond the conversion: after a fab
  // conversion the job file listing the package's names. Builds nothing when
  // it was already made for that name (script/save/OutputFiles.cpp).
  void PrepareSave(const std::string& FileName);
  // Every file a save to FileName writes, in order: the main output, then
  // after a Gerber conversion the layer files beside it, then the drill file
  // when there is one, then the job file. After a fab conversion the save
  // must have been prepared for that name: std::logic_error otherwise
  // (script/save/OutputFiles.cpp).
  std::vector<TOutputFile> OutputFiles(const std::string& FileName) const;
  // Prepares and writes every file of OutputFiles(FileName), and the zip
  // archive when ZipPath is set (script/save/SaveToFile.cpp). Throws
  // TSaveError naming the file; before anything is written, when two files
  // would share a name (TOutputCollision), when a file is one of InputFiles
  // or when a name is something a save must not replace (save/OutputTarget.h).
  void SaveToFile(const std::string& FileName);
  void CheckOutputFiles(const std::vector<TOutputFile>& Files) const;
  // The plot and description files the board was read from: a save never
  // writes over them.
  std::vector<std::string> InputFiles;

  // Prologues and tables (Prologues.cpp, LayerTables.cpp, ApertureTables.cpp).
  void WriteProlog(std::uint8_t Kind);
  void WriteLayerTable(std::uint8_t Format);
  void WriteApertureTable();
  void WriteGerberApertures();

  // Gerber layer writer (script/gerber/).
  void BeginGerberLayer(int L);
  void FinishGerberLayers();
  void WriteGerberPolygons(int L);
  void WriteGerberFlashes(int L);
  void WriteGerberLines(int L);
  void WriteGerberArcs(int L);
  // Every layer file of the fab profile, and the drill file when asked for
  // (script/fab/FabGerberLayers.cpp).
  void WriteFabGerberLayers(std::uint8_t Options);

  // A layer without a flash role receives no flash; only the undefined-pin
  // questions of its call remain, and they come only where a run of drill
  // flashes with one undefined pin begins. Convert lists those pin rows once
  // (ListUndefinedPinRuns), so that such a layer asks its questions without
  // visiting every flash: a board of many layers and many flashes would
  // otherwise take layers x flashes steps. Unset outside Convert.
  void ListUndefinedPinRuns();
  std::optional<std::vector<std::int32_t>> UndefinedPinRuns;

  // CAM350 macro writers (script/cam350/).
  void MakeCam350Padstacks(std::uint8_t TopLayer, std::uint8_t BottomLayer,
                           std::uint8_t MaskTopLayer, std::uint8_t MaskBottomLayer,
                           std::uint8_t DrillLayer);
  void MakeCam350Pads();
  void MakeCam350Lines();
  void MakeCam350Arcs();
  void MakeCam350Text();
  void MakeCam350Polygons();

  // Genesis script writers (script/genesis/).
  void MakeGenesisPolygons();
  void MakeGenesisPads(std::uint8_t PadTopLayer, std::uint8_t PadBottomLayer,
                       std::uint8_t MaskTopLayer, std::uint8_t MaskBottomLayer,
                       std::uint8_t DrillLayer);
  void MakeGenesisLines();
  void MakeGenesisArcs();
  void MakeGenesisText();
};

}  // namespace quillon
