// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "ExternalTools.h"
#include "TestFiles.h"
#include "script/ScriptPcb.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

// The fab files of a board with every kind of item, saved for the readers.
class FabReadersTest : public ::testing::Test {
 protected:
  void Write(bool X2AsComments) {
    BuildRichBoard(Board);
    Board.Title = "Plt FileName: rich.plt";
    Board.GerberProfile = TGerberProfile::Fab;
    Board.ExcellonDrill = true;
    Board.X2AsComments = X2AsComments;
    Board.Convert(coAll, fmtGerber, MillimetreScale);
    for (int L = 0; L < Board.Layers.Count(); ++L) {
      Files.push_back(Dir.File(std::to_string(L) + Board.Layers.Items(L).Name + ".gbr"));
      WriteFile(Files.back(), Board.LayerOutputs[static_cast<std::size_t>(L)].Join());
    }
    DrillFile = Dir.File("rich.drl");
    WriteFile(DrillFile, Board.DrillOutput.Join());
  }

  TScriptingPcb Board;
  TempDir Dir;
  std::vector<std::string> Files;
  std::string DrillFile;
};

TEST_F(FabReadersTest, GerbvReadsEveryLayerNotingOnlyTheAttributes) {
  Write(false);
  for (const std::string& File : Files) {
    const ToolRun Run = RunTool("gerbv -x png -o " + Quoted(File + ".png") + " " + Quoted(File),
                                Dir.Path().string());
    EXPECT_EQ(Run.ExitCode, 0) << File;
    EXPECT_EQ(GerbvComplaints(Run.Err), std::vector<std::string>{}) << File;
    EXPECT_NE(Run.Err.find("%TF%"), std::string::npos) << "the attributes were not seen: " << File;
  }
}

TEST_F(FabReadersTest, GerbvSaysNothingWhenTheAttributesAreComments) {
  Write(true);
  for (const std::string& File : Files) {
    const ToolRun Run = RunTool("gerbv -x png -o " + Quoted(File + ".png") + " " + Quoted(File),
                                Dir.Path().string());
    EXPECT_EQ(Run.ExitCode, 0) << File;
    EXPECT_EQ(Run.Err, "") << File;
  }
}

TEST_F(FabReadersTest, GerbvReadsTheDrillFileAsADrillFile) {
  Write(false);
  // Exported again as a drill file, it lists what gerbv understood: two
  // tools (0.8 and 1.0; pin 3 has no hole) and three holes, in inches.
  const std::string Export = Dir.File("again.drl");
  const ToolRun Run =
      RunTool("gerbv -x drill -o " + Quoted(Export) + " " + Quoted(DrillFile), Dir.Path().string());
  EXPECT_EQ(Run.ExitCode, 0);
  EXPECT_EQ(Run.Err, "");
  const TTextLines Lines = TTextLines::FromText(ReadFile(Export));
  int Tools = 0, Holes = 0;
  for (int I = 0; I < Lines.Count(); ++I) {
    const std::string_view Line = Lines[I];
    if (Line.size() > 1 && Line[0] == 'T' && Line.find('C') != std::string_view::npos) ++Tools;
    if (!Line.empty() && Line[0] == 'X') ++Holes;
  }
  EXPECT_EQ(Tools, 2);
  EXPECT_EQ(Holes, 3);
  EXPECT_NE(ReadFile(Export).find("X001575Y000394"), std::string::npos);  // (4 mm, 1 mm)
}

TEST_F(FabReadersTest, TheNpmParserReadsEveryFileWithoutWarnings) {
  if (const std::string Why = NodeParserMissing(); !Why.empty()) GTEST_SKIP() << Why;
  Write(false);
  std::vector<std::string> All = Files;
  All.push_back(DrillFile);
  const std::vector<nlohmann::json> Results = ParseWithNode(All, Dir.Path().string());
  ASSERT_EQ(Results.size(), All.size());
  for (const nlohmann::json& R : Results) {
    SCOPED_TRACE(R.dump());
    EXPECT_TRUE(R["error"].is_null());
    EXPECT_TRUE(R["warnings"].empty());
    EXPECT_TRUE(R["done"].get<bool>());
  }
  // Top copper: apertures 0.25, 0.1, 0.01 and three pads; four pads and the
  // dot flashed; the polygon, its hole and two circles and the filled
  // rectangle as regions; two arcs and the circles.
  const nlohmann::json& Top = Results[0];
  EXPECT_EQ(Top["filetype"], "gerber");
  EXPECT_EQ(Top["tools"], 6);
  EXPECT_EQ(Top["flashes"], 5);
  EXPECT_EQ(Top["regions"], 5);
  EXPECT_EQ(Top["clearLevels"], 1);
  EXPECT_EQ(Top["arcs"], 4);
  // Segments 1 + 1, two rectangle outlines 4 + 4, regions 4 + 3 + 4.
  EXPECT_EQ(Top["draws"], 21);
  EXPECT_EQ(Results[1]["arcs"], 2);
  EXPECT_EQ(Results[1]["flashes"], 4);
  EXPECT_EQ(Results[2]["regions"], 1);
  EXPECT_EQ(Results[3]["tools"], 1);    // an empty layer defines the default aperture
  EXPECT_EQ(Results[4]["flashes"], 4);  // holes, pin 3's of the smallest size
  const nlohmann::json& Drill = Results[5];
  EXPECT_EQ(Drill["filetype"], "drill");
  EXPECT_EQ(Drill["tools"], 2);
  EXPECT_EQ(Drill["flashes"], 3);
}

TEST_F(FabReadersTest, TheNpmParserHasNothingToNoteWhenTheAttributesAreComments) {
  if (const std::string Why = NodeParserMissing(); !Why.empty()) GTEST_SKIP() << Why;
  Write(true);
  for (const nlohmann::json& R : ParseWithNode(Files, Dir.Path().string())) {
    SCOPED_TRACE(R.dump());
    EXPECT_TRUE(R["warnings"].empty());
    EXPECT_TRUE(R["attributeNotes"].empty());
  }
}

}  // namespace
}  // namespace quillon::test
