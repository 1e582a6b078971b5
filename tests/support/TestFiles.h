// SPDX-License-Identifier: MIT
#pragma once
// Temporary folders, whole-file reads and running quillon-cli for tests.

#include <filesystem>
#include <string>

namespace quillon::test {

// A fresh folder under the build tree, removed when the object dies.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return Dir; }
  std::string File(const std::string& Name) const { return (Dir / Name).string(); }

 private:
  std::filesystem::path Dir;
};

std::string ReadFile(const std::string& FileName);
void WriteFile(const std::string& FileName, const std::string& Bytes);

// A path below the source tree, e.g. SourcePath("examples/demo.plt").
std::string SourcePath(const std::string& Relative);

struct CommandResult {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};
// Runs quillon-cli with Args (a shell-quoted argument text) and StdinText on
// its standard input; captures both output streams.
CommandResult RunCli(const std::string& Args, const std::string& StdinText = "");

}  // namespace quillon::test
