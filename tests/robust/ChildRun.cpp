// SPDX-License-Identifier: MIT
#include "ChildRun.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <stdexcept>

#include "support/TestFiles.h"

namespace quillon::test {

namespace {

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void ExecChild(const std::vector<char*>& Argv, const std::string& Out,
                            const std::string& Err, const ChildLimits& Limits) {
  const int In = ::open("/dev/null", O_RDONLY);
  const int O = ::open(Out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int E = ::open(Err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (In < 0 || O < 0 || E < 0) ::_exit(126);
  ::dup2(In, 0);
  ::dup2(O, 1);
  ::dup2(E, 2);
  if (Limits.FileSizeBytes >= 0) {
    ::signal(SIGXFSZ, Limits.DefaultFileSizeSignal ? SIG_DFL : SIG_IGN);
    rlimit L{};
    L.rlim_cur = static_cast<rlim_t>(Limits.FileSizeBytes);
    L.rlim_max = RLIM_INFINITY;
    ::setrlimit(RLIMIT_FSIZE, &L);
  }
  if (Limits.AddressSpaceBytes >= 0) {
    rlimit L{};
    L.rlim_cur = static_cast<rlim_t>(Limits.AddressSpaceBytes);
    L.rlim_max = RLIM_INFINITY;
    ::setrlimit(RLIMIT_AS, &L);
  }
  ::execv(Argv[0], Argv.data());
  ::_exit(127);
}

}  // namespace

ChildResult RunCliChild(const std::vector<std::string>& Args, const ChildLimits& Limits) {
  TempDir Tmp;
  const std::string Out = Tmp.File("stdout"), Err = Tmp.File("stderr");
  std::vector<std::string> Words{QUILLON_CLI_PATH};
  Words.insert(Words.end(), Args.begin(), Args.end());
  std::vector<char*> Argv;
  for (std::string& W : Words) Argv.push_back(W.data());
  Argv.push_back(nullptr);

  const auto Start = std::chrono::steady_clock::now();
  const pid_t Pid = ::fork();
  if (Pid < 0) throw std::runtime_error("fork failed");
  if (Pid == 0) ExecChild(Argv, Out, Err, Limits);
  int Status = 0;
  rusage Usage{};
  if (::wait4(Pid, &Status, 0, &Usage) != Pid) throw std::runtime_error("wait4 failed");

  ChildResult R;
  R.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  R.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  R.MaxRssKb = Usage.ru_maxrss;
  const auto Secs = [](const timeval& T) {
    return static_cast<double>(T.tv_sec) + T.tv_usec / 1e6;
  };
  R.CpuSeconds = Secs(Usage.ru_utime) + Secs(Usage.ru_stime);
  R.Out = ReadFile(Out);
  R.Err = ReadFile(Err);
  return R;
}

}  // namespace quillon::test
