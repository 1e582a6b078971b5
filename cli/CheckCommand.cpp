// SPDX-License-Identifier: MIT
#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <memory>
#include <new>

#include "check/FileMatching.h"
#include "cli/CheckOptions.h"
#include "cli/CheckPrompts.h"
#include "cli/Commands.h"
#include "cli/ConsolePrompts.h"
#include "cli/ConvertArgs.h"
#include "save/SaveError.h"

namespace quillon::cli {

namespace {

struct TCheckCommandArgs {
  TConvertArgs Convert;
  std::vector<std::string> Files;
  TCheckArgs Check;
};

int RunCheckCommand(const TCheckCommandArgs& Args) {
  if (const std::string Error = CheckProfileOptions(Args.Convert); !Error.empty()) {
    std::cerr << "quillon-cli check: " << Error << "\nRun with --help for more information.\n";
    return ExitUsage;
  }
  std::vector<TAnswer> Answers;
  if (!Args.Convert.Answers.empty()) Answers = *TConsolePrompts::ParseAnswers(Args.Convert.Answers);
  TCheckPrompts Prompts(std::move(Answers), std::cerr);
  TScriptingPcb Pcb;
  Pcb.SetPrompts(&Prompts);
  if (const int Code = PrepareBoard(Args.Convert, Pcb, "check"); Code != ExitOk) return Code;
  const std::uint8_t Items = ItemSwitchesOf(Args.Convert);
  try {
    // Converted again, in memory, to know the files and their roles.
    Pcb.Convert(Items, FormatCode(Args.Convert.Format), ScaleOf(Args.Convert));
    Prompts.ReportUnscriptedAnswers();
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& E) {
    std::cerr << "quillon-cli: " << Args.Convert.Plot << ": conversion failed: " << E.what() << '\n';
    return ExitFailure;
  }
  const check::TFileMatch Match = check::MatchOutputFiles(Pcb, Args.Files);
  for (const std::string& S : Match.Strangers)
    std::cout << S << ": not a file of this board's save with these options; not checked\n";
  const bool AnyDrawn = std::any_of(Match.Files.begin(), Match.Files.end(), [](const TOutputFile& F) {
    return F.Role != TOutputRole::Job;
  });
  if (!AnyDrawn) {
    std::cout << "quillon-cli check: none of the files given is a file of this board's save\n";
    return ExitFailure;
  }
  return RunCheck(Pcb, Match.Files, Args.Check, Items, std::cout);
}

}  // namespace

TCommand AddCheckCommand(CLI::App& App) {
  auto Args = std::make_shared<TCheckCommandArgs>();
  CLI::App* Sub = App.add_subcommand(
      "check",
      "Read written Gerber and drill files back with gerbv, and CAM350 macros and Genesis "
      "scripts with quillon's own reader, and compare them, layer by layer, with the plot they "
      "were converted from");
  Sub->add_option("PLOT", Args->Convert.Plot, "the plot file (.plt) the files were converted from")
      ->required();
  Sub->add_option("FILES", Args->Files,
                  "the written files, or the folder that holds them (then every file the save "
                  "writes is expected there)")
      ->required();
  AddShapingOptions(*Sub, Args->Convert);
  AddCheckOptions(*Sub, Args->Check);
  Sub->footer(
      "Exit status: 0 when every file draws what the plot draws, 1 when any differs, is "
      "missing or unreadable, 2 for bad usage or without gerbv.");
  return {Sub, [Args] { return RunCheckCommand(*Args); }};
}

}  // namespace quillon::cli
