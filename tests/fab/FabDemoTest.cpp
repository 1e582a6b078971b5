// SPDX-License-Identifier: MIT
// The demo board converted by quillon-cli with both Gerber profiles: every
// fab file must satisfy two independent readers and look like its legacy
// twin, and the drill file must hold the demo's holes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>

#include "ExternalTools.h"
#include "RenderCompare.h"
#include "TestFiles.h"
#include "script/ScriptPcb.h"
#include "text/NumberFormat.h"
#include "text/Units.h"

namespace quillon::test {
namespace {

const char* const LayerFiles[] = {"0COMP.gbr", "1SOLDER.gbr", "2SILK.gbr",
                                  "3PIN.gbr",  "4MSKGTP.gbr", "5MSKGBT.gbr"};

class FabDemoTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Dir = std::make_unique<TempDir>();
    std::filesystem::create_directories(Dir->Path() / "legacy");
    std::filesystem::create_directories(Dir->Path() / "fab");
    std::filesystem::create_directories(Dir->Path() / "fab-no-text");
    const std::string Common = "convert " + Quoted(SourcePath("examples/demo.plt")) + " --pins " +
                               Quoted(SourcePath("examples/demo-pins.txt")) +
                               " --format gerber --answers yes-all -o ";
    LegacyRun = RunCli(Common + Quoted(Legacy("demo.scr")));
    FabRun = RunCli(Common + Quoted(Fab("demo.scr")) +
                    " --gerber-profile fab --excellon --fab-names indexed");
    // The legacy layer files leave texts to the macro; the fab files draw
    // them. Without texts both must show the same.
    FabNoTextRun =
        RunCli(Common + Quoted(Dir->File("fab-no-text/demo.scr")) +
               " --gerber-profile fab --fab-names indexed --items pads,lines,arcs,polygons");
  }
  static void TearDownTestSuite() { Dir.reset(); }

  static std::string Legacy(const std::string& Name) { return Dir->File("legacy/" + Name); }
  static std::string Fab(const std::string& Name) { return Dir->File("fab/" + Name); }
  static std::string Work() { return Dir->Path().string(); }

  static std::unique_ptr<TempDir> Dir;
  static CommandResult LegacyRun, FabRun, FabNoTextRun;
};
std::unique_ptr<TempDir> FabDemoTest::Dir;
CommandResult FabDemoTest::LegacyRun, FabDemoTest::FabRun, FabDemoTest::FabNoTextRun;

TEST_F(FabDemoTest, BothConversionsWriteEveryFile) {
  EXPECT_EQ(LegacyRun.ExitCode, 0) << LegacyRun.Err;
  EXPECT_EQ(FabRun.ExitCode, 0) << FabRun.Err;
  for (const char* Name : LayerFiles) {
    EXPECT_TRUE(std::filesystem::exists(Legacy(Name))) << Name;
    EXPECT_TRUE(std::filesystem::exists(Fab(Name))) << Name;
  }
  EXPECT_TRUE(std::filesystem::exists(Fab("demo.drl")));
  EXPECT_FALSE(std::filesystem::exists(Legacy("demo.drl")));
  EXPECT_NE(FabRun.Err.find("demo.drl"), std::string::npos) << FabRun.Err;
  // The text macro does not depend on the profile.
  EXPECT_EQ(ReadFile(Fab("demo.scr")), ReadFile(Legacy("demo.scr")));
}

TEST_F(FabDemoTest, GerbvReadsEveryFabFileNotingOnlyTheAttributes) {
  for (const char* Name : LayerFiles) {
    const ToolRun Run =
        RunTool("gerbv -x png -o " + Quoted(Fab(Name) + ".png") + " " + Quoted(Fab(Name)), Work());
    EXPECT_EQ(Run.ExitCode, 0) << Name;
    EXPECT_EQ(GerbvComplaints(Run.Err), std::vector<std::string>{}) << Name;
  }
}

TEST_F(FabDemoTest, TheNpmParserReadsEveryFabFileWithoutWarnings) {
  if (const std::string Why = NodeParserMissing(); !Why.empty()) GTEST_SKIP() << Why;
  std::vector<std::string> Files;
  for (const char* Name : LayerFiles) Files.push_back(Fab(Name));
  Files.push_back(Fab("demo-NPTH.drl"));
  Files.push_back(Fab("demo.drl"));
  const std::vector<nlohmann::json> Results = ParseWithNode(Files, Work());
  ASSERT_EQ(Results.size(), Files.size());
  for (const nlohmann::json& R : Results) {
    SCOPED_TRACE(R.dump());
    EXPECT_TRUE(R["error"].is_null());
    EXPECT_TRUE(R["warnings"].empty());
    EXPECT_TRUE(R["done"].get<bool>());
  }
  EXPECT_EQ(Results.back()["filetype"], "drill");
  EXPECT_EQ(Results.back()["tools"], 3);
  EXPECT_EQ(Results.back()["flashes"], 18);
  EXPECT_EQ(Results[Results.size() - 2]["flashes"], 4);  // the mounting holes
  EXPECT_EQ(Results[3]["flashes"], 22);  // the drill layer's Gerber file flashes every hole
}

