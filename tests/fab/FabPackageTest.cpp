// SPDX-License-Identifier: MIT
// The fab package as a board house receives it: roles beyond the
// conversion's, names its upload page recognises, plated and non-plated
// holes apart, a job file listing the package, one zip, and a coordinate
// format that always fits.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "ExternalTools.h"
#include "TestFiles.h"
#include "ZipContents.h"
#include "script/ConvertError.h"
#include "script/LayerRoles.h"
#include "save/SaveError.h"
#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

// The rich board with a silkscreen, a bottom silkscreen and an outline layer
// named as the table expects, and header extents of 60 x 10 mm.
void MakePackageBoard(TScriptingPcb& Board) {
  BuildRichBoard(Board);
  AddLine(AddLayer(Board, "Silk", static_cast<std::uint8_t>(Board.Layers.Count() + 1)), kindLine,
          {0, 0}, {100, 100}, 10);
  AddLine(AddLayer(Board, "SILKBOT", static_cast<std::uint8_t>(Board.Layers.Count() + 1)), kindLine,
          {0, 0}, {100, 0}, 10);
  AddLine(AddLayer(Board, "OUTLINE", static_cast<std::uint8_t>(Board.Layers.Count() + 1)), kindLine,
          {0, 0}, {6000, 0}, 10);
  Board.SilkTopLayer = PreselectLayer(Board.Layers, TLayerRole::SilkTop, 255);
  Board.SilkBottomLayer = PreselectLayer(Board.Layers, TLayerRole::SilkBottom, 255);
  Board.OutlineLayer = PreselectLayer(Board.Layers, TLayerRole::Outline, 255);
  Board.Extents = {0, 1000, 6000, 0};
  Board.Title = "Plt FileName: package.plt";
  Board.ProjectName = "package";
  Board.CreationDate = "2026-01-02T03:04:05+00:00";
  Board.GerberProfile = TGerberProfile::Fab;
  Board.ExcellonDrill = true;
}

std::map<std::string, std::string> NamesByRole(const TScriptingPcb& Board, const std::string& Out) {
  std::map<std::string, std::string> Names;
  for (const TOutputFile& File : Board.OutputFiles(Out)) {
    std::string Key = OutputRoleName(File.Role);
    if (File.Role == TOutputRole::Layer)
      Key += ":" + std::string(RoleId(FabRoleOf(Board, File.Layer)));
    Names[Key] = File.Path;
  }
  return Names;
}

TEST(FabRoles, NamesPreselectThePackageRolesAndTheLegacyFilesIgnoreThem) {
  EXPECT_EQ(PackageRoleOfLayerName("silk"), TLayerRole::SilkTop);
  EXPECT_EQ(PackageRoleOfLayerName("SilkBot"), TLayerRole::SilkBottom);
  EXPECT_EQ(PackageRoleOfLayerName("brd"), TLayerRole::Outline);
  // Every role has a name that fits a plot's six characters.
  EXPECT_EQ(PackageRoleOfLayerName("slkbot"), TLayerRole::SilkBottom);
  EXPECT_EQ(PackageRoleOfLayerName("SILKB"), TLayerRole::SilkBottom);
  EXPECT_EQ(PackageRoleOfLayerName("Outlin"), TLayerRole::Outline);
  EXPECT_EQ(PackageRoleOfLayerName("SILK2"), TLayerRole::Other);
  EXPECT_EQ(RoleOfLayerName("SILK"), TLayerRole::Other);  // the preview's colours stay

  TScriptingPcb Board;
  MakePackageBoard(Board);
  EXPECT_EQ(Board.SilkTopLayer, 5);
  EXPECT_EQ(FabRoleOf(Board, 7), TLayerRole::Outline);
  Board.OutlineFromExtents = true;  // the drawn outline replaces the layer
  EXPECT_EQ(FabRoleOf(Board, 7), TLayerRole::Other);
  Board.SilkTopLayer = 0;  // a conversion role wins over a package role
  EXPECT_EQ(FabRoleOf(Board, 0), TLayerRole::PadTop);
  EXPECT_EQ(RoleOf(Board, 5), TLayerRole::Other);

  // The legacy files do not change when package roles are chosen.
  TScriptingPcb Plain;
  BuildRichBoard(Plain);
  Plain.Title = Board.Title;
  for (const char* Name : {"Silk", "SILKBOT", "OUTLINE"})
    AddLayer(Plain, Name, static_cast<std::uint8_t>(Plain.Layers.Count() + 1));
  Board.GerberProfile = TGerberProfile::Legacy;
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  Plain.Convert(coAll, fmtGerber, MillimetreScale);
  ASSERT_EQ(Board.LayerOutputs.size(), Plain.LayerOutputs.size());
  for (std::size_t L = 0; L < 5; ++L) EXPECT_EQ(Board.LayerOutputs[L], Plain.LayerOutputs[L]);
  EXPECT_EQ(Board.Output, Plain.Output);
  EXPECT_EQ(Board.OutputFiles("o/b.scr").size(), Plain.OutputFiles("o/b.scr").size());
}

