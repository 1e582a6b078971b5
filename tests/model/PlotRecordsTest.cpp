// SPDX-License-Identifier: MIT
// The header, the layer table and every simple record, field by field. Field
// values are chosen distinct, so a field read in the wrong order shows.

#include "PlotLoadFixture.h"

namespace quillon::test {
namespace {

using Records = PlotLoadTest;

// The smallest complete board, as bytes.
const std::string SmallFile(
    "\x4E\x80\x04\x00\x00\x00\x00\x00\x10\x27\x10\x27\x00\x00\xE8\x03"
    "\x01\x00\x00\x00"
    "\x54\x4F\x50\x00\x00\x00\x01\x00"
    "\xA9\x80\x00\x01"
    "\xA8\x80\x00\x0A\x64\x00\xC8\x00\x2C\x01\xC8\x00",
    44);

TEST_F(Records, SmallExampleFile) {
  ASSERT_TRUE(LoadBytes(SmallFile));
  EXPECT_EQ(Pcb.Version, "4.0");
  EXPECT_EQ(Pcb.Extents.Left, 0);
  EXPECT_EQ(Pcb.Extents.Top, 0);
  EXPECT_EQ(Pcb.Extents.Right, 10000);
  EXPECT_EQ(Pcb.Extents.Bottom, 10000);
  EXPECT_EQ(Pcb.Scale, 1.0);
  ASSERT_EQ(Pcb.Layers.Count(), 1);
  EXPECT_EQ(Layer().Name, "TOP");
  EXPECT_EQ(Layer().Number, 1);
  EXPECT_EQ(Layer().Attribute, 0);
  ASSERT_EQ(Layer().Lines.Count(), 1);
  const TPcbLine& L = Layer().Lines.Items(0);
  EXPECT_EQ(L.Kind, 0x80A8);
  EXPECT_EQ(L.AttributeLow, 0);
  EXPECT_EQ(L.Width, 10);
  EXPECT_EQ(L.StartX, 100);
  EXPECT_EQ(L.StartY, 200);
  EXPECT_EQ(L.EndX, 300);
  EXPECT_EQ(L.EndY, 200);
  EXPECT_EQ(L.StyleWord, 0);
  EXPECT_EQ(Pcb.UnknownTagCount, 0);
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(Records, BuilderWritesTheSmallExampleFile) {
  PlotBuilder P;
  P.Header(4, {0, 0, 10000, 10000}, 1000).Layers({{"TOP", 1}}).SelectLayer(1);
  P.Line(100, 200, 300, 200, 10);
  EXPECT_EQ(P.Str(), SmallFile);
}

TEST_F(Records, HeaderFields) {
  PlotBuilder P;
  P.Word(0x804E).Word(3).Word(65535).Word(2).Word(30000).Word(4).Word(0xFFFF).Word(2540);
  P.Layers({{"A", 1}});
  ASSERT_TRUE(Load(P));
  EXPECT_EQ(Pcb.Version, "2.0");
  // Extent words are unsigned.
  EXPECT_EQ(Pcb.Extents.Left, 65535);
  EXPECT_EQ(Pcb.Extents.Top, 2);
  EXPECT_EQ(Pcb.Extents.Right, 30000);
  EXPECT_EQ(Pcb.Extents.Bottom, 4);
  EXPECT_EQ(Pcb.Scale, 2.54);
}

TEST_F(Records, VersionTexts) {
  const std::pair<int, std::string> Cases[] = {{2, "1.31"},
                                               {3, "2.0"},
                                               {4, "4.0"},
                                               {0, "Неизвестная версия!"},
                                               {5, "Неизвестная версия!"},
                                               {65535, "Неизвестная версия!"}};
  for (const auto& [Code, Text] : Cases) {
    PlotBuilder P;
    P.Header(Code).Layers({{"A", 1}});
    EXPECT_TRUE(Load(P)) << Code;
    EXPECT_EQ(Pcb.Version, Text) << Code;
  }
  EXPECT_TRUE(Prompts.Messages.empty());
}

TEST_F(Records, LayerTableWithoutBody) {
  PlotBuilder P;
  P.Header().Layers({{"COMP", 1, 7}, {"SOLDER", 2}, {"", 200, 255}});
  ASSERT_EQ(P.Size(), 20u + 8 * 3);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Pcb.Layers.Count(), 3);
  EXPECT_EQ(Layer(0).Name, "COMP");
  EXPECT_EQ(Layer(0).Number, 1);
  EXPECT_EQ(Layer(0).Attribute, 7);
  EXPECT_EQ(Layer(1).Name, "SOLDER");
  EXPECT_EQ(Layer(2).Name, "");
  EXPECT_EQ(Layer(2).Number, 200);
  EXPECT_EQ(Layer(2).Attribute, 255);
  for (const TLayer& L : Pcb.Layers) {
    EXPECT_EQ(
        L.Lines.Count() + L.Arcs.Count() + L.Texts.Count() + L.Flashes.Count() + L.Polygons.Count(),
        0);
  }
}

TEST_F(Records, LayerNameEndsAtFirstZero) {
  PlotBuilder P;
  P.Header().LayerCount(2);
  P.Raw({'T', 'O', 'P', 0, 'X', 'Y', 5, 6});
  P.Raw({0xC2, 0xC5, 'R', 'X', '-', '1', 9, 0});  // six bytes, no zero; 8-bit kept
  ASSERT_TRUE(Load(P));
  EXPECT_EQ(Layer(0).Name, "TOP");
  EXPECT_EQ(Layer(0).Number, 5);
  EXPECT_EQ(Layer(0).Attribute, 6);
  EXPECT_EQ(Layer(1).Name, "\xC2\xC5RX-1");
  EXPECT_EQ(Layer(1).Number, 9);
}

TEST_F(Records, LineAndRectangleFields) {
  PlotBuilder P = OneLayer();
  P.Word(0x80A8).Word(0x0A03).Word(1).Word(2).Word(3).Word(0xFFFF);
  P.Word(0x80A7).Word(0x00FE).Word(0x8000).Word(0x7FFF).Word(7).Word(8);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Lines.Count(), 2);
  const TPcbLine& L = Layer().Lines.Items(0);
  EXPECT_EQ(L.Kind, 0x80A8);
  EXPECT_EQ(L.AttributeLow, 3);
  EXPECT_EQ(L.Width, 10);
  EXPECT_EQ(L.StartX, 1);
  EXPECT_EQ(L.StartY, 2);
  EXPECT_EQ(L.EndX, 3);
  EXPECT_EQ(L.EndY, -1);
  const TPcbLine& R = Layer().Lines.Items(1);
  EXPECT_EQ(R.Kind, 0x80A7);
  EXPECT_EQ(R.AttributeLow, 0xFE);
  EXPECT_EQ(R.Width, 1);  // a zero width byte means 1
  EXPECT_EQ(R.StartX, -32768);
  EXPECT_EQ(R.StartY, 32767);
  EXPECT_EQ(R.EndX, 7);
  EXPECT_EQ(R.EndY, 8);
  EXPECT_EQ(R.StyleWord, 0);
}

TEST_F(Records, FilledRectangleFields) {
  PlotBuilder P = OneLayer();
  P.Word(0x80A6).Word(0x0A03).Word(11).Word(12).Word(13).Word(14);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Lines.Count(), 1);
  const TPcbLine& F = Layer().Lines.Items(0);
  EXPECT_EQ(F.Kind, 0x80A6);
  EXPECT_EQ(F.StyleWord, 0x0A03);
  EXPECT_EQ(F.Width, 1);
  EXPECT_EQ(F.AttributeLow, 0);
  EXPECT_EQ(F.StartX, 11);
  EXPECT_EQ(F.StartY, 12);
  EXPECT_EQ(F.EndX, 13);
  EXPECT_EQ(F.EndY, 14);
}