TEST_F(FabDemoTest, FabAndLegacyLayersRenderAlikeButForTheTexts) {
  ASSERT_EQ(FabNoTextRun.ExitCode, 0) << FabNoTextRun.Err;
  TScriptingPcb Board;
  ASSERT_TRUE(Board.LoadFromFile(SourcePath("examples/demo.plt")));
  const RenderWindow Window = WindowAround(Board, DefaultDbuFactor, 1500);
  for (const char* Name : LayerFiles) {
    const std::string FabFile = Dir->File(std::string("fab-no-text/") + Name);
    Render(Legacy(Name), Legacy(Name) + ".png", Window, Work());
    Render(FabFile, FabFile + ".png", Window, Work());
    const PixelDifference D = ComparePictures(Legacy(Name) + ".png", FabFile + ".png");
    std::cout << Name << ": " << D.Differing << " of " << D.Total << " pixels differ ("
              << D.DrawnInFirst << " drawn in the legacy picture)\n";
    ASSERT_GT(D.Total, 0) << Name << ": no picture";
    EXPECT_LE(D.Fraction(), 0.005) << Name;
    // Rounding moves an edge by a pixel at most; a lost or added item shows
    // as many more pixels than that, even on a layer mostly poured.
    EXPECT_LE(D.Differing, std::max<long long>(50, D.Total / 2000)) << Name;
  }
}

// The tools ("T1C0.400", ...) and the number of holes of a drill file.
std::pair<std::vector<std::string>, int> ToolsAndHoles(const std::string& File) {
  const TTextLines Lines = TTextLines::FromText(ReadFile(File));
  std::vector<std::string> Tools;
  int Holes = 0;
  for (int I = 0; I < Lines.Count(); ++I) {
    const std::string_view Line = Lines[I];
    if (Line.starts_with("T") && Line.find('C') != std::string_view::npos) Tools.emplace_back(Line);
    if (Line.starts_with("X")) ++Holes;
  }
  return {Tools, Holes};
}

TEST_F(FabDemoTest, TheDrillFilesHoldTheDemosHolesPlatedOrNot) {
  // demo-pins.txt: holes 0.4 (row 0), 0.9 (rows 1, 2), 0.8 (row 3) with
  // pads, 3.2 (row 4) without: a mounting hole. The 22 flashes of the PIN
  // layer all have holes.
  const auto [Tools, Holes] = ToolsAndHoles(Fab("demo.drl"));
  EXPECT_EQ(Tools, (std::vector<std::string>{"T1C0.400", "T2C0.800", "T3C0.900"}));
  const auto [NpthTools, NpthHoles] = ToolsAndHoles(Fab("demo-NPTH.drl"));
  EXPECT_EQ(NpthTools, (std::vector<std::string>{"T1C3.200"}));
  EXPECT_EQ(Holes + NpthHoles, 22);
  EXPECT_NE(ReadFile(Fab("demo-NPTH.drl")).find("TF.FileFunction,NonPlated,1,2,NPTH"),
            std::string::npos);

  // The same holes, counted from the board and its pin table.
  TScriptingPcb Board;
  ASSERT_TRUE(Board.LoadFromFile(SourcePath("examples/demo.plt")));
  Board.Pins.Parse(ReadFile(SourcePath("examples/demo-pins.txt")), layoutHoleAper);
  std::set<std::string> Sizes;
  int Flashes = 0, Unpadded = 0;
  for (const TPcbFlash& Flash : Board.Layers.Items(3).Flashes) {
    TPinRecord Row;
    Board.Pins.FindByPin(Flash.PinNumber - 1, Row);
    Sizes.insert(fmt::Fixed(Row.Hole, 3));
    ++Flashes;
    Unpadded += Row.Aperture == 0 && Row.Shape == shapeNone;
  }
  EXPECT_EQ(Sizes.size(), Tools.size() + NpthTools.size());
  EXPECT_EQ(Flashes, Holes + NpthHoles);
  EXPECT_EQ(Unpadded, NpthHoles);

  // gerbv reads it as a drill file: exported again, it lists the same.
  const std::string Export = Dir->File("again.drl");
  const ToolRun Run =
      RunTool("gerbv -x drill -o " + Quoted(Export) + " " + Quoted(Fab("demo.drl")), Work());
  EXPECT_EQ(Run.Err, "");
  const TTextLines Again = TTextLines::FromText(ReadFile(Export));
  int AgainTools = 0, AgainHoles = 0;
  for (int I = 0; I < Again.Count(); ++I) {
    AgainTools += Again[I].starts_with("T") && Again[I].find('C') != std::string_view::npos;
    AgainHoles += Again[I].starts_with("X");
  }
  EXPECT_EQ(AgainTools, 3);
  EXPECT_EQ(AgainHoles, Holes);
}

}  // namespace
}  // namespace quillon::test
