// SPDX-License-Identifier: MIT
#include "cli/CheckOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "check/CheckReport.h"
#include "check/CheckRun.h"
#include "cli/Commands.h"

namespace quillon::cli {

void AddCheckOptions(CLI::App& Sub, TCheckArgs& Args) {
  Sub.add_option("--dpi", Args.Dpi,
                 "resolution of the comparison (default 1000; lowered so that one picture stays "
                 "below 256 MB)")
      ->check(CLI::Range(1, 20000));
  Sub.add_option("--tolerance-mm", Args.ToleranceMm,
                 "the largest difference a file may show, in millimetres across (default: 2 "
                 "pixels at the resolution used)")
      ->check(CLI::Range(0.0, 1000.0));
  Sub.add_option("--report", Args.Report,
                 "write the whole result as JSON to FILE, and a difference picture of every file "
                 "that differs beside it");
  Sub.add_option("--time-limit", Args.TimeLimit, "seconds the reader may take over one file")
      ->check(CLI::Range(1.0, 86400.0));
  Sub.add_option("--check-jobs", Args.Jobs, "files read at once (default: one per processor)")
      ->check(CLI::Range(1, 256));
}

int RunCheck(const TScriptingPcb& Board, const std::vector<TOutputFile>& Files,
             const TCheckArgs& Args, std::uint8_t Items, std::ostream& Out) {
  // Only Gerber and drill files need gerbv; our own reader reads the macro
  // or script.
  const bool NeedsGerbv = std::any_of(Files.begin(), Files.end(), [](const TOutputFile& F) {
    return F.Role != TOutputRole::Main && F.Role != TOutputRole::Job;
  });
  if (NeedsGerbv && !check::ReaderAvailable()) {
    std::cerr << "quillon-cli check: gerbv, the reader the check needs, is not installed "
                 "(Debian package gerbv)\n";
    return ExitUsage;
  }
  check::TCheckOptions Options;
  Options.Dpi = Args.Dpi;
  Options.ToleranceMm = Args.ToleranceMm;
  Options.TimeLimitSeconds = Args.TimeLimit;
  Options.Jobs = Args.Jobs;
  Options.Items = Items;
  if (!Args.Report.empty()) {
    const std::filesystem::path Folder = std::filesystem::path(Args.Report).parent_path();
    Options.PictureFolder = Folder.empty() ? "." : Folder.string();
    std::error_code Ignored;
    std::filesystem::create_directories(Options.PictureFolder, Ignored);
  }
  const check::TCheckResult Result = check::CheckOutputFiles(Board, Files, Options);
  check::PrintCheckSummary(Out, Result);
  if (!Args.Report.empty()) {
    std::ofstream Report(Args.Report, std::ios::binary | std::ios::trunc);
    Report << check::CheckReportJson(Result);
    if (!Report) {
      std::cerr << "quillon-cli check: cannot write " << Args.Report << '\n';
      return ExitFailure;
    }
  }
  return Result.Passed() ? ExitOk : ExitFailure;
}

}  // namespace quillon::cli
