// SPDX-License-Identifier: MIT
#include <CLI/CLI.hpp>

#include "cli/Commands.h"
#include "cli/OptionValues.h"

namespace quillon::cli {

int RunCli(int Argc, char** Argv) {
  CLI::App App{"Quillon: converts P-CAD 4.5 plot files into CAM350 macros, Genesis scripts "
               "and Gerber files.",
               "quillon-cli"};
  App.require_subcommand(1);
  App.set_version_flag("--version", QUILLON_VERSION_TEXT);
  const TCommand Commands[] = {AddInfoCommand(App), AddPinsCommand(App), AddConvertCommand(App),
                               AddPreviewCommand(App), AddCheckCommand(App)};
  RefuseOptionsAsValues(App);
  try {
    App.parse(Argc, Argv);
  } catch (const CLI::ParseError& E) {
    const int Code = App.exit(E);
    return Code == 0 ? ExitOk : ExitUsage;
  }
  for (const TCommand& C : Commands)
    if (C.Sub && C.Sub->parsed()) return C.Run();
  return ExitUsage;
}

}  // namespace quillon::cli
