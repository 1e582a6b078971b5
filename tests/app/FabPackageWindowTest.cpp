// SPDX-License-Identifier: MIT
// The fab package from the window: the silkscreen and outline lists, the
// outline drawn from the extents, the file names, the archive that Save As
// writes, and a stopped conversion that leaves the last package whole.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <map>

#include "AppTestSupport.h"
#include "ZipContents.h"
#include "app/FileDialogs.h"
#include "app/OptFormUnit.h"
#include "app/WorkRunner.h"

namespace quillon::test {
namespace {

std::vector<std::string> FolderListing(const std::string& Folder) {
  std::vector<std::string> Names;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder))
    Names.push_back(Entry.path().filename().string());
  std::sort(Names.begin(), Names.end());
  return Names;
}

class FabPackageWindowTest : public WindowTest {
 protected:
  // A user's choice in a list, as a click makes it.
  static void Choose(QComboBox* List, int Index) {
    List->setCurrentIndex(Index);
    emit List->activated(Index);
  }
  std::vector<int> PackageSelection() const {
    return {Window->SilkTopCB->currentIndex(), Window->SilkBotCB->currentIndex(),
            Window->OutlineCB->currentIndex()};
  }
  void OpenPlot(const std::string& Name, const std::vector<std::pair<std::string, int>>& Layers) {
    const std::string Body = SelectLayer(Layers.front().second) + LineRecord(10, 0, 0, 1000, 0);
    Window->FileOpenAccept(QString::fromStdString(WritePlot(Name, PlotBytes(Layers, Body))));
  }
  // The demo board with its pins, converted to the fab package with the
  // outline from the extents: every kind of package file is made.
  void ConvertDemo() {
    Boxes->Otherwise = "Yes";
    Window->FileOpenAccept(QString::fromStdString(SourcePath("examples/demo.plt")));
    Window->PinFileOpenAccept(QString::fromStdString(SourcePath("examples/demo-pins.txt")));
    Window->ReadPinBtnClick();
    Window->FormatActExecute(2);
    Window->GerberProfile = TGerberProfile::Fab;
    Window->ExcellonDrill = true;
    Window->OutlineFromExtentsBox->setChecked(true);
    Window->ConvertActionExecute();
  }
  std::vector<std::string> SavedNames(const std::string& Main) {
    std::vector<std::string> Names;
    Window->Board->PrepareSave(Main);
    for (const TOutputFile& File : Window->Board->OutputFiles(Main)) Names.push_back(File.Path);
    return Names;
  }
};

TEST_F(FabPackageWindowTest, PackageListsOfferNoneAndPreselectByName) {
  OpenPlot("roles.plt", {{"COMP", 1}, {"SILK", 2}, {"BOARD", 3}, {"TOP", 4}});
  const QStringList Expected = {"(none)", "1: COMP", "2: SILK", "3: BOARD", "4: TOP"};
  for (const QComboBox* List : {Window->SilkTopCB, Window->SilkBotCB, Window->OutlineCB})
    EXPECT_EQ(Entries(List), Expected);
  EXPECT_EQ(PackageSelection(), (std::vector<int>{2, 0, 3}));

  // The conversion takes the lists, not the names.
  Window->FormatActExecute(2);
  Window->GerberProfile = TGerberProfile::Fab;
  Window->ConvertActionExecute();
  EXPECT_TRUE(Window->Board->FabPackageMade);
  EXPECT_EQ(Window->Board->SilkTopLayer, std::optional<std::uint8_t>(1));
  EXPECT_EQ(Window->Board->SilkBottomLayer, std::nullopt);
  EXPECT_EQ(Window->Board->OutlineLayer, std::optional<std::uint8_t>(2));
  EXPECT_FALSE(Window->Board->OutlineFromExtents);
  EXPECT_TRUE(Window->Board->OutlineOutput.Empty());

  Window->SilkBotCB->setCurrentIndex(4);
  Window->OutlineCB->setCurrentIndex(0);
  Window->OutlineFromExtentsBox->setChecked(true);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->Board->SilkBottomLayer, std::optional<std::uint8_t>(3));
  EXPECT_EQ(Window->Board->OutlineLayer, std::nullopt);
  EXPECT_TRUE(Window->Board->OutlineFromExtents);
  EXPECT_FALSE(Window->Board->OutlineOutput.Empty());
  EXPECT_TRUE(Boxes->Boxes.empty()) << Boxes->Texts().join('\n').toStdString();
  // The check box says what it guesses.
  EXPECT_TRUE(Window->OutlineFromExtentsBox->toolTip().contains("guess"));
}

