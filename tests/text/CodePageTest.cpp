// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/CodePage.h"

namespace quillon {
namespace {

std::string Byte(int B) { return std::string(1, static_cast<char>(B)); }

TEST(CodePage, AsciiAndNulStayAsTheyAre) {
  std::string Ascii;
  for (int B = 0; B < 0x80; ++B) Ascii += static_cast<char>(B);
  EXPECT_EQ(OemToAnsi(Ascii), Ascii);
  EXPECT_EQ(OemToAnsi(""), "");
}

TEST(CodePage, CyrillicLetters) {
  EXPECT_EQ(OemToAnsi("\x80"), "\xC0");          // A
  EXPECT_EQ(OemToAnsi("\x9F"), "\xDF");          // YA
  EXPECT_EQ(OemToAnsi("\xA0"), "\xE0");          // a
  EXPECT_EQ(OemToAnsi("\xAF"), "\xEF");          // pe
  EXPECT_EQ(OemToAnsi("\xE0"), "\xF0");          // er
  EXPECT_EQ(OemToAnsi("\xEF"), "\xFF");          // ya
  EXPECT_EQ(OemToAnsi("\xF0\xF1"), "\xA8\xB8");  // IO, io
  // "kvad" in DOS becomes the square word the reader looks for.
  EXPECT_EQ(OemToAnsi("1  0.9 \xAA\xA2\xA0\xA4"), "1  0.9 \xEA\xE2\xE0\xE4");
}

TEST(CodePage, EveryLetterHasItsOwnByte) {
  std::set<std::string> Seen;
  for (int B = 0x80; B < 0xB0; ++B) Seen.insert(OemToAnsi(Byte(B)));
  for (int B = 0xE0; B < 0xF0; ++B) Seen.insert(OemToAnsi(Byte(B)));
  ASSERT_EQ(Seen.size(), 64u);
  for (int B = 0xC0; B <= 0xFF; ++B) EXPECT_EQ(Seen.count(Byte(B)), 1u) << B;
}

TEST(CodePage, SignsAndWhatWindows1251Lacks) {
  EXPECT_EQ(OemToAnsi("\xF8"), "\xB0");                                       // degree
  EXPECT_EQ(OemToAnsi("\xFC"), "\xB9");                                       // numero
  EXPECT_EQ(OemToAnsi("\xFF"), "\xA0");                                       // no-break space
  EXPECT_EQ(OemToAnsi("\xF6\xF7"), "\xA1\xA2");                               // short U, short u
  for (int B = 0xB0; B < 0xE0; ++B) EXPECT_EQ(OemToAnsi(Byte(B)), "?") << B;  // box drawing
  EXPECT_EQ(OemToAnsi("\xF9\xFB\xFE"), "???");  // bullet operator, square root, black square
}

}  // namespace
}  // namespace quillon
