// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "pins/ApertureTable.h"

namespace quillon {
namespace {

TEST(ApertureTable, DCodesStartAtTenAndStayDenseAfterClear) {
  TApertureTable T;
  T.FindOrAdd(2, false, 1.0);
  T.FindOrAdd(2, false, 1.0);
  T.Clear();
  EXPECT_EQ(T.Count(), 0);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.1), 10);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.2), 11);
  EXPECT_EQ(T.FindOrAdd(2, false, 0.3), 12);
  EXPECT_EQ(T.FindOrAdd(1, false, 0.4), 13);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.5), 14);
  for (int I = 0; I < T.Count(); ++I) EXPECT_EQ(T.Items(I).DCode, I + 10);
  // A Clear forgets the reusable rows too.
  T.Clear();
  EXPECT_EQ(T.FindOrAdd(1, true, 0.5), 10);
  EXPECT_EQ(T.Count(), 1);
}

TEST(ApertureTable, SizesThatAreNotPositiveBecomeTheSmallestAperture) {
  TApertureTable T;
  EXPECT_EQ(T.FindOrAdd(1, true, 0), 10);
  EXPECT_EQ(T.Items(0).Size, 0.0001);
  EXPECT_EQ(T.FindOrAdd(1, true, -3), 10);
  EXPECT_EQ(T.FindOrAdd(1, false, std::numeric_limits<double>::quiet_NaN()), 10);
  EXPECT_EQ(T.Count(), 1);
  // A non-reusable request of a non-positive size also gets 0.0001.
  EXPECT_EQ(T.FindOrAdd(2, false, -1), 11);
  EXPECT_EQ(T.Items(1).Size, 0.0001);
}

TEST(ApertureTable, RoundRowsAreSharedPerThousandth) {
  TApertureTable T;
  EXPECT_EQ(T.FindOrAdd(1, true, 0.2502), 10);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.2498), 10);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.2512), 11);
  EXPECT_EQ(T.Items(0).Size, 0.2502);  // the first size asked for stays
  // Halves go to even: 2.5 thousandths share the row of 2, 3.5 that of 4.
  EXPECT_EQ(T.FindOrAdd(1, true, 0.002), 12);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.0025), 12);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.004), 13);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.0035), 13);
  EXPECT_EQ(TApertureTable::SizeKey(2.5), 2500);
}

TEST(ApertureTable, OnlyReusableCircleRowsAnswer) {
  TApertureTable T;
  EXPECT_EQ(T.FindOrAdd(1, true, 0.5), 10);
  EXPECT_EQ(T.FindOrAdd(2, false, 0.5), 11);  // a square never looks
  EXPECT_EQ(T.FindOrAdd(2, true, 0.5), 12);
  EXPECT_EQ(T.FindOrAdd(1, false, 0.5), 10);  // answered by the reusable round row
  EXPECT_EQ(T.FindOrAdd(1, false, 0.7), 13);
  EXPECT_EQ(T.FindOrAdd(1, false, 0.7), 14);  // non-reusable rows never answer
  EXPECT_EQ(T.FindOrAdd(1, true, 0.7), 15);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.7), 15);
  EXPECT_FALSE(T.Items(3).Reusable);
  EXPECT_TRUE(T.Items(5).Reusable);
  EXPECT_EQ(T.Items(1).Shape, 2);
}

TEST(ApertureTable, RepeatedSizesAnswerLikeTheFirstAskAfterClearAndCopy) {
  TApertureTable T;
  EXPECT_EQ(T.FindOrAdd(1, true, 0.3), 10);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.3), 10);
  T.Clear();
  // No row answers after a Clear, and a non-reusable row never does.
  EXPECT_EQ(T.FindOrAdd(1, false, 0.3), 10);
  EXPECT_EQ(T.FindOrAdd(1, false, 0.3), 11);
  EXPECT_EQ(T.FindOrAdd(2, true, 0.3), 12);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.3), 13);
  EXPECT_EQ(T.FindOrAdd(2, true, 0.3), 14);  // a square never looks
  EXPECT_EQ(T.FindOrAdd(1, false, 0.3), 13);
  EXPECT_EQ(T.FindOrAdd(1, true, 0.0), 15);
  EXPECT_EQ(T.FindOrAdd(1, true, -0.0), 15);
  const TApertureTable Copy = T;
  TApertureTable Other = Copy;
  EXPECT_EQ(Other.FindOrAdd(1, true, 0.0), 15);
  EXPECT_EQ(Other.FindOrAdd(1, true, 0.3), 13);
  EXPECT_EQ(T.Count(), 6);
}

TEST(ApertureTable, ManyDistinctWidthsEachGetOneRow) {
  TApertureTable T;
  for (int I = 1; I <= 20000; ++I) T.FindOrAdd(1, true, I * 0.001);
  for (int I = 1; I <= 20000; ++I) ASSERT_EQ(T.FindOrAdd(1, true, I * 0.001), I + 9);
  EXPECT_EQ(T.Count(), 20000);
}

TEST(ApertureTable, HugeSizesDoNotMisbehave) {
  TApertureTable T;
  const double Inf = std::numeric_limits<double>::infinity();
  const int A = T.FindOrAdd(1, true, Inf);
  EXPECT_EQ(T.FindOrAdd(1, true, Inf), A);
  EXPECT_EQ(T.FindOrAdd(1, true, 1e300), A);  // both beyond the key range
  EXPECT_EQ(T.Count(), 1);
}

TEST(ApertureTable, TakeNewAnswersOncePerRow) {
  TApertureTable T;
  const int D = T.FindOrAdd(1, true, 0.3);
  EXPECT_TRUE(T.TakeNew(D));
  EXPECT_FALSE(T.TakeNew(D));
  EXPECT_FALSE(T.TakeNew(D + 1));
  EXPECT_FALSE(T.TakeNew(9));
  EXPECT_FALSE(T.TakeNew(std::numeric_limits<std::int32_t>::min()));
  // Reusing the row does not make it new again.
  EXPECT_EQ(T.FindOrAdd(1, true, 0.3), D);
  EXPECT_FALSE(T.TakeNew(D));
}

TEST(ApertureTable, FindByDCode) {
  TApertureTable T;
  T.FindOrAdd(1, true, 0.3);
  T.FindOrAdd(2, false, 1.5);
  ASSERT_NE(T.FindByDCode(11), nullptr);
  EXPECT_EQ(T.FindByDCode(11)->Size, 1.5);
  EXPECT_EQ(T.FindByDCode(11)->Shape, 2);
  EXPECT_EQ(T.FindByDCode(12), nullptr);
  EXPECT_EQ(T.FindByDCode(9), nullptr);
  EXPECT_EQ(T.FindByDCode(std::numeric_limits<std::int32_t>::max()), nullptr);
}

}  // namespace
}  // namespace quillon
