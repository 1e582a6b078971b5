// SPDX-License-Identifier: MIT
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <optional>

#include "cli/BatchConvert.h"
#include "cli/CheckOptions.h"
#include "cli/ConvertArgs.h"
#include "cli/Commands.h"
#include "cli/ConsolePrompts.h"
#include "cli/ConvertReport.h"
#include "cli/FabOptions.h"
#include "cli/ItemSwitches.h"
#include "cli/LayerChoice.h"
#include "cli/PinOptions.h"
#include "cli/PlotLoading.h"
#include "save/DiskSync.h"
#include "save/SaveError.h"
#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"
#include "script/save/StreamedSave.h"
#include "text/AsciiCase.h"
#include "text/Units.h"

namespace quillon::cli {

namespace {

int UsageError(const std::string& Message) {
  std::cerr << "quillon-cli convert: " << Message << "\nRun with --help for more information.\n";
  return ExitUsage;
}

int Failure(const std::string& Message) {
  std::cerr << "quillon-cli: " << Message << '\n';
  return ExitFailure;
}

void PrintSummary(const TOutputFile& File) {
  std::cerr << "quillon-cli: wrote " << File.Path << ": " << File.Lines->Count() << " lines, "
            << FileBytes(File) << " bytes\n";
}

// The main file is never Gerber (a Gerber conversion's is the CAM350 text
// macro): a name the user gives is kept, as any tool keeps it, but a Gerber
// name on it would put a file no Gerber reader takes among the layer files.
std::string MainFileNameWarning(const std::string& Out, std::uint8_t Format) {
  const std::string Name = std::filesystem::path(Out).filename().string();
  if (Name.size() <= 4 || LowerAscii(Name.substr(Name.size() - 4)) != ".gbr") return {};
  if (Format == fmtGenesis) return Out + " will hold the Genesis script, not Gerber; name it .csh";
  if (Format == fmtGerber)
    return Out + " will hold the CAM350 text macro, not Gerber; name it .scr";
  return Out + " will hold the CAM350 macro, not Gerber; name it .scr";
}

// The summary lines, or the JSON report, of a save; a batch also keeps the
// files written in Outcome.
void ReportSave(const TConvertArgs& Args, const TScriptingPcb& Pcb,
                const TRecordingPrompts& Recorder, TBoardOutcome* Outcome) {
  if (Args.Json) {
    PrintJsonReport(std::cout, Pcb, Args.Out, Args.Fab.Zip, Recorder);
    return;
  }
  for (const TOutputFile& File : Pcb.OutputFiles(Args.Out)) {
    PrintSummary(File);
    if (Outcome) Outcome->Files.push_back(WrittenFile(File));
  }
  if (!Args.Fab.Zip.empty()) PrintZipSummary(Args.Fab.Zip);
}

// Converts and saves one board; Outcome (batch only) receives what was
// written and the undefined pins met.
int ConvertBoard(const TConvertArgs& Args, TBoardOutcome* Outcome) {
  std::vector<TAnswer> Answers;
  if (!Args.Answers.empty()) Answers = *TConsolePrompts::ParseAnswers(Args.Answers);
  TConsolePrompts Prompts(std::move(Answers));
  TRecordingPrompts Recorder(Prompts);
  TScriptingPcb Pcb;
  Pcb.SetPrompts(&Recorder);

  if (const int Code = PrepareBoard(Args, Pcb, "convert"); Code != ExitOk) return Code;
  const std::uint8_t Options = ItemSwitchesOf(Args);
  const double Scale = ScaleOf(Args);
  const std::uint8_t Format = FormatCode(Args.Format);
  if (const std::string Warning = MainFileNameWarning(Args.Out, Format); !Warning.empty()) {
    std::cerr << "quillon-cli: warning: " << Warning << '\n';
    Recorder.Messages.push_back(Warning);  // for the JSON report
  }
  if (Outcome) Outcome->UndefinedPins = UndefinedPins(Pcb);
  try {
    // Where it can, the save runs beside the conversion: the files fill
    // while it runs and appear under their names only once it is whole.
    std::optional<TStreamedSave> Streamed;
    if (TStreamedSave::Possible(Pcb, Format, Args.Out)) Streamed.emplace(Pcb, Args.Out, Format);
    try {
      Pcb.Convert(Options, Format, Scale);
    } catch (const std::bad_alloc&) {
      throw;  // reported once, at the top
    } catch (const TSaveError&) {
      throw;
    } catch (const std::exception& E) {
      return Failure(Args.Plot + ": conversion failed: " + E.what() + "; nothing written");
    }
    if (Streamed)
      Streamed->Commit();
    else
      Pcb.SaveToFile(Args.Out);
    // A streamed list still tells its line count and size until Streamed goes.
    ReportSave(Args, Pcb, Recorder, Outcome);
    if (Args.Check)
      return RunCheck(Pcb, Pcb.OutputFiles(Args.Out), Args.CheckOptions, Options,
                      Args.Json ? std::cerr : std::cout);
  } catch (const TSaveError& E) {
    return Failure(E.what());
  }
  return ExitOk;
}

int RunConvert(const TConvertArgs& Args) {
  SetDurableSaves(!Args.NoSync);
  if (const std::string Error = CheckProfileOptions(Args); !Error.empty()) return UsageError(Error);
  if (!genesis::IsJobName(Args.GenesisJob))
    return UsageError("--genesis-job \"" + Args.GenesisJob +
                      "\": a job name is 1 to 64 of a-z, 0-9, _ - + . and does not start with .");
  if (IsBatch(Args.Batch)) {
    if (!Args.Out.empty()) {
      // A stray word after an option lands among the plot files: name it.
      std::error_code Code;
      for (const std::string& Input : Args.Batch.Inputs)
        if (!std::filesystem::exists(Input, Code))
          return UsageError("PLOT \"" + Input + "\" is not a file or folder");
      return UsageError("--output is for one plot file; use --out-dir");
    }
    if (!Args.Fab.Zip.empty()) return UsageError("--zip is for one plot file");
    TBatchArgs Batch = Args.Batch;
    Batch.Json = Args.Json;
    return RunBatchConvert(Batch, FormatCode(Args.Format), Args.Answers, Args.Pins.File,
                           [&Args](const TBoardJob& Job, TBoardOutcome& Outcome) {
                             TConvertArgs One = Args;
                             One.Json = false;  // the batch reports each board itself
                             One.Plot = Job.Plot;
                             One.Out = Job.Out;
                             One.Pins.File = Job.Pins;
                             One.LayerFilePrefix = Job.LayerFilePrefix;
                             return ConvertBoard(One, &Outcome);
                           });
  }
  if (!Args.Batch.PinsDir.empty() || Args.Batch.Jobs != 0)
    return UsageError("--pins-dir and --jobs are for batch conversion (--out-dir)");
  if (Args.Out.empty()) return UsageError("--output is required");
  TConvertArgs One = Args;
  One.Plot = Args.Batch.Inputs.front();
  return ConvertBoard(One, nullptr);
}

}  // namespace

TCommand AddConvertCommand(CLI::App& App) {
  auto Args = std::make_shared<TConvertArgs>();
  CLI::App* Sub = App.add_subcommand(
      "convert", "Convert a plot file into a CAM350 macro, a Genesis script or Gerber files");
  Sub->add_option("PLOT", Args->Batch.Inputs,
                  "the plot file (.plt); with --out-dir, several plot files or folders of them")
      ->required();
  Sub->add_option("-o,--output", Args->Out,
                  "the output file; Gerber layer files are written beside it");
  AddBatchOptions(*Sub, Args->Batch);
  AddShapingOptions(*Sub, *Args);
  Sub->add_flag("--check", Args->Check,
                "read the Gerber and drill files just written back with gerbv and compare them "
                "with the plot (see quillon-cli check)");
  AddCheckOptions(*Sub, Args->CheckOptions);
  Sub->add_flag("--no-sync", Args->NoSync,
                "for scratch output: do not wait for the files to reach the disk (by default "
                "a save survives a crash or power cut)");
  Sub->add_flag("--json", Args->Json,
                "print one JSON object (files written, warnings, undefined pins, answers) on "
                "standard output instead of the summary lines; in a batch, one per board");
  return {Sub, [Args] { return RunConvert(*Args); }};
}

}  // namespace quillon::cli
