// SPDX-License-Identifier: MIT
// What a save does to the names it writes: two files of one save never land
// on the same name, a name that is not a plain file is either written the way
// Unix tools write it or refused, an input is never written over, and an
// interrupted save leaves no temporary file behind.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ChildRun.h"
#include "save/AtomicFile.h"
#include "save/TempFileRegistry.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Contents(const fs::path& Dir) {
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator(Dir)) Names.push_back(Entry.path().filename());
  std::sort(Names.begin(), Names.end());
  return Names;
}

mode_t PermissionBits(const std::string& File) {
  struct stat St {};
  ::stat(File.c_str(), &St);
  return St.st_mode & 07777;
}

class OutputTargets : public ::testing::Test {
 protected:
  std::string Plot(const std::vector<PlotLayer>& Layers) {
    PlotBuilder P;
    P.Header().Layers(Layers).Line(0, 0, 10, 10, 2);
    P.Save(In.File("board.plt"));
    return In.File("board.plt");
  }
  std::string TwoLayers() { return Plot({{"TOP", 1}, {"BOT", 2}}); }
  ChildResult Convert(const std::string& PlotFile, const std::string& Out, const char* Format,
                      const ChildLimits& Limits = {}) {
    return RunCliChild({"convert", PlotFile, "--format", Format, "-o", Out}, Limits);
  }

  TempDir In;
  TempDir Dir;
};

TEST_F(OutputTargets, LayerFilesThatShareANameStopTheSaveBeforeAnythingIsWritten) {
  std::vector<PlotLayer> Layers;
  for (int I = 0; I < 12; ++I) Layers.emplace_back("L" + std::to_string(I), I + 1);
  Layers[1].Name = "1X";
  Layers[11].Name = "X";
  const ChildResult R = Convert(Plot(Layers), Dir.File("out.scr"), "gerber");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, "quillon-cli: layer 1 \"1X\" and layer 11 \"X\" would both be written to " +
                       Dir.File("11X.gbr") + "\n");
  EXPECT_TRUE(Contents(Dir.Path()).empty());
}

TEST_F(OutputTargets, NamesThatDifferOnlyInLetterCaseCollideAsOnWindowsAndMacFolders) {
  const std::string Board = Plot({{"COMP", 1}, {"Pin", 2}});
  ChildResult R = Convert(Board, Dir.File("0comp.gbr"), "gerber");
  EXPECT_EQ(R.ExitCode, 1);
  // Named like a layer file, the macro is warned about before the refusal.
  EXPECT_EQ(R.Err, "quillon-cli: warning: " + Dir.File("0comp.gbr") +
                       " will hold the CAM350 text macro, not Gerber; name it .scr\n"
                       "quillon-cli: the output file and layer 0 \"COMP\" would both be written "
                       "to " +
                       Dir.File("0COMP.gbr") + "\n");
  R = Convert(Board, Dir.File("0COMP.gbr"), "gerber");  // byte-equal
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_TRUE(Contents(Dir.Path()).empty());
  EXPECT_EQ(Convert(Board, Dir.File("board.scr"), "gerber").ExitCode, 0);
}

TEST_F(OutputTargets, ALinkKeepsPointingAtTheReplacedFileWhichKeepsItsMode) {
  const std::string Real = Dir.File("real.scr"), Link = Dir.File("link.scr");
  WriteFile(Real, "old");
  ::chmod(Real.c_str(), 0600);
  fs::create_symlink("real.scr", Link);
  ASSERT_EQ(Convert(TwoLayers(), Link, "cam350").ExitCode, 0);
  EXPECT_TRUE(fs::is_symlink(Link));
  EXPECT_EQ(ReadFile(Real).substr(0, 24), "; Macro for CAM350 V5.0\r");
  EXPECT_EQ(PermissionBits(Real), 0600u);
  EXPECT_EQ(Contents(Dir.Path()), (std::vector<std::string>{"link.scr", "real.scr"}));
}

