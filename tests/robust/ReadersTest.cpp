// SPDX-License-Identifier: MIT
// Independent readers on the files of the demo board and of a board with
// hostile layer names and path: gerbv and the npm parser read every legacy
// and fab file without complaint; camv-rnd, which knows only the modern
// syntax, reads every fab file and the drill file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "ExternalTools.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"
#include "text/AsciiCase.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

class Readers : public ::testing::Test {
 protected:
  // The files of one conversion of Plot into the folder Name, main file first.
  std::vector<std::string> Convert(const std::string& Plot, const std::string& Name,
                                   const std::vector<std::string>& More) {
    fs::create_directory(Dir.File(Name));
    std::vector<std::string> Args{"convert",   Plot,  "--format", "gerber",
                                  "--answers", "yes", "-o",       Dir.File(Name + "/board.txt")};
    Args.insert(Args.end(), More.begin(), More.end());
    const ChildResult R = RunCliChild(Args);
    EXPECT_EQ(R.ExitCode, 0) << R.Err;
    std::vector<std::string> Files;
    for (const auto& Entry : fs::directory_iterator(Dir.File(Name)))
      if (Entry.path().extension() != ".txt") Files.push_back(Entry.path());
    std::sort(Files.begin(), Files.end());
    return Files;
  }
  std::vector<std::string> Demo(const std::string& Name, const std::vector<std::string>& More) {
    std::vector<std::string> Args{"--pins", SourcePath("examples/demo-pins.txt")};
    Args.insert(Args.end(), More.begin(), More.end());
    return Convert(SourcePath("examples/demo.plt"), Name, Args);
  }
  std::vector<std::string> Hostile(const std::string& Name, const std::vector<std::string>& More) {
    PlotBuilder P;
    P.Header()
        .Layers({{"*IPNEG", 1}, {"50%", 2}, {"a\nb", 3}})
        .Line(0, 0, 100, 100, 5)
        .FilledRectangle(10, 10, 60, 40)
        .SelectLayer(2)
        .Line(5, 5, 50, 5, 3)
        .Line(5, 5, 5, 50, 3);  // an area, not a line, for gerbv's picture
    const std::string Plot = Dir.File("board 50%*\nx.plt");
    P.Save(Plot);
    return Convert(Plot, Name, More);
  }
  // Every Gerber and drill file of the legacy and the fab profile of both
  // boards (the fab package's job file is JSON, for none of these readers).
  std::vector<std::string> AllFiles() {
    std::vector<std::string> All;
    for (auto&& Files :
         {Demo("legacy", {}), Demo("fab", {"--gerber-profile", "fab", "--excellon"}),
          Hostile("hostile-legacy", {}), Hostile("hostile-fab", {"--gerber-profile", "fab"})})
      for (const std::string& File : Files)
        if (fs::path(File).extension() != ".gbrjob") All.push_back(File);
    return All;
  }

  TempDir Dir;
};

TEST_F(Readers, GerbvReadsEveryLegacyAndFabFile) {
  for (const std::string& File : AllFiles()) {
    const bool Drill = fs::path(File).extension() == ".drl";
    const ToolRun Run = RunTool(std::string("gerbv -x ") + (Drill ? "drill" : "png") + " -o " +
                                    Quoted(Dir.File("again")) + " " + Quoted(File),
                                Dir.Path().string());
    EXPECT_EQ(Run.ExitCode, 0) << File;
    EXPECT_EQ(GerbvComplaints(Run.Err), std::vector<std::string>{}) << File;
  }
}

TEST_F(Readers, TheNpmParserReadsEveryLegacyAndFabFile) {
  if (const std::string Why = NodeParserMissing(); !Why.empty()) GTEST_SKIP() << Why;
  const std::vector<std::string> Files = AllFiles();
  const std::vector<nlohmann::json> Results = ParseWithNode(Files, Dir.Path().string());
  ASSERT_EQ(Results.size(), Files.size());
  for (std::size_t I = 0; I < Files.size(); ++I) {
    SCOPED_TRACE(Files[I] + ": " + Results[I].dump());
    EXPECT_TRUE(Results[I]["error"].is_null());
    // The legacy files' %SF and %LN are deprecated: noted, not misread.
    for (const auto& Warning : Results[I]["warnings"]) {
      const std::string Text = Warning.get<std::string>();
      EXPECT_TRUE(Text.find("block \"%SF") != std::string::npos ||
                  Text.find("block \"%LN") != std::string::npos)
          << Text;
    }
    EXPECT_TRUE(Results[I]["done"].get<bool>());
  }
}

