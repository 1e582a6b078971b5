// SPDX-License-Identifier: MIT
// What a broken plot file does: every failure the reader knows, with its
// message, its error and the board it leaves.

#include <filesystem>

#include "PlotLoadFixture.h"

namespace quillon::test {
namespace {

using Failures = PlotLoadTest;

const std::vector<std::string> EofMessage{"EOF!!!!!"};

// A board of two layers with items, loaded first so that a failing load shows
// what it leaves of an earlier board.
PlotBuilder EarlierBoard() {
  PlotBuilder P;
  P.Header(3, {1, 2, 3, 4}, 2500).Layers({{"OLD1", 1}, {"OLD2", 2}});
  P.Line(1, 1, 2, 2, 3).SelectLayer(2).Flash(1, 0, 0);
  return P;
}

TEST_F(Failures, FileCannotBeOpened) {
  ASSERT_TRUE(Load(EarlierBoard()));
  const std::string Missing = Tmp.File("missing.plt");
  try {
    Pcb.LoadFromFile(Missing);
    FAIL() << "no error";
  } catch (const TPlotError& E) {
    EXPECT_STREQ(E.what(),
                 ("Cannot open file \"" + Missing + "\". No such file or directory").c_str());
    EXPECT_EQ(E.FileName, Missing);
    EXPECT_EQ(E.Offset, -1);
  }
  EXPECT_EQ(Pcb.Layers.Count(), 0);
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(Failures, FolderCannotBeOpened) {
  const std::string Folder = Tmp.File("folder.plt");
  std::filesystem::create_directory(Folder);
  try {
    Pcb.LoadFromFile(Folder);
    FAIL() << "no error";
  } catch (const TPlotError& E) {
    EXPECT_STREQ(E.what(), ("Cannot open file \"" + Folder + "\". Is a directory").c_str());
  }
}

TEST_F(Failures, WrongSignatureKeepsEarlierHeaderValues) {
  ASSERT_TRUE(Load(EarlierBoard()));
  PlotBuilder P;
  P.Word(0x804F).Word(4).Word(0).Word(0).Word(9).Word(9).Word(0).Word(1000);
  P.Layers({{"NEW", 1}});
  EXPECT_FALSE(Load(P));
  EXPECT_EQ(Prompts.Messages, std::vector<std::string>{"Неправильная сигнатура файла!"});
  EXPECT_EQ(Pcb.Layers.Count(), 0);
  EXPECT_EQ(Pcb.Version, "2.0");
  EXPECT_EQ(Pcb.Scale, 2.5);
  EXPECT_EQ(Pcb.Extents.Left, 1);
  EXPECT_EQ(Pcb.Extents.Bottom, 4);
  EXPECT_EQ(Pcb.UnknownTagCount, 0);
}

TEST_F(Failures, SignatureBytesSwapped) {
  EXPECT_FALSE(LoadBytes(std::string("\x80\x4E", 2)));
  EXPECT_EQ(Prompts.Messages, std::vector<std::string>{"Неправильная сигнатура файла!"});
}

TEST_F(Failures, LayerCountZeroAfterTheFollowingWord) {
  ASSERT_TRUE(Load(EarlierBoard()));
  PlotBuilder P;
  P.Header().LayerCount(0).Line(1, 2, 3, 4, 5);
  const TPlotError E = LoadStopping(P);
  EXPECT_STREQ(E.what(), "Range check error");
  EXPECT_EQ(E.Offset, 16);
  EXPECT_EQ(E.FileName, PlotFile());
  EXPECT_EQ(Pcb.Layers.Count(), 0);
  EXPECT_TRUE(Prompts.Messages.empty());
  // The header was read: its values are the new file's.
  EXPECT_EQ(Pcb.Version, "4.0");

  // A file that ends right after the count (or inside the word after it)
  // stops at the end of the file instead.
  PlotBuilder Q;
  Q.Header().Word(0);
  EXPECT_STREQ(LoadStopping(Q).what(), "Read beyond end of file");
  EXPECT_EQ(Prompts.Messages, EofMessage);
  Prompts.Messages.clear();
  Q.Byte(0);
  EXPECT_STREQ(LoadStopping(Q).what(), "Read beyond end of file");
  EXPECT_EQ(Prompts.Messages, EofMessage);
  Prompts.Messages.clear();
  Q.Byte(0);
  EXPECT_STREQ(LoadStopping(Q).what(), "Range check error");
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(Failures, EndOfFileInsideTheHeader) {
  ASSERT_TRUE(Load(EarlierBoard()));
  PlotBuilder P;
  P.Header(2, {5, 6, 7, 8}, 100);
  for (std::size_t Length : {0u, 1u, 2u, 3u, 9u, 15u}) {
    Prompts.Messages.clear();
    const TPlotError E = LoadStopping(P.Prefix(Length));
    EXPECT_STREQ(E.what(), "Read beyond end of file") << Length;
    EXPECT_EQ(E.Offset, static_cast<std::int64_t>(Length));
    EXPECT_EQ(Prompts.Messages, EofMessage) << Length;
    EXPECT_EQ(Pcb.Layers.Count(), 0);
  }
  // Nothing of the header is stored before all of it was read.
  EXPECT_EQ(Pcb.Version, "2.0");
  EXPECT_EQ(Pcb.Extents.Left, 1);
}

TEST_F(Failures, EndOfFileInsideALayerHeader) {
  PlotBuilder P;
  P.Header().LayerCount(3).LayerHeader({"COMP", 1}).LayerHeader({"SOLDER", 2}).Raw("PI");
  const TPlotError E = LoadStopping(P);
  EXPECT_STREQ(E.what(), "Read beyond end of file");
  EXPECT_EQ(E.Offset, static_cast<std::int64_t>(P.Size()));
  EXPECT_EQ(Prompts.Messages, EofMessage);
  ASSERT_EQ(Pcb.Layers.Count(), 2);
  EXPECT_EQ(Layer(1).Name, "SOLDER");
}

// A count that the file cannot back ends at the file's end, one layer at a
// time; nothing is set aside for 65535 layers.
TEST_F(Failures, LayerCountBeyondTheFile) {
  PlotBuilder P;
  P.Header().LayerCount(65535).LayerHeader({"A", 1});
  EXPECT_STREQ(LoadStopping(P).what(), "Read beyond end of file");
  EXPECT_EQ(Pcb.Layers.Count(), 1);
}

TEST_F(Failures, EndOfFileInsideARecord) {
  PlotBuilder P = OneLayer();
  P.Line(1, 2, 3, 4, 5).Flash(1, 2, 3);
  P.Word(0x80A8).Word(0).Word(7);
  const TPlotError E = LoadStopping(P);
  EXPECT_STREQ(E.what(), "Read beyond end of file");
  EXPECT_EQ(E.Offset, static_cast<std::int64_t>(P.Size()));
  EXPECT_EQ(Prompts.Messages, EofMessage);
  // Everything before stays; the cut record adds nothing.
  EXPECT_EQ(Layer().Lines.Count(), 1);
  EXPECT_EQ(Layer().Flashes.Count(), 1);
}

TEST_F(Failures, EndOfFileInsideATextOrAfterItsZero) {
  PlotBuilder P = OneLayer();
  P.TextWords(0, 0, 0, 0, "AB");
  EXPECT_TRUE(Load(P));
  // Without its pad byte the text is cut short.
  EXPECT_STREQ(LoadStopping(P.Prefix(P.Size() - 1)).what(), "Read beyond end of file");
  EXPECT_EQ(Layer().Texts.Count(), 0);
  // A text whose zero byte never comes.
  PlotBuilder Q = OneLayer();
  Q.Word(0x80A2).Word(0).Word(0).Word(0).Word(0).Word(0).Raw("NO END");
  EXPECT_STREQ(LoadStopping(Q).what(), "Read beyond end of file");
  EXPECT_EQ(Layer().Texts.Count(), 0);
}

TEST_F(Failures, NonZeroWordAfterNextOutline) {
  PlotBuilder P = OneLayer();
  P.Flash(1, 0, 0);
  P.BeginPolygon({0, 0}).Point({5, 0});
  const std::size_t At = P.Size() + 2;
  P.NextOutline({1, 1}, 0x0100).EndPolygon();
  const TPlotError E = LoadStopping(P);
  EXPECT_STREQ(E.what(), "Assertion failure");
  EXPECT_EQ(E.Offset, static_cast<std::int64_t>(At));
  EXPECT_TRUE(Prompts.Messages.empty());
  EXPECT_EQ(Layer().Flashes.Count(), 1);
  ASSERT_EQ(Layer().Polygons.Count(), 1);
  EXPECT_EQ(Layer().Polygons.Items(0).OutLines.Count(), 1);
  EXPECT_EQ(Layer().Polygons.Items(0).OutLines.Items(0).Lines.Count(), 1);
}

TEST_F(Failures, NonZeroWordAfterCircleRadius) {
  PlotBuilder P = OneLayer();
  P.BeginPolygon({0, 0}).Circle({1, 2, 3});
  const std::size_t At = P.Size() + 10;
  P.Circle({4, 5, 6}, 0x8080).EndPolygon();
  const TPlotError E = LoadStopping(P);
  EXPECT_STREQ(E.what(), "Assertion failure");
  EXPECT_EQ(E.Offset, static_cast<std::int64_t>(At));
  ASSERT_EQ(Layer().Polygons.Count(), 1);
  // The circle whose fields were read is kept.
  EXPECT_EQ(Layer().Polygons.Items(0).Circles.Count(), 2);
}

TEST_F(Failures, EndOfFileInsideAPolygonKeepsItsPoints) {
  PlotBuilder P = OneLayer();
  P.BeginPolygon({0, 0}).Point({1, 0}).Point({1, 1}).Word(2);
  EXPECT_STREQ(LoadStopping(P).what(), "Read beyond end of file");
  ASSERT_EQ(Layer().Polygons.Count(), 1);
  EXPECT_EQ(Layer().Polygons.Items(0).OutLines.Items(0).Lines.Count(), 2);
  // The closing word after the end tag is part of the record.
  PlotBuilder Q = OneLayer();
  Q.BeginPolygon({0, 0}).Word(0x8080);
  EXPECT_STREQ(LoadStopping(Q).what(), "Read beyond end of file");
}

TEST_F(Failures, LoadAfterAStopStartsAfresh) {
  PlotBuilder Broken = OneLayer();
  Broken.Line(1, 2, 3, 4, 5).Word(0x80A8);
  LoadStopping(Broken);
  ASSERT_TRUE(Load(EarlierBoard()));
  EXPECT_EQ(Pcb.Layers.Count(), 2);
  EXPECT_EQ(Layer(0).Lines.Count(), 1);
  EXPECT_EQ(Pcb.CurrentLayer, 1);
}

TEST_F(Failures, SecondLoadReplacesTheFirst) {
  ASSERT_TRUE(Load(EarlierBoard()));
  PlotBuilder P;
  P.Header().Layers({{"NEW", 7}}).Flash(3, 0, 0);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Pcb.Layers.Count(), 1);
  EXPECT_EQ(Layer().Name, "NEW");
  EXPECT_EQ(Layer().Lines.Count(), 0);
  EXPECT_EQ(Layer().Flashes.Count(), 1);
  EXPECT_EQ(Pcb.CurrentLayer, 0);  // reset, not left at the earlier 1
  EXPECT_EQ(Pcb.Version, "4.0");

  PlotBuilder Unknown = OneLayer();
  Unknown.Word(1).Word(2);
  EXPECT_FALSE(Load(Unknown));
  EXPECT_EQ(Pcb.UnknownTagCount, 2);
  ASSERT_TRUE(Load(P));
  EXPECT_EQ(Pcb.UnknownTagCount, 0);
}

}  // namespace
}  // namespace quillon::test
