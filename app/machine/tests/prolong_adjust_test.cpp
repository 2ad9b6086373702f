#include "machine/prolong_adjust.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<int32_t, int32_t>>;
constexpr double kPulsesPerMm = 100;

// Applies the adjustment to a path given as points 1..n and returns them.
Points Adjusted(const Points& path, float proLong) {
  std::vector<int32_t> X{0}, Y{0};
  for (const auto& [x, y] : path) X.push_back(x), Y.push_back(y);
  kw::AdjustPathEnds(X, Y, proLong, kPulsesPerMm);
  Points out;
  for (size_t i = 1; i < X.size(); ++i) out.emplace_back(X[i], Y[i]);
  return out;
}

// A 10 mm square, closed, starting at the origin and going +X first.
const Points kSquare{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}, {0, 0}};

TEST(ProLongAdjust, OvercutRetracesTheStartOfAClosedPath) {
  Points expected = kSquare;
  expected.push_back({200, 0});  // 2 mm along the first side
  EXPECT_EQ(Adjusted(kSquare, 2), expected);

  expected = kSquare;  // 15 mm: the whole first side, then 5 mm of the second
  expected.push_back({1000, 0});
  expected.push_back({1000, 500});
  EXPECT_EQ(Adjusted(kSquare, 15), expected);
}

TEST(ProLongAdjust, NegativeValueShortensTheEnd) {
  Points expected = kSquare;
  expected.back() = {0, 200};  // the last side ends 2 mm early
  EXPECT_EQ(Adjusted(kSquare, -2), expected);

  // 15 mm: the last side is dropped and the one before loses 5 mm.
  EXPECT_EQ(Adjusted(kSquare, -15), (Points{{0, 0}, {1000, 0}, {1000, 1000}, {500, 1000}}));
}

TEST(ProLongAdjust, AdjustmentLongerThanThePathChangesNothing) {
  EXPECT_EQ(Adjusted(kSquare, 50), kSquare);
  EXPECT_EQ(Adjusted(kSquare, -50), kSquare);
}

TEST(ProLongAdjust, OnlyClosedPathsOfFourPointsOrMoreAreAdjusted) {
  const Points open{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}, {0, 100}};
  EXPECT_EQ(Adjusted(open, 2), open);
  const Points triangle{{0, 0}, {1000, 0}, {0, 0}};
  EXPECT_EQ(Adjusted(triangle, 2), triangle);
  EXPECT_EQ(Adjusted(kSquare, 0), kSquare);
  EXPECT_EQ(Adjusted(kSquare, 0.004f), kSquare);  // less than half a pulse

  // Ends 0.05 mm apart still count as closed; 0.06 mm do not.
  Points nearlyClosed = kSquare;
  nearlyClosed.back() = {0, 5};
  EXPECT_EQ(Adjusted(nearlyClosed, 2).size(), 6u);
  nearlyClosed.back() = {0, 6};
  EXPECT_EQ(Adjusted(nearlyClosed, 2), nearlyClosed);
}

}  // namespace