TEST_F(OutputTargets, DevNullAndAPipeTakeTheScriptAsTheyWouldFromAnyTool) {
  EXPECT_EQ(Convert(TwoLayers(), "/dev/null", "cam350").ExitCode, 0);
  struct stat St {};
  ASSERT_EQ(::stat("/dev/null", &St), 0);
  EXPECT_TRUE(S_ISCHR(St.st_mode));

  const std::string Fifo = Dir.File("fifo");
  ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
  std::string Received;
  std::thread Reader([&] { Received = ReadFile(Fifo); });
  const ChildResult R = Convert(TwoLayers(), Fifo, "genesis");
  Reader.join();
  EXPECT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_EQ(Received.substr(0, 11), "#!/bin/csh\r");
  EXPECT_EQ(Contents(Dir.Path()), std::vector<std::string>{"fifo"});
}

TEST_F(OutputTargets, WhatIsNotAPlainFileIsRefusedWithItsKind) {
  const std::string Board = TwoLayers();
  fs::create_directory(Dir.File("folder"));
  ChildResult R = Convert(Board, Dir.File("folder"), "cam350");
  EXPECT_EQ(R.Err, "quillon-cli: Cannot write \"" + Dir.File("folder") + "\": Is a directory\n");

  // Gerber files are written beside the main file: a device has no folder.
  R = Convert(Board, "/dev/null", "gerber");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err,
            "quillon-cli: Cannot write \"/dev/null\": Not a regular file (a character "
            "device)\n");

  const std::string Socket = Dir.File("sock");
  const int Fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un Address{};
  Address.sun_family = AF_UNIX;
  Socket.copy(Address.sun_path, sizeof Address.sun_path - 1);
  ASSERT_EQ(::bind(Fd, reinterpret_cast<sockaddr*>(&Address), sizeof Address), 0);
  R = Convert(Board, Socket, "genesis");
  ::close(Fd);
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, "quillon-cli: Cannot write \"" + Socket + "\": Not a regular file (a socket)\n");

  fs::create_symlink("nowhere", Dir.File("dangling"));
  R = Convert(Board, Dir.File("dangling"), "cam350");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(Contents(Dir.Path()), (std::vector<std::string>{"dangling", "folder", "sock"}));
}

TEST_F(OutputTargets, TheInputIsNeverWrittenOverEvenThroughALink) {
  const std::string Board = TwoLayers();
  const std::string Before = ReadFile(Board);
  fs::create_symlink(Board, Dir.File("alias.plt"));
  for (const std::string& Out : {Board, Dir.File("alias.plt")}) {
    const ChildResult R = Convert(Board, Out, "cam350");
    EXPECT_EQ(R.ExitCode, 1);
    EXPECT_EQ(R.Err, "quillon-cli: Cannot write \"" + Out + "\": It is the input file \"" + Board +
                         "\"\n");
  }
  WriteFile(In.File("pins.txt"), "1 0.5 0.8\n");
  const ChildResult R =
      RunCliChild({"convert", Board, "--pins", In.File("pins.txt"), "-o", In.File("pins.txt")});
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(ReadFile(Board), Before);
  EXPECT_EQ(ReadFile(In.File("pins.txt")), "1 0.5 0.8\n");
}

