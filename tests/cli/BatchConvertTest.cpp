// SPDX-License-Identifier: MIT
// quillon-cli convert over many boards: the files of each board, failures
// that do not stop the others, the report, and the refusals before anything
// is written.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "PlotBuilder.h"
#include "TestFiles.h"
#include "cli/ProgressLine.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FolderContents(const fs::path& Dir) {
  std::vector<std::string> Names;
  if (!fs::exists(Dir)) return Names;
  for (const auto& Entry : fs::directory_iterator(Dir)) Names.push_back(Entry.path().filename());
  std::sort(Names.begin(), Names.end());
  return Names;
}

// Two layers: a line on TOP, flashes of pins 1 and 2 on PIN.
void SaveBoard(const std::string& File, int Shift) {
  PlotBuilder B;
  B.Header().Layers({{"TOP", 1}, {"PIN", 2}});
  B.SelectLayer(1).Line(100 + Shift, 200, 300, 200, 10);
  B.SelectLayer(2).Flash(1, 500, 500 + Shift).Flash(2, 600, 600);
  B.Save(File);
}

class BatchConvert : public ::testing::Test {
 protected:
  BatchConvert() {
    for (const char* D : {"in", "pins", "single"}) fs::create_directory(Dir.File(D));
    SaveBoard(Dir.File("in/a.plt"), 0);
    SaveBoard(Dir.File("in/B.PLT"), 7);
    WriteFile(Dir.File("in/notes.txt"), "not a board");
    SaveBoard(Dir.File("c.plt"), 11);
    // Only board a has a pin description: pin 2 (row 1) is undefined there.
    WriteFile(Dir.File("pins/a.txt"), "0  0.5  1.0\r\n");
  }
  CommandResult Batch(const std::string& Args) {
    return RunCli("convert '" + Dir.File("in") + "' '" + Dir.File("c.plt") + "' --out-dir '" +
                  Dir.File("out") + "' " + Args);
  }
  TempDir Dir;
};

TEST_F(BatchConvert, EachBoardGetsTheFilesOfItsOwnConversion) {
  const CommandResult R =
      Batch("--format gerber --pins-dir '" + Dir.File("pins") + "' --answers yes-all --jobs 2");
  ASSERT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_EQ(FolderContents(Dir.File("out")),
            (std::vector<std::string>{"B-0TOP.gbr", "B-1PIN.gbr", "B.scr", "a-0TOP.gbr",
                                      "a-1PIN.gbr", "a.scr", "c-0TOP.gbr", "c-1PIN.gbr", "c.scr"}));
  // Board a, converted alone with its pin description, writes the same bytes.
  const CommandResult Single =
      RunCli("convert '" + Dir.File("in/a.plt") + "' -o '" + Dir.File("single/a.scr") +
             "' --format gerber --pins '" + Dir.File("pins/a.txt") + "' --answers yes-all");
  ASSERT_EQ(Single.ExitCode, 0) << Single.Err;
  EXPECT_EQ(ReadFile(Dir.File("out/a.scr")), ReadFile(Dir.File("single/a.scr")));
  EXPECT_EQ(ReadFile(Dir.File("out/a-1PIN.gbr")), ReadFile(Dir.File("single/1PIN.gbr")));
  EXPECT_NE(ReadFile(Dir.File("out/a-1PIN.gbr")), ReadFile(Dir.File("out/B-1PIN.gbr")));
  // Not a terminal: plain lines, and the undefined pins per board.
  EXPECT_EQ(R.Err.find('\r'), std::string::npos);
  EXPECT_NE(R.Err.find("] " + Dir.File("in/a.plt") + ": converted\n"), std::string::npos);
  EXPECT_NE(R.Err.find(Dir.File("in/a.plt") + ": undefined pins: 1\n"), std::string::npos);
  EXPECT_NE(R.Err.find(Dir.File("c.plt") + ": undefined pins: 0, 1\n"), std::string::npos);
  EXPECT_NE(R.Err.find("3 of 3 boards converted\n"), std::string::npos) << R.Err;
}

