// SPDX-License-Identifier: MIT
#include "check/GerbvReader.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "check/Png.h"

extern char** environ;

namespace quillon::check {

namespace {

// The reader takes a pair of numbers only up to about twenty characters in
// all: each at most nine.
std::string Inches(double V) {
  char Text[48];
  for (int Decimals = 6; Decimals >= 0; --Decimals) {
    std::snprintf(Text, sizeof Text, "%.*f", Decimals, V);
    if (std::strlen(Text) <= 9) break;
  }
  return Text;
}

struct TRun {
  bool TimedOut = false;
  int Status = -1;
  std::string Output;  // standard output and error together
};

// Runs Args, its output collected, stopped after Seconds.
TRun RunProgram(const std::vector<std::string>& Args, double Seconds) {
  TRun Run;
  int Pipe[2];
  if (pipe2(Pipe, O_CLOEXEC) != 0) {
    Run.Output = "cannot make a pipe";
    return Run;
  }
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&Actions, Pipe[1], 1);
  posix_spawn_file_actions_adddup2(&Actions, Pipe[1], 2);
  std::vector<char*> Argv;
  for (const std::string& A : Args) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);
  pid_t Pid = 0;
  const int Spawned = posix_spawnp(&Pid, Argv[0], &Actions, nullptr, Argv.data(), environ);
  posix_spawn_file_actions_destroy(&Actions);
  close(Pipe[1]);
  if (Spawned != 0) {
    close(Pipe[0]);
    Run.Output = std::string("cannot run ") + Args[0];
    return Run;
  }
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(Seconds);
  bool Open = true;
  while (true) {
    if (Open) {
      pollfd P{Pipe[0], POLLIN, 0};
      if (poll(&P, 1, 50) > 0) {
        char Buffer[4096];
        const ssize_t N = read(Pipe[0], Buffer, sizeof Buffer);
        if (N > 0 && Run.Output.size() < 65536) Run.Output.append(Buffer, static_cast<size_t>(N));
        if (N <= 0) Open = false;
      }
    } else {
      usleep(20000);
    }
    int Status = 0;
    if (waitpid(Pid, &Status, WNOHANG) == Pid) {
      Run.Status = Status;
      break;
    }
    if (std::chrono::steady_clock::now() > Deadline) {
      kill(Pid, SIGKILL);
      waitpid(Pid, &Status, 0);
      Run.TimedOut = true;
      break;
    }
  }
  close(Pipe[0]);
  return Run;
}

// The reader's complaints without its log prefixes ("** (process:12): CRITICAL **: 12:00:00.000: ").
std::string Complaints(const std::string& Output) {
  std::istringstream In(Output);
  std::string Line, Said;
  while (std::getline(In, Line)) {
    if (Line.find("CRITICAL") == std::string::npos && Line.find("WARNING") == std::string::npos)
      continue;
    std::size_t At = Line.find("**:");
    if (At != std::string::npos) {
      Line = Line.substr(At + 3);
      const std::size_t Colon = Line.find(": ");  // the time stamp
      if (Colon != std::string::npos && Colon < 16) Line = Line.substr(Colon + 2);
    }
    while (!Line.empty() && (Line.front() == ' ')) Line.erase(0, 1);
    while (!Line.empty() && std::isspace(static_cast<unsigned char>(Line.back()))) Line.pop_back();
    if (!Said.empty()) Said += "; ";
    Said += Line;
  }
  return Said;
}

std::string ReadWhole(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  std::ostringstream S;
  S << In.rdbuf();
  return S.str();
}

std::atomic<int> PictureNumber{0};

}  // namespace

bool ReaderAvailable(const std::string& Program) {
  const char* Path = std::getenv("PATH");
  if (Program.find('/') != std::string::npos) return access(Program.c_str(), X_OK) == 0;
  std::istringstream Dirs(Path ? Path : "/usr/bin:/bin");
  std::string Dir;
  while (std::getline(Dirs, Dir, ':'))
    if (!Dir.empty() && access((Dir + "/" + Program).c_str(), X_OK) == 0) return true;
  return false;
}

std::string WindowInches(int Columns, int Rows, int Dpi) {
  // The reader takes the whole pixels the window covers: a quarter pixel
  // more keeps the rounding of the text from losing one.
  return Inches((Columns + 0.25) / Dpi) + "x" + Inches((Rows + 0.25) / Dpi);
}

TReadBack ReadBack(const std::string& File, const TWindow& View, int Dpi, double TimeLimitSeconds,
                   const std::string& Work, const std::string& Program) {
  TReadBack Result;
  const std::string Png = Work + "/read-" + std::to_string(PictureNumber++) + ".png";
  const TRun Run = RunProgram(
      {Program, "-x", "png", "--border=0", "--origin=" + Inches(View.Left / 25.4) + "x" + Inches(View.Bottom / 25.4),
       "--window_inch=" + WindowInches(View.Width, View.Height, Dpi),
       "--dpi=" + std::to_string(Dpi), "-b", "#000000", "-f", "#ffffffff", "-o", Png, File},
      TimeLimitSeconds);
  if (Run.TimedOut) {
    std::remove(Png.c_str());
    Result.Status = TReadBack::TimedOut;
    Result.Message = "gerbv gave no picture within " + std::to_string(int(TimeLimitSeconds)) + " s";
    return Result;
  }
  const std::string Said = Complaints(Run.Output);
  const bool Failed = !WIFEXITED(Run.Status) || WEXITSTATUS(Run.Status) != 0 ||
                      Run.Output.find("Could not read") != std::string::npos;
  const std::string Picture = ReadWhole(Png);
  std::remove(Png.c_str());
  if (Failed || Picture.empty()) {
    Result.Status = TReadBack::Unreadable;
    std::string Output = Run.Output;
    while (!Output.empty() && std::isspace(static_cast<unsigned char>(Output.back()))) Output.pop_back();
    Result.Message = !Said.empty() ? Said : Output.empty() ? "gerbv read nothing" : Output;
    return Result;
  }
  if (std::string Error = ReadPngCoverage(Picture, Result.Picture); !Error.empty()) {
    Result.Status = TReadBack::Unreadable;
    Result.Message = "gerbv's picture has " + Error;
  }
  return Result;
}

}  // namespace quillon::check