TEST_F(Records, ArcByPointsFields) {
  PlotBuilder P = OneLayer();
  P.Word(0x807A).Word(0x0503).Word(1).Word(2).Word(3).Word(4).Word(5).Word(0xFFFE);
  P.ArcByPoints({0, 0}, {1, 0}, {1, 0}, 0);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Arcs.Count(), 2);
  const TPcbArc& A = Layer().Arcs.Items(0);
  EXPECT_EQ(A.AttributeLow, 3);
  EXPECT_EQ(A.Width, 5);
  EXPECT_EQ(A.CenterX, 1);
  EXPECT_EQ(A.CenterY, 2);
  EXPECT_EQ(A.StartX, 3);
  EXPECT_EQ(A.StartY, 4);
  EXPECT_EQ(A.EndX, 5);
  EXPECT_EQ(A.EndY, -2);
  EXPECT_EQ(Layer().Arcs.Items(1).Width, 0);  // no default width for arcs
}

TEST_F(Records, ArcByAnglesBothTags) {
  PlotBuilder P = OneLayer();
  P.ArcByAngles({0, 0}, 100, 0, 90, 7, 2, PlotBuilder::TagArcByAngles);
  P.ArcByAngles({1000, -500}, 100, 0, 90, 0, 0, PlotBuilder::TagArcByAnglesAlt);
  P.ArcByAngles({10, 20}, 50, 45, 45, 1);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Arcs.Count(), 3);
  const TPcbArc& A = Layer().Arcs.Items(0);
  EXPECT_EQ(A.AttributeLow, 2);
  EXPECT_EQ(A.Width, 7);
  EXPECT_EQ(A.CenterX, 0);
  EXPECT_EQ(A.CenterY, 0);
  EXPECT_EQ(A.StartX, 100);
  EXPECT_EQ(A.StartY, 0);
  EXPECT_EQ(A.EndX, 0);
  EXPECT_EQ(A.EndY, 100);
  const TPcbArc& B = Layer().Arcs.Items(1);
  EXPECT_EQ(B.StartX, 1100);
  EXPECT_EQ(B.StartY, -500);
  EXPECT_EQ(B.EndX, 1000);
  EXPECT_EQ(B.EndY, -400);
  const TPcbArc& C = Layer().Arcs.Items(2);
  EXPECT_EQ(C.StartX, 10 + 35);  // 50 * cos 45° = 35.36
  EXPECT_EQ(C.StartY, 20 + 35);
  EXPECT_EQ(C.EndX, C.StartX);
  EXPECT_EQ(C.EndY, C.StartY);
}

