#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

#include "cli/Commands.h"
#include "cli/ConsolePrompts.h"
#include "cli/DbuOption.h"
#include "cli/ItemSwitches.h"
#include "cli/LayerChoice.h"
#include "cli/PinOptions.h"
#include "model/PlotError.h"
#include "script/SaveError.h"
#include "script/ScriptPcb.h"

namespace quillon::cli {

namespace {

struct TConvertArgs {
  std::string Plot;
  std::string Out;
  int Format = fmtCam350Macro;
  TPinOptions Pins;
  std::string Dbu;
  std::string Items;
  bool NoViewCommands = false;
  std::string Top, Bottom, MaskTop, MaskBottom, Drill;
  std::string Answers;
};

int UsageError(const std::string& Message) {
  std::cerr << "quillon-cli convert: " << Message << "\nRun with --help for more information.\n";
  return ExitUsage;
}

int Failure(const std::string& Message) {
  std::cerr << "quillon-cli: " << Message << '\n';
  return ExitFailure;
}

// Applies the layer options over the window's preselection; the error names
// the option when a value names no layer.
std::string ChooseLayers(const TConvertArgs& Args, TScriptingPcb& Pcb) {
  const TLayerRoles Roles = PreselectLayerRoles(Pcb.Layers);
  const struct {
    const char* Option;
    const std::string& Value;
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
    if (C.Value.empty()) {
      C.Field = C.Preselected;
      continue;
    }
    const auto Resolved = ResolveLayer(Pcb.Layers, C.Value);
    if (const auto* Error = std::get_if<std::string>(&Resolved))
      return std::string(C.Option) + ": " + *Error;
    C.Field = std::get<std::uint8_t>(Resolved);
  }
  return {};
}

void PrintSummary(const std::string& FileName, const TTextLines& Lines) {
  const std::size_t Bytes = Lines.TextBytes() + 2 * static_cast<std::size_t>(Lines.Count());
  std::cerr << "quillon-cli: wrote " << FileName << ": " << Lines.Count() << " lines, " << Bytes
            << " bytes\n";
}

int RunConvert(const TConvertArgs& Args) {
  std::vector<TAnswer> Answers;
  if (!Args.Answers.empty()) Answers = *TConsolePrompts::ParseAnswers(Args.Answers);
  TConsolePrompts Prompts(std::move(Answers));
  TScriptingPcb Pcb;
  Pcb.SetPrompts(&Prompts);

  bool Loaded = false;
  try {
    Loaded = Pcb.LoadFromFile(Args.Plot);
  } catch (const std::exception& E) {
    return Failure(Args.Plot + ": " + E.what());
  }
  if (!Loaded && Pcb.UnknownTagCount == 0)
    return Failure(Args.Plot + ": not a plot file (bad signature); nothing written");
  if (Pcb.UnknownTagCount > 0)
    std::cerr << "quillon-cli: warning: " << Args.Plot << ": " << Pcb.UnknownTagCount
              << " unrecognised tag(s) skipped\n";

  if (const std::string Error = ChooseLayers(Args, Pcb); !Error.empty()) return UsageError(Error);

  if (!Args.Pins.File.empty()) {
    try {
      LoadPins(Args.Pins, Pcb.Pins);
    } catch (const std::exception& E) {
      return Failure(E.what());
    }
  }

  Pcb.Title = "Plt FileName: " + std::filesystem::absolute(Args.Plot).string();
  Pcb.AddViewCommands = !Args.NoViewCommands;
  const std::uint8_t Options = Args.Items.empty() ? coAll : *ParseItemSwitches(Args.Items);
  const double Scale = Args.Dbu.empty() ? DefaultDbuFactor : *ParseDbuFactor(Args.Dbu);
  try {
    Pcb.Convert(Options, static_cast<std::uint8_t>(Args.Format), Scale);
  } catch (const std::exception& E) {
    return Failure(Args.Plot + ": conversion failed: " + E.what() + "; nothing written");
  }

  try {
    Pcb.SaveToFile(Args.Out);
  } catch (const TSaveError& E) {
    return Failure(E.what());
  }
  PrintSummary(Args.Out, Pcb.Output);
  const std::vector<std::string> Names = Pcb.LayerFileNames(Args.Out);
  for (std::size_t I = 0; I < Names.size(); ++I) PrintSummary(Names[I], Pcb.LayerOutputs[I]);
  return ExitOk;
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

TCommand AddConvertCommand(CLI::App& App) {
  auto Args = std::make_shared<TConvertArgs>();
  CLI::App* Sub = App.add_subcommand(
      "convert", "Convert a plot file into a CAM350 macro, a Genesis script or Gerber files");
  Sub->add_option("PLOT", Args->Plot, "The plot file (.plt)")->required();
  Sub->add_option("-o,--output", Args->Out,
                  "The output file; Gerber layer files are written beside it")
      ->required();
  const std::map<std::string, int> Formats{
      {"cam350", fmtCam350Macro}, {"gerber", fmtGerber}, {"genesis", fmtGenesis}};
  Sub->add_option("--format", Args->Format, "cam350 (default), gerber or genesis")
      ->transform(CLI::CheckedTransformer(Formats, CLI::ignore_case));
  Sub->add_option("--pins", Args->Pins.File, "A pin description file");
  AddPinOptions(*Sub, Args->Pins);
  Sub->add_option("--dbu", Args->Dbu,
                  "Millimetres per database unit: mm (0.01), inch (0.0254, default), "
                  "pinch (0.025) or a positive number up to 1000")
      ->check(ValidValue(ParseDbuFactor, "mm|inch|pinch|NUMBER (0 < NUMBER <= 1000)"));
  Sub->add_option("--items", Args->Items,
                  "Comma list of pads,lines,arcs,text,polygons, or none (default: all)")
      ->check(ValidValue(ParseItemSwitches, "LIST of pads,lines,arcs,text,polygons or none"));
  Sub->add_flag("--no-view-commands", Args->NoViewCommands,
                "Leave out the view commands that end each block");
  const char* LayerHelp = "Layer index or name (default: chosen by name as the window does)";
  Sub->add_option("--top", Args->Top, LayerHelp);
  Sub->add_option("--bottom", Args->Bottom, LayerHelp);
  Sub->add_option("--mask-top", Args->MaskTop, LayerHelp);
  Sub->add_option("--mask-bottom", Args->MaskBottom, LayerHelp);
  Sub->add_option("--drill", Args->Drill, LayerHelp);
  Sub->add_option("--answers", Args->Answers,
                  "Answers to the undefined-pin questions, in order: comma list of yes, no, "
                  "cancel, no-all, yes-all; the last one repeats")
      ->check(ValidValue(TConsolePrompts::ParseAnswers, "LIST of yes,no,cancel,no-all,yes-all"));
  return {Sub, [Args] { return RunConvert(*Args); }};
}

}  // namespace quillon::cli