// The umask narrows the bits of every new file, the temporary one too: a
// replaced file keeps exactly its own bits only because the save sets them
// again. 0666 and 0775 are what a common umask (022, 077) would narrow.
TEST_F(OutputTargets, AReplacedFileKeepsExactlyItsModeUnderACommonUmask) {
  const std::string Board = TwoLayers();
  for (const mode_t Mask : {mode_t{022}, mode_t{077}})
    for (const mode_t Mode : {mode_t{0666}, mode_t{0775}}) {
      SCOPED_TRACE(testing::Message() << std::oct << "umask " << Mask << ", mode " << Mode);
      const mode_t Old = ::umask(Mask);
      const std::string Converted = Dir.File("converted.scr"), Saved = Dir.File("saved.svg");
      WriteFile(Converted, "old");
      WriteFile(Saved, "old");
      ::chmod(Converted.c_str(), Mode);
      ::chmod(Saved.c_str(), Mode);
      const ChildResult R = Convert(Board, Converted, "cam350");
      SaveFileAtomically(Saved, "new");
      // A new file gets what the umask leaves, as with any tool.
      SaveFileAtomically(Dir.File("new.txt"), "new");
      ::umask(Old);
      ASSERT_EQ(R.ExitCode, 0) << R.Err;
      EXPECT_EQ(PermissionBits(Converted), Mode);
      EXPECT_EQ(PermissionBits(Saved), Mode);
      EXPECT_EQ(ReadFile(Saved), "new");
      EXPECT_EQ(PermissionBits(Dir.File("new.txt")), 0666 & ~Mask);
      fs::remove(Dir.File("new.txt"));
    }
}

// The preview goes through the same save: a link stays a link, the mode stays.
TEST_F(OutputTargets, ThePreviewSavesLikeConvert) {
  const std::string Real = Dir.File("real.svg"), Link = Dir.File("view.svg");
  WriteFile(Real, "old");
  ::chmod(Real.c_str(), 0640);
  fs::create_symlink("real.svg", Link);
  const ChildResult R = RunCliChild({"preview", TwoLayers(), "-o", Link});
  ASSERT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_TRUE(fs::is_symlink(Link));
  EXPECT_NE(ReadFile(Real).find("<svg"), std::string::npos);
  EXPECT_EQ(PermissionBits(Real), 0640u);

  const ChildResult Full =
      RunCliChild({"preview", TwoLayers(), "-o", Dir.File("big.svg")}, {.FileSizeBytes = 100});
  EXPECT_EQ(Full.ExitCode, 1);
  EXPECT_EQ(Full.Err,
            "quillon-cli: Cannot write \"" + Dir.File("big.svg") + "\": File too large\n");
  EXPECT_EQ(Contents(Dir.Path()), (std::vector<std::string>{"real.svg", "view.svg"}));
}

// Without the test's help: the program ignores SIGXFSZ itself.
TEST_F(OutputTargets, AFileSizeLimitIsAnErrorNamingTheFile) {
  PlotBuilder P;
  P.Header().Layers({{"TOP", 1}});
  for (int I = 0; I < 20000; ++I) P.Line(I, 0, I, 9, 1 + I % 40);
  P.Save(In.File("big.plt"));
  const ChildResult R = Convert(In.File("big.plt"), Dir.File("m.scr"), "cam350",
                                {.FileSizeBytes = 100000, .DefaultFileSizeSignal = true});
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, "quillon-cli: Cannot write \"" + Dir.File("m.scr") + "\": File too large\n");
  EXPECT_TRUE(Contents(Dir.Path()).empty());
}

// A child that is stopped by Signal in the middle of writing a file: it must
// remove the temporary file and exit with 128 + Signal.
int InterruptedSave(const std::string& FileName, int Signal) {
  const pid_t Pid = ::fork();
  if (Pid == 0) {
    InstallTempFileCleanup();
    TAtomicFile File(FileName);
    File.Write("half a file", 11);
    ::raise(Signal);
    ::_exit(0);
  }
  int Status = 0;
  ::waitpid(Pid, &Status, 0);
  return WIFEXITED(Status) ? WEXITSTATUS(Status) : -WTERMSIG(Status);
}

TEST_F(OutputTargets, AnInterruptedSaveLeavesNothingBehind) {
  WriteFile(Dir.File("out.scr"), "the older file");
  for (const int Signal : {SIGINT, SIGTERM, SIGHUP}) {
    EXPECT_EQ(InterruptedSave(Dir.File("out.scr"), Signal), 128 + Signal);
    EXPECT_EQ(Contents(Dir.Path()), std::vector<std::string>{"out.scr"});
    EXPECT_EQ(ReadFile(Dir.File("out.scr")), "the older file");
  }
}

}  // namespace
}  // namespace quillon::test
