// SPDX-License-Identifier: MIT
// Texts as strokes of the stroke font: placed in the box every writer
// estimates, for every justification, quarter turn and mirror.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "font/StrokeFont.h"
#include "font/TextExtent.h"
#include "font/TextStrokes.h"

namespace quillon::font {
namespace {

constexpr double Scale = 0.01;

TPcbText MakeText(const std::string& Chars, std::uint8_t Justification = 34,
                  std::int32_t Rotation = 0, std::uint8_t Mirror = 0, std::int32_t Size = 200) {
  TPcbText T;
  T.X = 1000;
  T.Y = -500;
  T.Size = Size;
  T.Justification = Justification;
  T.Rotation = Rotation;
  T.Mirror = Mirror;
  T.Text = Chars;
  return T;
}

struct TBounds {
  double Left = 1e300, Right = -1e300, Bottom = 1e300, Top = -1e300;
  void Add(TPointMm P) {
    Left = std::min(Left, P.X), Right = std::max(Right, P.X);
    Bottom = std::min(Bottom, P.Y), Top = std::max(Top, P.Y);
  }
};

// Capitals, descenders, brackets that reach beyond the cell band, the widest
// Cyrillic letter, Ё with its dots and a byte without a glyph.
const std::string Mixed = "Ag|(y)\xD9\xA8\x01W";

TEST(TextStrokes, EveryStrokeLiesInsideTheBoxOfEveryPlacement) {
  const std::uint8_t Codes[] = {25, 26, 27, 33, 34, 35, 41, 42, 43, 7};
  for (const std::uint8_t Code : Codes)
    for (const std::int32_t Rotation : {0, 90, 180, 270})
      for (const std::uint8_t Mirror : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "justification " << int(Code) << ", rotation "
                                        << Rotation << ", mirror " << int(Mirror));
        const TPcbText Text = MakeText(Mixed, Code, Rotation, Mirror);
        TTextStrokes S;
        ASSERT_EQ(DrawTextStrokes(Text, Scale, S), TTextDrawn::Drawn);
        EXPECT_DOUBLE_EQ(S.Width, 10 * Scale);
        const TTextExtent E = EstimateTextExtent(Text, Scale);
        TBounds Box;
        for (std::size_t C = 0; C < 4; ++C) {
          EXPECT_DOUBLE_EQ(S.Extent.Corners[C].X, E.Corners[C].X);
          EXPECT_DOUBLE_EQ(S.Extent.Corners[C].Y, E.Corners[C].Y);
          Box.Add(E.Corners[C]);
        }
        const double Half = S.Width / 2 + 1e-9;
        TBounds Ink;
        std::uint32_t Begin = 0;
        for (const std::uint32_t End : S.Ends) {
          EXPECT_GE(End, Begin + 2);  // every polyline draws something
          Begin = End;
        }
        EXPECT_EQ(Begin, S.Points.size());
        for (const TPointMm& P : S.Points) {
          Ink.Add(P);
          EXPECT_GE(P.X, Box.Left - Half);
          EXPECT_LE(P.X, Box.Right + Half);
          EXPECT_GE(P.Y, Box.Bottom - Half);
          EXPECT_LE(P.Y, Box.Top + Half);
        }
        // The characters fill the box: its whole height, and its length
        // from the first character's ink to the last's.
        const double Across = Rotation % 180 == 0 ? Ink.Top - Ink.Bottom : Ink.Right - Ink.Left;
        const double Along = Rotation % 180 == 0 ? Ink.Right - Ink.Left : Ink.Top - Ink.Bottom;
        EXPECT_NEAR(Across, E.Height, 1e-9);
        EXPECT_GT(Along, 0.9 * E.Length);
      }
}

TEST(TextStrokes, AMirroredTextIsTheReflectionAboutItsAnchorsVertical) {
  TTextStrokes Plain, Mirrored;
  DrawTextStrokes(MakeText("R1", 27, 0, 0), Scale, Plain);
  DrawTextStrokes(MakeText("R1", 27, 0, 1), Scale, Mirrored);
  ASSERT_EQ(Plain.Points.size(), Mirrored.Points.size());
  const double AnchorX = 1000 * Scale;
  for (std::size_t I = 0; I < Plain.Points.size(); ++I) {
    EXPECT_NEAR(Mirrored.Points[I].X, 2 * AnchorX - Plain.Points[I].X, 1e-9);
    EXPECT_NEAR(Mirrored.Points[I].Y, Plain.Points[I].Y, 1e-9);
  }
}

TEST(TextStrokes, RotationTurnsTheStrokesAboutTheAnchor) {
  TTextStrokes Plain, Turned;
  DrawTextStrokes(MakeText("R1", 34, 0), Scale, Plain);
  DrawTextStrokes(MakeText("R1", 34, 90), Scale, Turned);
  ASSERT_EQ(Plain.Points.size(), Turned.Points.size());
  const TPointMm A{1000 * Scale, -500 * Scale};
  for (std::size_t I = 0; I < Plain.Points.size(); ++I) {
    EXPECT_NEAR(Turned.Points[I].X - A.X, -(Plain.Points[I].Y - A.Y), 1e-9);
    EXPECT_NEAR(Turned.Points[I].Y - A.Y, Plain.Points[I].X - A.X, 1e-9);
  }
}

TEST(TextStrokes, CyrillicWordsDrawCyrillicGlyphsNotBoxes) {
  for (const std::string Word : {"\xC2\xD5\xCE\xC4" /* ВХОД */, "\xA8\xE6" /* Ёж */}) {
    TTextStrokes S;
    ASSERT_EQ(DrawTextStrokes(MakeText(Word), Scale, S), TTextDrawn::Drawn);
    EXPECT_EQ(S.Placeholders, 0);
    EXPECT_GT(S.Ends.size(), 4 * Word.size());  // the Cyrillic font draws in double lines
  }
  // В is the Cyrillic font's, not the Latin B of Simplex Roman.
  ASSERT_NE(GlyphOf(0xC2), nullptr);
  EXPECT_NE(GlyphOf(0xC2)->StrokeEnds.size(), GlyphOf('B')->StrokeEnds.size());
  // Ё is Е with two dots above it.
  const TGlyph* Ye = GlyphOf(0xC5);
  const TGlyph* Yo = GlyphOf(0xA8);
  ASSERT_TRUE(Ye && Yo);
  EXPECT_EQ(Yo->StrokeEnds.size(), Ye->StrokeEnds.size() + 2);
  EXPECT_LT(Yo->MinY, Ye->MinY);
  EXPECT_EQ(GlyphOf(0xB8)->StrokeEnds.size(), GlyphOf(0xE5)->StrokeEnds.size() + 2);
}

TEST(StrokeFont, EveryPrintableAndCyrillicByteHasAGlyphAndNoOtherByteHasOne) {
  for (int B = 0; B < 256; ++B) {
    SCOPED_TRACE(B);
    const bool Printable = B > 0x20 && B < 0x7F;
    const bool Cyrillic = B >= 0xC0 || B == 0xA8 || B == 0xB8;
    const TGlyph* Glyph = GlyphOf(static_cast<std::uint8_t>(B));
    if (B == ' ') {
      ASSERT_NE(Glyph, nullptr);
      EXPECT_TRUE(Glyph->Blank());
    } else if (Printable || Cyrillic) {
      ASSERT_NE(Glyph, nullptr);
      EXPECT_FALSE(Glyph->Blank());
    } else {
      EXPECT_EQ(Glyph, nullptr);
    }
  }
  // The 64 letters А-я are 64 different glyphs.
  for (int A = 0xC0; A < 0x100; ++A)
    for (int B = A + 1; B < 0x100; ++B)
      EXPECT_FALSE(
          GlyphOf(static_cast<std::uint8_t>(A))->Points.size() ==
              GlyphOf(static_cast<std::uint8_t>(B))->Points.size() &&
          std::equal(GlyphOf(static_cast<std::uint8_t>(A))->Points.begin(),
                     GlyphOf(static_cast<std::uint8_t>(A))->Points.end(),
                     GlyphOf(static_cast<std::uint8_t>(B))->Points.begin(),
                     [](TGlyphPoint P, TGlyphPoint Q) { return P.X == Q.X && P.Y == Q.Y; }))
          << A << " and " << B;
}

TEST(TextStrokes, ABytesWithoutAGlyphIsTheOpenBoxAndASpaceIsNothing) {
  TTextStrokes Both, Alone, Spaced;
  DrawTextStrokes(MakeText("I\x01I"), Scale, Both);
  DrawTextStrokes(MakeText("I"), Scale, Alone);
  DrawTextStrokes(MakeText("I I"), Scale, Spaced);
  EXPECT_EQ(Both.Placeholders, 1);
  EXPECT_EQ(Both.Ends.size(), 2 * Alone.Ends.size() + 1);
  EXPECT_EQ(Spaced.Placeholders, 0);
  EXPECT_EQ(Spaced.Ends.size(), 2 * Alone.Ends.size());
  for (const std::uint8_t B : {0x00, 0x1F, 0x7F, 0x80, 0x98, 0xA0, 0xBF}) {
    TTextStrokes S;
    DrawTextStrokes(MakeText(std::string(1, static_cast<char>(B))), Scale, S);
    EXPECT_EQ(S.Placeholders, 1) << int(B);
    ASSERT_EQ(S.Ends.size(), 1u) << int(B);
    EXPECT_EQ(S.Points.size(), 5u);  // a closed box
  }
}

TEST(TextStrokes, TextsWithoutSizeOrCharactersDrawNothing) {
  TTextStrokes S;
  EXPECT_EQ(DrawTextStrokes(MakeText("R1", 34, 0, 0, 0), Scale, S), TTextDrawn::NoSize);
  EXPECT_TRUE(S.Points.empty());
  EXPECT_EQ(DrawTextStrokes(MakeText("R1", 34, 0, 0, -100), Scale, S), TTextDrawn::NoSize);
  EXPECT_TRUE(S.Ends.empty());
  EXPECT_EQ(DrawTextStrokes(MakeText(""), Scale, S), TTextDrawn::Empty);
  EXPECT_TRUE(S.Points.empty());
  // Every byte value once, 255 characters: drawn, the ones without a glyph
  // as boxes.
  std::string All;
  for (int B = 1; B < 256; ++B) All += static_cast<char>(B);
  EXPECT_EQ(DrawTextStrokes(MakeText(All), Scale, S), TTextDrawn::Drawn);
  EXPECT_EQ(S.Placeholders, 0x1F + 1 + (0xC0 - 0x80 - 2));
}

}  // namespace
}  // namespace quillon::font
