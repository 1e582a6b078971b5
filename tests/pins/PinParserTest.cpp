// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "PinTestRows.h"
#include "pins/Pins.h"
#include "text/TextLines.h"

namespace quillon::test {
namespace {

using Rows = std::vector<Row>;

TEST(PinParser, BothLayoutsWithTwoSizes) {
  EXPECT_EQ(Read("1  0.9  1.6", layoutHoleAper), (Rows{{1, 0.9, 1.6, Circle}}));
  EXPECT_EQ(Read("1  0.9  1.6", layoutAperHole), (Rows{{1, 1.6, 0.9, Circle}}));
}

TEST(PinParser, ThirdNumberMakesSquareInHoleAperLayout) {
  EXPECT_EQ(Read("1,2;3   0,9   1,6   1,6"),
            (Rows{{1, 0.9, 1.6, Square}, {2, 0.9, 1.6, Square}, {3, 0.9, 1.6, Square}}));
  EXPECT_EQ(Read("4  0.9  1.6  2"), (Rows{{4, 0.9, 1.6, Square}}));
  EXPECT_EQ(Read("4  0.9  1.6  1"), (Rows{{4, 0.9, 1.6, Circle}}));
  // Rounded halves to even: 2.5 and 1.5 are 2, 3.5 is 4.
  EXPECT_EQ(Read("4  0.9  1.6  2.5"), (Rows{{4, 0.9, 1.6, Square}}));
  EXPECT_EQ(Read("4  0.9  1.6  1,5"), (Rows{{4, 0.9, 1.6, Square}}));
  EXPECT_EQ(Read("4  0.9  1.6  1.49"), (Rows{{4, 0.9, 1.6, Circle}}));
  EXPECT_EQ(Read("4  0.9  1.6  2.51"), (Rows{{4, 0.9, 1.6, Circle}}));
}

TEST(PinParser, AperHoleLayoutWithThreeNumbers) {
  const auto L1 = layoutAperHole;
  EXPECT_EQ(Read("7  1.5  1.5  0.8", L1), (Rows{{7, 0.8, 1.5, Square}}));
  EXPECT_EQ(Read("7  1.5  0.8  2", L1), (Rows{{7, 0.8, 1.5, Square}}));
  EXPECT_EQ(Read("7  1.5  0.8  1", L1), (Rows{{7, 1, 1.5, Circle}}));
  // Equal first numbers decide first; the hole then stays the third number.
  EXPECT_EQ(Read("7  1.5  1.5  2", L1), (Rows{{7, 2, 1.5, Square}}));
  EXPECT_EQ(Read("7  1.5  0.8", L1), (Rows{{7, 0.8, 1.5, Circle}}));
}

TEST(PinParser, OneSizeIsAHoleWithoutPad) {
  for (auto Layout : {layoutHoleAper, layoutAperHole}) {
    EXPECT_EQ(Read("9  1.0", Layout), (Rows{{9, 1.0, 0, None}}));
    EXPECT_EQ(Read("9  1.0 rect", Layout), (Rows{{9, 1.0, 0, Square}}));
  }
}

TEST(PinParser, SquareWordIsExactLowerCaseAnywhere) {
  EXPECT_EQ(Read("12 rect 1.2 1.8"), (Rows{{12, 1.2, 1.8, Square}}));
  EXPECT_EQ(Read("12 Rect 1.2 1.8"), (Rows{{12, 1.2, 1.8, Circle}}));
  EXPECT_EQ(Read("12 RECT 1.2 1.8"), (Rows{{12, 1.2, 1.8, Circle}}));
  EXPECT_EQ(Read("12  1.2  1.8  rectangle"), (Rows{{12, 1.2, 1.8, Square}}));
  // Windows-1251 "kvadrat" and its capitalised form.
  EXPECT_EQ(Read("12 \xEA\xE2\xE0\xE4\xF0\xE0\xF2 1.2 1.8"), (Rows{{12, 1.2, 1.8, Square}}));
  EXPECT_EQ(Read("12 \xCA\xE2\xE0\xE4\xF0\xE0\xF2 1.2 1.8"), (Rows{{12, 1.2, 1.8, Circle}}));
  // The square word overrides a third number that says Circle.
  EXPECT_EQ(Read("12  1.2  1.8  1 rect"), (Rows{{12, 1.2, 1.8, Square}}));
}

TEST(PinParser, GapNeedsMoreThanOneBlank) {
  EXPECT_EQ(Read("5 1.2 1.8"), Rows{});
  EXPECT_EQ(Read("5\t1.2"), Rows{});
  EXPECT_EQ(Read("Pin# Hole Aper"), Rows{});
  EXPECT_EQ(Read(""), Rows{});
  EXPECT_EQ(Read("5  1.2"), (Rows{{5, 1.2, 0, None}}));
  EXPECT_EQ(Read("5 \t1.2"), (Rows{{5, 1.2, 0, None}}));
  EXPECT_EQ(Read("5 d=1.2"), (Rows{{5, 1.2, 0, None}}));
  EXPECT_EQ(Read("5,7;9 round 1.2 0.8"),
            (Rows{{5, 1.2, 0.8, Circle}, {7, 1.2, 0.8, Circle}, {9, 1.2, 0.8, Circle}}));
  EXPECT_EQ(Read("  x 12;13 hole=0,9 mm pad=1,6 mm"),
            (Rows{{12, 0.9, 1.6, Circle}, {13, 0.9, 1.6, Circle}}));
}

TEST(PinParser, NumbersThatAreNotOneNumberAreAbsent) {
  EXPECT_EQ(Read("3  1.2.5  1.8"), Rows{});                              // V1 absent
  EXPECT_EQ(Read("3  1,2.5  1.8"), Rows{});                              // V1 absent
  EXPECT_EQ(Read("3  1.2  1.2.5  1.8"), Rows{});                         // V2 absent, V3 present
  EXPECT_EQ(Read("3  1.2  1.8  1.2.5"), (Rows{{3, 1.2, 1.8, Circle}}));  // V3 absent
  EXPECT_EQ(Read("3  1.2  1..8"), (Rows{{3, 1.2, 0, None}}));
  EXPECT_EQ(Read("3  1.  2,"), (Rows{{3, 1, 2, Circle}}));
  // Only the first three numbers count.
  EXPECT_EQ(Read("3  1  1.8  7  2"), (Rows{{3, 1, 1.8, Circle}}));
}

TEST(PinParser, PinListPieces) {
  EXPECT_EQ(Read("1,,3  0.9  1.6"),
            (Rows{{1, 0.9, 1.6, Circle}, {0, 0.9, 1.6, Circle}, {3, 0.9, 1.6, Circle}}));
  // A separator at the end adds no pin; one before it still is pin 0.
  EXPECT_EQ(Read("1,2,  0.9"), (Rows{{1, 0.9, 0, None}, {2, 0.9, 0, None}}));
  EXPECT_EQ(Read("1;;  0.9"), (Rows{{1, 0.9, 0, None}, {0, 0.9, 0, None}}));
  EXPECT_EQ(Read("007  0.9"), (Rows{{7, 0.9, 0, None}}));
  // Equal pin numbers each get their row.
  EXPECT_EQ(Read("4;4  0.9"), (Rows{{4, 0.9, 0, None}, {4, 0.9, 0, None}}));
}

std::string NumberList(int Count) {
  std::string List;
  for (int I = 0; I < Count; ++I) List += (I ? (I % 2 ? "," : ";") : "") + std::to_string(I);
  return List;
}

TEST(PinParser, EveryPinOfALongListIsReadOnce) {
  for (int Count : {14, 15, 16, 1000}) {
    TPins Pins;
    Pins.Parse(NumberList(Count) + "  0.9  1.6", layoutHoleAper);
    ASSERT_EQ(Pins.High(), Count - 1) << Count << " pins";
    for (int I = 0; I < Count; ++I) EXPECT_EQ(Pins.Rows()[I].PinNumber, I);
  }
}

TEST(PinParser, PinNumbersBeyondThirtyTwoBitsRejectTheLine) {
  EXPECT_EQ(Read("2147483647  1"), (Rows{{2147483647, 1, 0, None}}));
  EXPECT_EQ(Read("2147483648  1"), Rows{});
  EXPECT_EQ(Read("1,99999999999999999999999,3  1"), Rows{});
  EXPECT_EQ(Read("00000000000000000000000000012  1"), (Rows{{12, 1, 0, None}}));

  TPins Pins;
  std::vector<TSkippedPinLine> Skipped;
  Pins.Parse("1  1\n2147483648  1\n", layoutHoleAper, &Skipped);
  ASSERT_EQ(Skipped.size(), 1u);
  EXPECT_EQ(Skipped[0].Line, 1);
  EXPECT_EQ(Skipped[0].Reason, TPinLineSkip::PinNumberTooLarge);
}

TEST(PinParser, SkippedLinesAreReportedWithTheirReason) {
  TPins Pins;
  std::vector<TSkippedPinLine> Skipped;
  Pins.Parse("Pin# Hole Aper\r\n1  0.9\r\n\r3  1.2.5  1.8\n3  1.2  1.2.5  1.8\n", layoutHoleAper,
             &Skipped);
  ASSERT_EQ(Skipped.size(), 4u);
  EXPECT_EQ(Skipped[0].Line, 0);
  EXPECT_EQ(Skipped[0].Reason, TPinLineSkip::NotAPinLine);
  EXPECT_EQ(Skipped[1].Line, 2);
  EXPECT_EQ(Skipped[1].Reason, TPinLineSkip::NotAPinLine);
  EXPECT_EQ(Skipped[2].Line, 3);
  EXPECT_EQ(Skipped[2].Reason, TPinLineSkip::FirstSizeUnreadable);
  EXPECT_EQ(Skipped[3].Line, 4);
  EXPECT_EQ(Skipped[3].Reason, TPinLineSkip::SecondSizeUnreadable);
  EXPECT_EQ(RowsOf(Pins), (Rows{{1, 0.9, 0, None}}));
}

TEST(PinParser, LinesEndAtCrLfLfOrLoneCrAndParseOnlyAppends) {
  TPins Pins;
  Pins.Parse("1  1\r2  2\r\n3  3\n4  4", layoutHoleAper);
  Pins.Parse(TTextLines::FromText("5  5\n"), layoutHoleAper);
  EXPECT_EQ(
      RowsOf(Pins),
      (Rows{{1, 1, 0, None}, {2, 2, 0, None}, {3, 3, 0, None}, {4, 4, 0, None}, {5, 5, 0, None}}));
}

TEST(PinParser, EveryByteValueInTheGap) {
  // "1 <byte>2": a gap of a blank and the byte, so any byte but a digit does.
  for (int B = 0; B < 256; ++B) {
    std::string Line = "1 ";
    Line += static_cast<char>(B);
    Line += "2";
    const bool Digit = B >= '0' && B <= '9';
    const bool LineEnd = B == '\r' || B == '\n';
    const Rows Expected = Digit || LineEnd ? Rows{} : Rows{{1, 2, 0, None}};
    EXPECT_EQ(Read(Line), Expected) << "byte " << B;
  }
}

TEST(PinParser, NulAndHighBytesAreOrdinaryCharacters) {
  const char Bytes[] = "1 \0\xFF\x80 0.9 \0 1.6 \xEA\xE2\xE0\xE4";
  const std::string Line(Bytes, sizeof Bytes - 1);
  EXPECT_EQ(Read(Line), (Rows{{1, 0.9, 1.6, Square}}));
  std::string All;
  for (int B = 0; B < 256; ++B) All += static_cast<char>(B);
  TPins Pins;
  Pins.Parse(All + All + All, layoutHoleAper);  // must simply not crash
  EXPECT_LE(Pins.High(), 10);
}

using Clock = std::chrono::steady_clock;
double SecondsSince(Clock::time_point Start) {
  return std::chrono::duration<double>(Clock::now() - Start).count();
}

TEST(PinParser, MegabyteLinesAreQuickAndSafe) {
  const std::string Digits(1 << 20, '7');
  const auto Start = Clock::now();
  // Digits alone are no pin line.
  EXPECT_EQ(Read(Digits), Rows{});
  // A size too large for a double is no size: the line is skipped.
  TPins Pins;
  Pins.Parse("1  " + Digits + "  " + Digits, layoutHoleAper);
  EXPECT_EQ(Pins.High(), -1);
  // A pin list of a megabyte: one pin too large, or half a million pins.
  EXPECT_EQ(Read(Digits + "  1"), Rows{});
  std::string List;
  for (int I = 0; I < (1 << 19); ++I) List += "1,";
  TPins Many;
  Many.Parse(List + "  0.5", layoutHoleAper);
  EXPECT_EQ(Many.High(), (1 << 19) - 1);
  // Long runs of gap characters and of separators.
  EXPECT_EQ(Read("1 " + std::string(1 << 20, 'x') + "2"), (Rows{{1, 2, 0, None}}));
  EXPECT_EQ(Read("1" + std::string(1 << 20, ';')), Rows{});
  EXPECT_EQ(Read("1  0." + std::string(1 << 20, '0') + "1"), (Rows{{1, 0, 0, None}}));
  EXPECT_LT(SecondsSince(Start), 20.0);  // generous: sanitizer builds are slow
}

TEST(PinParser, HundredThousandLines) {
  std::string Text;
  for (int I = 0; I < 100000; ++I) Text += std::to_string(I) + "  0,9  1,6  2\r\n";
  const auto Start = Clock::now();
  TPins Pins;
  Pins.Parse(Text, layoutHoleAper);
  EXPECT_LT(SecondsSince(Start), 20.0);
  ASSERT_EQ(Pins.High(), 99999);
  EXPECT_EQ(Pins.Rows()[99999].PinNumber, 99999);
  EXPECT_TRUE(Pins.Exists(4711));
}

// A size too large for a double would be written as "INF" everywhere and its
// pads would vanish from the drill file: the line is skipped instead.
TEST(PinParser, ASizeThatIsNotFiniteSkipsTheLine) {
  const std::string Nines(400, '9');
  TPins Pins;
  std::vector<TSkippedPinLine> Skipped;
  Pins.Parse("1  " + Nines + "  1.8\n2  0.8  " + Nines + "\n3  0.8  1.5\n", layoutHoleAper,
             &Skipped);
  ASSERT_EQ(Skipped.size(), 2u);
  EXPECT_EQ(Skipped[0].Reason, TPinLineSkip::FirstSizeUnreadable);
  EXPECT_EQ(Skipped[1].Reason, TPinLineSkip::SecondSizeUnreadable);
  EXPECT_EQ(RowsOf(Pins), (Rows{{3, 0.8, 1.5, Circle}}));
}

}  // namespace
}  // namespace quillon::test
