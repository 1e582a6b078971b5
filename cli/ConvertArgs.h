// SPDX-License-Identifier: MIT
#pragma once
// The options that shape a conversion's output, shared by convert and check:
// check converts the plot again in memory, with the same options, to know
// which files the save wrote and what each should draw.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/BatchConvert.h"
#include "cli/CheckOptions.h"
#include "cli/FabOptions.h"
#include "cli/PinOptions.h"
#include "script/ScriptPcb.h"

namespace CLI {
class App;
}

namespace quillon::cli {

struct TConvertArgs {
  std::string Plot;
  std::string Out;
  std::string Format = "cam350";
  TPinOptions Pins;
  std::string Dbu;
  std::string Items;
  bool NoViewCommands = false;
  // A layer role given on the command line; nullopt: chosen by name.
  std::optional<std::string> Top, Bottom, MaskTop, MaskBottom, Drill;
  std::string Answers;
  int GerberProfile = static_cast<int>(TGerberProfile::Legacy);
  bool Excellon = false;
  bool X2AsComments = false;
  int GenesisHost = static_cast<int>(TGenesisHost::Windows);
  std::string GenesisJob = "quillon";
  int GenesisMatrix = static_cast<int>(TGenesisMatrix::Document);
  TFabArgs Fab;
  bool Json = false;
  bool NoSync = false;  // scratch output: the files are not flushed to disk
  TBatchArgs Batch;  // the plot files as given, and the batch options
  std::string LayerFilePrefix;
  bool Check = false;  // check the files just written
  TCheckArgs CheckOptions;
};

// Adds --format, --pins and its units, --dbu, --items, --no-view-commands,
// the layer roles, --answers, --gerber-profile, --excellon,
// --x2-as-comments, --genesis-host and the fab options.
void AddShapingOptions(CLI::App& Sub, TConvertArgs& Args);

std::uint8_t FormatCode(const std::string& Name);
std::uint8_t ItemSwitchesOf(const TConvertArgs& Args);
double ScaleOf(const TConvertArgs& Args);

// The fab-only options need the fab profile, which needs Gerber output.
std::string CheckProfileOptions(const TConvertArgs& Args);

// Loads Args.Plot into Pcb and applies every shaping option, ready to
// Convert. Returns ExitOk, or the exit code after printing why not (Command
// names the subcommand in usage errors).
int PrepareBoard(const TConvertArgs& Args, TScriptingPcb& Pcb, const char* Command);

}  // namespace quillon::cli
