// SPDX-License-Identifier: MIT
// quillon.ini: what is read at start-up, what is written at exit, and where
// the file lives.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QToolBar>

#include "AppTestSupport.h"
#include "app/IniFile.h"
#include "app/Settings.h"

namespace quillon::test {
namespace {

using app::TIniFile;
using app::TQuillonMain;

class SettingsTest : public WindowTest {
 protected:
  // Replaces the settings file and starts the window again.
  void StartWith(const std::string& Ini) {
    Window.reset();
    WriteFile(IniFile.toStdString(), Ini);
    Window = std::make_unique<TQuillonMain>(IniFile);
  }
  std::string Folder() const { return Tmp.Path().string(); }
};

TEST_F(SettingsTest, AMissingFileGivesTheDefaults) {
  EXPECT_EQ(Window->OutputFormat, 0);
  EXPECT_TRUE(Window->CAM350ScrAct->isChecked());
  EXPECT_TRUE(Window->MakePadsAct->isChecked());
  EXPECT_TRUE(Window->AddViewCommands->isChecked());
  EXPECT_EQ(Window->PinDialog.InitialDir, QDir::homePath());
  EXPECT_TRUE(Boxes->Boxes.empty());
}

TEST_F(SettingsTest, WhatIsWrittenAtExitReadsBackTheSame) {
  Window->FormatActExecute(3);
  Window->MakeActExecute(Window->MakePadsAct);
  Window->MakeActExecute(Window->MakeTextAct);
  Window->SetToolBarActionShown(Window->FileExit, false);
  Window->SaveDialog.InitialDir = "/some/where";
  Window.reset();
  EXPECT_EQ(ReadFile(IniFile.toStdString()),
            "[Main]\n"
            "Initial_Dir=/some/where\n"
            "\n"
            "[Output]\n"
            "Format=Genesis\n"
            "Pads=0\n"
            "Lines=1\n"
            "Arcs=1\n"
            "Text=0\n"
            "Poly=1\n"
            "View_Commands=1\n"
            "Gerber_Profile=Legacy\n"
            "Excellon=0\n"
            "Genesis_Host=Windows\n"
            "Fab_Names=Protel\n"
            "Outline_From_Extents=0\n"
            "Units=Inch\n"
            "Custom_Dbu=0.0254\n"
            "\n"
            "[ToolBar]\n"
            "FileOpen=1\n"
            "PinFileOpen=1\n"
            "ConvertAction=1\n"
            "FileSaveAs=1\n"
            "CheckAct=1\n"
            "FileExit=0\n"
            "\n"
            "[Recent]\n"
            "File1=\n"
            "File2=\n"
            "File3=\n"
            "File4=\n"
            "File5=\n");
  Window = std::make_unique<TQuillonMain>(IniFile);
  EXPECT_EQ(Window->OutputFormat, 3);
  EXPECT_TRUE(Window->GenesisAct->isChecked());
  EXPECT_FALSE(Window->CAM350ScrAct->isChecked());
  EXPECT_FALSE(Window->MakePadsAct->isChecked());
  EXPECT_FALSE(Window->MakeTextAct->isChecked());
  EXPECT_TRUE(Window->MakeLinesAct->isChecked());
  for (const app::TFileDialog* D : {&Window->PlotDialog, &Window->PinDialog, &Window->SaveDialog})
    EXPECT_EQ(D->InitialDir, "/some/where");
  EXPECT_FALSE(Window->ToolBar->actions().contains(Window->FileExit));
  EXPECT_EQ(Window->ToolBar->actions().size(), 6);  // five buttons and the format list
}

struct FormatCase {
  const char* Value;
  int Format;
};

void PrintTo(const FormatCase& C, std::ostream* Out) { *Out << '"' << C.Value << '"'; }

class FormatValue : public SettingsTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(FormatValue, SelectsTheFormatInAnyLetterCase) {
  StartWith(std::string("[Output]\nFormat=") + GetParam().Value + "\n");
  EXPECT_EQ(Window->OutputFormat, GetParam().Format);
  EXPECT_EQ(Window->CAM350ScrAct->isChecked(), GetParam().Format == 0);
  EXPECT_EQ(Window->GerberAct->isChecked(), GetParam().Format == 1);
  EXPECT_EQ(Window->GenesisAct->isChecked(), GetParam().Format == 3);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatValue,
                         ::testing::Values(FormatCase{"genesis", 3}, FormatCase{"GeNeSiS", 3},
                                           FormatCase{"Gerber", 1}, FormatCase{"MACRO", 0},
                                           FormatCase{"", 0}, FormatCase{"Excellon", 0},
                                           FormatCase{"Genesis2", 0}));

struct BoolCase {
  const char* Value;
  bool Checked;
};

void PrintTo(const BoolCase& C, std::ostream* Out) { *Out << '"' << C.Value << '"'; }

class PadsValue : public SettingsTest, public ::testing::WithParamInterface<BoolCase> {};

TEST_P(PadsValue, IsAnIntegerOrTheDefault) {
  StartWith(std::string("[Output]\nPads=") + GetParam().Value + "\n");
  EXPECT_EQ(Window->MakePadsAct->isChecked(), GetParam().Checked);
}

INSTANTIATE_TEST_SUITE_P(Values, PadsValue,
                         ::testing::Values(BoolCase{"0", false}, BoolCase{"1", true},
                                           BoolCase{"yes", true}, BoolCase{"0x10", true},
                                           BoolCase{"0X0", false}, BoolCase{"0x", true},
                                           BoolCase{"-1", true}, BoolCase{" 0 ", false},
                                           BoolCase{"000", false}, BoolCase{"", true},
                                           BoolCase{"99999999999999999999", true},
                                           BoolCase{"0.0", true}, BoolCase{"false", true}));

TEST_F(SettingsTest, SectionAndKeyNamesIgnoreLetterCase) {
  StartWith("; kept by hand\n[OUTPUT]\nPADS=0\n  arcs = 0\n[main]\ninitial_dir=/tmp/x\n");
  EXPECT_FALSE(Window->MakePadsAct->isChecked());
  EXPECT_FALSE(Window->MakeArcsAct->isChecked());
  EXPECT_TRUE(Window->MakeLinesAct->isChecked());
  EXPECT_EQ(Window->SaveDialog.InitialDir, "/tmp/x");
}

TEST_F(SettingsTest, AFolderThatNoLongerExistsIsPassedOnUnchanged) {
  StartWith("[Main]\nInitial_Dir=/no/such/folder\n");
  EXPECT_EQ(Window->PlotDialog.InitialDir, "/no/such/folder");
  EXPECT_EQ(Window->PinDialog.InitialDir, "/no/such/folder");
  EXPECT_EQ(Window->SaveDialog.InitialDir, "/no/such/folder");
}

TEST_F(SettingsTest, InitialDirWrittenIsTheLastPlotConvertedOrDescriptionOpened) {
  StartWith("[Main]\nInitial_Dir=/read/at/start\n");
  Reopen();
  EXPECT_EQ(TIniFile(IniFile).ReadString("Main", "Initial_Dir", ""), "/read/at/start");

  QDir(QString::fromStdString(Folder())).mkpath("plots");
  QDir(QString::fromStdString(Folder())).mkpath("pins");
  const std::string Plot = Tmp.File("plots/p.plt");
  WriteFile(Plot, PlotBytes({{"TOP", 1}}));
  WriteFile(Tmp.File("pins/d.txt"), "1  1  2\n");
  Window->FileOpenAccept(QString::fromStdString(Plot));
  Reopen();  // opening alone does not move it
  EXPECT_EQ(TIniFile(IniFile).ReadString("Main", "Initial_Dir", ""), "/read/at/start");

  Window->FileOpenAccept(QString::fromStdString(Plot));
  Window->ConvertActionExecute();
  Reopen();
  EXPECT_EQ(TIniFile(IniFile).ReadString("Main", "Initial_Dir", "").toStdString(),
            Folder() + "/plots");

  Window->PinFileOpenAccept(QString::fromStdString(Tmp.File("pins/d.txt")));
  Reopen();
  EXPECT_EQ(TIniFile(IniFile).ReadString("Main", "Initial_Dir", "").toStdString(),
            Folder() + "/pins");
}

TEST_F(SettingsTest, OtherContentOfTheFileIsKept) {
  StartWith("; my notes\n[Output]\nFormat=gerber\nExtra=42\n\n[Mine]\nKey=Value\n");
  Window.reset();
  const TIniFile Ini(IniFile);
  EXPECT_EQ(Ini.ReadString("Output", "Format", ""), "Gerber");
  EXPECT_EQ(Ini.ReadString("Output", "Extra", ""), "42");
  EXPECT_EQ(Ini.ReadString("Mine", "Key", ""), "Value");
  EXPECT_EQ(ReadFile(IniFile.toStdString()).substr(0, 11), "; my notes\n");
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenIsReportedAtExit) {
  Window.reset();
  // A folder where the file should be: no value can be written.
  QFile::remove(IniFile);
  ASSERT_TRUE(QDir().mkpath(IniFile));
  Window = std::make_unique<TQuillonMain>(IniFile);
  Boxes->Boxes.clear();
  Window.reset();
  EXPECT_EQ(Boxes->Texts(), QStringList({"Unable to write to " + IniFile}));
}

TEST_F(SettingsTest, RecentFilesAreRemembered) {
  const std::string Plot = Tmp.File("r.plt");
  WriteFile(Plot, PlotBytes({{"TOP", 1}}));
  Window->FileOpenAccept(QString::fromStdString(Plot));
  Reopen();
  EXPECT_EQ(Window->RecentFiles(), QStringList({QString::fromStdString(Plot)}));
}

TEST(IniFile, ValuesKeepTheirBlanksAndLinesStayLines) {
  TempDir Tmp;
  const QString Path = QString::fromStdString(Tmp.File("t.ini"));
  TIniFile Ini(Path);
  Ini.WriteString("S", "Padded", "  two blanks ");
  Ini.WriteString("S", "Quoted", "\"q\"");
  Ini.WriteString("S", "Broken", "a\nInjected=1");
  const TIniFile Again(Path);
  EXPECT_EQ(Again.ReadString("S", "Padded", ""), "  two blanks ");
  EXPECT_EQ(Again.ReadString("S", "Quoted", ""), "\"q\"");
  EXPECT_EQ(Again.ReadString("S", "Broken", ""), "aInjected=1");
  EXPECT_FALSE(Again.Value("S", "Injected").has_value());
}

TEST(IniFile, ReadsWindowsLineEndsAndAByteOrderMark) {
  TempDir Tmp;
  const std::string Path = Tmp.File("w.ini");
  WriteFile(Path, "\xEF\xBB\xBF[Output]\r\nFormat=Genesis\r\nPads=0\r\n");
  const TIniFile Ini(QString::fromStdString(Path));
  EXPECT_EQ(Ini.ReadString("Output", "Format", ""), "Genesis");
  EXPECT_FALSE(Ini.ReadBool("Output", "Pads", true));
}

TEST(SettingsLocation, BesideTheProgramWhenWritableOrAlreadyThere) {
  TempDir Tmp;
  const QString Exe = QString::fromStdString(Tmp.Path().string());
  EXPECT_EQ(app::SettingsFileName(Exe, "/home/u/.config"), Exe + "/quillon.ini");
  // A folder that cannot take the file (here: one that does not exist).
  const QString Locked = Exe + "/missing";
  EXPECT_EQ(app::SettingsFileName(Locked, "/home/u/.config"),
            "/home/u/.config/quillon/quillon.ini");
  EXPECT_EQ(app::SettingsFileName(Locked, ""), Locked + "/quillon.ini");
}

TEST(SettingsLocation, AFileAlreadyInAReadOnlyProgramFolderStaysThere) {
  TempDir Tmp;
  const QString Exe = QString::fromStdString(Tmp.Path().string()) + "/bin";
  QDir().mkpath(Exe);
  const auto ReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
  QFile::setPermissions(Exe, ReadOnly);
  const bool Locked = !QFileInfo(Exe).isWritable();  // not so for root
  if (Locked) {
    EXPECT_EQ(app::SettingsFileName(Exe, "/cfg"), "/cfg/quillon/quillon.ini");
  }
  QFile::setPermissions(Exe, ReadOnly | QFile::WriteOwner);
  WriteFile(Tmp.File("bin/quillon.ini"), "");
  QFile::setPermissions(Exe, ReadOnly);
  EXPECT_EQ(app::SettingsFileName(Exe, "/cfg"), Exe + "/quillon.ini");
  QFile::setPermissions(Exe, ReadOnly | QFile::WriteOwner);
  if (!Locked) GTEST_SKIP() << "running as root: every folder is writable";
}

}  // namespace
}  // namespace quillon::test