TEST(FabPackage, FilesHaveTheNamesAndFunctionsOfTheirRoles) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const auto Names = NamesByRole(Board, "out/board.scr");
  EXPECT_EQ(Names, (std::map<std::string, std::string>{
                       {"main", "out/board.scr"},
                       {"layer:copper-top", "out/board.GTL"},
                       {"layer:copper-bottom", "out/board.GBL"},
                       {"layer:mask-top", "out/board.GTS"},
                       {"layer:mask-bottom", "out/board.GBS"},
                       {"layer:drill", "out/board-PIN.gbr"},  // no name of its own
                       {"layer:silk-top", "out/board.GTO"},
                       {"layer:silk-bottom", "out/board.GBO"},
                       {"layer:outline", "out/board.GKO"},
                       {"drill", "out/board-PTH.drl"},
                       {"job", "out/board.gbrjob"}}));
  EXPECT_EQ(Board.LayerOutputs[5][4], "%TF.FileFunction,Legend,Top*%");
  EXPECT_EQ(Board.LayerOutputs[6][4], "%TF.FileFunction,Legend,Bot*%");
  EXPECT_EQ(Board.LayerOutputs[7][4], "%TF.FileFunction,Profile,NP*%");
  EXPECT_EQ(Board.LayerOutputs[7][8], "%TA.AperFunction,Profile*%");

  Board.FabNames = TFabNames::Indexed;
  const auto Indexed = Board.OutputFiles("out/board.scr");
  EXPECT_EQ(Indexed[1].Path, "out/0COMP.gbr");
  EXPECT_EQ(Indexed[8].Path, "out/7OUTLINE.gbr");
  EXPECT_EQ(Indexed[9].Path, "out/board.drl");
}

TEST(FabPackage, MountingHolesGoToTheirOwnFileAndEmptyDrillFilesAreNotWritten) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  TPinRecord Mounting;
  Mounting.PinNumber = 5;
  Mounting.Hole = 3.2;
  Board.Pins.Append(Mounting);                     // no aperture, no shape: a mounting hole
  AddFlash(Board.Layers.Items(4), 6, {900, 900});  // a flash's pin is its row's number + 1
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const auto Holes = [](const TTextLines& Lines) {
    std::vector<std::string> Found;
    for (int I = 0; I < Lines.Count(); ++I)
      if (Lines[I].starts_with("X") || Lines[I].starts_with("T")) Found.emplace_back(Lines[I]);
    return Found;
  };
  EXPECT_EQ(Holes(Board.NonPlatedDrillOutput),
            (std::vector<std::string>{"T1C3.200", "T1", "X9.000Y9.000"}));
  EXPECT_EQ(Board.NonPlatedDrillOutput[2], "; #@! TF.FileFunction,NonPlated,1,2,NPTH");
  EXPECT_EQ(Holes(Board.DrillOutput).size(), 2u + 2u + 3u);  // two tools, three holes

  Board.Pins.Clear();  // no pin rows: no holes at all
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  EXPECT_TRUE(Board.DrillOutput.Empty());
  EXPECT_TRUE(Board.NonPlatedDrillOutput.Empty());
  for (const TOutputFile& File : Board.OutputFiles("b.scr"))
    EXPECT_NE(File.Role, TOutputRole::Drill) << File.Path;
}

