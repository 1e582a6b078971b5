// SPDX-License-Identifier: MIT
#pragma once
// Whole-process figures, the way a user meets quillon-cli: each command is a
// fresh process (loader, page faults, exit and all), measured from outside
// with wait4: wall time, user and kernel CPU, minor page faults, peak
// resident memory. Beside each conversion, a floor measured the same way: a
// fresh process that formats as many bytes of numbers through one reused
// buffer into a file.

#include <cstdint>
#include <string>

namespace quillon::bench {

// The floor's own process: `quillon-bench --floor=BYTES FILE` ends up here.
int RunFloorProcess(std::int64_t Bytes, const std::string& File);

// Writes Bytes of numbers formatted with std::to_chars, each line ended by
// CR LF, into File through one reused 1 MiB buffer.
bool WriteFloor(const std::string& File, std::int64_t Bytes);

// Runs quillon-cli (beside this program) on the plot and pin files, Runs
// times per command, and prints the best run of each with its floor; then a
// batch of BatchBoards small boards (none for 0), with and without flushing
// the files to disk; with Check, the check's figures too.
void PrintColdFigures(const std::string& Dir, const std::string& PlotFile,
                      const std::string& PinsFile, int Runs, int BatchBoards, bool Check);

// quillon-cli check over the demo's fab package (best of Runs) and over the
// package of PlotFile (once): the whole road of a check, gerbv included.
void PrintCheckFigures(const std::string& Dir, const std::string& PlotFile,
                       const std::string& PinsFile, int Runs);

// The same from a small process of its own (`quillon-bench --cold-figures
// DIR PLOT PINS RUNS BATCHBOARDS check|no-check`): Linux counts the memory of
// the process that forked in a child's peak, and the benchmark's own process
// holds a big board.
void PrintColdFiguresApart(const std::string& Dir, const std::string& PlotFile,
                           const std::string& PinsFile, int Runs, int BatchBoards, bool Check);

}  // namespace quillon::bench
