// Arc helpers: end points, extents and the drawn-part tests, against angles.
#include <gtest/gtest.h>

#include <cmath>

#include "arc_math.h"
#include "carvecalc/carve_fault.h"
#include "carvecalc/carvecalc.h"

namespace {

using kw::carvecalc::Carvecalc;

TEST(ArcHelpers, InverseSineAndCosineAreExactAtTheEnds) {
  EXPECT_EQ(kw::carvecalc::ArcSin(1), 1.570796326794895);
  EXPECT_EQ(kw::carvecalc::ArcSin(-1), -1.570796326794895);
  EXPECT_EQ(kw::carvecalc::ArcCos(1), 0);
  EXPECT_EQ(kw::carvecalc::ArcCos(-1), 3.14159265358979);
  for (double x : {-0.9, -0.3, 0.0, 0.5, 0.99}) {
    EXPECT_NEAR(kw::carvecalc::ArcSin(x), std::asin(x), 1e-14);
    EXPECT_NEAR(kw::carvecalc::ArcCos(x), std::acos(x), 1e-14);
  }
  EXPECT_THROW(kw::carvecalc::ArcSin(1.5), kw::carvecalc::CarveFault);
}

TEST(ArcHelpers, CornerIsTheDirectionAngle) {
  Carvecalc calc;
  EXPECT_NEAR(calc.Corner(1, 1, 2, 2), M_PI / 4, 1e-12);
  EXPECT_NEAR(calc.Corner(0, 0, 0, -3), 3 * M_PI / 2, 1e-12);
  EXPECT_EQ(calc.Corner(5, 5, 5, 5), 0);
}

TEST(ArcHelpers, CirlTestsTheEndPointsStrictlyInsideTheRectangle) {
  Carvecalc calc;
  double s = 0, e = M_PI;  // end points (10, 0) and (-10, 0)
  float xs = 0, xl = 20, ys = -1, yl = 1;
  EXPECT_TRUE(calc.cirl(0, 0, 10, s, e, xs, xl, ys, yl));
  xl = 10;  // the start point sits on the upper bound now
  EXPECT_FALSE(calc.cirl(0, 0, 10, s, e, xs, xl, ys, yl));
  xs = -11;
  EXPECT_TRUE(calc.cirl(0, 0, 10, s, e, xs, xl, ys, yl));
}

TEST(ArcHelpers, Area1IsTheArcsBoundingBox) {
  Carvecalc calc;
  double x = 1, y = 2, r = 3, s = -M_PI / 4, e = M_PI / 2;
  double maxx, maxy, minx, miny;
  calc.area1(x, y, r, s, e, maxx, maxy, minx, miny);
  EXPECT_NEAR(maxx, 4, 1e-12);  // passes angle 0
  EXPECT_NEAR(maxy, 5, 1e-12);  // ends at the top
  EXPECT_NEAR(minx, 1, 1e-12);
  EXPECT_NEAR(miny, 2 - 3 * std::sqrt(0.5), 1e-12);
  double fs = 0, fe = 2 * M_PI;
  calc.area1(x, y, r, fs, fe, maxx, maxy, minx, miny);
  EXPECT_NEAR(minx, -2, 1e-12);
  EXPECT_NEAR(miny, -1, 1e-12);
}

// Whether angle t lies on the counter-clockwise arc from s to e.
bool AngleOnArc(double t, double s, double e) {
  const double span = std::fmod(std::fmod(e - s, 2 * M_PI) + 2 * M_PI, 2 * M_PI);
  const double d = std::fmod(std::fmod(t - s, 2 * M_PI) + 2 * M_PI, 2 * M_PI);
  return d <= span;
}

TEST(ArcHelpers, AreaAndAreaY_NDecideTheDrawnPartLikeAngles) {
  Carvecalc calc;
  const double arcs[][2] = {{0.2, 1.0}, {1.0, 0.2}, {5.5, 0.7}, {-2.0, 2.5}, {0, M_PI}, {3.0, 3.2}};
  for (const auto& arc : arcs) {
    double x = 2, y = -1, r = 4, s = arc[0], e = arc[1], sx, sy, ex, ey;
    const std::string sweep = calc.area(x, y, r, s, e, sx, sy, ex, ey, 1);
    ASSERT_TRUE(sweep == "S" || sweep == "L");
    EXPECT_GE(s, 0);
    EXPECT_GT(e, s);
    for (int k = 0; k < 360; ++k) {
      const double t = (k + 0.5) * M_PI / 180;
      double px = x + r * std::cos(t), py = y + r * std::sin(t);
      EXPECT_EQ(calc.areaY_N(px, py, x, y, sweep, sx, sy, ex, ey), AngleOnArc(t, arc[0], arc[1]))
          << arc[0] << ".." << arc[1] << " at " << t;
    }
  }
  double x = 0, y = 0, r = 1, s = 1, e = 1 + 2 * M_PI, sx, sy, ex, ey;
  EXPECT_EQ(calc.area(x, y, r, s, e, sx, sy, ex, ey, 10), "F");
  EXPECT_NEAR(sx, 10 * std::cos(1), 1e-12) << "mmpl scales the end points";
}

TEST(ArcHelpers, AreaEPDecidesTheDrawnPartOfAnEllipseByDirection) {
  Carvecalc calc;
  double cx = 1, cy = 1, a = 5, b = 2, c = 0.5;
  auto point = [&](double t) {
    return kw::carvecalc::polyfunction{cx + a * std::cos(c) * std::cos(t) - b * std::sin(c) * std::sin(t),
                                   cy + a * std::sin(c) * std::cos(t) + b * std::cos(c) * std::sin(t)};
  };
  const double s = 0.4, e = 3.9;
  auto ps = point(s), pe = point(e);
  double k0, ky;
  std::string sweep = calc.areaEP(cx, cy, ps.X, ps.Y, pe.X, pe.Y, k0, ky);
  EXPECT_EQ(sweep, "L");
  for (int k = 0; k < 360; ++k) {
    const double t = (k + 0.5) * M_PI / 180;
    const auto p = point(t);
    EXPECT_EQ(calc.areaEP_Y_N(p.X, p.Y, k0, ky, cx, cy, sweep, 0), AngleOnArc(t, s, e)) << t;
  }
}

}  // namespace