// The word after the radius is not used: it must not be taken for an angle.
TEST_F(Records, ArcByAnglesSkipsTheUnusedWord) {
  PlotBuilder P = OneLayer();
  P.Word(0x80A4).Word(0).Word(0).Word(0).Word(100).Word(90).Word(180).Word(270);
  ASSERT_TRUE(Load(P));
  const TPcbArc& A = Layer().Arcs.Items(0);
  EXPECT_EQ(A.StartX, -100);
  EXPECT_EQ(A.StartY, 0);
  EXPECT_EQ(A.EndX, 0);
  EXPECT_EQ(A.EndY, -100);
}

// sin(870°) is exactly 0.5 in doubles: the products 2.5, 1.5 and 3.5 show the
// halves going to the even neighbour, and 870 shows the angle is not reduced.
TEST_F(Records, ArcByAnglesRoundsHalvesToEven) {
  PlotBuilder P = OneLayer();
  P.ArcByAngles({0, 0}, 5, 870, 870, 1);
  P.ArcByAngles({0, 0}, 3, 870, 0, 1);
  P.ArcByAngles({0, 0}, 7, 870, 720, 1);
  P.ArcByAngles({-32768, 32767}, 65535, 180, 90, 1);
  ASSERT_TRUE(Load(P));
  EXPECT_EQ(Layer().Arcs.Items(0).StartX, -4);  // 5 · cos 870° = -4.33
  EXPECT_EQ(Layer().Arcs.Items(0).StartY, 2);   // 2.5
  EXPECT_EQ(Layer().Arcs.Items(1).StartY, 2);   // 1.5
  EXPECT_EQ(Layer().Arcs.Items(2).StartY, 4);   // 3.5
  EXPECT_EQ(Layer().Arcs.Items(2).EndX, 7);
  EXPECT_EQ(Layer().Arcs.Items(2).EndY, 0);
  // End points leave the 16-bit range.
  EXPECT_EQ(Layer().Arcs.Items(3).StartX, -32768 - 65535);
  EXPECT_EQ(Layer().Arcs.Items(3).StartY, 32767);
  EXPECT_EQ(Layer().Arcs.Items(3).EndY, 32767 + 65535);
}

