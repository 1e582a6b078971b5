// SPDX-License-Identifier: MIT
#include "check/GerbvReader.h"

#include <fcntl.h>
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

// The reader's complaints without its log prefixes ("** (process:12): CRITICAL **: 12:00:00.000:
// ").
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

std::string ReadWhole(const std::string& Path, std::size_t Limit = std::string::npos) {
  std::ifstream In(Path, std::ios::binary);
  std::string S;
  char Buffer[1 << 16];
  while (S.size() < Limit && In.read(Buffer, sizeof Buffer).gcount() > 0)
    S.append(Buffer, static_cast<std::size_t>(In.gcount()));
  if (S.size() > Limit) S.resize(Limit);
  return S;
}

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
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

TReading::TReading(const std::string& File, const TWindow& View, int Dpi, const std::string& Work,
                   const std::string& Program)
    : Started(Now()) {
  const std::string Name = Work + "/read-" + std::to_string(PictureNumber++);
  Png = Name + ".png";
  Said = Name + ".txt";
  const std::vector<std::string> Args = {
      Program,
      "-x",
      "png",
      "--border=0",
      "--origin=" + Inches(View.Left / 25.4) + "x" + Inches(View.Bottom / 25.4),
      "--window_inch=" + WindowInches(View.Width, View.Height, Dpi),
      "--dpi=" + std::to_string(Dpi),
      "-b",
      "#000000",
      "-f",
      "#ffffffff",
      "-o",
      Png,
      File};
  // Its output goes to a file, not a pipe: nobody reads a pipe while the
  // expected picture is drawn, and a reader with much to say would stall.
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&Actions, 1, Said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_adddup2(&Actions, 1, 2);
  std::vector<char*> Argv;
  for (const std::string& A : Args) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);
  pid_t Child = 0;
  if (posix_spawnp(&Child, Argv[0], &Actions, nullptr, Argv.data(), environ) == 0)
    Pid = Child;
  else
    Failed = "cannot run " + Program;
  posix_spawn_file_actions_destroy(&Actions);
}

TReading::~TReading() {
  if (Pid > 0) {
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
  }
  std::remove(Png.c_str());
  std::remove(Said.c_str());
}

TReadBack TReading::Finish(double TimeLimitSeconds) {
  TReadBack Result;
  if (Pid <= 0) {
    Result.Status = TReadBack::Unreadable;
    Result.Message = Failed;
    return Result;
  }
  int Status = 0;
  bool TimedOut = false;
  while (true) {
    const pid_t Done = waitpid(Pid, &Status, WNOHANG);
    if (Done == Pid || Done < 0) break;
    if (Now() - Started > TimeLimitSeconds) {
      kill(Pid, SIGKILL);
      waitpid(Pid, &Status, 0);
      TimedOut = true;
      break;
    }
    usleep(5000);
  }
  Pid = -1;
  if (TimedOut) {
    Result.Status = TReadBack::TimedOut;
    Result.Message = "gerbv gave no picture within " + std::to_string(int(TimeLimitSeconds)) + " s";
    return Result;
  }
  const std::string Output = ReadWhole(Said, 65536);
  const bool Refused = !WIFEXITED(Status) || WEXITSTATUS(Status) != 0 ||
                       Output.find("Could not read") != std::string::npos;
  Result.Png = ReadWhole(Png);
  if (Refused || Result.Png.empty()) {
    Result.Status = TReadBack::Unreadable;
    const std::string Complained = Complaints(Output);
    std::string Text = Output;
    while (!Text.empty() && std::isspace(static_cast<unsigned char>(Text.back()))) Text.pop_back();
    Result.Message = !Complained.empty() ? Complained : Text.empty() ? "gerbv read nothing" : Text;
    Result.Png.clear();
  }
  return Result;
}

TReadBack ReadBack(const std::string& File, const TWindow& View, int Dpi, double TimeLimitSeconds,
                   const std::string& Work, const std::string& Program) {
  TReading Reading(File, View, Dpi, Work, Program);
  TReadBack Result = Reading.Finish(TimeLimitSeconds);
  if (Result.Status != TReadBack::Read) return Result;
  if (std::string Error = ReadPngCoverage(Result.Png, Result.Picture); !Error.empty()) {
    Result.Status = TReadBack::Unreadable;
    Result.Message = "gerbv's picture has " + Error;
  }
  return Result;
}

}  // namespace quillon::check
