// SPDX-License-Identifier: MIT
#pragma once
// `quillon-cli convert` over many boards: several plot files or folders of
// them, each board written to its own files in one folder, N boards at once.
// Each board is converted in a child process by the single conversion, so
// its files are byte for byte those of `convert PLOT -o OUT`, a board that
// fails cannot take the others down, and its messages stay its own.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace quillon {
class TScriptingPcb;
struct TOutputFile;
}  // namespace quillon

namespace quillon::cli {

struct TBatchArgs {
  std::vector<std::string> Inputs;  // plot files and folders, as given
  std::string OutDir;
  std::string PinsDir;
  int Jobs = 0;  // 0: one per core
  bool Json = false;
};

// One board of a batch: what the single conversion is given.
struct TBoardJob {
  std::string Plot;
  std::string Out;
  std::string Pins;             // empty: no pin description
  std::string LayerFilePrefix;  // before each Gerber layer file's name
};

struct TBoardFile {
  std::string Path;
  std::int64_t Lines = 0;
  std::int64_t Bytes = 0;
};

// What a board's conversion reports back besides its messages.
struct TBoardOutcome {
  std::vector<TBoardFile> Files;
  std::vector<std::int32_t> UndefinedPins;  // pin rows, as the questions name them
};

// Converts one board; returns the single conversion's exit code.
using TConvertOne = std::function<int(const TBoardJob&, TBoardOutcome&)>;

// Adds --out-dir, --pins-dir and --jobs (the caller's --json sets Json).
void AddBatchOptions(CLI::App& Sub, TBatchArgs& Args);

// A batch: --out-dir, several inputs, or a folder.
bool IsBatch(const TBatchArgs& Args);

// Runs the batch; Format is the output format code, Answers the --answers
// list (required: a batch never asks), PinsFile the --pins file for every
// board. Returns 0 when every board converted, 1 when any failed, 2 on bad
// usage (then nothing is written).
int RunBatchConvert(const TBatchArgs& Args, std::uint8_t Format, const std::string& Answers,
                    const std::string& PinsFile, const TConvertOne& ConvertOne);

// The rows of the board's flash pins that the pin description lacks, each
// once, ascending.
std::vector<std::int32_t> UndefinedPins(const TScriptingPcb& Pcb);

TBoardFile WrittenFile(const TOutputFile& File);

}  // namespace quillon::cli
