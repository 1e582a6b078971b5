// SPDX-License-Identifier: MIT
// Times the whole road of a big board: load, Convert in each format, save;
// and, for scale, a floor: writing as many bytes made only of numbers
// formatted with std::to_chars. Run: quillon-bench [--records=N] [benchmark
// options]. A memory probe per format runs first, each in a child process so
// that one format's peak does not hide another's.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BoardGenerator.h"
#include "ColdRuns.h"
#include "script/ScriptPcb.h"
#include "script/save/StreamedSave.h"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

struct TFormat {
  const char* Name;
  std::uint8_t Code;
  const char* Extension;
};
const TFormat Formats[] = {{"cam350", fmtCam350Macro, "scr"},
                           {"gerber", fmtGerber, "gbr"},
                           {"genesis", fmtGenesis, "csh"}};

constexpr double Scale = 0.0254;

struct TBench {
  std::int64_t Records = 1000000;
  fs::path Dir;
  std::string PlotFile;
  std::int64_t PlotBytes = 0;
  std::unique_ptr<TScriptingPcb> Board;
  std::map<std::string, std::int64_t> OutputBytes;  // per format, every file
};
TBench Bench;
int BatchBoards = 1000;     // small boards of the cold batch; 0: no batch
int ColdRuns = 3;           // fresh quillon-cli processes per command; 0: no cold figures
bool CheckFigures = true;   // quillon-cli check over the demo's and the board's package

double PeakRssMb() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return static_cast<double>(Usage.ru_maxrss) / 1024.0;
}

