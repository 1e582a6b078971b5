// SPDX-License-Identifier: MIT
#include "cli/ConvertArgs.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <new>

#include "cli/Commands.h"
#include "cli/ConsolePrompts.h"
#include "cli/ItemSwitches.h"
#include "cli/LayerChoice.h"
#include "cli/PlotLoading.h"
#include "text/AsciiCase.h"
#include "text/Units.h"

namespace quillon::cli {

namespace {

// Applies the layer options over the window's preselection; the error names
// the option when a value names no layer.
std::string ChooseLayers(const TConvertArgs& Args, TScriptingPcb& Pcb) {
  const TLayerRoles Roles = PreselectLayerRoles(Pcb.Layers);
  const struct {
    const char* Option;
    const std::optional<std::string>& Value;
    std::uint8_t Preselected;
    std::uint8_t& Field;
  } Choices[] = {
      {"--top", Args.Top, Roles.PadTop, Pcb.PadTopLayer},
      {"--bottom", Args.Bottom, Roles.PadBottom, Pcb.PadBottomLayer},
      {"--mask-top", Args.MaskTop, Roles.MaskTop, Pcb.MaskTopLayer},
      {"--mask-bottom", Args.MaskBottom, Roles.MaskBottom, Pcb.MaskBottomLayer},
      {"--drill", Args.Drill, Roles.Drill, Pcb.DrillLayer},
  };
  for (const auto& C : Choices) {
    if (!C.Value) {
      C.Field = C.Preselected;
      continue;
    }
    const auto Resolved = ResolveLayer(Pcb.Layers, *C.Value);
    if (const auto* Error = std::get_if<std::string>(&Resolved))
      return std::string(C.Option) + ": " + *Error;
    C.Field = std::get<std::uint8_t>(Resolved);
  }
  return {};
}

// A CLI11 check from a parser that answers nullopt for a bad value.
template <class Parse>
CLI::Validator ValidValue(Parse P, const std::string& Description) {
  return CLI::Validator(
      [P, Description](std::string& Value) -> std::string {
        return P(Value) ? std::string() : "expected " + Description + ", got \"" + Value + "\"";
      },
      Description);
}

}  // namespace

std::uint8_t FormatCode(const std::string& Name) {
  const std::string Lower = LowerAscii(Name);
  if (Lower == "gerber") return fmtGerber;
  if (Lower == "genesis") return fmtGenesis;
  return fmtCam350Macro;
}

std::uint8_t ItemSwitchesOf(const TConvertArgs& Args) {
  return Args.Items.empty() ? coAll : *ParseItemSwitches(Args.Items);
}

double ScaleOf(const TConvertArgs& Args) {
  return Args.Dbu.empty() ? DefaultDbuFactor : *ParseDbuFactor(Args.Dbu);
}

std::string CheckProfileOptions(const TConvertArgs& Args) {
  const bool Fab = Args.GerberProfile == static_cast<int>(TGerberProfile::Fab);
  if (Fab && FormatCode(Args.Format) != fmtGerber)
    return "--gerber-profile fab needs --format gerber";
  if (!Fab && Args.Excellon) return "--excellon needs --gerber-profile fab";
  if (!Fab && Args.X2AsComments) return "--x2-as-comments needs --gerber-profile fab";
  return CheckFabOptions(Args.Fab, Fab);
}

int PrepareBoard(const TConvertArgs& Args, TScriptingPcb& Pcb, const char* Command) {
  auto UsageError = [Command](const std::string& Message) {
    std::cerr << "quillon-cli " << Command << ": " << Message
              << "\nRun with --help for more information.\n";
    return ExitUsage;
  };
  auto Failure = [](const std::string& Message) {
    std::cerr << "quillon-cli: " << Message << '\n';
    return ExitFailure;
  };
  // A stopping error or a bad signature is reported there; unrecognised
  // tags only warn.
  if (!LoadPlotFile(Pcb, Args.Plot)) return ExitFailure;

  if (const std::string Error = ChooseLayers(Args, Pcb); !Error.empty()) return UsageError(Error);
  if (const std::string Error = ApplyFabOptions(Args.Fab, Args.Plot, Pcb); !Error.empty())
    return UsageError(Error);

  if (!Args.Pins.File.empty()) {
    try {
      LoadPins(Args.Pins, Pcb.Pins);
    } catch (const std::bad_alloc&) {
      throw;  // reported once, at the top
    } catch (const std::exception& E) {
      return Failure(E.what());
    }
  }

  // The window gives the dialog's full path; "a/../b" is shown as "b".
  Pcb.Title = "Plt FileName: " + std::filesystem::absolute(Args.Plot).lexically_normal().string();
  Pcb.AddViewCommands = !Args.NoViewCommands;
  Pcb.GerberProfile = static_cast<TGerberProfile>(Args.GerberProfile);
  Pcb.ExcellonDrill = Args.Excellon;
  Pcb.X2AsComments = Args.X2AsComments;
  Pcb.GenesisHost = static_cast<TGenesisHost>(Args.GenesisHost);
  Pcb.GenesisJob = Args.GenesisJob;
  Pcb.GenesisMatrix = static_cast<TGenesisMatrix>(Args.GenesisMatrix);
  Pcb.InputFiles = {Args.Plot, Args.Pins.File};
  Pcb.LayerFilePrefix = Args.LayerFilePrefix;
  return ExitOk;
}

void AddShapingOptions(CLI::App& App, TConvertArgs& Values) {
  CLI::App* Sub = &App;
  TConvertArgs* Args = &Values;
  Sub->add_option("--format", Args->Format, "output format: cam350 (default), gerber or genesis")
      ->check(CLI::IsMember({"cam350", "gerber", "genesis"}, CLI::ignore_case));
  Sub->add_option("--pins", Args->Pins.File, "the pin description file");
  AddPinOptions(*Sub, Args->Pins);
  Sub->add_option("--dbu", Args->Dbu,
                  "millimetres per database unit: mm (0.01), inch (0.0254, the default), "
                  "pinch (0.025) or a positive number up to 1000")
      ->check(ValidValue(ParseDbuFactor, "mm|inch|pinch|NUMBER (0 < NUMBER <= 1000)"));
  Sub->add_option("--items", Args->Items,
                  "items to convert: a comma list of pads,lines,arcs,text,polygons, or none "
                  "(default: all)")
      ->check(ValidValue(ParseItemSwitches, "LIST of pads,lines,arcs,text,polygons or none"));
  Sub->add_flag("--no-view-commands", Args->NoViewCommands,
                "leave out the view commands that end each block");
  // Layers are given by index or by name, without letter case.
  Sub->add_option("--top", Args->Top,
                  "layer of the top pads (default: the one named COMP, else 0)");
  Sub->add_option("--bottom", Args->Bottom,
                  "layer of the bottom pads (default: the one named SOLDER, else 0)");
  Sub->add_option("--mask-top", Args->MaskTop,
                  "top solder-mask layer (default: the one named MSKGTP, else 0)");
  Sub->add_option("--mask-bottom", Args->MaskBottom,
                  "bottom solder-mask layer (default: the one named MSKGBT, else 0)");
  Sub->add_option("--drill", Args->Drill,
                  "layer whose flashes are the pads and vias (default: the one named PIN, else 0)");
  Sub->add_option("--answers", Args->Answers,
                  "answers to the undefined-pin questions, in order: a comma list of yes, no, "
                  "cancel, no-all, yes-all; the last one repeats")
      ->check(ValidValue(TConsolePrompts::ParseAnswers, "LIST of yes,no,cancel,no-all,yes-all"));
  const std::map<std::string, int> Profiles{{"legacy", static_cast<int>(TGerberProfile::Legacy)},
                                            {"fab", static_cast<int>(TGerberProfile::Fab)}};
  Sub->add_option("--gerber-profile", Args->GerberProfile,
                  "legacy (default): the classic layer files; fab: Gerber X2 layer files that "
                  "board houses accept today")
      ->transform(CLI::CheckedTransformer(Profiles, CLI::ignore_case));
  Sub->add_flag("--excellon", Args->Excellon,
                "With the fab profile: also an Excellon drill file, named after the output "
                "with the extension .drl");
  Sub->add_flag("--x2-as-comments", Args->X2AsComments,
                "With the fab profile: attributes as G04 #@! comments, for tools that reject X2");
  const std::map<std::string, int> Hosts{{"windows", static_cast<int>(TGenesisHost::Windows)},
                                         {"unix", static_cast<int>(TGenesisHost::Unix)}};
  Sub->add_option("--genesis-host", Args->GenesisHost,
                  "where the Genesis script runs: windows (default: CR LF, C:/tmp) or unix "
                  "(LF, /tmp)")
      ->transform(CLI::CheckedTransformer(Hosts, CLI::ignore_case));
  Sub->add_option("--genesis-job", Args->GenesisJob,
                  "the job the Genesis script creates, replacing a job of that name "
                  "(default quillon)");
  const std::map<std::string, int> Matrices{
      {"document", static_cast<int>(TGenesisMatrix::Document)},
      {"roles", static_cast<int>(TGenesisMatrix::Roles)}};
  Sub->add_option("--genesis-matrix", Args->GenesisMatrix,
                  "how the Genesis matrix types its layers: document (default: every layer "
                  "misc/document) or roles (copper signal, masks solder_mask, silkscreens "
                  "silk_screen, drill, outline rout)")
      ->transform(CLI::CheckedTransformer(Matrices, CLI::ignore_case));
  AddFabOptions(*Sub, Args->Fab);
}

}  // namespace quillon::cli
