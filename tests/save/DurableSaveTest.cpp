// SPDX-License-Identifier: MIT
// A save survives a power cut: every file's bytes are flushed before its
// temporary name is renamed over the real one, and each folder once, after
// the last rename of the save. Watched from outside with strace, on the real
// program, for the streamed save and for the save from memory.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "save/AtomicFile.h"
#include "support/TestFiles.h"

namespace quillon {
namespace {

using namespace test;

struct TSyscall {
  std::string Name;  // "fsync" or "rename"
  std::string Path;  // what was flushed, or the name renamed
  std::string To;    // the new name of a rename
};

// The fsync and rename calls of a `strace -f` log, each with the path of the
// file or folder it acts on (the descriptor's from the openat that made it).
std::vector<TSyscall> ReadTrace(const std::string& Log) {
  static const std::regex Open(R"re(openat\(AT_FDCWD, "([^"]*)", [^)]*\)\s*= (\d+))re");
  static const std::regex Sync(R"re(fsync\((\d+)\)\s*= 0)re");
  static const std::regex Rename(R"re(rename\("([^"]*)", "([^"]*)"\)\s*= 0)re");
  std::map<std::string, std::string> PathOf;
  std::vector<TSyscall> Calls;
  std::istringstream In(Log);
  std::smatch M;
  for (std::string Line; std::getline(In, Line);) {
    if (std::regex_search(Line, M, Open))
      PathOf[M[2]] = M[1];
    else if (std::regex_search(Line, M, Sync))
      Calls.push_back({"fsync", PathOf[M[1]], ""});
    else if (std::regex_search(Line, M, Rename))
      Calls.push_back({"rename", M[1], M[2]});
  }
  return Calls;
}

// The leak checker of a sanitized build cannot run under ptrace: it would
// fail the traced program at its exit, so the traced run goes without it.
constexpr const char* StraceCommand =
    "ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0\" strace";

bool HaveStrace() { return std::system("strace -V >/dev/null 2>&1") == 0; }

class DurableSave : public ::testing::Test {
 protected:
  std::vector<TSyscall> Traced(const std::string& Args) {
    const std::string Log = Dir.File("trace.log");
    const std::string Command =
        std::string(StraceCommand) + " -f -qq -s 4096 -e trace=openat,fsync,rename -o '" + Log +
        "' '" + QUILLON_CLI_PATH + "' convert '" + SourcePath("examples/demo.plt") + "' --pins '" +
        SourcePath("examples/demo-pins.txt") + "' --answers yes-all --format gerber -o '" +
        Dir.File("out/demo.scr") + "' " + Args + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(Command.c_str()), 0) << Command;
    return ReadTrace(ReadFile(Log));
  }
  void ExpectDurable(const std::vector<TSyscall>& Calls) {
    const std::string Folder = Dir.File("out");
    std::size_t Renames = 0, LastRename = 0;
    for (std::size_t I = 0; I < Calls.size(); ++I) {
      if (Calls[I].Name != "rename") continue;
      ++Renames;
      LastRename = I;
      // The temporary file was flushed before it took the real name.
      const auto Flushed = std::find_if(
          Calls.begin(), Calls.begin() + static_cast<long>(I),
          [&](const TSyscall& C) { return C.Name == "fsync" && C.Path == Calls[I].Path; });
      EXPECT_NE(Flushed, Calls.begin() + static_cast<long>(I)) << Calls[I].To;
    }
    EXPECT_GE(Renames, 7u);  // the macro and six layer files
    std::size_t FolderSyncs = 0;
    for (std::size_t I = 0; I < Calls.size(); ++I)
      if (Calls[I].Name == "fsync" && Calls[I].Path == Folder) {
        ++FolderSyncs;
        EXPECT_GT(I, LastRename) << "the folder is flushed after the last rename";
      }
    EXPECT_EQ(FolderSyncs, 1u) << "once per folder, not per file";
  }
  TempDir Dir;
};

TEST_F(DurableSave, StreamedFilesAreFlushedBeforeTheRenameAndTheFolderOnceAfter) {
  if (!HaveStrace()) GTEST_SKIP() << "strace is not installed: run make deps";
  std::filesystem::create_directory(Dir.File("out"));
  ExpectDurable(Traced(""));
}

TEST_F(DurableSave, FilesSavedFromMemoryAreFlushedTheSameWay) {
  if (!HaveStrace()) GTEST_SKIP() << "strace is not installed: run make deps";
  std::filesystem::create_directory(Dir.File("out"));
  ExpectDurable(Traced("--gerber-profile fab --fab-names indexed"));
}

TEST_F(DurableSave, NoSyncFlushesNothing) {
  if (!HaveStrace()) GTEST_SKIP() << "strace is not installed: run make deps";
  std::filesystem::create_directory(Dir.File("out"));
  for (const TSyscall& Call : Traced("--no-sync")) EXPECT_NE(Call.Name, "fsync") << Call.Path;
  EXPECT_TRUE(std::filesystem::exists(Dir.File("out/demo.scr")));
}

// A single file saved on its own flushes its own folder.
TEST_F(DurableSave, OneFileFlushesItsFolderItself) {
  if (!HaveStrace()) GTEST_SKIP() << "strace is not installed: run make deps";
  const std::string Svg = Dir.File("view.svg");
  const std::string Log = Dir.File("trace.log");
  const std::string Command = std::string(StraceCommand) +
                              " -f -qq -s 4096 -e trace=openat,fsync,rename -o '" + Log + "' '" +
                              QUILLON_CLI_PATH + "' preview '" + SourcePath("examples/demo.plt") +
                              "' -o '" + Svg + "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(Command.c_str()), 0);
  const std::vector<TSyscall> Calls = ReadTrace(ReadFile(Log));
  ASSERT_FALSE(Calls.empty());
  ASSERT_EQ(Calls.size(), 3u);
  EXPECT_EQ(Calls[0].Name, "fsync");
  EXPECT_EQ(Calls[1].Name, "rename");
  EXPECT_EQ(Calls[1].To, Svg);
  EXPECT_EQ(Calls[0].Path, Calls[1].Path);
  EXPECT_EQ(Calls[2].Name, "fsync");
  EXPECT_EQ(Calls[2].Path, Dir.Path().string());
}

}  // namespace
}  // namespace quillon
