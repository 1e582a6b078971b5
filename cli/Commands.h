// SPDX-License-Identifier: MIT
#pragma once
// Each subcommand of quillon-cli registers itself on the application and
// returns what runs it once the command line was parsed.

#include <functional>

namespace CLI {
class App;
}

namespace quillon::cli {

// Exit codes of quillon-cli.
constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;  // a stopping error, a bad signature, a failed save
constexpr int ExitUsage = 2;

struct TCommand {
  CLI::App* Sub = nullptr;  // null: the command is not available
  std::function<int()> Run;
};

TCommand AddInfoCommand(CLI::App& App);
TCommand AddPinsCommand(CLI::App& App);
TCommand AddConvertCommand(CLI::App& App);
TCommand AddPreviewCommand(CLI::App& App);
TCommand AddCheckCommand(CLI::App& App);

// Parses the command line and runs the chosen command; returns the exit code.
int RunCli(int Argc, char** Argv);

}  // namespace quillon::cli