TEST_F(FabPackageWindowTest, HandChoicesAndTheExtentsBoxAreRemembered) {
  OpenPlot("first.plt", {{"SILK", 1}, {"BOARD", 2}, {"TOP", 3}});
  Choose(Window->SilkTopCB, 3);  // TOP, against the name
  Choose(Window->OutlineCB, 0);  // none, against the name
  Window->OutlineFromExtentsBox->setChecked(true);
  Window->FabNames = TFabNames::Indexed;
  Reopen();
  const std::string Ini = ReadFile(IniFile.toStdString());
  EXPECT_NE(Ini.find("Silk_Top_Layer=TOP\n"), std::string::npos) << Ini;
  EXPECT_NE(Ini.find("Outline_Layer=\n"), std::string::npos) << Ini;
  EXPECT_EQ(Ini.find("Silk_Bottom_Layer"), std::string::npos) << Ini;  // never chosen
  EXPECT_NE(Ini.find("Outline_From_Extents=1\n"), std::string::npos) << Ini;
  EXPECT_NE(Ini.find("Fab_Names=Indexed\n"), std::string::npos) << Ini;
  EXPECT_TRUE(Window->OutlineFromExtentsBox->isChecked());
  EXPECT_EQ(Window->FabNames, TFabNames::Indexed);

  // The remembered layer wins where the plot has it, in any case; else the names decide.
  OpenPlot("second.plt", {{"top", 1}, {"SILK", 2}, {"BOARD", 3}});
  EXPECT_EQ(PackageSelection(), (std::vector<int>{1, 0, 0}));
  OpenPlot("third.plt", {{"SILK", 1}, {"BOARD", 2}});
  EXPECT_EQ(PackageSelection(), (std::vector<int>{1, 0, 0}));

  // A name that would break its line in the file is not kept.
  OpenPlot("fifth.plt", {{"SILK", 1}, {"A\nB", 2}});
  Choose(Window->SilkBotCB, 2);
  Reopen();
  EXPECT_EQ(ReadFile(IniFile.toStdString()).find("A\nB"), std::string::npos);

  // Forgotten again, the names preselect.
  Window.reset();
  WriteFile(IniFile.toStdString(), "[Output]\nFab_Names=protel\n");
  Window = std::make_unique<app::TQuillonMain>(IniFile);
  OpenPlot("fourth.plt", {{"SILK", 1}, {"BOARD", 2}});
  EXPECT_EQ(PackageSelection(), (std::vector<int>{1, 0, 2}));
  EXPECT_EQ(Window->FabNames, TFabNames::Protel);
  EXPECT_FALSE(Window->OutlineFromExtentsBox->isChecked());
}

TEST(FabNamesOption, OfferedOnlyWithTheFabProfileAndKeptByApply) {
  app::TOptDlg Dlg;
  Dlg.SetMode(false);
  EXPECT_EQ(Entries(Dlg.FabNamesBox), (QStringList{"Protel", "Indexed"}));
  EXPECT_FALSE(Dlg.FabNamesBox->isEnabled());
  Dlg.GerberProfileBox->setCurrentIndex(1);
  EXPECT_TRUE(Dlg.FabNamesBox->isEnabled());
  Dlg.FabNamesBox->setCurrentIndex(1);
  EXPECT_TRUE(Dlg.ApplyBtn->isEnabled());
  Dlg.ApplyBtnClick();
  EXPECT_EQ(Dlg.FabNames, TFabNames::Indexed);
  Dlg.FabNamesBox->setCurrentIndex(0);
  Dlg.CancelBtnClick();
  EXPECT_EQ(Dlg.FabNames, TFabNames::Indexed);
  EXPECT_EQ(Dlg.FabNamesBox->currentIndex(), 1);

  Dlg.FabNames = TFabNames::Protel;
  Dlg.SetGerberChoices(TGerberProfile::Legacy, false);
  EXPECT_EQ(Dlg.FabNamesBox->currentIndex(), 0);
  EXPECT_FALSE(Dlg.FabNamesBox->isEnabled());
}

