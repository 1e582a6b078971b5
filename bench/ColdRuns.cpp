// SPDX-License-Identifier: MIT
#include "ColdRuns.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "BoardGenerator.h"
#include "check/GerbvReader.h"
#include "model/Pcb.h"

namespace quillon::bench {

namespace {

namespace fs = std::filesystem;

struct TColdRun {
  bool Ok = false;
  double Wall = 0, User = 0, Kernel = 0;  // seconds
  long Faults = 0;                        // minor page faults
  double PeakMb = 0;
};

double Seconds(const timeval& T) {
  return static_cast<double>(T.tv_sec) + static_cast<double>(T.tv_usec) / 1e6;
}

// Runs Args as a fresh process, its output thrown away unless KeepOutput.
TColdRun RunOnce(const std::vector<std::string>& Args, bool KeepOutput = false) {
  std::vector<char*> Argv;
  for (const std::string& A : Args) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);
  const auto Start = std::chrono::steady_clock::now();
  const pid_t Child = ::fork();
  if (Child == 0 && KeepOutput) {
    ::execv(Argv[0], Argv.data());
    ::_exit(127);
  }
  if (Child == 0) {
    const int Null = ::open("/dev/null", O_RDWR);
    ::dup2(Null, STDIN_FILENO);
    ::dup2(Null, STDOUT_FILENO);
    ::dup2(Null, STDERR_FILENO);
    ::execv(Argv[0], Argv.data());
    ::_exit(127);
  }
  TColdRun Run;
  if (Child < 0) return Run;
  int Status = 0;
  rusage Usage{};
  if (::wait4(Child, &Status, 0, &Usage) < 0) return Run;
  Run.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  Run.Ok = WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
  Run.User = Seconds(Usage.ru_utime);
  Run.Kernel = Seconds(Usage.ru_stime);
  Run.Faults = Usage.ru_minflt;
  Run.PeakMb = static_cast<double>(Usage.ru_maxrss) / 1024.0;
  return Run;
}

// The fastest of Runs runs (the one least disturbed by the rest of the machine).
TColdRun BestOf(int Runs, const std::vector<std::string>& Args,
                const std::string& CleanFolder = {}) {
  TColdRun Best;
  for (int I = 0; I < Runs; ++I) {
    if (!CleanFolder.empty()) {
      fs::remove_all(CleanFolder);
      fs::create_directories(CleanFolder);
    }
    const TColdRun Run = RunOnce(Args);
    if (!Run.Ok) return Run;
    if (!Best.Ok || Run.Wall < Best.Wall) Best = Run;
  }
  return Best;
}

std::int64_t FolderBytes(const std::string& Folder) {
  std::int64_t Bytes = 0;
  for (const auto& Entry : fs::directory_iterator(Folder))
    Bytes += static_cast<std::int64_t>(Entry.file_size());
  return Bytes;
}

std::string SelfPath() {
  std::error_code Code;
  return fs::read_symlink("/proc/self/exe", Code).string();
}

void PrintRow(const char* Name, const TColdRun& R, double OutputMb, double FloorWall,
              const std::string& Target) {
  std::printf("  %-16s %7.3f %7.3f %7.3f %9ld %8.1f", Name, R.Wall, R.User, R.Kernel, R.Faults,
              R.PeakMb);
  if (OutputMb >= 0)
    std::printf(" %9.1f", OutputMb);
  else
    std::printf(" %9s", "");
  if (FloorWall > 0)
    std::printf(" %6.2f", R.Wall / FloorWall);
  else
    std::printf(" %6s", "");
  std::printf("  %s\n", Target.c_str());
}

// Count small boards (a few hundred records each, of varying size) as plot
// files in Folder: what a batch over an archive of old boards meets.
void WriteSmallBoards(const std::string& Folder, int Count) {
  fs::create_directories(Folder);
  for (int I = 0; I < Count; ++I) {
    TPcb Pcb;
    GenerateBoard(Pcb, 200 + I % 100);
    char Name[32];
    std::snprintf(Name, sizeof Name, "/board%04d.plt", I);
    std::ofstream(Folder + Name, std::ios::binary) << PlotFileBytes(Pcb);
  }
}

// What flushing every file to disk costs a batch of Count small boards
// converted to Gerber: the same batch with and without --no-sync.
void PrintBatchFigures(const std::string& Cli, const std::string& Dir, const std::string& PinsFile,
                       int Runs, int Count) {
  const std::string In = Dir + "/batch-in", Out = Dir + "/batch-out";
  WriteSmallBoards(In, Count);
  const std::vector<std::string> Batch = {Cli,      "convert",   In,       "--out-dir",
                                          Out,      "--format",  "gerber", "--pins",
                                          PinsFile, "--answers", "yes-all"};
  std::vector<std::string> Scratch = Batch;
  Scratch.push_back("--no-sync");
  const TColdRun Durable = BestOf(Runs, Batch, Out);
  const double Mb = Durable.Ok ? static_cast<double>(FolderBytes(Out)) / 1048576.0 : -1;
  const TColdRun Fast = BestOf(Runs, Scratch, Out);
  fs::remove_all(Out);
  fs::remove_all(In);
  char Name[48];
  std::snprintf(Name, sizeof Name, "batch %d gerber", Count);
  if (Durable.Ok) PrintRow(Name, Durable, Mb, 0, "files flushed to disk (the default)");
  if (Fast.Ok) PrintRow("  --no-sync", Fast, Mb, 0, "scratch output");
  if (!Durable.Ok || !Fast.Ok) std::printf("  %s failed\n", Name);
}

}  // namespace

