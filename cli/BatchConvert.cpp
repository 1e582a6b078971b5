// SPDX-License-Identifier: MIT
#include "cli/BatchConvert.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "cli/Commands.h"
#include "cli/ProgressLine.h"
#include "script/ScriptPcb.h"
#include "text/AsciiCase.h"

namespace quillon::cli {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

struct TBoard {
  TBoardJob Job;
  std::string Base;  // the plot file's name without its extension
  std::uint64_t PlotBytes = 0;
};

struct TBoardResult {
  int Exit = ExitFailure;
  std::vector<std::string> Messages;  // the conversion's stderr lines
  TBoardOutcome Outcome;
};

int UsageError(const std::string& Message) {
  std::cerr << "quillon-cli convert: " << Message << "\nRun with --help for more information.\n";
  return ExitUsage;
}

// The main file of a Gerber conversion is the CAM350 text macro: named .gbr
// it would be the one "Gerber" file of the folder that no reader takes.
const char* Extension(std::uint8_t Format) {
  if (Format == fmtGenesis) return ".csh";
  return ".scr";
}

// The plot files of the inputs: a file as given, a folder's "*.plt" (any
// letter case) in name order. Empty, with Error set, when an input is
// neither.
std::vector<std::string> ListPlots(const std::vector<std::string>& Inputs, std::string& Error) {
  std::vector<std::string> Plots;
  for (const std::string& Input : Inputs) {
    std::error_code Code;
    if (fs::is_directory(Input, Code)) {
      std::vector<std::string> InFolder;
      for (const fs::directory_entry& Entry : fs::directory_iterator(Input, Code))
        if (Entry.is_regular_file(Code) && LowerAscii(Entry.path().extension().string()) == ".plt")
          InFolder.push_back(Entry.path().string());
      if (Code) {
        Error = Input + ": cannot list the folder: " + Code.message();
        return {};
      }
      std::sort(InFolder.begin(), InFolder.end());
      Plots.insert(Plots.end(), InFolder.begin(), InFolder.end());
    } else if (fs::exists(Input, Code)) {
      Plots.push_back(Input);
    } else {
      Error = Input + ": no such plot file or folder";
      return {};
    }
  }
  if (Plots.empty()) Error = "no plot files (*.plt) in the folders given";
  return Plots;
}

// <Base>.txt or <Base>.dat in the pin folder, else the --pins file.
std::string PinsFor(const TBatchArgs& Args, const std::string& PinsFile, const std::string& Base) {
  if (!Args.PinsDir.empty())
    for (const char* Ext : {".txt", ".dat", ".TXT", ".DAT"}) {
      const fs::path Candidate = fs::path(Args.PinsDir) / (Base + Ext);
      std::error_code Code;
      if (fs::is_regular_file(Candidate, Code)) return Candidate.string();
    }
  return PinsFile;
}

// Every file of board B is "B.<ext>", "B.drl" or, for Gerber, "B-<index>...":
// two boards can write one file only when their names are equal or one is
// the other's followed by "-" and a digit. Letter case is ignored, so that
// a batch means the same on a file system that ignores it.
std::string FindCollision(const std::vector<TBoard>& Boards, bool LayerFiles) {
  std::map<std::string, const TBoard*> ByName;
  for (const TBoard& B : Boards) {
    const auto [It, Fresh] = ByName.emplace(LowerAscii(B.Base), &B);
    if (!Fresh)
      return It->second->Job.Plot + " and " + B.Job.Plot + " would both write " + B.Job.Out;
  }
  if (!LayerFiles) return {};
  for (const auto& [Name, Board] : ByName) {
    // Names that extend Name come right after it in order.
    for (auto It = ByName.upper_bound(Name); It != ByName.end() && It->first.starts_with(Name);
         ++It) {
      const std::string_view Rest = std::string_view(It->first).substr(Name.size());
      if (Rest.size() >= 2 && Rest[0] == '-' && Rest[1] >= '0' && Rest[1] <= '9')
        return Board->Job.Plot + " and " + It->second->Job.Plot +
               " could write the same Gerber layer file";
    }
  }
  return {};
}

ordered_json OutcomeJson(const TBoardOutcome& Outcome) {
  ordered_json Files = ordered_json::array();
  for (const TBoardFile& F : Outcome.Files)
    Files.push_back({{"path", F.Path}, {"lines", F.Lines}, {"bytes", F.Bytes}});
  return {{"files", Files}, {"undefined_pins", Outcome.UndefinedPins}};
}

TBoardOutcome OutcomeFromJson(std::string_view Text) {
  TBoardOutcome Outcome;
  const ordered_json J = ordered_json::parse(Text, nullptr, false);
  if (J.is_discarded() || !J.is_object()) return Outcome;
  for (const auto& F : J.value("files", ordered_json::array()))
    Outcome.Files.push_back({F.value("path", ""), F.value("lines", std::int64_t{0}),
                             F.value("bytes", std::int64_t{0})});
  Outcome.UndefinedPins = J.value("undefined_pins", std::vector<std::int32_t>{});
  return Outcome;
}

std::string Dump(const ordered_json& J) {
  // Names come from the file system and may be any bytes.
  return J.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

// A board being converted in a child process: its stderr and its outcome
// come through two pipes.
struct TChild {
  std::size_t Board = 0;
  pid_t Pid = -1;
  int Fds[2] = {-1, -1};  // messages, outcome
  std::string Text[2];
};

[[noreturn]] void RunChild(const TBoardJob& Job, const TConvertOne& ConvertOne, int MessageFd,
                           int OutcomeFd) {
  ::dup2(MessageFd, STDERR_FILENO);
  ::dup2(MessageFd, STDOUT_FILENO);
  TBoardOutcome Outcome;
  int Exit = ExitFailure;
  try {
    Exit = ConvertOne(Job, Outcome);
  } catch (const std::exception& E) {
    std::cerr << "quillon-cli: " << Job.Plot << ": " << E.what() << '\n';
  }
  std::cerr.flush();
  std::cout.flush();
  const std::string Text = Dump(OutcomeJson(Outcome));
  for (std::size_t Done = 0; Done < Text.size();) {
    const ssize_t N = ::write(OutcomeFd, Text.data() + Done, Text.size() - Done);
    if (N <= 0 && errno != EINTR) break;
    if (N > 0) Done += static_cast<std::size_t>(N);
  }
  ::_exit(Exit);
}

std::optional<TChild> StartChild(std::size_t Index, const TBoardJob& Job,
                                 const TConvertOne& ConvertOne) {
  int Messages[2], Outcome[2];
  if (::pipe2(Messages, O_CLOEXEC) != 0) return std::nullopt;
  if (::pipe2(Outcome, O_CLOEXEC) != 0) {
    ::close(Messages[0]);
    ::close(Messages[1]);
    return std::nullopt;
  }
  std::cout.flush();
  std::cerr.flush();
  const pid_t Pid = ::fork();
  if (Pid == 0) {
    ::close(Messages[0]);
    ::close(Outcome[0]);
    RunChild(Job, ConvertOne, Messages[1], Outcome[1]);
  }
  ::close(Messages[1]);
  ::close(Outcome[1]);
  if (Pid < 0) {
    ::close(Messages[0]);
    ::close(Outcome[0]);
    return std::nullopt;
  }
  TChild Child;
  Child.Board = Index;
  Child.Pid = Pid;
  Child.Fds[0] = Messages[0];
  Child.Fds[1] = Outcome[0];
  return Child;
}

std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> Lines;
  std::size_t Start = 0;
  while (Start < Text.size()) {
    std::size_t End = Text.find('\n', Start);
    if (End == std::string::npos) End = Text.size();
    if (End > Start) Lines.push_back(Text.substr(Start, End - Start));
    Start = End + 1;
  }
  return Lines;
}

TBoardResult Collect(TChild& Child) {
  int Status = 0;
  while (::waitpid(Child.Pid, &Status, 0) < 0 && errno == EINTR) {
  }
  TBoardResult Result;
  Result.Messages = SplitLines(Child.Text[0]);
  Result.Outcome = OutcomeFromJson(Child.Text[1]);
  if (WIFEXITED(Status)) {
    Result.Exit = WEXITSTATUS(Status);
  } else {
    Result.Exit = ExitFailure;
    Result.Messages.push_back("quillon-cli: the conversion stopped on signal " +
                              std::to_string(WIFSIGNALED(Status) ? WTERMSIG(Status) : 0));
  }
  return Result;
}

bool IsWriteLine(const std::string& Line) { return Line.starts_with("quillon-cli: wrote "); }

// Runs every board, at most Jobs at once; OnDone sees each as it ends.
template <class Started, class Done>
std::vector<TBoardResult> RunAll(const std::vector<TBoard>& Boards, int Jobs,
                                 const TConvertOne& ConvertOne, Started OnStarted, Done OnDone,
                                 const std::function<void()>& OnTick) {
  std::vector<TBoardResult> Results(Boards.size());
  std::vector<TChild> Running;
  std::size_t Next = 0;
  while (Next < Boards.size() || !Running.empty()) {
    while (Next < Boards.size() && static_cast<int>(Running.size()) < Jobs) {
      OnStarted(Next);
      if (auto Child = StartChild(Next, Boards[Next].Job, ConvertOne)) {
        Running.push_back(std::move(*Child));
      } else {
        Results[Next].Messages.push_back("quillon-cli: " + Boards[Next].Job.Plot +
                                         ": cannot start its conversion: " + std::strerror(errno));
        OnDone(Next, Results[Next]);
      }
      ++Next;
    }
    std::vector<pollfd> Polled;
    for (const TChild& C : Running)
      for (int Fd : C.Fds)
        if (Fd >= 0) Polled.push_back({Fd, POLLIN, 0});
    if (::poll(Polled.data(), Polled.size(), 200) < 0 && errno != EINTR) break;
    for (TChild& C : Running)
      for (int I = 0; I < 2; ++I) {
        if (C.Fds[I] < 0) continue;
        const auto Found = std::find_if(Polled.begin(), Polled.end(),
                                        [&](const pollfd& P) { return P.fd == C.Fds[I]; });
        if (Found == Polled.end() || Found->revents == 0) continue;
        char Buffer[65536];
        const ssize_t N = ::read(C.Fds[I], Buffer, sizeof Buffer);
        if (N > 0) {
          C.Text[I].append(Buffer, static_cast<std::size_t>(N));
        } else if (N == 0 || errno != EINTR) {
          ::close(C.Fds[I]);
          C.Fds[I] = -1;
        }
      }
    for (auto It = Running.begin(); It != Running.end();) {
      if (It->Fds[0] >= 0 || It->Fds[1] >= 0) {
        ++It;
        continue;
      }
      Results[It->Board] = Collect(*It);
      OnDone(It->Board, Results[It->Board]);
      It = Running.erase(It);
    }
    OnTick();
  }
  return Results;
}

ordered_json BoardJson(const TBoard& Board, const TBoardResult& R) {
  ordered_json Warnings = ordered_json::array(), Errors = ordered_json::array();
  for (const std::string& Line : R.Messages) {
    if (IsWriteLine(Line)) continue;
    const bool Warning = R.Exit == ExitOk || Line.find("warning") != std::string::npos;
    (Warning ? Warnings : Errors).push_back(Line);
  }
  ordered_json J = OutcomeJson(R.Outcome);
  return {{"plot", Board.Job.Plot}, {"ok", R.Exit == ExitOk},
          {"exit_code", R.Exit},    {"files", J["files"]},
          {"warnings", Warnings},   {"undefined_pins", J["undefined_pins"]},
          {"errors", Errors}};
}

std::string PinList(const std::vector<std::int32_t>& Pins) {
  std::string Text;
  for (std::int32_t Pin : Pins) Text += (Text.empty() ? "" : ", ") + std::to_string(Pin);
  return Text;
}

}  // namespace