TEST(FabPackage, TheCoordinateFormatFollowsTheBoardsExtentAndRegionsHoldNoQuadrantMode) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  for (const TTextLines& File : Board.LayerOutputs) {
    EXPECT_EQ(File[1], "%FSLAX46Y46*%");
    bool InRegion = false;
    for (int I = 0; I < File.Count(); ++I) {
      if (File[I] == "G36*") InRegion = true;
      if (File[I] == "G37*") InRegion = false;
      EXPECT_FALSE(InRegion && (File[I] == "G74*" || File[I] == "G75*")) << I;
    }
  }
  // A unit factor of 1 mm per unit: 20000 mm needs five integer digits.
  AddLine(Board.Layers.Items(6), kindLine, {0, 0}, {20000, 0}, 1);
  Board.Convert(coAll, fmtGerber, 1.0);
  for (const TTextLines& File : Board.LayerOutputs) EXPECT_EQ(File[1], "%FSLAX56Y56*%");
  EXPECT_NE(Board.LayerOutputs[6].Join().find("X20000000000Y0D01*"), std::string::npos);
  // Two million millimetres do not fit six digits: refused, not wrapped.
  AddLine(Board.Layers.Items(6), kindLine, {0, 0}, {0, -2000000}, 1);
  try {
    Board.Convert(coAll, fmtGerber, 1.0);
    ADD_FAILURE() << "a coordinate beyond six integer digits was written";
  } catch (const TConvertError& E) {
    EXPECT_NE(std::string(E.what()).find("2000000.000 mm"), std::string::npos) << E.what();
  }
}

TEST(FabPackage, TheOutlineFromTheExtentsIsTheirRectangleOrAClearError) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  Board.OutlineFromExtents = true;
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const std::vector<std::string> Lines = LinesOf(Board.OutlineOutput);
  ASSERT_GT(Lines.size(), 8u);
  EXPECT_EQ(Lines[4], "%TF.FileFunction,Profile,NP*%");
  EXPECT_EQ(std::vector<std::string>(Lines.end() - 10, Lines.end()),
            (std::vector<std::string>{"%ADD10C,0.1*%", "%TD.AperFunction*%", "D10*", "X0Y0D02*",
                                      "G01*", "X60000000Y0D01*", "X60000000Y10000000D01*",
                                      "X0Y10000000D01*", "X0Y0D01*", "M02*"}));
  Board.Extents = {0, 0, 6000, 0};
  EXPECT_THROW(Board.Convert(coAll, fmtGerber, MillimetreScale), TConvertError);
}

TEST(FabPackage, TheJobFileListsExactlyThePackage) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const auto Files = Board.OutputFiles("out/board.scr");
  const nlohmann::json Job = nlohmann::json::parse(Files.back().Lines->Join("\n"));
  EXPECT_EQ(Job["Header"]["CreationDate"], "2026-01-02T03:04:05+00:00");
  EXPECT_EQ(Job["GeneralSpecs"]["ProjectId"]["Name"], "package");
  EXPECT_EQ(Job["GeneralSpecs"]["Size"]["X"], 60.0);
  EXPECT_EQ(Job["GeneralSpecs"]["Size"]["Y"], 10.0);
  EXPECT_EQ(Job["GeneralSpecs"]["LayerNumber"], 2);
  std::map<std::string, std::string> Listed;
  for (const auto& Entry : Job["FilesAttributes"]) {
    Listed[Entry["Path"]] = Entry["FileFunction"];
    EXPECT_EQ(Entry["FilePolarity"], "Positive");
  }
  EXPECT_EQ(Listed, (std::map<std::string, std::string>{{"board.GTL", "Copper,L1,Top"},
                                                        {"board.GBL", "Copper,L2,Bot"},
                                                        {"board.GTS", "Soldermask,Top"},
                                                        {"board.GBS", "Soldermask,Bot"},
                                                        {"board-PIN.gbr", "Other,Drawing"},
                                                        {"board.GTO", "Legend,Top"},
                                                        {"board.GBO", "Legend,Bot"},
                                                        {"board.GKO", "Profile,NP"},
                                                        {"board-PTH.drl", "Plated,1,2,PTH"}}));
  EXPECT_EQ(Job["FilesAttributes"].size(), Files.size() - 2);  // all but the macro and itself
}