TEST_F(Records, TextFieldsAndPadding) {
  PlotBuilder P = OneLayer();
  // Word A low byte 7: rotation 270, mirror 4; high byte 10 + 128 · 1 = 138.
  P.Word(0x80A2).Word(0xFFFF).Word(5).Word(0xFFF6).Word(0x0A07).Word(0x2A01);
  P.Raw("ABC").Byte(0);                     // 3 characters + zero: no pad
  P.TextWords(1, 2, 0xFFF8, 0x2100, "ab");  // 2 characters + zero + pad
  P.TextWords(3, 4, 0x0001, 0xFFFF, "");    // zero + pad
  P.Line(0, 0, 1, 1, 1);                    // still in step afterwards
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Texts.Count(), 3);
  const TPcbText& T = Layer().Texts.Items(0);
  EXPECT_EQ(T.X, 5);
  EXPECT_EQ(T.Y, -10);
  EXPECT_EQ(T.Rotation, 270);
  EXPECT_EQ(T.Mirror, 4);
  EXPECT_EQ(T.Size, 138);
  EXPECT_EQ(T.Justification, 42);
  EXPECT_EQ(T.Text, "ABC");
  const TPcbText& U = Layer().Texts.Items(1);
  EXPECT_EQ(U.Rotation, 0);  // other bits of the low byte are ignored
  EXPECT_EQ(U.Mirror, 0);
  EXPECT_EQ(U.Size, 255);
  EXPECT_EQ(U.Justification, 33);
  EXPECT_EQ(U.Text, "ab");
  const TPcbText& V = Layer().Texts.Items(2);
  EXPECT_EQ(V.Rotation, 90);
  EXPECT_EQ(V.Size, 128 * 255);
  EXPECT_EQ(V.Justification, 255);
  EXPECT_EQ(V.Text, "");
  EXPECT_EQ(Layer().Lines.Count(), 1);
}

TEST_F(Records, TextKeepsEveryByte) {
  const std::string Chars = "\x01\x7F\x80\xEA\xE2\xE0\xE4\xFF";
  PlotBuilder P = OneLayer();
  P.Text(0, 0, Chars, {.Rotation = 180, .Mirror = true, .Size = 32895, .Justification = 25});
  ASSERT_TRUE(Load(P));
  const TPcbText& T = Layer().Texts.Items(0);
  EXPECT_EQ(T.Text, Chars);
  EXPECT_EQ(T.Rotation, 180);
  EXPECT_EQ(T.Mirror, 4);
  EXPECT_EQ(T.Size, 32895);
  EXPECT_EQ(T.Justification, 25);
}

TEST_F(Records, FlashFields) {
  PlotBuilder P = OneLayer();
  P.Word(0x8095).Byte(7).Byte(3).Word(0xFF9C).Word(250);
  P.Flash(255, 0, 0, 255);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Flashes.Count(), 2);
  const TPcbFlash& F = Layer().Flashes.Items(0);
  EXPECT_EQ(F.PinNumber, 7);
  EXPECT_EQ(F.Rotation, 270);
  EXPECT_EQ(F.X, -100);
  EXPECT_EQ(F.Y, 250);
  EXPECT_EQ(Layer().Flashes.Items(1).PinNumber, 255);
  EXPECT_EQ(Layer().Flashes.Items(1).Rotation, 22950);
}

