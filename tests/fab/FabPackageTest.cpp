// SPDX-License-Identifier: MIT
// The fab package as a board house receives it: roles beyond the
// conversion's, names its upload page recognises, plated and non-plated
// holes apart, a job file listing the package, one zip, and a coordinate
// format that always fits.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "ExternalTools.h"
#include "TestFiles.h"
#include "ZipContents.h"
#include "script/ConvertError.h"
#include "script/LayerRoles.h"
#include "save/SaveError.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabProvenance.h"
#include "script/save/OutputCollisions.h"
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

std::map<std::string, std::string> NamesByRole(TScriptingPcb& Board, const std::string& Out) {
  std::map<std::string, std::string> Names;
  Board.PrepareSave(Out);
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
  EXPECT_EQ(Board.LayerOutputs[5][6], "%TF.FileFunction,Legend,Top*%");
  EXPECT_EQ(Board.LayerOutputs[6][6], "%TF.FileFunction,Legend,Bot*%");
  EXPECT_EQ(Board.LayerOutputs[7][6], "%TF.FileFunction,Profile,NP*%");
  EXPECT_EQ(Board.LayerOutputs[7][10], "%TA.AperFunction,Profile*%");

  Board.FabNames = TFabNames::Indexed;
  Board.PrepareSave("out/board.scr");
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
  EXPECT_EQ(Board.NonPlatedDrillOutput[4], "; #@! TF.FileFunction,NonPlated,1,2,NPTH");
  EXPECT_EQ(Holes(Board.DrillOutput).size(), 2u + 2u + 3u);  // two tools, three holes

  Board.Pins.Clear();  // no pin rows: no holes at all
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  EXPECT_TRUE(Board.DrillOutput.Empty());
  EXPECT_TRUE(Board.NonPlatedDrillOutput.Empty());
  Board.PrepareSave("b.scr");
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
  EXPECT_EQ(Lines[6], "%TF.FileFunction,Profile,NP*%");
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
  Board.PrepareSave("out/board.scr");
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

  // An archive named like a file of the save is refused before anything is
  // written, in the words of any other pair of files of one save.
  TempDir Other;
  Board.ZipPath = Other.File("OUT.GTL");
  try {
    Board.SaveToFile(Other.File("out.scr"));
    ADD_FAILURE() << "an archive named like a layer file was written";
  } catch (const TOutputCollision& E) {
    EXPECT_NE(std::string(E.what()).find("layer 0 \"COMP\" and the zip archive would both be "
                                         "written to " +
                                         Board.ZipPath),
              std::string::npos)
        << E.what();
  }
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

TEST(FabPackage, TheJobFileIsBuiltOncePerSaveAndTheListOnlyReportsIt) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  EXPECT_EQ(Board.JobOutputBuilds, 0);  // the conversion knows no file name yet
  TempDir Dir;
  const std::string Out = Dir.File("board.scr");
  Board.SaveToFile(Out);
  const TScriptingPcb& Saved = Board;
  const std::string Written = ReadFile(Dir.File("board.gbrjob"));
  for (int Read = 0; Read < 3; ++Read) {
    const std::vector<TOutputFile> Files = Saved.OutputFiles(Out);
    ASSERT_EQ(Files.back().Role, TOutputRole::Job);
    EXPECT_EQ(Files.back().Lines, &Saved.JobOutput);
    EXPECT_EQ(Files.back().Lines->Join("\r\n"), Written);
  }
  Board.SaveToFile(Out);  // the same save again: nothing to rebuild
  EXPECT_EQ(Board.JobOutputBuilds, 1);

  // Another name lists other files: the list refuses to report a job file
  // made for another save, and preparing that save builds it anew.
  EXPECT_THROW(Saved.OutputFiles(Dir.File("other.scr")), std::logic_error);
  Board.PrepareSave(Dir.File("other.scr"));
  EXPECT_EQ(Board.JobOutputBuilds, 2);
  EXPECT_NE(Board.JobOutput.Join().find("other.GTL"), std::string::npos);
  // A new conversion forgets the job file of the last.
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  EXPECT_EQ(Board.JobOutputBuilds, 0);
  EXPECT_TRUE(Board.JobOutput.Empty());
}

// The attribute value of Name in Lines ("%TF.Name,value*%", "G04 #@! TF.Name,
// value*" or "; #@! TF.Name,value"), or "" when none.
std::string AttributeOf(const std::string& Text, const std::string& Name) {
  const std::size_t At = Text.find("TF." + Name + ",");
  if (At == std::string::npos) return {};
  const std::size_t Start = At + Name.size() + 4;
  const std::size_t End = Text.find_first_of("*\r\n", Start);
  return Text.substr(Start, End - Start);
}