double CurrentRssMb() {
  std::ifstream Status("/proc/self/statm");
  long Pages = 0, Resident = 0;
  Status >> Pages >> Resident;
  return static_cast<double>(Resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

std::int64_t OutputBytesOf(const TScriptingPcb& Pcb) {
  auto Bytes = [](const TTextLines& L) {
    return static_cast<std::int64_t>(L.TextBytes()) + 2 * static_cast<std::int64_t>(L.Count());
  };
  std::int64_t N = Bytes(Pcb.Output);
  for (const TTextLines& L : Pcb.LayerOutputs) N += Bytes(L);
  return N;
}

std::string OutFile(const TFormat& F) {
  return (Bench.Dir / (std::string("out-") + F.Name + "." + F.Extension)).string();
}

void Finish(benchmark::State& State, std::int64_t Bytes) {
  State.SetItemsProcessed(State.iterations() * Bench.Records);
  State.SetBytesProcessed(State.iterations() * Bytes);
  State.counters["peak_MB"] = PeakRssMb();
}

void Load(benchmark::State& State) {
  std::int64_t Loaded = 0;
  for (auto _ : State) {
    TPcb Pcb;
    Pcb.LoadFromFile(Bench.PlotFile);
    Loaded = bench::CountRecords(Pcb);
    benchmark::DoNotOptimize(Loaded);
  }
  if (Loaded != Bench.Records)
    State.SkipWithError("the loaded board is not the generated one (is the reader there?)");
  Finish(State, Bench.PlotBytes);
}

void Convert(benchmark::State& State, const TFormat& F) {
  for (auto _ : State) Bench.Board->Convert(coAll, F.Code, Scale);
  Bench.OutputBytes[F.Name] = OutputBytesOf(*Bench.Board);
  Finish(State, Bench.OutputBytes[F.Name]);
}

void Save(benchmark::State& State, const TFormat& F) {
  Bench.Board->Convert(coAll, F.Code, Scale);
  for (auto _ : State) Bench.Board->SaveToFile(OutFile(F));
  Finish(State, OutputBytesOf(*Bench.Board));
}

void ConvertAndSave(benchmark::State& State, const TFormat& F) {
  for (auto _ : State) {
    Bench.Board->Convert(coAll, F.Code, Scale);
    Bench.Board->SaveToFile(OutFile(F));
  }
  Finish(State, OutputBytesOf(*Bench.Board));
}

// The command line's road: the files stream while the conversion runs.
void ConvertAndStream(benchmark::State& State, const TFormat& F) {
  std::int64_t Bytes = 0;
  for (auto _ : State) {
    TStreamedSave Save(*Bench.Board, OutFile(F), F.Code);
    Bench.Board->Convert(coAll, F.Code, Scale);
    Save.Commit();
    Bytes = OutputBytesOf(*Bench.Board);
  }
  Finish(State, Bytes);
}

// As many bytes as the format's files, made only of formatted numbers and
// line ends, written in the same 1 MiB chunks the save uses.
void Floor(benchmark::State& State, const TFormat& F) {
  if (!Bench.OutputBytes.count(F.Name)) {
    Bench.Board->Convert(coAll, F.Code, Scale);
    Bench.OutputBytes[F.Name] = OutputBytesOf(*Bench.Board);
  }
  const std::int64_t Target = Bench.OutputBytes[F.Name];
  const std::string File = (Bench.Dir / "floor.txt").string();
  std::string Chunk;
  Chunk.reserve((1 << 20) + 64);
  for (auto _ : State) {
    const int Fd = ::open(File.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::int64_t Written = 0;
    std::int64_t Value = 0;
    while (Written < Target) {
      Chunk.clear();
      while (Chunk.size() < (1u << 20) &&
             Written + static_cast<std::int64_t>(Chunk.size()) < Target) {
        char Buf[24];
        const auto R = std::to_chars(Buf, Buf + sizeof Buf, (Value++ * 7919) % 1000000);
        Chunk.append(Buf, R.ptr);
        Chunk += "\r\n";
      }
      if (::write(Fd, Chunk.data(), Chunk.size()) < 0) State.SkipWithError("write failed");
      Written += static_cast<std::int64_t>(Chunk.size());
    }
    ::close(Fd);
  }
  Finish(State, Target);
}

// Captures each run's time so that the ratios to the floor can be printed.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& R : Runs)
      if (R.run_type == Run::RT_Iteration && !R.error_occurred) {
        std::string Name = R.benchmark_name();
        if (Name.ends_with("/real_time")) Name.resize(Name.size() - 10);
        Seconds[Name] = {R.GetAdjustedRealTime() / 1000.0, R.GetAdjustedCPUTime() / 1000.0};
      }
    ConsoleReporter::ReportRuns(Runs);
  }
  struct TTimes {
    double Real, Cpu;  // seconds
  };
  std::map<std::string, TTimes> Seconds;
};

// Peak memory of one conversion and save, measured in a child that holds
// nothing but the model when it starts.
void ProbeMemory() {
  std::printf("Memory (each format in a child process; model only at the start):\n");
  for (const TFormat& F : Formats) {
    int Pipe[2];
    if (::pipe(Pipe) != 0) return;
    const pid_t Child = ::fork();
    if (Child == 0) {
      ::close(Pipe[0]);
      const double Model = CurrentRssMb();
      Bench.Board->Convert(coAll, F.Code, Scale);
      const double Output = static_cast<double>(OutputBytesOf(*Bench.Board)) / 1048576.0;
      Bench.Board->SaveToFile(OutFile(F));
      const double Values[] = {Model, Output, PeakRssMb()};
      const ssize_t N = ::write(Pipe[1], Values, sizeof Values);
      ::_exit(N == sizeof Values ? 0 : 1);
    }
    ::close(Pipe[1]);
    double Values[3] = {};
    const ssize_t N = ::read(Pipe[0], Values, sizeof Values);
    ::close(Pipe[0]);
    int Status = 0;
    ::waitpid(Child, &Status, 0);
    if (N != sizeof Values) continue;
    std::printf("  %-8s model %7.1f MB  output %7.1f MB  peak %7.1f MB  (target < %7.1f MB)\n",
                F.Name, Values[0], Values[1], Values[2], 2 * Values[1] + Values[0]);
  }
}

void PrintRatios(const TRatioReporter& Reporter) {
  using TTimes = TRatioReporter::TTimes;
  const auto Time = [&](const std::string& Name) {
    auto It = Reporter.Seconds.find(Name);
    return It == Reporter.Seconds.end() ? TTimes{-1, -1} : It->second;
  };
  std::printf("\nOn %lld records (wall time, CPU time in brackets):\n",
              static_cast<long long>(Bench.Records));
  if (const TTimes Load = Time("Load"); Load.Real >= 0)
    std::printf("  load                  %7.3f s (%7.3f)  target < 0.15 s per million records\n",
                Load.Real, Load.Cpu);
  for (const TFormat& F : Formats) {
    const TTimes Floor = Time(std::string("Floor/") + F.Name);
    for (const char* Road : {"ConvertAndSave", "ConvertAndStream"}) {
      const TTimes Total = Time(std::string(Road) + "/" + F.Name);
      if (Total.Real < 0 || Floor.Real <= 0) continue;
      std::printf("  %-8s %-18s %7.3f s (%7.3f)  floor %7.3f s (%7.3f)  ratio %5.2f (%5.2f)\n",
                  F.Name, Road, Total.Real, Total.Cpu, Floor.Real, Floor.Cpu,
                  Total.Real / Floor.Real, Floor.Cpu > 0 ? Total.Cpu / Floor.Cpu : 0.0);
    }
  }
}

void Register() {
  benchmark::RegisterBenchmark("Load", Load)->Unit(benchmark::kMillisecond)->UseRealTime();
  for (const TFormat& F : Formats) {
    const std::string Name = F.Name;
    benchmark::RegisterBenchmark(("Convert/" + Name).c_str(), Convert, F)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Save/" + Name).c_str(), Save, F)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("ConvertAndSave/" + Name).c_str(), ConvertAndSave, F)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("ConvertAndStream/" + Name).c_str(), ConvertAndStream, F)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Floor/" + Name).c_str(), Floor, F)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

// Takes --records=N (and --keep-files) out of the arguments benchmark sees.
bool TakeOwnArguments(int& Argc, char** Argv, bool& KeepFiles) {
  int Out = 1;
  for (int I = 1; I < Argc; ++I) {
    const std::string_view A = Argv[I];
    if (A.starts_with("--records=")) {
      const std::string_view V = A.substr(10);
      const auto R = std::from_chars(V.data(), V.data() + V.size(), Bench.Records);
      if (R.ec != std::errc() || R.ptr != V.data() + V.size() || Bench.Records < 1) return false;
    } else if (A.starts_with("--cold-runs=")) {
      const std::string_view V = A.substr(12);
      const auto R = std::from_chars(V.data(), V.data() + V.size(), ColdRuns);
      if (R.ec != std::errc() || R.ptr != V.data() + V.size() || ColdRuns < 0) return false;
    } else if (A.starts_with("--batch-boards=")) {
      const std::string_view V = A.substr(15);
      const auto R = std::from_chars(V.data(), V.data() + V.size(), BatchBoards);
      if (R.ec != std::errc() || R.ptr != V.data() + V.size() || BatchBoards < 0) return false;
    } else if (A == "--keep-files") {
      KeepFiles = true;
    } else if (A == "--no-check-figures") {
      CheckFigures = false;
    } else {
      Argv[Out++] = Argv[I];
    }
  }
  Argc = Out;
  return true;
}

}  // namespace

