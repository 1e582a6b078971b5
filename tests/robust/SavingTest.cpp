// SPDX-License-Identifier: MIT
// Saving through the whole program when the file system says no: a folder
// that does not exist or is a file, a name the system refuses, a disk that
// fills up part way (a file size limit; a tiny tmpfs where mounting is
// allowed). Each gives a clear error naming the file, leaves no half-written
// file under a real name and keeps the files written before. Layer names
// cannot move a Gerber file out of the chosen folder.

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FolderContents(const fs::path& Dir) {
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator(Dir)) Names.push_back(Entry.path().filename());
  std::sort(Names.begin(), Names.end());
  return Names;
}

class Saving : public ::testing::Test {
 protected:
  // Three layers; B holds enough lines to make its Gerber file about 3 MB.
  std::string BigMiddleLayer() {
    PlotBuilder Plot;
    Plot.Header().Layers({{"A", 1}, {"B", 2}, {"C", 3}}).Line(0, 0, 1, 1, 5).SelectLayer(2);
    for (int I = 0; I < 60000; ++I) Plot.Line(I % 30000, I / 30000, I % 29999, 7, 1 + I % 50);
    Plot.SelectLayer(3).Line(5, 5, 6, 6, 5);
    Plot.Save(Plots.File("big.plt"));
    return Plots.File("big.plt");
  }
  ChildResult Convert(const std::string& Plot, const std::string& Out,
                      const char* Format = "gerber", const ChildLimits& Limits = {}) {
    return RunCliChild({"convert", Plot, "--format", Format, "-o", Out}, Limits);
  }
  static std::string CannotWrite(const std::string& File, const std::string& Reason) {
    return "quillon-cli: Cannot write \"" + File + "\": " + Reason + "\n";
  }

  // Two layers of lines: no flash, so no question comes.
  std::string Small() {
    PlotBuilder Plot;
    Plot.Header()
        .Layers({{"TOP", 1}, {"BOT", 2}})
        .Line(0, 0, 10, 10, 2)
        .SelectLayer(2)
        .Line(1, 1, 2, 2, 3);
    Plot.Save(Plots.File("small.plt"));
    return Plots.File("small.plt");
  }

  TempDir Plots;  // inputs
  TempDir Dir;    // the chosen output folder
};

TEST_F(Saving, AFolderThatDoesNotExistIsNamed) {
  const std::string Out = Dir.File("no/such/out.scr");
  const ChildResult R = Convert(Small(), Out);
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, CannotWrite(Out, "No such file or directory"));
  EXPECT_TRUE(FolderContents(Dir.Path()).empty());
}

TEST_F(Saving, AFolderThatIsAFileIsNamedAndTheFileKept) {
  WriteFile(Dir.File("file"), "keep");
  const std::string Out = Dir.File("file/out.scr");
  const ChildResult R = Convert(Small(), Out, "cam350");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, CannotWrite(Out, "Not a directory"));
  EXPECT_EQ(FolderContents(Dir.Path()), std::vector<std::string>{"file"});
  EXPECT_EQ(ReadFile(Dir.File("file")), "keep");
}

// The name is refused only when the finished file is put in place: the
// written temporary file goes away with it.
TEST_F(Saving, ANameTheSystemRefusesLeavesNothingBehind) {
  const std::string Out = Dir.File(std::string(300, 'n') + ".scr");
  const ChildResult R = Convert(Small(), Out, "genesis");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, CannotWrite(Out, "File name too long"));
  EXPECT_TRUE(FolderContents(Dir.Path()).empty());
}

// Layer B's file breaks the limit part way: the files of a save appear
// together or not at all, so B's older file is untouched, none of the new
// files appears and no temporary file is left.
TEST_F(Saving, ADiskFullPartWayKeepsEarlierFilesAndNoHalfFile) {
  const std::string Plot = BigMiddleLayer();
  fs::create_directory(Dir.File("whole"));
  ASSERT_EQ(Convert(Plot, Dir.File("whole/m.scr")).ExitCode, 0);
  ASSERT_GT(fs::file_size(Dir.File("whole/1B.gbr")), 2u << 20);

  WriteFile(Dir.File("1B.gbr"), "the old file");
  const ChildResult R = Convert(Plot, Dir.File("m.scr"), "gerber", {.FileSizeBytes = 1 << 20});
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, CannotWrite(Dir.File("1B.gbr"), "File too large"));
  EXPECT_EQ(FolderContents(Dir.Path()), (std::vector<std::string>{"1B.gbr", "whole"}));
  EXPECT_EQ(ReadFile(Dir.File("1B.gbr")), "the old file");
}

// A tmpfs of 256 KB mounted on a folder, where the system allows it.
class TinyDisk {
 public:
  explicit TinyDisk(const std::string& Folder) : Folder(Folder) {
    fs::create_directory(Folder);
    Mounted =
        ::mount("quillon-test", Folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
  }
  ~TinyDisk() {
    if (Mounted) ::umount2(Folder.c_str(), MNT_DETACH);
  }
  TinyDisk(const TinyDisk&) = delete;
  TinyDisk& operator=(const TinyDisk&) = delete;
  bool Mounted = false;

 private:
  std::string Folder;
};

TEST_F(Saving, ATinyDiskThatFillsUpIsReportedAsFull) {
  const std::string Plot = BigMiddleLayer();
  TinyDisk Disk(Dir.File("tiny"));
  if (!Disk.Mounted) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  const ChildResult R = Convert(Plot, Dir.File("tiny/m.scr"));
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, CannotWrite(Dir.File("tiny/1B.gbr"), "No space left on device"));
  EXPECT_TRUE(FolderContents(Dir.File("tiny")).empty());
}

TEST_F(Saving, LayerNamesCannotMoveGerberFilesOutOfTheFolder) {
  PlotBuilder Plot;
  Plot.Header().Layers(
      {{"../x", 1}, {"a/b", 2}, {"..", 3}, {"\x01\x1F", 4}, {"a\\b", 5}, {"/", 6}});
  Plot.Line(0, 0, 10, 10, 2);
  Plot.Save(Plots.File("names.plt"));
  fs::create_directory(Dir.File("sub"));
  const ChildResult R = Convert(Plots.File("names.plt"), Dir.File("sub/out.scr"));
  ASSERT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_EQ(FolderContents(Dir.Path()), std::vector<std::string>{"sub"});
  EXPECT_EQ(FolderContents(Dir.File("sub")),
            (std::vector<std::string>{"0___x.gbr", "1a_b.gbr", "2__.gbr", "3__.gbr", "4a_b.gbr",
                                      "5_.gbr", "out.scr"}));
  // Inside the files the names stay as read.
  EXPECT_NE(ReadFile(Dir.File("sub/0___x.gbr")).find("\r\n%LN../x*%\r\n"), std::string::npos);
  EXPECT_NE(ReadFile(Dir.File("sub/3__.gbr")).find("\r\n%LN\x01\x1F*%\r\n"), std::string::npos);
  EXPECT_NE(R.Err.find("quillon-cli: wrote " + Dir.File("sub/5_.gbr") + ": "), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