TEST_F(Records, ItemsKeepFileOrder) {
  PlotBuilder P = OneLayer();
  for (int i = 0; i < 5; ++i) {
    P.Line(i, 0, 0, 0, 1);
    P.FilledRectangle(0, i, 0, 0);
    P.Rectangle(0, 0, i, 0, 1);
  }
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Lines.Count(), 15);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Layer().Lines.Items(3 * i).StartX, i);
    EXPECT_EQ(Layer().Lines.Items(3 * i + 1).StartY, i);
    EXPECT_EQ(Layer().Lines.Items(3 * i + 1).Kind, kindFilledRectangle);
    EXPECT_EQ(Layer().Lines.Items(3 * i + 2).EndX, i);
  }
}

TEST_F(Records, LayerSelection) {
  PlotBuilder P;
  P.Header().Layers({{"A", 4}, {"B", 9}, {"C", 4}});
  P.Flash(1, 0, 0);        // before any select: index 0
  P.SelectLayer(9, 0xFF);  // the low byte is ignored
  P.Flash(2, 0, 0);
  P.SelectLayer(77);  // no such number: stays on B
  P.Flash(3, 0, 0);
  P.SelectLayer(4);  // two layers numbered 4: the first
  P.Flash(4, 0, 0);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer(0).Flashes.Count(), 2);
  EXPECT_EQ(Layer(0).Flashes.Items(0).PinNumber, 1);
  EXPECT_EQ(Layer(0).Flashes.Items(1).PinNumber, 4);
  ASSERT_EQ(Layer(1).Flashes.Count(), 2);
  EXPECT_EQ(Layer(1).Flashes.Items(0).PinNumber, 2);
  EXPECT_EQ(Layer(1).Flashes.Items(1).PinNumber, 3);
  EXPECT_EQ(Layer(2).Flashes.Count(), 0);
  EXPECT_EQ(Pcb.CurrentLayer, 0);
  EXPECT_EQ(Pcb.Layers.IndexOfNumber(4), 0);
  EXPECT_EQ(Pcb.Layers.IndexOfNumber(9), 1);
  EXPECT_EQ(Pcb.Layers.IndexOfNumber(77), -1);
}

TEST_F(Records, UnknownTagsResynchroniseOnTheNextWord) {
  PlotBuilder P = OneLayer();
  P.Word(0x1234);
  P.Line(1, 2, 3, 4, 5);
  P.Word(0x80A0).Word(0x0000);  // two stray words
  P.Flash(3, 4, 5);
  ASSERT_FALSE(Load(P));
  EXPECT_EQ(Pcb.UnknownTagCount, 3);
  EXPECT_EQ(Layer().Lines.Count(), 1);
  EXPECT_EQ(Layer().Flashes.Count(), 1);
  EXPECT_TRUE(Prompts.Messages.empty());
}

// A stray byte shifts every later word: the reader trusts each tag's layout
// and only tests words that arrive where a tag is expected.
TEST_F(Records, StrayByteShiftsTheWords) {
  PlotBuilder P = OneLayer();
  P.Byte(0x00).Line(1, 2, 3, 4, 5);
  ASSERT_FALSE(Load(P));
  EXPECT_EQ(Layer().Lines.Count(), 0);
  EXPECT_GE(Pcb.UnknownTagCount, 1);
}

TEST_F(Records, SingleTrailingByteIsIgnored) {
  PlotBuilder P = OneLayer();
  P.Line(1, 2, 3, 4, 5).Byte(0xA8);
  EXPECT_TRUE(Load(P));
  EXPECT_EQ(Layer().Lines.Count(), 1);
  EXPECT_TRUE(Prompts.Messages.empty());

  PlotBuilder Q = OneLayer();
  Q.Byte(0x00);
  EXPECT_TRUE(Load(Q));
}

}  // namespace
}  // namespace quillon::test