TEST_F(FabPackageWindowTest, TheNamesChoiceNamesTheSavedFiles) {
  OpenPlot("names.plt", {{"COMP", 1}, {"SOLDER", 2}, {"MSKGTP", 3}, {"MSKGBT", 4}, {"PIN", 5}});
  Window->FormatActExecute(2);
  Window->GerberProfile = TGerberProfile::Fab;
  Window->ConvertActionExecute();
  const std::string Main = Tmp.File("out.gbr");
  EXPECT_EQ(SavedNames(Main)[1], Tmp.File("out.GTL"));
  Window->FabNames = TFabNames::Indexed;
  Window->ConvertActionExecute();
  EXPECT_EQ(SavedNames(Main)[1], Tmp.File("0COMP.gbr"));
}

TEST(SaveDialogFilter, TheChosenFileTypeGivesTheExtension) {
  EXPECT_EQ(app::FilterSuffix("Fab package (*.zip)"), "zip");
  EXPECT_EQ(app::FilterSuffix("Out files, *.scr; *.gbr (*.scr *.gbr)"), "");
  EXPECT_EQ(app::FilterSuffix("All Files, *.* (*)"), "");
  EXPECT_EQ(app::FilterSuffix("Odd (*.g*)"), "");
  EXPECT_EQ(app::ToQtFilter("Fab package|*.zip"), "Fab package (*.zip)");
}

TEST_F(FabPackageWindowTest, SaveAsZipWritesTheArchiveAloneWithThePackageAtItsRoot) {
  ConvertDemo();
  ASSERT_TRUE(Window->Board->FabPackageMade);
  ASSERT_FALSE(Window->Board->NonPlatedDrillOutput.Empty());
  EXPECT_TRUE(Window->SaveDialog.Filter.contains("|Fab package|*.zip|"));

  const std::size_t Questions = Boxes->Boxes.size();  // the demo's undefined pins
  const std::string Folder = Tmp.File("out");
  std::filesystem::create_directories(Folder);
  Window->FileSaveAsAccept(QString::fromStdString(Folder + "/board.zip"));
  EXPECT_EQ(FolderListing(Folder), (std::vector<std::string>{"board.zip"}));
  EXPECT_EQ(Window->StatusText->text(),
            "Saved board.zip in " + QDir(QString::fromStdString(Folder)).absolutePath());

  // The entries are what a save of board.gbr beside it writes, all but the macro.
  const auto Contents = ZipContents(Folder + "/board.zip");
  std::map<std::string, std::string> Expected;
  const std::vector<TOutputFile> Files = Window->Board->OutputFiles(Folder + "/board.gbr");
  for (std::size_t I = 1; I < Files.size(); ++I)
    Expected[std::filesystem::path(Files[I].Path).filename().string()] =
        Files[I].Lines->Join(Files[I].LineEnd);
  EXPECT_EQ(Contents, Expected);
  for (const char* Name :
       {"board.GTL", "board.GKO", "board-PTH.drl", "board-NPTH.drl", "board.gbrjob"})
    EXPECT_TRUE(Contents.contains(Name)) << Name;

  // Ctrl+S saves the archive again.
  const std::string First = ReadFile(Folder + "/board.zip");
  Window->FileSaveExecute();
  EXPECT_EQ(ReadFile(Folder + "/board.zip"), First);
  EXPECT_EQ(Boxes->Boxes.size(), Questions) << Boxes->Texts().join('\n').toStdString();

  // After a legacy conversion there is no package to offer.
  Window->GerberProfile = TGerberProfile::Legacy;
  Window->ConvertActionExecute();
  EXPECT_FALSE(Window->SaveDialog.Filter.contains("zip"));
}

