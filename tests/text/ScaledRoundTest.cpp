// SPDX-License-Identifier: MIT
// The quick double road of the fixed-point rounding against the extended
// precision one, and the finished text against the C library's printf.

#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "text/NumberFormat.h"

namespace quillon {
namespace {

constexpr int MaxDecimals = 6;

// Values that probe the rounding at Decimals: exact halves, their neighbours
// one and two ulps away, the nearest doubles to decimal halves, values near
// the quick road's limit and beyond, and random ones over many magnitudes.
std::vector<double> ProbeValues(int Decimals) {
  std::vector<double> Values;
  auto AddWithNeighbours = [&](double V) {
    for (double W : {V, -V}) {
      Values.push_back(W);
      double Up = W, Down = W;
      for (int I = 0; I < 2; ++I) {
        Up = std::nextafter(Up, HUGE_VAL);
        Down = std::nextafter(Down, -HUGE_VAL);
        Values.push_back(Up);
        Values.push_back(Down);
      }
    }
  };
  // (2k+1) / 2^(Decimals+1) times 10^Decimals is exactly k + 1/2.
  const double HalfStep = std::ldexp(1.0, -(Decimals + 1));
  for (int K = 0; K < 400; ++K) AddWithNeighbours((2 * K + 1) * HalfStep);
  for (double Big : {1e6, 1e9, 3e11 / std::pow(10.0, Decimals)})
    AddWithNeighbours(std::floor(Big) + HalfStep);
  const double Unit = std::pow(10.0, Decimals);
  for (int K = -300; K < 300; ++K) AddWithNeighbours((K + 0.5) / Unit);
  for (double Limit : {std::ldexp(1.0, 40), 9.2e18, 9.3e18, 1e300}) AddWithNeighbours(Limit / Unit);
  for (double Tiny : {0.0, 5e-324, 1e-300, 0.4 / Unit, 0.6 / Unit}) AddWithNeighbours(Tiny);

  std::mt19937_64 Random(20261209 + Decimals);
  std::uniform_real_distribution<double> Mantissa(1.0, 2.0);
  std::uniform_int_distribution<int> Exponent(-30, 62);
  for (int I = 0; I < 20000; ++I) {
    const double V = std::ldexp(Mantissa(Random), Exponent(Random));
    Values.push_back(I % 2 ? -V : V);
  }
  // Board coordinates: database units times the usual scales.
  for (double Scale : {0.01, 0.0254, 0.025, 0.0254 / 25.4, 0.001})
    for (std::int32_t X = -5000; X <= 5000; X += 7) Values.push_back(X * Scale);
  return Values;
}

TEST(ScaledRound, TheQuickRoadAgreesWithTheExactOneWhereverItAnswers) {
  for (int D = 0; D <= MaxDecimals; ++D) {
    for (double V : ProbeValues(D)) {
      std::int64_t Exact = 0, Quick = 0, Either = 0;
      const bool HasExact = fmt::ScaledRoundExact(V, D, Exact);
      if (fmt::ScaledRoundQuick(V, D, Quick)) {
        ASSERT_TRUE(HasExact) << V << " at " << D;
        ASSERT_EQ(Quick, Exact) << std::hexfloat << V << " at " << D;
      }
      ASSERT_EQ(fmt::ScaledRound(V, D, Either), HasExact) << V << " at " << D;
      if (HasExact) {
        ASSERT_EQ(Either, Exact) << std::hexfloat << V << " at " << D;
      }
    }
  }
}

TEST(ScaledRound, TheQuickRoadTakesNearlyEveryCoordinate) {
  std::mt19937_64 Random(7);
  std::uniform_real_distribution<double> Coordinate(-1e5, 1e5);
  for (int D = 0; D <= MaxDecimals; ++D) {
    int Answered = 0;
    std::int64_t R = 0;
    for (int I = 0; I < 10000; ++I) Answered += fmt::ScaledRoundQuick(Coordinate(Random), D, R);
    EXPECT_GT(Answered, 9990) << "at " << D;
  }
}

TEST(ScaledRound, ExactHalvesGoTheExactRoadAndRoundAwayFromZero) {
  std::int64_t R = 0;
  for (double V : {0.125, -0.375, 2.5 / 100}) {
    EXPECT_FALSE(fmt::ScaledRoundQuick(V, 2, R)) << V;
  }
  EXPECT_FALSE(fmt::ScaledRoundQuick(2.5, 0, R));
  ASSERT_TRUE(fmt::ScaledRound(0.125, 2, R));
  EXPECT_EQ(R, 13);
  ASSERT_TRUE(fmt::ScaledRound(-0.375, 2, R));
  EXPECT_EQ(R, -38);
  ASSERT_TRUE(fmt::ScaledRound(-2.5, 0, R));
  EXPECT_EQ(R, -3);
  ASSERT_TRUE(fmt::ScaledRound(std::nextafter(0.125, 0.0), 2, R));
  EXPECT_EQ(R, 12);
  ASSERT_TRUE(fmt::ScaledRound(std::nextafter(-0.375, 0.0), 2, R));
  EXPECT_EQ(R, -37);
}

TEST(ScaledRound, RefusesWhatDoesNotFit) {
  std::int64_t R = 0;
  EXPECT_FALSE(fmt::ScaledRound(1e18, 2, R));
  EXPECT_FALSE(fmt::ScaledRound(NAN, 2, R));
  EXPECT_FALSE(fmt::ScaledRound(-HUGE_VAL, 0, R));
  EXPECT_FALSE(fmt::ScaledRound(1.0, 7, R));
  EXPECT_FALSE(fmt::ScaledRound(1.0, -1, R));
  EXPECT_FALSE(fmt::ScaledRoundQuick(NAN, 2, R));
}

// What "%*.*f" prints, without "-" on a value that printed as zero. printf
// rounds the exact value too, only its halves go to even: the caller leaves
// exact halves out.
std::string PrintfFixed(double V, int Decimals, int Width) {
  char Buf[512];
  std::snprintf(Buf, sizeof Buf, "%.*f", Decimals, V);
  std::string S = Buf;
  if (S[0] == '-' && S.find_first_not_of("-0.") == std::string::npos) S.erase(0, 1);
  if (static_cast<int>(S.size()) < Width)
    S.insert(0, static_cast<std::size_t>(Width) - S.size(), ' ');
  return S;
}

bool IsExactHalf(double V, int Decimals) {
  const long double Scaled = static_cast<long double>(V) * std::pow(10.0L, Decimals);
  return std::fabs(Scaled - std::trunc(Scaled)) == 0.5L;
}

TEST(ScaledRound, FixedTextMatchesPrintfAwayFromHalves) {
  for (int D = 0; D <= MaxDecimals; ++D) {
    for (double V : ProbeValues(D)) {
      if (IsExactHalf(V, D) || std::fabs(V) * std::pow(10.0, D) >= 9.2e18) continue;
      for (int Width : {0, 2, 4, 12}) {
        ASSERT_EQ(fmt::Fixed(V, D, Width), PrintfFixed(V, D, Width))
            << std::hexfloat << V << " at " << D << ", width " << Width;
      }
    }
  }
}

TEST(ScaledRound, PaddedIntegersMatchPrintf) {
  std::vector<std::int64_t> Values = {0,   1,     -1,     9,         10,        -10,          99,
                                      100, 12345, -12345, INT64_MAX, INT64_MIN, INT64_MIN + 1};
  for (std::int64_t P = 10; P < INT64_MAX / 10; P *= 10) {
    Values.push_back(P);
    Values.push_back(P - 1);
    Values.push_back(-P);
  }
  char Buf[128];
  for (std::int64_t V : Values) {
    for (int Width : {0, 1, 4, 25}) {
      for (int Precision : {1, 2, 5, 21}) {
        std::snprintf(Buf, sizeof Buf, "%*.*" PRId64, Width, Precision, V);
        ASSERT_EQ(fmt::IntPadded(V, Width, Precision), Buf)
            << V << ' ' << Width << ' ' << Precision;
      }
    }
  }
}

}  // namespace
}  // namespace quillon
