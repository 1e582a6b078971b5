// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "script/ScriptPcb.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

TEST(FabSave, TheDrillFileIsNamedAfterTheMainFile) {
  EXPECT_EQ(DrillFileName("out/board.scr"), "out/board.drl");
  EXPECT_EQ(DrillFileName("out/board"), "out/board.drl");
  EXPECT_EQ(DrillFileName("out.v2/board"), "out.v2/board.drl");
  EXPECT_EQ(DrillFileName("out/.scr"), "out/.scr.drl");
  EXPECT_EQ(DrillFileName("out/board.drl"), "out/board.drl.drl");  // never the main file
}

TEST(FabSave, SavingWritesTheDrillFileBesideTheLayerFilesOnlyAfterAFabConversion) {
  TScriptingPcb Board;
  BuildRichBoard(Board);
  Board.GerberProfile = TGerberProfile::Fab;
  Board.FabNames = TFabNames::Indexed;
  Board.ExcellonDrill = true;
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  TempDir Dir;
  Board.SaveToFile(Dir.File("board.scr"));
  EXPECT_EQ(ReadFile(Dir.File("board.drl")), Board.DrillOutput.Join());
  EXPECT_EQ(ReadFile(Dir.File("0COMP.gbr")), Board.LayerOutputs[0].Join());
  EXPECT_EQ(ReadFile(Dir.File("4PIN.gbr")).substr(0, 15), "%FSLAX46Y46*%\r\n");

  TempDir Again;
  Board.GerberProfile = TGerberProfile::Legacy;
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  Board.SaveToFile(Again.File("board.scr"));
  EXPECT_FALSE(std::filesystem::exists(Again.File("board.drl")));
  EXPECT_TRUE(std::filesystem::exists(Again.File("0COMP.gbr")));
}

TEST(FabSave, TheFabSwitchesLeaveTheLegacyOutputAlone) {
  TScriptingPcb Plain, Switched;
  BuildRichBoard(Plain);
  BuildRichBoard(Switched);
  Switched.ExcellonDrill = true;
  Switched.X2AsComments = true;
  Plain.Convert(coAll, fmtGerber, MillimetreScale);
  Switched.Convert(coAll, fmtGerber, MillimetreScale);
  EXPECT_EQ(Switched.LayerOutputs, Plain.LayerOutputs);
  EXPECT_EQ(Switched.Output, Plain.Output);
  EXPECT_TRUE(Switched.DrillOutput.Empty());
}

TEST(FabSave, BothProfilesGiveTheSameTextMacro) {
  TScriptingPcb Legacy, Fab;
  BuildRichBoard(Legacy);
  BuildRichBoard(Fab);
  TPcbText& Text = Legacy.Layers.Items(0).Texts.Add();
  Text.Text = "Q1";
  Text.Size = 100;
  Text.Justification = 25;
  Fab.Layers.Items(0).Texts.Add() = Text;
  Fab.GerberProfile = TGerberProfile::Fab;
  Legacy.Convert(coAll, fmtGerber, MillimetreScale);
  Fab.Convert(coAll, fmtGerber, MillimetreScale);
  EXPECT_EQ(Fab.Output, Legacy.Output);
}

TEST(FabCli, FabOnlyOptionsNeedTheFabProfile) {
  TempDir Dir;
  const std::string Out = " -o " + Dir.File("x.gbr");
  CommandResult R = RunCli("convert none.plt --format gerber --excellon" + Out);
  EXPECT_EQ(R.ExitCode, 2);
  EXPECT_NE(R.Err.find("--excellon needs --gerber-profile fab"), std::string::npos) << R.Err;
  R = RunCli("convert none.plt --format gerber --gerber-profile legacy --x2-as-comments" + Out);
  EXPECT_EQ(R.ExitCode, 2);
  EXPECT_NE(R.Err.find("--x2-as-comments needs --gerber-profile fab"), std::string::npos) << R.Err;
  R = RunCli("convert none.plt --gerber-profile fab" + Out);
  EXPECT_EQ(R.ExitCode, 2);
  EXPECT_NE(R.Err.find("--gerber-profile fab needs --format gerber"), std::string::npos) << R.Err;
  for (const char* Option : {"--silk-top 1", "--outline none", "--outline-from-extents",
                             "--fab-names indexed", "--zip p.zip"}) {
    R = RunCli("convert none.plt --format gerber " + std::string(Option) + Out);
    EXPECT_EQ(R.ExitCode, 2) << Option;
    EXPECT_NE(R.Err.find(" needs --gerber-profile fab"), std::string::npos) << R.Err;
  }
  R = RunCli("convert none.plt --format gerber --gerber-profile modern" + Out);
  EXPECT_EQ(R.ExitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(Dir.File("x.gbr")));
}

}  // namespace
}  // namespace quillon::test