TEST(FabPackage, TheZipHoldsEveryPackageFileAtItsRootByteForByte) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  TempDir Dir;
  Board.ZipPath = Dir.File("package.zip");
  Board.SaveToFile(Dir.File("out.scr"));
  const auto Contents = ZipContents(Board.ZipPath);
  std::set<std::string> Names;
  for (const TOutputFile& File : Board.OutputFiles(Dir.File("out.scr"))) {
    if (File.Role == TOutputRole::Main) continue;
    const std::string Name = std::filesystem::path(File.Path).filename().string();
    Names.insert(Name);
    ASSERT_TRUE(Contents.contains(Name)) << Name;
    EXPECT_EQ(Contents.at(Name), ReadFile(File.Path)) << Name;
  }
  EXPECT_EQ(Contents.size(), Names.size());
  // The same package gives the same archive.
  const std::string First = ReadFile(Board.ZipPath);
  Board.SaveToFile(Dir.File("out.scr"));
  EXPECT_EQ(ReadFile(Board.ZipPath), First);

  // An archive named like a file of the save is refused before anything is written.
  TempDir Other;
  Board.ZipPath = Other.File("OUT.GTL");
  EXPECT_THROW(Board.SaveToFile(Other.File("out.scr")), TSaveError);
  EXPECT_TRUE(std::filesystem::is_empty(Other.Path()));
  // So is an archive that would replace the plot the board was read from.
  const std::string Plot = Other.File("board.plt");
  WriteFile(Plot, "plot");
  Board.InputFiles = {Plot};
  Board.ZipPath = Plot;
  EXPECT_THROW(Board.SaveToFile(Other.File("out.scr")), TSaveError);
  EXPECT_EQ(ReadFile(Plot), "plot");
  EXPECT_FALSE(std::filesystem::exists(Other.File("out.scr")));
}

