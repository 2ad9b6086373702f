// Ellipse helpers checked against the point formula and brute-force sampling.
#include <gtest/gtest.h>

#include <cmath>

#include "carvecalc/carvecalc.h"

namespace {

using kw::carvecalc::Carvecalc;
using kw::carvecalc::CarveError;
using kw::carvecalc::polyfunction;

// The extreme |x - ex| and |y - ey| over a fine sampling of the outline.
std::pair<double, double> SampledHalfExtents(double a, double b, double c) {
  double w = 0, h = 0;
  for (int k = 0; k < 200000; ++k) {
    const double t = 2 * M_PI * k / 200000;
    w = std::max(w, std::abs(a * std::cos(c) * std::cos(t) - b * std::sin(c) * std::sin(t)));
    h = std::max(h, std::abs(a * std::sin(c) * std::cos(t) + b * std::cos(c) * std::sin(t)));
  }
  return {w, h};
}

TEST(EllipseExtent, MatchesTheOutlineAtOrdinaryAndSpecialAngles) {
  Carvecalc calc;
  for (double c : {0.0, 1.570796326794895, 0.3, 1.2, 2.0, -0.7, M_PI, 4.0}) {
    const auto [w, h] = SampledHalfExtents(5, 2, c);
    EXPECT_NEAR(calc.xmaxE(c, 0, 0, 5, 2), w, 1e-6) << c;
    EXPECT_NEAR(calc.ymaxE(c, 0, 0, 5, 2), h, 1e-6) << c;
    EXPECT_TRUE(calc.LastError().Ok());
  }
  EXPECT_DOUBLE_EQ(calc.ymaxE(0, 0, 0, 5, 2), 2);
  EXPECT_DOUBLE_EQ(calc.xmaxE(1.570796326794895, 0, 0, 5, 2), 2);
}

TEST(EllipseExtent, ZeroSemiAxisIsADivisionFault) {
  Carvecalc calc;
  EXPECT_EQ(calc.ymaxE(0.5, 0, 0, 0, 2), 0);
  EXPECT_EQ(calc.LastError().code, CarveError::DivisionByZero);
  EXPECT_EQ(calc.LastError().method, "ymaxE");
  calc.xmaxE(0.5, 0, 0, 3, 2);
  EXPECT_TRUE(calc.LastError().Ok()) << "each call resets the status";
}

TEST(EllipsePoints, FormulaEndPointsAndParameterPoint) {
  Carvecalc calc;
  double x = 1, y = 2;
  const auto s = calc.EPXY(x, y, 4, 3, M_PI / 2, 0, M_PI / 2);
  EXPECT_NEAR(s.X1, 1, 1e-12);  // rotated a quarter: the a axis points up
  EXPECT_NEAR(s.Y1, 6, 1e-12);
  EXPECT_NEAR(s.x2, -2, 1e-12);
  EXPECT_NEAR(s.y2, 2, 1e-12);
  const polyfunction p = calc.EllipseFS(1, y, 4, 3, M_PI / 2, M_PI / 2);
  EXPECT_NEAR(p.X, s.x2, 1e-12);
  EXPECT_NEAR(p.Y, s.y2, 1e-12);
}

TEST(Ellipseline, EqualStartAndEndGiveStartLoopAndEndPoint) {
  Carvecalc calc;
  std::vector<polyfunction> pts(7);
  int32_t id = 99;
  calc.Ellipseline(0, 0, 2, 1, 0, 0.5, 0.5, 0.1, pts, id);
  ASSERT_TRUE(calc.LastError().Ok());
  ASSERT_EQ(pts.size(), 3u);
  EXPECT_EQ(id, 2);
  for (const auto& p : pts) {
    EXPECT_DOUBLE_EQ(p.X, 2 * std::cos(0.5));
    EXPECT_DOUBLE_EQ(p.Y, std::sin(0.5));
  }
}

TEST(Ellipseline, StepsLikeAForLoopAndEndsOnTheEndPoint) {
  Carvecalc calc;
  std::vector<polyfunction> pts;
  int32_t id = 0;
  calc.Ellipseline(0, 0, 1, 1, 0, 0, 1, 0.25, pts, id);
  ASSERT_EQ(id, 6);  // start, t = 0 .. 1 by 0.25 (5 points), end
  EXPECT_DOUBLE_EQ(pts[2].X, std::cos(0.25));
  EXPECT_DOUBLE_EQ(pts[6].Y, std::sin(1.0));
  calc.Ellipseline(0, 0, 1, 1, 0, 1, 0, 0.25, pts, id);
  EXPECT_EQ(id, 1) << "a loop that does not run leaves start and end";
  calc.Ellipseline(0, 0, 1, 1, 0, 0, 1, 0, pts, id);
  EXPECT_EQ(calc.LastError().code, CarveError::InvalidCall) << "a zero step never ends";
  EXPECT_EQ(pts.size(), 1u) << "the start point stored before the fault stays";
  EXPECT_EQ(id, 0);
  calc.Ellipseline(0, 0, 1, 1, 0, 0, 1e9, 1e-3, pts, id);
  EXPECT_EQ(calc.LastError().code, CarveError::OutOfMemory);
}

TEST(Ellipsex, CrossingsLieOnTheRotatedEllipse) {
  Carvecalc calc;
  const double a = 6, b = 2.5, c = 0.6, ex = 3, ey = -1;
  for (double y : {-3.0, -1.0, 0.5, 2.0}) {
    const auto xs = calc.Ellipsex(0, 0, a, b, c, ex, ey, y);
    ASSERT_LT(xs.Ex1, xs.Ex2);
    for (double x : {xs.Ex1, xs.Ex2}) {
      // Back into the ellipse's own frame: (u/a)^2 + (v/b)^2 must be 1.
      const double u = (x - ex) * std::cos(c) + (y - ey) * std::sin(c);
      const double v = -(x - ex) * std::sin(c) + (y - ey) * std::cos(c);
      EXPECT_NEAR(u * u / (a * a) + v * v / (b * b), 1, 1e-9);
    }
  }
  const auto shifted = calc.Ellipsex(10, 1, a, b, c, ex, ey, -1.0);
  const auto plain = calc.Ellipsex(0, 0, a, b, c, ex, ey, 0.0);
  EXPECT_DOUBLE_EQ(shifted.Ex1, plain.Ex1 - 10);
  EXPECT_TRUE(std::isnan(calc.Ellipsex(0, 0, a, b, c, ex, ey, 50).Ex1));
}

TEST(Ellipsefocus, FociSumToTheMajorAxisAndFociChoosesTheSide) {
  Carvecalc calc;
  const double a = 5, b = 3, c = 0.4;
  const polyfunction f = calc.Ellipsefocus(a, b, c);
  EXPECT_NEAR(std::hypot(f.X, f.Y), 4, 1e-12);
  double centreY = 0;
  for (double t : {0.0, 1.0, 2.5}) {
    const polyfunction p = calc.EllipseFS(0, centreY, a, b, c, t);
    EXPECT_NEAR(std::hypot(p.X - f.X, p.Y - f.Y) + std::hypot(p.X + f.X, p.Y + f.Y), 2 * a, 1e-9);
  }
  calc.Foci(2);
  EXPECT_EQ(calc.Foci(), 2);
  EXPECT_DOUBLE_EQ(calc.Ellipsefocus(a, b, c).X, -f.X);
}

TEST(Ellpisexy1, RayPointLiesOnTheEllipseAtTheGivenAngle) {
  Carvecalc calc;
  double cx = 1, cy = 1, a = 4, b = 2;
  for (double phi : {0.0, 0.7, 2.0, 4.0}) {
    const polyfunction p = calc.Ellpisexy1(cx, cy, a, b, phi);
    EXPECT_NEAR((p.X - 1) * (p.X - 1) / 16 + (p.Y - 1) * (p.Y - 1) / 4, 1, 1e-12);
    EXPECT_NEAR(std::atan2(p.Y - 1, p.X - 1), std::remainder(phi, 2 * M_PI), 1e-12);
  }
}

}  // namespace
