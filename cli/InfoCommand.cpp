// SPDX-License-Identifier: MIT
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/BoardJson.h"
#include "cli/BoardSummary.h"
#include "cli/Commands.h"
#include "cli/ConsolePrompts.h"
#include "cli/PlotLoading.h"
#include "model/Pcb.h"

namespace quillon::cli {

namespace {

struct TInfoOptions {
  std::string PlotFile;
  bool Json = false;
};

int RunInfo(const TInfoOptions& Options) {
  TConsolePrompts Prompts;
  TPcb Pcb;
  Pcb.SetPrompts(&Prompts);
  const std::optional<bool> Result = LoadPlotFile(Pcb, Options.PlotFile);
  if (!Result) return ExitFailure;
  if (Options.Json)
    std::cout << BoardJson(Pcb, *Result).dump(2) << '\n';
  else
    std::cout << BoardSummary(Pcb, Options.PlotFile);
  std::cout.flush();
  return std::cout ? ExitOk : ExitFailure;
}

}  // namespace

TCommand AddInfoCommand(CLI::App& App) {
  auto Options = std::make_shared<TInfoOptions>();
  CLI::App* Sub = App.add_subcommand(
      "info", "Show a plot file's header and, per layer, the counts of its items.");
  Sub->add_option("PLOT", Options->PlotFile, "the plot file (.plt)")->required();
  Sub->add_flag("--json", Options->Json,
                "print the whole board as JSON: every layer and item with the model's field "
                "names");
  return {Sub, [Options] { return RunInfo(*Options); }};
}

}  // namespace quillon::cli