bool WriteFloor(const std::string& File, std::int64_t Bytes) {
  const int Fd = ::open(File.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (Fd < 0) return false;
  std::string Chunk;
  Chunk.reserve((1 << 20) + 64);
  std::int64_t Written = 0;
  std::int64_t Value = 0;
  bool Ok = true;
  while (Written < Bytes && Ok) {
    Chunk.clear();
    while (Chunk.size() < (1u << 20) && Written + static_cast<std::int64_t>(Chunk.size()) < Bytes) {
      char Buf[24];
      const auto R = std::to_chars(Buf, Buf + sizeof Buf, (Value++ * 7919) % 1000000);
      Chunk.append(Buf, R.ptr);
      Chunk += "\r\n";
    }
    Ok = ::write(Fd, Chunk.data(), Chunk.size()) == static_cast<ssize_t>(Chunk.size());
    Written += static_cast<std::int64_t>(Chunk.size());
  }
  return ::close(Fd) == 0 && Ok;
}

int RunFloorProcess(std::int64_t Bytes, const std::string& File) {
  return WriteFloor(File, Bytes) ? 0 : 1;
}

void PrintColdFigures(const std::string& Dir, const std::string& PlotFile,
                      const std::string& PinsFile, int Runs, int BatchBoards, bool Check) {
  const std::string Self = SelfPath();
  const std::string Cli = (fs::path(Self).parent_path() / "quillon-cli").string();
  if (Self.empty() || !fs::exists(Cli)) {
    std::printf("Cold figures skipped: no quillon-cli beside quillon-bench\n\n");
    return;
  }
  std::printf(
      "Cold, whole process: a fresh process per run, best of %d. wall: elapsed seconds; user, "
      "kernel: CPU seconds; faults: minor page faults; peak: peak resident MB; output: MB "
      "written; ratio: wall / the floor's wall\n",
      Runs);
  std::printf("  %-16s %7s %7s %7s %9s %8s %9s %6s  %s\n", "command", "wall", "user", "kernel",
              "faults", "peak", "output", "ratio", "targets");
  const TColdRun Info = BestOf(Runs, {Cli, "info", PlotFile});
  PrintRow("info", Info, -1, 0, "wall <= 0.1 s; peak (the model) <= 3x the plot file");
  const struct {
    const char* Name;
    const char* Extension;
  } Formats[] = {{"cam350", "scr"}, {"gerber", "scr"}, {"genesis", "csh"}};
  for (const auto& F : Formats) {
    const std::string Out = Dir + "/cold-" + F.Name;
    const TColdRun Convert =
        BestOf(Runs,
               {Cli, "convert", PlotFile, "--pins", PinsFile, "--answers", "yes-all", "--format",
                F.Name, "-o", Out + "/board." + F.Extension},
               Out);
    if (!Convert.Ok) {
      std::printf("  convert %-8s failed\n", F.Name);
      continue;
    }
    const std::int64_t Bytes = FolderBytes(Out);
    std::vector<std::string> Scratch = {Cli,
                                        "convert",
                                        PlotFile,
                                        "--pins",
                                        PinsFile,
                                        "--answers",
                                        "yes-all",
                                        "--format",
                                        F.Name,
                                        "-o",
                                        Out + "/board." + F.Extension,
                                        "--no-sync"};
    const TColdRun NoSync = BestOf(Runs, Scratch, Out);
    fs::remove_all(Out);
    const TColdRun Floor =
        BestOf(Runs, {Self, "--floor=" + std::to_string(Bytes), Dir + "/cold-floor.txt"});
    fs::remove(Dir + "/cold-floor.txt");
    const double Mb = static_cast<double>(Bytes) / 1048576.0;
    char Target[96];
    std::snprintf(Target, sizeof Target, "ratio <= 1.5; peak <= %.0f MB (info + 64)",
                  Info.PeakMb + 64);
    PrintRow((std::string("convert ") + F.Name).c_str(), Convert, Mb, Floor.Wall, Target);
    if (NoSync.Ok) PrintRow("  --no-sync", NoSync, Mb, Floor.Wall, "not flushed to disk");
    PrintRow((std::string("floor ") + F.Name).c_str(), Floor, Mb, 0, "");
  }
  if (BatchBoards > 0) PrintBatchFigures(Cli, Dir, PinsFile, Runs, BatchBoards);
  std::printf("\n");
  if (Check) PrintCheckFigures(Dir, PlotFile, PinsFile, Runs);
}

namespace {

// A number that follows Key in Text (a JSON report), or NaN.
double NumberAfter(const std::string& Text, const std::string& Key, std::size_t From = 0) {
  const std::size_t At = Text.find("\"" + Key + "\":", From);
  if (At == std::string::npos) return std::nan("");
  return std::strtod(Text.c_str() + At + Key.size() + 3, nullptr);
}

// The reader alone over the same files, window and resolution as the check's
// report says, as many at once as the check reads: what the check cannot go
// below, since the reader's own time is not ours to cut.
TColdRun ReaderFloor(const std::string& Report, const std::string& Folder) {
  std::ifstream In(Report);
  const std::string Text((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  const std::size_t Window = Text.find("\"window_mm\"");
  const double Dpi = NumberAfter(Text, "dpi"), Left = NumberAfter(Text, "left", Window),
               Bottom = NumberAfter(Text, "bottom", Window),
               Right = NumberAfter(Text, "right", Window), Top = NumberAfter(Text, "top", Window);
  TColdRun Floor;
  if (Window == std::string::npos || !(Dpi > 0) || !(Right > Left) || !(Top > Bottom)) return Floor;
  const double PxPerMm = Dpi / 25.4;
  const int Columns = static_cast<int>(std::ceil((Right - Left) * PxPerMm));
  const int Rows = static_cast<int>(std::ceil((Top - Bottom) * PxPerMm));
  char Origin[64];
  std::snprintf(Origin, sizeof Origin, "--origin=%.6fx%.6f", Left / 25.4, Bottom / 25.4);
  std::vector<std::vector<std::string>> Reads;
  for (std::size_t At = Text.find("\"file\": \""); At != std::string::npos;
       At = Text.find("\"file\": \"", At + 1)) {
    const std::size_t Begin = At + 9, End = Text.find('"', Begin);
    const std::string File = Text.substr(Begin, End - Begin);
    if (Text.find("\"read_by\": \"gerbv\"", End) != Text.find("\"read_by\"", End)) continue;
    Reads.push_back({check::GerbvProgram, "-x", "png", "--border=0", Origin,
                     "--window_inch=" + check::WindowInches(Columns, Rows, static_cast<int>(Dpi)),
                     "--dpi=" + std::to_string(static_cast<int>(Dpi)), "-b", "#000000", "-f",
                     "#ffffffff", "-o", Folder + "/floor-" + std::to_string(Reads.size()) + ".png",
                     File});
  }
  const std::size_t Jobs = std::max(1u, std::thread::hardware_concurrency());
  const auto Start = std::chrono::steady_clock::now();
  std::size_t Next = 0, Running = 0;
  Floor.Ok = true;
  while (Next < Reads.size() || Running > 0) {
    while (Running < Jobs && Next < Reads.size()) {
      std::vector<char*> Argv;
      for (const std::string& A : Reads[Next]) Argv.push_back(const_cast<char*>(A.c_str()));
      Argv.push_back(nullptr);
      const pid_t Child = ::fork();
      if (Child == 0) {
        const int Null = ::open("/dev/null", O_RDWR);
        ::dup2(Null, STDOUT_FILENO);
        ::dup2(Null, STDERR_FILENO);
        ::execvp(Argv[0], Argv.data());
        ::_exit(127);
      }
      if (Child < 0) return TColdRun();
      ++Next;
      ++Running;
    }
    int Status = 0;
    rusage Usage{};
    if (::wait4(-1, &Status, 0, &Usage) < 0) break;
    --Running;
    Floor.Ok = Floor.Ok && WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
    Floor.User += Seconds(Usage.ru_utime);
    Floor.Kernel += Seconds(Usage.ru_stime);
    Floor.Faults += Usage.ru_minflt;
    Floor.PeakMb = std::max(Floor.PeakMb, static_cast<double>(Usage.ru_maxrss) / 1024.0);
  }
  Floor.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  for (std::size_t I = 0; I < Reads.size(); ++I)
    fs::remove(Folder + "/floor-" + std::to_string(I) + ".png");
  return Floor;
}

// The fab package of Plot written into Folder, then checked cold: gerbv
// reads every layer and drill file back, side by side; beside it the reader
// alone over the same files.
void PrintCheckRow(const std::string& Cli, const char* Name, const std::string& Plot,
                   const std::string& Pins, const std::string& Folder, int Runs,
                   const char* Target) {
  const std::vector<std::string> Shape = {"--pins", Pins, "--answers", "yes-all", "--format",
                                          "gerber", "--gerber-profile", "fab", "--excellon"};
  fs::remove_all(Folder);
  fs::create_directories(Folder + "/package");
  std::vector<std::string> Convert = {Cli, "convert", Plot, "-o", Folder + "/package/board.txt"};
  Convert.insert(Convert.end(), Shape.begin(), Shape.end());
  const std::string Report = Folder + "/report.json";
  std::vector<std::string> Check = {Cli, "check", Plot};
  Check.insert(Check.end(), Shape.begin(), Shape.end());
  Check.insert(Check.end(), {"--report", Report, Folder + "/package"});
  if (!RunOnce(Convert).Ok) {
    std::printf("  %-16s the package could not be written\n", Name);
    return;
  }
  const TColdRun Run = BestOf(Runs, Check);
  const double Mb = static_cast<double>(FolderBytes(Folder + "/package")) / 1048576.0;
  std::ifstream In(Report);
  const std::string Text((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  const double Dpi = NumberAfter(Text, "dpi");
  const TColdRun Floor = Run.Ok ? ReaderFloor(Report, Folder) : TColdRun();
  char Said[160];
  std::snprintf(Said, sizeof Said, "%s; at %.0f dpi", Target, Dpi);
  if (Run.Ok)
    PrintRow(Name, Run, Mb, Floor.Ok ? Floor.Wall : 0, Said);
  else
    std::printf("  %-16s failed or found differences (%.3f s)\n", Name, Run.Wall);
  if (Floor.Ok)
    PrintRow("  gerbv alone", Floor, Mb, 0, "the reader over the same files, as many at once");
  fs::remove_all(Folder);
}

}  // namespace

void PrintCheckFigures(const std::string& Dir, const std::string& PlotFile,
                       const std::string& PinsFile, int Runs) {
  const std::string Cli = (fs::path(SelfPath()).parent_path() / "quillon-cli").string();
  if (!fs::exists(Cli)) return;
  std::printf(
      "Check, cold, whole process (gerbv reads each file back; ratio: wall / gerbv alone's), "
      "best of %d:\n",
      Runs);
  const std::string Demo = QUILLON_EXAMPLES_DIR;
  if (fs::exists(Demo + "/demo.plt"))
    PrintCheckRow(Cli, "check demo", Demo + "/demo.plt", Demo + "/demo-pins.txt",
                  Dir + "/check-demo", Runs, "wall <= 2 s");
  PrintCheckRow(Cli, "check board", PlotFile, PinsFile, Dir + "/check-board", 1,
                "wall <= 60 s (one million records, 2 cores)");
  std::printf("\n");
}

void PrintColdFiguresApart(const std::string& Dir, const std::string& PlotFile,
                           const std::string& PinsFile, int Runs, int BatchBoards, bool Check) {
  std::fflush(stdout);
  if (!RunOnce({SelfPath(), "--cold-figures", Dir, PlotFile, PinsFile, std::to_string(Runs),
                std::to_string(BatchBoards), Check ? "check" : "no-check"},
               true)
           .Ok)
    std::printf("Cold figures failed\n\n");
}

}  // namespace quillon::bench