TEST_F(FabPackageWindowTest, AnArchiveNeverReplacesTheInputOrHoldsTwoFilesOfOneName) {
  // A plot file named like an archive: saving over it is refused.
  const std::string Plot = WritePlot("in.zip", PlotBytes({{"COMP", 1}, {"ab", 2}}));
  Window->FileOpenAccept(QString::fromStdString(Plot));
  Window->FormatActExecute(2);
  Window->GerberProfile = TGerberProfile::Fab;
  Window->ConvertActionExecute();
  const std::string Bytes = ReadFile(Plot);
  Window->FileSaveAsAccept(QString::fromStdString(Plot));
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_TRUE(Boxes->Boxes[0].Text.startsWith("Cannot write \"" + QString::fromStdString(Plot)))
      << Boxes->Boxes[0].Text.toStdString();
  EXPECT_EQ(ReadFile(Plot), Bytes);

  // "ab" and "AB" would be one name in the archive (and on many disks).
  OpenPlot("case.plt", {{"COMP", 1}, {"ab", 2}, {"AB", 3}});
  Window->ConvertActionExecute();
  const std::string Zip = Tmp.File("pkg.zip");
  Window->FileSaveAsAccept(QString::fromStdString(Zip));
  ASSERT_EQ(Boxes->Boxes.size(), 2u);
  EXPECT_TRUE(Boxes->Boxes[1].Text.contains("would both be written to"))
      << Boxes->Boxes[1].Text.toStdString();
  EXPECT_FALSE(std::filesystem::exists(Zip));
}

TEST_F(FabPackageWindowTest, ACancelledConversionKeepsTheLastPackage) {
  ConvertDemo();
  const std::string Main = Tmp.File("demo.gbr");
  const std::vector<std::string> Names = SavedNames(Main);  // also writes the job file
  const TScriptingPcb& Board = *Window->Board;
  const std::string Outline = Board.OutlineOutput.Join();
  const std::string Plated = Board.DrillOutput.Join();
  const std::string NonPlated = Board.NonPlatedDrillOutput.Join();
  const std::string Job = Board.JobOutput.Join();
  ASSERT_FALSE(Outline.empty());
  ASSERT_FALSE(Job.empty());
  const auto SilkTop = Board.SilkTopLayer;

  // Other choices, then Cancel at the first step.
  Window->OutlineFromExtentsBox->setChecked(false);
  Window->FabNames = TFabNames::Indexed;
  Window->SilkTopCB->setCurrentIndex(1);
  const auto Connection = QObject::connect(
      Window->Worker(), &app::TWorkRunner::StageChanged, Window->Worker(),
      [this] { Window->Worker()->Cancel(); }, Qt::DirectConnection);
  Window->ConvertActionExecute();
  QObject::disconnect(Connection);
  EXPECT_EQ(Window->StatusText->text(), "Conversion cancelled");

  EXPECT_TRUE(Board.FabPackageMade);
  EXPECT_TRUE(Board.OutlineFromExtents);
  EXPECT_EQ(Board.FabNames, TFabNames::Protel);
  EXPECT_EQ(Board.SilkTopLayer, SilkTop);
  EXPECT_EQ(Board.OutlineOutput.Join(), Outline);
  EXPECT_EQ(Board.DrillOutput.Join(), Plated);
  EXPECT_EQ(Board.NonPlatedDrillOutput.Join(), NonPlated);
  EXPECT_EQ(Board.JobOutput.Join(), Job);
  EXPECT_EQ(SavedNames(Main), Names);
  EXPECT_EQ(Board.JobOutput.Join(), Job);
}

TEST_F(FabPackageWindowTest, AFailedConversionKeepsTheLastPackage) {
  // Only the first 256 layers can take a role.
  std::vector<std::pair<std::string, int>> Layers = {{"COMP", 1}, {"SILK", 2}};
  for (int I = 2; I < 258; ++I) Layers.push_back({"L" + std::to_string(I), I % 200 + 3});
  OpenPlot("many.plt", Layers);
  Window->FormatActExecute(2);
  Window->GerberProfile = TGerberProfile::Fab;
  Window->OutlineFromExtentsBox->setChecked(true);
  Window->ConvertActionExecute();
  ASSERT_TRUE(Window->Board->FabPackageMade);
  const std::string Outline = Window->Board->OutlineOutput.Join();
  const std::size_t LayerFiles = Window->Board->LayerOutputs.size();

  Window->SilkTopCB->setCurrentIndex(258);  // layer 257
  Window->ConvertActionExecute();
  EXPECT_EQ(Boxes->Texts(), QStringList({"Range check error"}));
  EXPECT_TRUE(Window->Board->FabPackageMade);
  EXPECT_EQ(Window->Board->SilkTopLayer, std::optional<std::uint8_t>(1));
  EXPECT_EQ(Window->Board->OutlineOutput.Join(), Outline);
  EXPECT_EQ(Window->Board->LayerOutputs.size(), LayerFiles);
  EXPECT_TRUE(Window->FileSaveAs->isEnabled());
}

}  // namespace
}  // namespace quillon::test