TEST(FabPackage, EveryFileCarriesTheJobsProjectAndDateAndNoFolder) {
  TScriptingPcb Board;
  MakePackageBoard(Board);
  Board.OutlineFromExtents = true;
  TempDir Dir;
  const std::string Folder = Dir.Path().string();
  Board.Title = "Plt FileName: " + Folder + "/secret customer/package.plt";
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  Board.ZipPath = Dir.File("package.zip");
  Board.SaveToFile(Dir.File("package.scr"));
  const nlohmann::json Job = nlohmann::json::parse(ReadFile(Dir.File("package.gbrjob")));
  const nlohmann::json& Id = Job["GeneralSpecs"]["ProjectId"];
  const std::string ProjectId = Id["Name"].get<std::string>() + "," +
                                Id["GUID"].get<std::string>() + "," +
                                Id["Revision"].get<std::string>();
  int Checked = 0;
  for (const auto& [Name, Bytes] : ZipContents(Board.ZipPath)) {
    SCOPED_TRACE(Name);
    EXPECT_EQ(Bytes.find("secret customer"), std::string::npos);
    EXPECT_EQ(Bytes.find(Folder), std::string::npos);
    if (Name.ends_with(".gbrjob")) continue;
    EXPECT_EQ(AttributeOf(Bytes, "ProjectId"), ProjectId);
    EXPECT_EQ(AttributeOf(Bytes, "CreationDate"), Job["Header"]["CreationDate"]);
    EXPECT_EQ(AttributeOf(Bytes, "GenerationSoftware"), "Quillon,quillon," QUILLON_VERSION_TEXT);
    if (Name.ends_with(".drl")) {
      EXPECT_NE(Bytes.find("\r\n; #@! TF.ProjectId,"), std::string::npos);
    } else {
      EXPECT_TRUE(Bytes.starts_with("G04 Plt FileName: package.plt*\r\n"));
      EXPECT_NE(Bytes.find("\r\n%TF.ProjectId,"), std::string::npos);
    }
    ++Checked;
  }
  EXPECT_EQ(Checked, 10);  // 8 layers, the outline, the plated drill file
  EXPECT_EQ(ReadFile(Board.ZipPath).find(Folder), std::string::npos);

  // A name that would break the attribute is written alike in both.
  Board.ProjectName = "a,b*c%d";
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  Board.PrepareSave("p.scr");
  EXPECT_EQ(nlohmann::json::parse(Board.JobOutput.Join("\n"))["GeneralSpecs"]["ProjectId"]["Name"],
            "a_b_c_d");
  EXPECT_EQ(AttributeOf(Board.LayerOutputs[0].Join("\n"), "ProjectId").substr(0, 8), "a_b_c_d,");
}

TEST(FabPackage, TheTitleNamesThePlotWithoutItsFolders) {
  EXPECT_EQ(fab::FabTitle("Plt FileName: /home/u/x y/demo.plt"), "Plt FileName: demo.plt");
  EXPECT_EQ(fab::FabTitle("Plt FileName: C:\\boards\\demo.plt"), "Plt FileName: demo.plt");
  EXPECT_EQ(fab::FabTitle("Plt FileName: demo.plt"), "Plt FileName: demo.plt");
  EXPECT_EQ(fab::FabTitle("a title: with/slash"), "a title: slash");
  EXPECT_EQ(fab::FabTitle("no path"), "no path");
}

// Reproducible packages: SOURCE_DATE_EPOCH fixes the creation date, so that
// two conversions of the demo give the same archive byte for byte; and none
// of its files names the folder the plot came from.
TEST(FabPackageCli, SourceDateEpochMakesTwoConversionsIdentical) {
  TempDir Dir;
  const auto ConvertInto = [&](const std::string& Sub) {
    std::filesystem::create_directories(Dir.Path() / Sub);
    const CommandResult Run =
        RunCli("convert " + Quoted(SourcePath("examples/demo.plt")) + " --pins " +
               Quoted(SourcePath("examples/demo-pins.txt")) +
               " --format gerber --answers yes-all --gerber-profile fab --excellon --zip " +
               Quoted(Dir.File(Sub + "/demo.zip")) + " -o " + Quoted(Dir.File(Sub + "/demo.scr")));
    EXPECT_EQ(Run.ExitCode, 0) << Run.Err;
    return ReadFile(Dir.File(Sub + "/demo.zip"));
  };
  ASSERT_EQ(setenv("SOURCE_DATE_EPOCH", "1700000000", 1), 0);
  const std::string First = ConvertInto("first");
  const std::string Second = ConvertInto("second");
  unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_EQ(First, Second);
  const auto Contents = ZipContents(Dir.File("first/demo.zip"));
  ASSERT_TRUE(Contents.contains("demo.gbrjob"));
  EXPECT_EQ(nlohmann::json::parse(Contents.at("demo.gbrjob"))["Header"]["CreationDate"],
            "2023-11-14T22:13:20+00:00");
  const std::string Examples = std::filesystem::path(SourcePath("examples")).string();
  for (const auto& [Name, Bytes] : Contents) {
    EXPECT_EQ(Bytes.find(Examples), std::string::npos) << Name;
    EXPECT_EQ(Bytes.find(Dir.Path().string()), std::string::npos) << Name;
  }
  EXPECT_TRUE(Contents.at("demo.GTL").starts_with("G04 Plt FileName: demo.plt*\r\n"));
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