// Quillon names a file .gbr itself only when it is Gerber: the main file of a
// Gerber conversion, its CAM350 text macro, is .scr in a batch and in `make
// demo`. gerbv reads every .gbr file of both.
TEST_F(Readers, EveryGbrFileOfABatchAndOfTheDemoIsGerber) {
  fs::create_directory(Dir.File("in"));
  fs::copy_file(SourcePath("examples/demo.plt"), Dir.File("in/demo.plt"));
  fs::copy_file(SourcePath("examples/demo.plt"), Dir.File("in/second.plt"));
  for (const std::string Profile : {"legacy", "fab"}) {
    const ChildResult R =
        RunCliChild({"convert", Dir.File("in"), "--out-dir", Dir.File("batch-" + Profile),
                     "--format", "gerber", "--gerber-profile", Profile, "--pins",
                     SourcePath("examples/demo-pins.txt"), "--answers", "yes-all"});
    ASSERT_EQ(R.ExitCode, 0) << R.Err;
    EXPECT_TRUE(fs::exists(Dir.File("batch-" + Profile + "/demo.scr")));
  }
  const std::string Make = "make -s -C " + Quoted(SourcePath("")) +
                           " demo-files BUILD=" + Quoted(QUILLON_BINARY_DIR) +
                           " DEMO_OUT=" + Quoted(Dir.File("demo"));
  const ToolRun Demo = RunTool(Make, Dir.Path().string());
  ASSERT_EQ(Demo.ExitCode, 0) << Demo.Out << Demo.Err;
  EXPECT_TRUE(fs::exists(Dir.File("demo/gerber/demo.scr")));
  std::vector<std::string> Gerber;
  for (const auto& Entry : fs::recursive_directory_iterator(Dir.Path()))
    if (LowerAscii(Entry.path().extension().string()) == ".gbr") Gerber.push_back(Entry.path());
  // Two boards of six layer files in each batch (the fab one adds an
  // outline-less set of its own names), the demo's six.
  EXPECT_GE(Gerber.size(), 18u);
  for (const std::string& File : Gerber) {
    const ToolRun Run =
        RunTool("gerbv -x png -o " + Quoted(Dir.File("again.png")) + " " + Quoted(File),
                Dir.Path().string());
    EXPECT_EQ(Run.ExitCode, 0) << File;
    EXPECT_EQ(GerbvComplaints(Run.Err), std::vector<std::string>{}) << File;
  }
}

// Whether a Gerber file draws or flashes anything at all.
bool DrawsSomething(const std::string& File) {
  const std::string Text = ReadFile(File);
  return Text.find("D01*") != std::string::npos || Text.find("D03*") != std::string::npos;
}

// camv-rnd stays open instead of exporting a file with nothing to draw (an
// empty mask layer of the demo), so such files are not given to it; every
// other file must be read and exported within the time limit: a run that
// hits it (exit 124) is a hang, and fails.
TEST_F(Readers, CamvRndReadsEveryFabFileOfTheDemo) {
  if (const std::string Why = ProgramMissing("camv-rnd"); !Why.empty()) GTEST_SKIP() << Why;
  int Read = 0;
  for (const std::string& File : Demo("fab", {"--gerber-profile", "fab", "--excellon"})) {
    if (fs::path(File).extension() == ".gbrjob") continue;  // JSON, not for this reader
    const bool Drill = fs::path(File).extension() == ".drl";
    if (!Drill && !DrawsSomething(File)) continue;
    const ToolRun Run = RunTool(
        "timeout 10 camv-rnd -x svg --outfile " + Quoted(Dir.File("view.svg")) + " " + Quoted(File),
        Dir.Path().string());
    EXPECT_EQ(Run.ExitCode, 0) << File << (Run.ExitCode == 124 ? ": timed out" : "");
    EXPECT_EQ(LowerAscii(Run.Out + Run.Err).find("error"), std::string::npos)
        << File << ": " << Run.Out << Run.Err;
    ++Read;
  }
  EXPECT_GE(Read, 7);  // two copper layers, silk, a mask, the pin layer, two drill files
}

}  // namespace
}  // namespace quillon::test