int main(int Argc, char** Argv) {
  // The cold figures' floor runs as a process of its own.
  if (Argc == 3 && std::string_view(Argv[1]).starts_with("--floor=")) {
    const std::string_view V = std::string_view(Argv[1]).substr(8);
    std::int64_t Bytes = 0;
    std::from_chars(V.data(), V.data() + V.size(), Bytes);
    return bench::RunFloorProcess(Bytes, Argv[2]);
  }
  if (Argc == 8 && std::string_view(Argv[1]) == "--cold-figures") {
    bench::PrintColdFigures(Argv[2], Argv[3], Argv[4], std::atoi(Argv[5]), std::atoi(Argv[6]),
                            std::string_view(Argv[7]) == "check");
    return 0;
  }
  bool KeepFiles = false;
  if (!TakeOwnArguments(Argc, Argv, KeepFiles)) {
    std::fprintf(
        stderr,
        "usage: quillon-bench [--records=N] [--cold-runs=N] [--batch-boards=N] "
        "[--no-check-figures] [--keep-files] "
        "[benchmark options]\n");
    return 2;
  }
  benchmark::Initialize(&Argc, Argv);
  if (benchmark::ReportUnrecognizedArguments(Argc, Argv)) return 2;

  Bench.Dir = fs::temp_directory_path() / ("quillon-bench-" + std::to_string(::getpid()));
  fs::create_directories(Bench.Dir);
  Bench.Board = std::make_unique<TScriptingPcb>();
  bench::GenerateBoard(*Bench.Board, Bench.Records);
  bench::AddBenchPins(Bench.Board->Pins);
  Bench.Board->Title = "Plt FileName: synthetic.plt";
  Bench.Board->PadTopLayer = 0;
  Bench.Board->PadBottomLayer = 1;
  Bench.Board->MaskTopLayer = 2;
  Bench.Board->MaskBottomLayer = 3;
  Bench.Board->DrillLayer = 4;
  {
    const std::string Bytes = bench::PlotFileBytes(*Bench.Board);
    Bench.PlotFile = (Bench.Dir / "synthetic.plt").string();
    std::ofstream(Bench.PlotFile, std::ios::binary)
        .write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    Bench.PlotBytes = static_cast<std::int64_t>(Bytes.size());
  }
  std::printf("Board: %lld records, plot file %.1f MB\n\n", static_cast<long long>(Bench.Records),
              static_cast<double>(Bench.PlotBytes) / 1048576.0);
  if (ColdRuns > 0) {
    const std::string Pins = (Bench.Dir / "pins.txt").string();
    std::ofstream(Pins, std::ios::binary) << bench::BenchPinDescription();
    bench::PrintColdFiguresApart(Bench.Dir.string(), Bench.PlotFile, Pins, ColdRuns, BatchBoards,
                                 CheckFigures);
  }
  std::printf("In process (the board already in memory):\n");
  ProbeMemory();

  Register();
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  PrintRatios(Reporter);
  benchmark::Shutdown();

  if (!KeepFiles) fs::remove_all(Bench.Dir);
  return 0;
}