// The demo board as a user would send it: converted by quillon-cli with the
// outline from its extents, then judged by the tools of board houses' upload
// pages.
TEST(FabPackageJudges, TheDemoPackageIsRecognisedParsedAndRendered) {
  if (const std::string Why = NodeParserMissing(); !Why.empty()) GTEST_SKIP() << Why;
  if (const std::string Why = NodeParserMissing("pcb-stackup"); !Why.empty()) GTEST_SKIP() << Why;
  TempDir Dir;
  const std::string Zip = Dir.File("demo.zip");
  std::filesystem::create_directories(Dir.Path() / "out");
  const CommandResult Run = RunCli(
      "convert " + Quoted(SourcePath("examples/demo.plt")) + " --pins " +
      Quoted(SourcePath("examples/demo-pins.txt")) +
      " --format gerber --answers yes-all --gerber-profile fab --excellon --outline-from-extents"
      " --zip " +
      Quoted(Zip) + " -o " + Quoted(Dir.File("out/demo.scr")));
  ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
  // The judges get the files as a board house does: out of the archive.
  const std::filesystem::path Unpacked = Dir.Path() / "unpacked";
  std::filesystem::create_directories(Unpacked);
  std::string Files;
  for (const auto& [Name, Bytes] : ZipContents(Zip)) {
    WriteFile((Unpacked / Name).string(), Bytes);
    if (!Name.ends_with(".gbrjob")) Files += " " + Quoted((Unpacked / Name).string());
  }
  const std::string Pictures = QUILLON_BINARY_DIR "/fab-package";
  std::filesystem::create_directories(Pictures);
  const ToolRun Judge = RunTool(
      "node " + Quoted(SourcePath("tests/node/check-package.js")) + " " + Quoted(Pictures) + Files,
      Dir.Path().string());
  ASSERT_EQ(Judge.ExitCode, 0) << Judge.Err;
  const nlohmann::json R = nlohmann::json::parse(Judge.Out);
  SCOPED_TRACE(R.dump());
  const std::map<std::string, std::pair<std::string, std::string>> Expected = {
      {"demo.GTL", {"copper", "top"}},     {"demo.GBL", {"copper", "bottom"}},
      {"demo.GTS", {"soldermask", "top"}}, {"demo.GBS", {"soldermask", "bottom"}},
      {"demo.GTO", {"silkscreen", "top"}}, {"demo.GKO", {"outline", "all"}},
      {"demo-PTH.drl", {"drill", "all"}},  {"demo-NPTH.drl", {"drill", "all"}},
      {"demo-PIN.gbr", {"drawing", ""}}};
  for (const auto& [Name, TypeSide] : Expected) {
    const nlohmann::json& Id = R["identified"][Name];
    EXPECT_EQ(Id["type"], TypeSide.first) << Name;
    if (!TypeSide.second.empty()) {
      EXPECT_EQ(Id["side"], TypeSide.second) << Name;
    }
  }
  EXPECT_EQ(R["grammar"].size(), 7u);
  for (const auto& [Name, Parsed] : R["grammar"].items()) {
    EXPECT_TRUE(Parsed["error"].is_null()) << Name;
    EXPECT_GT(Parsed["commands"].get<int>(), 5) << Name;
  }
  EXPECT_TRUE(R["error"].is_null());
  std::set<std::string> Types;
  for (const auto& Layer : R["layers"]) Types.insert(Layer["type"].get<std::string>());
  for (const char* Type : {"copper", "soldermask", "silkscreen", "outline", "drill"})
    EXPECT_TRUE(Types.contains(Type)) << Type;
  EXPECT_NEAR(R["top"]["width"].get<double>(), 50.8, 1e-6);  // the outline's size
  EXPECT_NEAR(R["bottom"]["height"].get<double>(), 38.1, 1e-6);
  EXPECT_GT(std::filesystem::file_size(Pictures + "/top.svg"), 1000u);
}

}  // namespace
}  // namespace quillon::test

namespace quillon::test {
namespace {

TEST(FabCliReport, JsonListsTheFilesWrittenThePinsMetAndTheAnswersTaken) {
  TempDir Dir;
  const std::string Zip = Dir.File("demo.zip");
  const CommandResult Run =
      RunCli("convert " + Quoted(SourcePath("examples/demo.plt")) + " --pins " +
             Quoted(SourcePath("examples/demo-pins.txt")) +
             " --format gerber --answers yes,no-all --gerber-profile fab --excellon --json --zip " +
             Quoted(Zip) + " -o " + Quoted(Dir.File("demo.scr")));
  ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
  EXPECT_EQ(Run.Err.find("quillon-cli: wrote"), std::string::npos) << "no summary lines";
  const nlohmann::json R = nlohmann::json::parse(Run.Out);
  std::set<std::string> Roles;
  for (const auto& File : R["files"]) {
    const std::string Path = File["path"];
    Roles.insert(File["role"].get<std::string>());
    EXPECT_EQ(File["bytes"].get<std::uintmax_t>(), std::filesystem::file_size(Path)) << Path;
  }
  EXPECT_EQ(Roles, (std::set<std::string>{"main", "layer", "drill", "npth-drill", "job", "zip"}));
  EXPECT_EQ(R["files"][1]["x2_function"], "Copper,L1,Top");
  EXPECT_EQ(R["undefined_pins"], nlohmann::json::array({8}));
  // Each of the six layer files asks once; the last scripted answer repeats.
  ASSERT_EQ(R["answers"].size(), 6u);
  EXPECT_EQ(R["answers"][0]["answer"], "yes");
  EXPECT_EQ(R["answers"][0]["pin"], 8);
  for (std::size_t I = 1; I < 6; ++I) EXPECT_EQ(R["answers"][I]["answer"], "no-all");
}

}  // namespace
}  // namespace quillon::test
