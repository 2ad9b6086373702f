// Scan conversion: the line rule, polygons, and circles and ellipses against
// the exact crossings of their equations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "carvecalc/carvecalc.h"

namespace {

using namespace kw::carvecalc;

// One Optioncarve call over a drawing with rows every `space` mm starting at
// row number `lowRow`.
struct Scan {
  std::vector<pointxy> lines;
  std::vector<polygonside> polys;
  std::vector<VBCircle> circles;
  std::vector<VBEllipse> ellipses;
  carvegruep group;
  std::vector<carve> rows;
  float space = 1;
  int16_t bitcount = 0;
  int32_t lowRow = -20;
  int32_t lastRow = 40;
  Carvecalc calc;

  void Run() {
    int32_t ymin = static_cast<int32_t>(std::lround(lowRow * space * std::pow(10.0, bitcount)));
    calc.Optioncarve(rows, lastRow, group, space, bitcount, ymin, lines, polys, circles, ellipses);
  }
  // The sorted crossings of the row at row number n.
  std::vector<double> Row(int32_t n) const {
    const carve& r = rows.at(static_cast<size_t>(n - lowRow));
    EXPECT_EQ(r.carveXCount, static_cast<int32_t>(r.carveX.size()));
    std::vector<double> xs = r.carveX;
    std::sort(xs.begin(), xs.end());
    return xs;
  }
  int Total() const {
    int n = 0;
    for (const carve& r : rows) n += r.carveXCount;
    return n;
  }
};

pointxy Line(double x1, double y1, double x2, double y2) { return {x1, y1, x2, y2}; }

TEST(OptioncarveLine, HorizontalLineAddsNothing) {
  Scan s;
  s.lines = {Line(0, 3, 10, 3)};
  s.group.carveline = ",0,";
  s.group.carvecatched = true;  // left over from an earlier call
  s.Run();
  ASSERT_TRUE(s.calc.LastError().Ok());
  EXPECT_EQ(s.Total(), 0);
  EXPECT_FALSE(s.group.carvecatched);
  EXPECT_EQ(s.rows.size(), 41u);
}

TEST(OptioncarveLine, RowsOnBoundariesCrossOncePerSpannedRow) {
  Scan s;
  s.lines = {Line(0, 2, 4, 6), Line(4, 6, 4, 10)};  // joined at (4, 6), on row 6
  s.group.carveline = ",0,1,";
  s.Run();
  for (int n = 2; n < 10; ++n) ASSERT_EQ(s.Row(n).size(), 1u) << n;
  EXPECT_EQ(s.Row(2), std::vector<double>{0});  // lower end point: crosses
  EXPECT_EQ(s.Row(5), std::vector<double>{3});
  EXPECT_EQ(s.Row(6), std::vector<double>{4});  // the joint: once, from the second line
  EXPECT_TRUE(s.Row(10).empty());
  EXPECT_TRUE(s.Row(1).empty());
  EXPECT_EQ(s.Total(), 8);
  EXPECT_TRUE(s.group.carvecatched);
  EXPECT_EQ(s.group.carveline, ",0,1,") << "the caller's selection is left as it was";
}

TEST(OptioncarveLine, FractionalSpacingAndBitcountKeepRowsWhole) {
  Scan s;
  s.space = 0.1f;
  s.bitcount = 2;
  s.lowRow = 0;
  s.lastRow = 30;
  s.lines = {Line(0, 0.05, 2.5, 2.55)};
  s.group.carveline = ",0,";
  s.Run();
  ASSERT_TRUE(s.calc.LastError().Ok()) << s.calc.LastError().description;
  EXPECT_TRUE(s.Row(0).empty());
  for (int n = 1; n <= 25; ++n) {
    ASSERT_EQ(s.Row(n).size(), 1u) << n;
    EXPECT_NEAR(s.Row(n)[0], n * 0.1 - 0.05, 1e-5);
    EXPECT_NEAR(s.rows[static_cast<size_t>(n)].carveY, n * 0.1, 1e-6);
  }
  EXPECT_TRUE(s.Row(26).empty());
}

TEST(OptioncarvePolygon, VerticesGiveOneCrossingWhereTheOutlinePassesOn) {
  Scan s;
  polygonside diamond;
  diamond.polyside = {{0, -5}, {5, 0}, {0, 5}, {-5, 0}, {0, -5}};
  diamond.polycount = 5;
  s.polys = {diamond};
  s.group.carvepoly = ",0,";
  s.Run();
  EXPECT_EQ(s.Row(-5), (std::vector<double>{0, 0}));  // bottom vertex, both sides start there
  EXPECT_EQ(s.Row(0), (std::vector<double>{-5, 5}));  // side vertices pass on: one each
  EXPECT_EQ(s.Row(3), (std::vector<double>{-2, 2}));
  EXPECT_TRUE(s.Row(5).empty());  // top vertex: both sides end there
}

TEST(OptioncarveSelection, ListsAreWalkedByWholeEntriesOnce) {
  Scan s;
  for (int i = 0; i < 14; ++i) s.lines.push_back(Line(i, 0, i, 1));
  s.group.carveline = ",3,13,3,,13,";  // "3," is also the tail of "13,"
  s.Run();
  ASSERT_TRUE(s.calc.LastError().Ok());
  EXPECT_EQ(s.Row(0), (std::vector<double>{3, 13}));
}

TEST(OptioncarveFaults, BoundFaultsEndTheCallAndKeepWhatWasStored) {
  Scan s;
  s.lines = {Line(1, 0, 1, 2), Line(2, 0, 2, 100)};
  s.group.carveline = ",0,1,";
  s.Run();
  EXPECT_EQ(s.calc.LastError().code, CarveError::SubscriptOutOfRange);
  EXPECT_EQ(s.calc.LastError().method, "Optioncarve");
  EXPECT_EQ(s.Row(1), (std::vector<double>{1, 2}));
  EXPECT_EQ(s.Row(20), (std::vector<double>{2}));  // the last row that fitted

  Scan missing;
  missing.group.carvecircle = ",0,";
  missing.Run();
  EXPECT_EQ(missing.calc.LastError().code, CarveError::SubscriptOutOfRange);

  Scan badSpace;
  badSpace.space = 0;
  badSpace.Run();
  EXPECT_EQ(badSpace.calc.LastError().code, CarveError::InvalidCall);

  Scan junk;
  junk.lines = {Line(0, 0, 1, 1)};
  junk.group.carveline = ",1e400,";
  junk.Run();
  EXPECT_EQ(junk.calc.LastError().code, CarveError::Overflow);
}

// Full circle, exact reference: every row strictly inside crosses at cx +- sqrt(r^2 - dy^2).
TEST(OptioncarveCircle, FullCircleMatchesTheExactCrossings) {
  for (double r : {7.0, 7.37, 12.5}) {
    Scan s;
    s.space = 0.25f;
    s.lowRow = -80;
    s.lastRow = 160;
    s.circles = {VBCircle{1.3, -0.6, r, 0, 2 * M_PI}};
    s.group.carvecircle = ",0,";
    s.Run();
    ASSERT_TRUE(s.calc.LastError().Ok());
    for (int n = s.lowRow; n <= s.lowRow + s.lastRow; ++n) {
      const double dy = n * 0.25 - (-0.6);
      const auto xs = s.Row(n);
      if (std::abs(dy) >= r) {
        EXPECT_TRUE(xs.empty() || dy < 0) << n;  // only the lowest point may touch
        continue;
      }
      const double half = std::sqrt(r * r - dy * dy);
      ASSERT_EQ(xs.size(), 2u) << "row " << n;
      EXPECT_NEAR(xs[0], 1.3 - half, 1e-9);
      EXPECT_NEAR(xs[1], 1.3 + half, 1e-9);
    }
  }
}

// The reference for an arc: the candidate crossings of the full circle whose
// angle lies strictly inside the drawn range.
TEST(OptioncarveCircle, ArcKeepsOnlyCrossingsOnItsDrawnPart) {
  const double arcs[][2] = {{0.3, 2.0}, {2.0, 0.3}, {-1.0, 4.0}, {4.5, 5.0}};
  for (const auto& arc : arcs) {
    for (bool veer : {false, true}) {
      Scan s;
      s.space = 0.5f;
      VBCircle c{0.2, 0.1, 9.1, arc[0], arc[1]};
      c.Veer = veer;
      s.circles = {c};
      s.group.carvecircle = ",0,";
      s.Run();
      ASSERT_TRUE(s.calc.LastError().Ok());
      const double from = veer ? arc[1] : arc[0], to = veer ? arc[0] : arc[1];
      const double span = std::fmod(std::fmod(to - from, 2 * M_PI) + 2 * M_PI, 2 * M_PI);
      for (int n = -19; n <= 19; ++n) {
        const double dy = n * 0.5 - 0.1;
        std::vector<double> expected;
        if (dy >= -9.1 && dy < 9.1) {  // the lowest point counts, the highest not
          const double t = std::asin(std::max(-1.0, dy / 9.1));
          for (double angle : {M_PI - t, t}) {
            const double d = std::fmod(std::fmod(angle - from, 2 * M_PI) + 2 * M_PI, 2 * M_PI);
            if (d > 1e-9 && d < span - 1e-9) expected.push_back(0.2 + 9.1 * std::cos(angle));
          }
        }
        std::sort(expected.begin(), expected.end());
        const auto xs = s.Row(n);
        ASSERT_EQ(xs.size(), expected.size()) << arc[0] << ".." << arc[1] << " veer " << veer << " row " << n;
        for (size_t k = 0; k < xs.size(); ++k) EXPECT_NEAR(xs[k], expected[k], 1e-9);
      }
    }
  }
}

TEST(OptioncarveCircle, ArcEndsOnRowsFollowTheLineRule) {
  Scan s;
  s.circles = {VBCircle{0, 0, 10, 0, M_PI}};  // upper half: ends on row 0
  s.lines = {Line(-10, 0, 10, 0)};            // closed by a horizontal diameter
  s.group.carvecircle = ",0,";
  s.group.carveline = ",0,";
  s.Run();
  EXPECT_EQ(s.Row(0), (std::vector<double>{-10, 10}));
  EXPECT_TRUE(s.Row(10).empty());
  EXPECT_TRUE(s.Row(-1).empty());

  Scan q;  // quarter from the bottom to the right: climbs on the right side
  q.circles = {VBCircle{0, 0, 10, 3 * M_PI / 2, 2 * M_PI}};
  q.group.carvecircle = ",0,";
  q.Run();
  EXPECT_EQ(q.Row(-10).size(), 1u);
  EXPECT_EQ(q.Row(-5).size(), 1u);
  EXPECT_TRUE(q.Row(0).empty());
}

// Full ellipse against its implicit equation.
TEST(OptioncarveEllipse, FullEllipseMatchesTheExactCrossings) {
  Scan s;
  s.space = 0.5f;
  VBEllipse e;
  e.xE = -1, e.yE = 2, e.aE = 8, e.bE = 3, e.conerE = 0.7, e.StartE = 0, e.EndE = 2 * M_PI;
  s.ellipses = {e};
  s.group.carveellipse = ",0,";
  s.Run();
  ASSERT_TRUE(s.calc.LastError().Ok());
  const double h = s.calc.ymaxE(0.7, 0, 0, 8, 3);
  int rows = 0;
  for (int n = -19; n <= 20; ++n) {
    const double y = n * 0.5;
    const auto xs = s.Row(n);
    if (std::abs(y - 2) >= h) {
      EXPECT_TRUE(xs.empty()) << n;
      continue;
    }
    ASSERT_EQ(xs.size(), 2u) << n;
    ++rows;
    for (double x : xs) {
      const double u = (x + 1) * std::cos(0.7) + (y - 2) * std::sin(0.7);
      const double v = -(x + 1) * std::sin(0.7) + (y - 2) * std::cos(0.7);
      EXPECT_NEAR(u * u / 64 + v * v / 9, 1, 1e-9);
    }
  }
  EXPECT_GT(rows, 10);
}

// The reference for an elliptic arc: the crossings of the full ellipse (from
// its equation) whose parameter lies strictly inside the drawn range.
TEST(OptioncarveEllipse, ArcKeepsOnlyCrossingsOnItsDrawnPart) {
  const double a = 8, b = 3, c = 0.3;
  const double arcs[][2] = {{0.5, 2.8}, {2.8, 0.5}, {-2.0, 1.0}, {4.0, 6.0}};
  for (const auto& arc : arcs) {
    Scan s;
    s.space = 0.5f;
    VBEllipse e;
    e.aE = a, e.bE = b, e.conerE = c, e.StartE = arc[0], e.EndE = arc[1];
    s.ellipses = {e};
    s.group.carveellipse = ",0,";
    s.Run();
    ASSERT_TRUE(s.calc.LastError().Ok());
    const double span = std::fmod(std::fmod(arc[1] - arc[0], 2 * M_PI) + 2 * M_PI, 2 * M_PI);
    for (int n = -19; n <= 20; ++n) {
      const double y = n * 0.5;
      std::vector<double> expected;
      twopoint xs = s.calc.Ellipsex(0, 0, a, b, c, 0, 0, y);
      if (!std::isnan(xs.Ex1)) {
        for (double x : {xs.Ex1, xs.Ex2}) {
          // Back to the parameter of the crossing in the ellipse's own frame.
          const double u = x * std::cos(c) + y * std::sin(c);
          const double v = -x * std::sin(c) + y * std::cos(c);
          const double t = std::atan2(v / b, u / a);
          const double d = std::fmod(std::fmod(t - arc[0], 2 * M_PI) + 2 * M_PI, 2 * M_PI);
          if (d > 1e-9 && d < span - 1e-9) expected.push_back(x);
        }
      }
      std::sort(expected.begin(), expected.end());
      const auto got = s.Row(n);
      ASSERT_EQ(got.size(), expected.size()) << arc[0] << ".." << arc[1] << " row " << n;
      for (size_t k = 0; k < got.size(); ++k) EXPECT_NEAR(got[k], expected[k], 1e-9);
    }
  }
}

TEST(OptioncarveEllipse, ClockwiseAndNegativeAxesMeanTheSameArcs) {
  auto rowsOf = [](double a, double b, double from, double to, bool veer) {
    Scan s;
    s.space = 0.5f;
    VBEllipse e;
    e.aE = a, e.bE = b, e.conerE = 0.4, e.StartE = from, e.EndE = to, e.Veer = veer;
    s.ellipses = {e};
    s.group.carveellipse = ",0,";
    s.Run();
    EXPECT_TRUE(s.calc.LastError().Ok());
    std::vector<std::vector<double>> rows;
    for (int n = -19; n <= 20; ++n) rows.push_back(s.Row(n));
    return rows;
  };
  const auto plain = rowsOf(7, 3, M_PI - 2.5, M_PI - 0.5, false);
  const auto mirrored = rowsOf(-7, 3, 0.5, 2.5, false);  // P(-a, b, t) = P(a, b, pi - t)
  for (size_t r = 0; r < plain.size(); ++r) {
    ASSERT_EQ(mirrored[r].size(), plain[r].size()) << r;
    for (size_t k = 0; k < plain[r].size(); ++k) EXPECT_NEAR(mirrored[r][k], plain[r][k], 1e-9);
  }
  EXPECT_EQ(rowsOf(7, 3, 2.5, 0.5, true), rowsOf(7, 3, 0.5, 2.5, false));
}

}  // namespace
