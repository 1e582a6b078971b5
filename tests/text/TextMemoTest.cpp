// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "text/CoordText.h"
#include "text/NumberFormat.h"
#include "text/TextMemo.h"

namespace quillon {
namespace {

// Writes "<Key>" at P and counts how often it had to.
struct TCountingMake {
  int Calls = 0;
  char* operator()(char* P, std::int32_t Key) {
    ++Calls;
    const std::string Text = "<" + std::to_string(Key) + ">";
    for (const char C : Text) *P++ = C;
    return P;
  }
};

template <class TMemo, class TKey, class TMake>
std::string Written(TMemo& Memo, TKey Key, TMake&& Make) {
  char Buf[64];
  char* End = Memo.Write(Buf, Key, Make);
  return End ? std::string(Buf, End) : "(none)";
}

TEST(TextMemo, RemembersEachKeyAndKeepsKeysThatShareASlotApart) {
  TTextMemo<std::int32_t, 12> Memo;
  TCountingMake Make;
  const auto Text = [&](std::int32_t Key) {
    return Written(Memo, Key, [&](char* P) { return Make(P, Key); });
  };
  EXPECT_EQ(Text(7), "<7>");
  EXPECT_EQ(Text(7), "<7>");
  EXPECT_EQ(Make.Calls, 1);
  // More keys than slots: some share a slot, and each still gets its own text.
  for (std::int32_t Key = -70000; Key <= 70000; Key += 3) ASSERT_EQ(Text(Key), "<" + std::to_string(Key) + ">");
  for (std::int32_t Key = 70000; Key >= -70000; Key -= 3) ASSERT_EQ(Text(Key), "<" + std::to_string(Key) + ">");
  Memo.Clear();
  const int Before = Make.Calls;
  EXPECT_EQ(Text(7), "<7>");
  EXPECT_EQ(Make.Calls, Before + 1);
}

TEST(TextMemo, TextsTooLongOrMissingAreNotRemembered) {
  TTextMemo<std::int32_t, 4> Memo;
  int Calls = 0;
  const auto Long = [&](char* P) {
    ++Calls;
    for (const char C : std::string("123456")) *P++ = C;
    return P;
  };
  EXPECT_EQ(Written(Memo, 1, Long), "123456");
  EXPECT_EQ(Written(Memo, 1, Long), "123456");
  EXPECT_EQ(Calls, 2);
  EXPECT_EQ(Written(Memo, 2, [](char*) -> char* { return nullptr; }), "(none)");
  // A key that had no text may have one later: nothing was kept for it.
  EXPECT_EQ(Written(Memo, 2, [](char* P) { *P = 'x'; return P + 1; }), "x");
}

TEST(TextMemo, DoubleKeysAreTheirBits) {
  TTextMemo<double, 15> Memo;
  const auto Sign = [](double V) {
    return [V](char* P) { *P = std::signbit(V) ? '-' : '+'; return P + 1; };
  };
  EXPECT_EQ(Written(Memo, 0.0, Sign(0.0)), "+");
  EXPECT_EQ(Written(Memo, -0.0, Sign(-0.0)), "-");
  EXPECT_EQ(Written(Memo, 0.0, Sign(0.0)), "+");
}

TEST(CoordText, PrintsWhatF42Prints) {
  const double Values[] = {0.0,     -0.0,    0.005,  -0.005, 1.005,    125 * 0.0254,
                           -3.175,  1e6,     1e11,   -1e11,  1e300,    -2147483648.0 * 0.0254,
                           std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()};
  for (int Pass = 0; Pass < 2; ++Pass) {  // printed, then remembered
    for (const double V : Values) {
      TTextLines Lines;
      LineBuilder(Lines) << F42Coord{V} << ',' << F42Coord{V};
      EXPECT_EQ(Lines[0], fmt::Fixed(V, 2, 4) + "," + fmt::Fixed(V, 2, 4)) << V;
    }
  }
  for (std::int32_t X = -40000; X <= 40000; X += 7) {
    TTextLines Lines;
    LineBuilder(Lines) << F42Coord{X * 0.0254};
    ASSERT_EQ(Lines[0], fmt::Fixed(X * 0.0254, 2, 4)) << X;
  }
}

}  // namespace
}  // namespace quillon
