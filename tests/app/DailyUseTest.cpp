// SPDX-License-Identifier: MIT
// The steps of daily use: keys, the format menu, saving and what the status
// bar says about it, what a drop opens, the command line, the window's size.

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMap>
#include <QScreen>
#include <QToolButton>
#include <filesystem>

#include "AppTestSupport.h"
#include "app/OutputView.h"

namespace quillon::test {
namespace {

class DailyUseTest : public WindowTest {
 protected:
  QString Plot(const std::string& Name) {
    return QString::fromStdString(WritePlot(
        Name,
        PlotBytes({{"COMP", 1}, {"SOLDER", 2}}, SelectLayer(1) + LineRecord(10, 1, 2, 3, 4))));
  }
};

TEST_F(DailyUseTest, NoTwoCommandsShareAKey) {
  // Ctrl+O once belonged to two actions: after the File menu had been shown
  // the key did nothing at all.
  QMap<QString, QStringList> ByKey;
  for (const QAction* Action : Window->findChildren<QAction*>())
    if (!Action->shortcut().isEmpty())
      ByKey[Action->shortcut().toString()].append(Action->objectName());
  for (auto It = ByKey.cbegin(); It != ByKey.cend(); ++It)
    EXPECT_EQ(It.value().size(), 1)
        << It.key().toStdString() << ": " << It.value().join(", ").toStdString();
  EXPECT_EQ(ByKey.value("Ctrl+O"), QStringList({"FileOpen"}));
  EXPECT_EQ(ByKey.value("F5"), QStringList({"ConvertAction"}));
  EXPECT_EQ(ByKey.value("Ctrl+S"), QStringList({"FileSave"}));
  EXPECT_EQ(ByKey.value("Ctrl+F"), QStringList({"FindAct"}));
}

TEST_F(DailyUseTest, GerberIsChosenFromTheMenuAndSavesItsFilesWithTheirCount) {
  Window->FileOpenAccept(Plot("board.plt"));
  ASSERT_TRUE(Window->GerberAct->isEnabled());
  Window->GerberAct->trigger();
  EXPECT_EQ(Window->OutputFormat, fmtGerber);
  Window->ConvertActionExecute();
  EXPECT_EQ(Window->SaveDialog.DefaultExt, "scr");
  EXPECT_EQ(Window->SaveDialog.FileName, "board.scr");

  const std::filesystem::path Out = Tmp.Path() / "out";
  std::filesystem::create_directory(Out);
  const QString Folder = QString::fromStdString(Out.string());
  EXPECT_FALSE(Window->OpenFolderAct->isVisible());
  Window->FileSaveAsAccept(Folder + "/board.gbr");
  // The text file and one file per layer.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Out), {}), 3);
  EXPECT_EQ(Window->StatusText->text(), "Saved 3 files in " + Folder);
  EXPECT_EQ(Window->SavedFolder(), Folder);
  EXPECT_TRUE(Window->OpenFolderAct->isVisible());
  EXPECT_EQ(Window->OpenFolderButton->defaultAction(), Window->OpenFolderAct);
}

TEST_F(DailyUseTest, TheSaveSuffixFollowsTheFormatOfTheOutput) {
  Window->FileOpenAccept(Plot("demo.plt"));
  const std::pair<int, const char*> Cases[] = {{3, "csh"}, {1, "scr"}, {2, "scr"}};
  for (const auto& [Tag, Suffix] : Cases) {
    Window->FormatActExecute(Tag);
    Window->ConvertActionExecute();
    EXPECT_EQ(Window->SaveDialog.DefaultExt, Suffix) << Tag;
  }
}

TEST_F(DailyUseTest, SavingWaitsForAnOutputAndCtrlSSavesAgain) {
  EXPECT_FALSE(Window->FileSaveAs->isEnabled());
  EXPECT_FALSE(Window->FileSave->isEnabled());
  const std::string Early = Tmp.File("early.scr");
  Window->FileSaveAsAccept(QString::fromStdString(Early));
  EXPECT_FALSE(std::filesystem::exists(Early));

  Window->FileOpenAccept(Plot("s.plt"));
  Window->ConvertActionExecute();
  EXPECT_TRUE(Window->FileSaveAs->isEnabled());
  const std::string Target = Tmp.File("s.scr");
  Window->FileSaveAsAccept(QString::fromStdString(Target));
  EXPECT_EQ(Window->StatusText->text(),
            "Saved s.scr in " + QString::fromStdString(Tmp.Path().string()));
  std::filesystem::remove(Target);
  Window->FileSaveExecute();
  EXPECT_EQ(ReadFile(Target), Window->Board->Output.Join("\r\n"));
  EXPECT_TRUE(Boxes->Boxes.empty());
}

TEST_F(DailyUseTest, AWrongSignatureNamesTheFileAndWhatWasExpected) {
  const std::string Text = Tmp.File("pins.txt");
  WriteFile(Text, "1  0.9  1.6\r\n");
  Window->FileOpenAccept(QString::fromStdString(Text));
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  const QString Shown = Boxes->Boxes[0].Text;
  EXPECT_TRUE(Shown.startsWith(QString::fromUtf8("Неправильная сигнатура файла!")))
      << Shown.toStdString();
  EXPECT_TRUE(Shown.contains(QString::fromStdString(Text))) << Shown.toStdString();
  EXPECT_TRUE(Shown.contains("0x804E")) << Shown.toStdString();
}

TEST_F(DailyUseTest, DropsOpenPlotsAndTextsAndRefuseTheRest) {
  const std::string Png = Tmp.File("picture.png");
  WriteFile(Png, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
  const std::string Pins = Tmp.File("pins.dat");
  WriteFile(Pins, "1  0.9  1.6\r\n");
  const QString Board = Plot("d.plt");
  Window->OpenDroppedFiles({QString::fromStdString(Png)});
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_TRUE(Boxes->Boxes[0].Text.contains("picture.png"));
  EXPECT_TRUE(Window->DescriptionText.Empty());
  EXPECT_TRUE(Window->PinDialog.FileName.isEmpty());

  Window->OpenDroppedFiles({QString::fromStdString(Pins), Board});
  EXPECT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_EQ(Window->DescriptionText.Count(), 1);
  EXPECT_EQ(Window->Board->Layers.Count(), 2);
  EXPECT_FALSE(app::TQuillonMain::LooksLikeTextFile(QString::fromStdString(Png)));
  EXPECT_FALSE(app::TQuillonMain::LooksLikeTextFile(QString::fromStdString(Tmp.File("none"))));
}

TEST_F(DailyUseTest, TheCommandLineOpensThePlotAndItsDescription) {
  const std::string Pins = Tmp.File("pins.txt");
  WriteFile(Pins, "1  0.9  1.6\r\n");
  Window->OpenCommandLine({Plot("c.plt"), QString::fromStdString(Pins)});
  EXPECT_EQ(Window->Board->Layers.Count(), 2);
  EXPECT_EQ(Window->PinDialog.FileName, QString::fromStdString(Pins));
  EXPECT_EQ(Window->DescriptionText.Count(), 1);
  Window->OpenCommandLine({});
  EXPECT_TRUE(Boxes->Boxes.empty());
}

TEST_F(DailyUseTest, TheWindowFitsTheScreen) {
  const QRect Free = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(Window->height(), Free.height());
  EXPECT_LE(Window->width(), Free.width());
  EXPECT_GE(Window->y(), Free.top());
}

}  // namespace
}  // namespace quillon::test