void AddBatchOptions(CLI::App& Sub, TBatchArgs& Args) {
  Sub.add_option("--out-dir", Args.OutDir,
                 "batch: write each board to DIR/<plot base name>.scr (.csh for Genesis; beside "
                 "a Gerber conversion's text macro, its layer files)");
  Sub.add_option("--pins-dir", Args.PinsDir,
                 "batch: pin descriptions <plot base name>.txt or .dat, used where one exists");
  Sub.add_option("--jobs", Args.Jobs, "batch: boards converted at once (default: one per core)")
      ->check(CLI::Range(1, 4096));
}

bool IsBatch(const TBatchArgs& Args) {
  std::error_code Code;
  return !Args.OutDir.empty() || Args.Inputs.size() > 1 ||
         (Args.Inputs.size() == 1 && fs::is_directory(Args.Inputs.front(), Code));
}

int RunBatchConvert(const TBatchArgs& Args, std::uint8_t Format, const std::string& Answers,
                    const std::string& PinsFile, const TConvertOne& ConvertOne) {
  if (Args.OutDir.empty()) return UsageError("several plot files or a folder need --out-dir");
  if (Answers.empty())
    return UsageError("a batch never asks: give --answers for the undefined-pin questions");
  std::string Error;
  const std::vector<std::string> Plots = ListPlots(Args.Inputs, Error);
  if (Plots.empty()) return UsageError(Error);

  std::vector<TBoard> Boards;
  std::uint64_t TotalBytes = 0;
  for (const std::string& Plot : Plots) {
    TBoard B;
    B.Base = fs::path(Plot).stem().string();
    B.Job.Plot = Plot;
    B.Job.Out = (fs::path(Args.OutDir) / (B.Base + Extension(Format))).string();
    B.Job.Pins = PinsFor(Args, PinsFile, B.Base);
    if (Format == fmtGerber) B.Job.LayerFilePrefix = B.Base + "-";
    std::error_code Code;
    const std::uintmax_t Size = fs::file_size(Plot, Code);
    B.PlotBytes = Code ? 0 : Size;
    TotalBytes += B.PlotBytes;
    Boards.push_back(std::move(B));
  }
  if (const std::string Collision = FindCollision(Boards, Format == fmtGerber); !Collision.empty())
    return UsageError(Collision + "; nothing written");
  std::error_code Code;
  fs::create_directories(Args.OutDir, Code);
  if (!fs::is_directory(Args.OutDir, Code))
    return UsageError("--out-dir " + Args.OutDir + ": not a folder that can be made");

  const int Cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int Jobs = Args.Jobs > 0 ? Args.Jobs : Cores;
  const bool Terminal = ::isatty(STDERR_FILENO) == 1;
  TProgressLine Progress(std::cerr, static_cast<int>(Boards.size()), TotalBytes);
  int Finished = 0;
  const auto OnStarted = [&](std::size_t I) {
    if (Terminal) Progress.Started(Boards[I].Job.Plot);
  };
  const auto OnDone = [&](std::size_t I, const TBoardResult& R) {
    ++Finished;
    if (Terminal) Progress.Erase();
    // A terminal shows what needs a look (failures, warnings) above the
    // progress line; a log gets every line.
    for (const std::string& Line : R.Messages)
      if (!Terminal || R.Exit != ExitOk || Line.find("warning") != std::string::npos)
        std::cerr << Line << '\n';
    if (!Terminal || R.Exit != ExitOk)
      std::cerr << "quillon-cli: [" << Finished << '/' << Boards.size() << "] "
                << Boards[I].Job.Plot << (R.Exit == ExitOk ? ": converted" : ": failed") << '\n';
    if (Terminal) Progress.Finished(Boards[I].PlotBytes);
  };
  const std::vector<TBoardResult> Results =
      RunAll(Boards, Jobs, ConvertOne, OnStarted, OnDone, [&] {
        if (Terminal) Progress.Draw();
      });
  if (Terminal) Progress.Erase();

  int Failed = 0;
  for (std::size_t I = 0; I < Boards.size(); ++I) {
    const TBoardResult& R = Results[I];
    if (R.Exit != ExitOk) ++Failed;
    if (Args.Json) std::cout << Dump(BoardJson(Boards[I], R)) << '\n';
    if (!R.Outcome.UndefinedPins.empty())
      std::cerr << "quillon-cli: " << Boards[I].Job.Plot
                << ": undefined pins: " << PinList(R.Outcome.UndefinedPins) << '\n';
  }
  std::cerr << "quillon-cli: " << Boards.size() - static_cast<std::size_t>(Failed) << " of "
            << Boards.size() << " boards converted";
  if (Failed > 0) std::cerr << ", " << Failed << " failed";
  std::cerr << '\n';
  return Failed == 0 ? ExitOk : ExitFailure;
}

std::vector<std::int32_t> UndefinedPins(const TScriptingPcb& Pcb) {
  std::vector<std::int32_t> Rows;
  for (const TLayer& Layer : Pcb.Layers)
    for (const TPcbFlash& Flash : Layer.Flashes) {
      const std::int32_t Row = PinRowOf(Flash.PinNumber);
      if (!Pcb.Pins.Exists(Row)) Rows.push_back(Row);
    }
  std::sort(Rows.begin(), Rows.end());
  Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
  return Rows;
}

TBoardFile WrittenFile(const TOutputFile& File) {
  const auto Lines = static_cast<std::int64_t>(File.Lines->Count());
  return {File.Path, Lines, static_cast<std::int64_t>(FileBytes(File))};
}

}  // namespace quillon::cli