TEST_F(BatchConvert, AFailedBoardIsReportedAndTheOthersStillConvert) {
  WriteFile(Dir.File("in/broken.plt"), "this is no plot file");
  const CommandResult R = Batch("--answers no-all --json --jobs 3");
  EXPECT_EQ(R.ExitCode, 1) << R.Err;
  EXPECT_EQ(FolderContents(Dir.File("out")), (std::vector<std::string>{"B.scr", "a.scr", "c.scr"}));
  std::vector<nlohmann::json> Boards;
  std::istringstream Lines(R.Out);
  for (std::string Line; std::getline(Lines, Line);) Boards.push_back(nlohmann::json::parse(Line));
  ASSERT_EQ(Boards.size(), 4u);  // in the order given: the folder's in name order
  EXPECT_EQ(Boards[0]["plot"], Dir.File("in/B.PLT"));
  EXPECT_EQ(Boards[1]["plot"], Dir.File("in/a.plt"));
  EXPECT_EQ(Boards[2]["plot"], Dir.File("in/broken.plt"));
  EXPECT_FALSE(Boards[2]["ok"]);
  EXPECT_EQ(Boards[2]["files"].size(), 0u);
  ASSERT_FALSE(Boards[2]["errors"].empty());
  EXPECT_NE(Boards[2]["errors"].dump().find("wrong signature"), std::string::npos);
  EXPECT_TRUE(Boards[3]["ok"]);
  EXPECT_EQ(Boards[3]["undefined_pins"], nlohmann::json::parse("[0, 1]"));
  ASSERT_EQ(Boards[3]["files"].size(), 1u);
  EXPECT_EQ(Boards[3]["files"][0]["path"], Dir.File("out/c.scr"));
  EXPECT_EQ(Boards[3]["files"][0]["bytes"], fs::file_size(Dir.File("out/c.scr")));
  EXPECT_NE(R.Err.find("3 of 4 boards converted, 1 failed"), std::string::npos) << R.Err;
}

TEST_F(BatchConvert, RefusesBadUsageBeforeWritingAnything) {
  fs::create_directory(Dir.File("other"));
  SaveBoard(Dir.File("other/A.plt"), 3);
  SaveBoard(Dir.File("c-2.plt"), 3);
  const std::string Out = " --out-dir '" + Dir.File("out") + "'";
  const std::string In = "'" + Dir.File("in") + "'";
  struct {
    std::string Args;
    std::string Message;
  } Cases[] = {
      // a.plt and A.plt would write one file (where letter case does not count)
      {In + " '" + Dir.File("other") + "' --answers yes" + Out, "would both write"},
      // c-2's main file could be c's layer file 2
      {"'" + Dir.File("c.plt") + "' '" + Dir.File("c-2.plt") + "' --format gerber --answers yes" +
           Out,
       "the same Gerber layer file"},
      {In + Out, "--answers"},
      {In + " --answers yes", "--out-dir"},
      {In + " --answers yes -o x" + Out, "--output"},
      {"'" + Dir.File("nothing-here") + "' --answers yes" + Out, "no such plot file"},
      {"'" + Dir.File("pins") + "' --answers yes" + Out, "no plot files"},
      // one archive cannot take every board's package
      {In + " --answers yes --format gerber --gerber-profile fab --zip '" + Dir.File("z.zip") +
           "'" + Out,
       "--zip"},
  };
  for (const auto& C : Cases) {
    const CommandResult R = RunCli("convert " + C.Args);
    EXPECT_EQ(R.ExitCode, 2) << C.Args << '\n' << R.Err;
    EXPECT_NE(R.Err.find(C.Message), std::string::npos) << R.Err;
    EXPECT_TRUE(FolderContents(Dir.File("out")).empty()) << C.Args;
  }
  EXPECT_FALSE(fs::exists(Dir.File("z.zip")));
}

TEST(ProgressLine, FitsTheTerminalAndKeepsTheEndOfTheBoardName) {
  EXPECT_EQ(cli::ProgressText(3, 120, "boards/x.plt", 12.345, 42, 80),
            "[3/120] boards/x.plt  12.3 MB/s  0:42 left");
  EXPECT_EQ(cli::ProgressText(0, 5, "x.plt", 0, -1, 80), "[0/5] x.plt  0.0 MB/s  --:-- left");
  EXPECT_EQ(cli::ProgressText(1, 2, "a.plt", 1, 3725, 80), "[1/2] a.plt  1.0 MB/s  1:02:05 left");
  const std::string Cut =
      cli::ProgressText(1, 2, "/very/long/folder/name/of/the/archive/board-0042.plt", 1, 5, 40);
  EXPECT_EQ(Cut.size(), 40u);
  EXPECT_EQ(Cut, "[1/2] ...d-0042.plt  1.0 MB/s  0:05 left");
  EXPECT_LE(cli::ProgressText(1, 2, "name", 1, 5, 10).size(), 10u);
}

}  // namespace
}  // namespace quillon::test
