// SPDX-License-Identifier: MIT
// A session that never saves the wrong board: the output belongs to the plot
// it came from, a plot that cannot be read leaves everything as it was, and a
// save asks before it replaces files the user did not name.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <filesystem>

#include "AppTestSupport.h"

namespace quillon::test {
namespace {

class SessionTest : public WindowTest {
 protected:
  QString Plot(const std::string& Name, const std::string& Layer = "COMP") {
    return QString::fromStdString(WritePlot(
        Name, PlotBytes({{Layer, 1}, {"SOLDER", 2}}, SelectLayer(1) + LineRecord(10, 1, 2, 3, 4))));
  }
};

TEST_F(SessionTest, ConvertWaitsForAPlot) {
  EXPECT_FALSE(Window->ConvertAction->isEnabled());
  Window->ConvertActionExecute();
  EXPECT_TRUE(Window->Board->Output.Empty());
  Window->FileOpenAccept(Plot("a.plt"));
  EXPECT_TRUE(Window->ConvertAction->isEnabled());
}

TEST_F(SessionTest, AnotherPlotDropsTheOutputOfTheFirst) {
  Window->FileOpenAccept(Plot("demo.plt"));
  Window->ConvertActionExecute();
  EXPECT_TRUE(Window->StatusText->text().endsWith("lines from demo.plt"));
  const std::string First = Tmp.File("demo.scr");
  Window->FileSaveAsAccept(QString::fromStdString(First));
  ASSERT_TRUE(std::filesystem::exists(First));
  std::filesystem::remove(First);

  Window->FileOpenAccept(Plot("other.plt", "TOP"));
  EXPECT_TRUE(Window->Board->Output.Empty());
  EXPECT_FALSE(Window->FileSave->isEnabled());
  EXPECT_FALSE(Window->FileSaveAs->isEnabled());
  // Ctrl+S neither rewrites the first board's file nor writes the second's.
  Window->FileSaveExecute();
  EXPECT_FALSE(std::filesystem::exists(First));
  EXPECT_EQ(Window->windowTitle(), "other.plt - Quillon");
}

TEST_F(SessionTest, APlotThatCannotBeReadLeavesTheBoardListsTitleRecentAndOutput) {
  Window->FileOpenAccept(Plot("good.plt"));
  Window->ConvertActionExecute();
  const QStringList Lists = Entries(Window->AperTopCB);
  const QStringList Recent = Window->RecentFiles();
  const std::string Output = Window->Board->Output.Join("\n");

  const std::string Empty = WritePlot("empty.plt", "");
  const std::string Text = WritePlot("text.plt", "0  0.9  1.6\r\n");
  std::string HeaderOnly = PlotBytes({{"TOP", 1}});
  HeaderOnly.resize(20);  // stops before the first layer
  const std::string Cut = WritePlot("cut.plt", HeaderOnly);
  for (const std::string& Bad : {Empty, Text, Cut, Tmp.File("none.plt"), Tmp.Path().string()}) {
    Boxes->Boxes.clear();
    Window->FileOpenAccept(QString::fromStdString(Bad));
    EXPECT_FALSE(Boxes->Boxes.empty()) << Bad;
    EXPECT_EQ(Window->Board->Layers.Count(), 2) << Bad;
    EXPECT_EQ(Entries(Window->AperTopCB), Lists) << Bad;
    EXPECT_EQ(Window->RecentFiles(), Recent) << Bad;
    EXPECT_EQ(Window->windowTitle(), "good.plt - Quillon") << Bad;
    EXPECT_EQ(Window->Board->Output.Join("\n"), Output) << Bad;
    EXPECT_TRUE(Window->FileSave->isEnabled()) << Bad;
    EXPECT_TRUE(Window->StatusText->text().endsWith("the board shown is unchanged")) << Bad;
  }
  Boxes->Boxes.clear();
  Window->FileOpenAccept(QString::fromStdString(Empty));
  EXPECT_EQ(Boxes->Texts(), QStringList({QString::fromStdString(Empty) +
                                         " is empty: a plot file holds at least its header."}));
}

TEST_F(SessionTest, ASaveListsTheOtherFilesItWouldReplaceAndAsksOnce) {
  Window->FileOpenAccept(Plot("board.plt"));
  Window->FormatActExecute(2);
  Window->ConvertActionExecute();
  const std::filesystem::path Out = Tmp.Path() / "out";
  std::filesystem::create_directory(Out);
  const QString Target = QString::fromStdString((Out / "board.scr").string());
  // Another board's layer files in the folder.
  const std::vector<TOutputFile> Files = Window->Board->OutputFiles(Target.toStdString());
  ASSERT_EQ(Files.size(), 3u);
  for (std::size_t I = 1; I < Files.size(); ++I) WriteFile(Files[I].Path, "other board");

  Boxes->Answers = {"No"};
  Window->FileSaveAsAccept(Target);
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  const QString Asked = Boxes->Boxes[0].Text;
  for (std::size_t I = 1; I < Files.size(); ++I)
    EXPECT_TRUE(Asked.contains(
        QString::fromStdString(std::filesystem::path(Files[I].Path).filename().string())))
        << Asked.toStdString();
  EXPECT_EQ(Boxes->Boxes[0].Buttons, QStringList({"Yes", "No"}));
  EXPECT_FALSE(std::filesystem::exists(Target.toStdString()));
  EXPECT_EQ(ReadFile(Files[1].Path), "other board");
  EXPECT_EQ(Window->StatusText->text(), "Not saved");

  Boxes->Answers = {"Yes"};
  Window->FileSaveAsAccept(Target);
  EXPECT_EQ(Boxes->Boxes.size(), 2u);
  EXPECT_NE(ReadFile(Files[1].Path), "other board");
  // Saving this output again replaces only its own files: no question.
  Window->FileSaveExecute();
  EXPECT_EQ(Boxes->Boxes.size(), 2u);
}

TEST_F(SessionTest, AFailedSaveLeavesNoStaleStep) {
  Window->FileOpenAccept(Plot("s.plt"));
  Window->ConvertActionExecute();
  Window->FileSaveAsAccept(QString::fromStdString(Tmp.File("missing/s.scr")));
  EXPECT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_EQ(Window->StatusText->text(), "s.scr was not saved");
}

}  // namespace
}  // namespace quillon::test
