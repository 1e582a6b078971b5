// SPDX-License-Identifier: MIT
#include "TestFiles.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quillon::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> Counter{0};
  Dir = fs::path(QUILLON_BINARY_DIR) / "test-tmp" /
        ("t" + std::to_string(::getpid()) + "-" + std::to_string(Counter++));
  fs::remove_all(Dir);
  fs::create_directories(Dir);
}

TempDir::~TempDir() {
  std::error_code Ec;
  fs::permissions(Dir, fs::perms::owner_all, fs::perm_options::add, Ec);
  fs::remove_all(Dir, Ec);
}

std::string ReadFile(const std::string& FileName) {
  std::ifstream F(FileName, std::ios::binary);
  if (!F) throw std::runtime_error("cannot read " + FileName);
  std::ostringstream S;
  S << F.rdbuf();
  return S.str();
}

void WriteFile(const std::string& FileName, const std::string& Bytes) {
  std::ofstream F(FileName, std::ios::binary | std::ios::trunc);
  F.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  if (!F) throw std::runtime_error("cannot write " + FileName);
}

std::string SourcePath(const std::string& Relative) {
  return (fs::path(QUILLON_SOURCE_DIR) / Relative).string();
}

CommandResult RunCli(const std::string& Args, const std::string& StdinText) {
  TempDir Tmp;
  const std::string In = Tmp.File("stdin"), Out = Tmp.File("stdout"), Err = Tmp.File("stderr");
  WriteFile(In, StdinText);
  const std::string Cmd = std::string("'") + QUILLON_CLI_PATH + "' " + Args + " <'" + In + "' >'" +
                          Out + "' 2>'" + Err + "'";
  const int Status = std::system(Cmd.c_str());
  CommandResult R;
  R.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  R.Out = ReadFile(Out);
  R.Err = ReadFile(Err);
  return R;
}

}  // namespace quillon::test
