// Our own SVG files (testdata/svg) read to the millimetre coordinates their
// elements, transforms and units put them at, Y up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "svg_page.h"
#include "svg_test_support.h"

namespace {

using kw::svgimport::PointMm;
using kw::svgimport::Polyline;
using kw::test::BoundsOf;
using kw::test::ExpectCorners;
using kw::test::ExpectPoints;
using kw::test::ReadOwnSvg;

constexpr double kExact = 1e-3;

TEST(SvgShapes, RectangleLandsAsItsFourCornersInMillimetres) {
  const auto paths = ReadOwnSvg("rect_100x50mm.svg");
  ASSERT_EQ(paths.size(), 1u);
  ExpectCorners(paths[0], {{0, 0}, {100, 0}, {100, 50}, {0, 50}});
}

TEST(SvgShapes, LinePolylineAndPolygonKeepTheirPointsWithYTurnedUp) {
  const auto line = ReadOwnSvg("line.svg");
  ASSERT_EQ(line.size(), 1u);
  ExpectPoints(line[0], {{10, 30}, {50, 10}});
  const auto polyline = ReadOwnSvg("polyline.svg");
  ASSERT_EQ(polyline.size(), 1u);
  ExpectPoints(polyline[0], {{10, 30}, {50, 30}, {50, 10}});  // stays open
  const auto polygon = ReadOwnSvg("polygon.svg");
  ASSERT_EQ(polygon.size(), 1u);
  ExpectCorners(polygon[0], {{10, 10}, {50, 10}, {30, 30}});
}

TEST(SvgShapes, CircleAndEllipsePointsLieOnTheCurveAndChordsWithinTolerance) {
  struct Case {
    const char* file;
    double rx, ry;
  };
  for (const Case& c : {Case{"circle.svg", 10, 10}, Case{"ellipse.svg", 20, 10}}) {
    SCOPED_TRACE(c.file);
    const auto paths = ReadOwnSvg(c.file);
    ASSERT_EQ(paths.size(), 1u);
    const Polyline& line = paths[0];
    ASSERT_GT(line.size(), 16u);
    EXPECT_NEAR(line.front().x, line.back().x, 1e-9);
    EXPECT_NEAR(line.front().y, line.back().y, 1e-9);
    auto level = [&c](double x, double y) { return std::hypot((x - 30) / c.rx, (y - 20) / c.ry); };
    for (size_t i = 0; i + 1 < line.size(); ++i) {
      EXPECT_NEAR(level(line[i].x, line[i].y), 1, kExact / c.rx);
      // A chord's middle lies inside, at most the chord error from the curve.
      const double mid = level((line[i].x + line[i + 1].x) / 2, (line[i].y + line[i + 1].y) / 2);
      EXPECT_GE(mid, 1 - kw::svgimport::kChordErrorMm / std::min(c.rx, c.ry));
    }
    const auto b = BoundsOf(paths);
    EXPECT_NEAR(b.xmin, 30 - c.rx, kExact);
    EXPECT_NEAR(b.xmax, 30 + c.rx, kExact);
    EXPECT_NEAR(b.ymin, 20 - c.ry, kExact);
    EXPECT_NEAR(b.ymax, 20 + c.ry, kExact);
  }
}

TEST(SvgShapes, RoundedRectangleKeepsItsStraightSidesAndRoundsItsCorners) {
  const auto paths = ReadOwnSvg("rounded_rect.svg");
  ASSERT_EQ(paths.size(), 1u);
  const auto b = BoundsOf(paths);
  EXPECT_NEAR(b.xmin, 10, kExact);
  EXPECT_NEAR(b.xmax, 50, kExact);
  EXPECT_NEAR(b.ymin, 10, kExact);
  EXPECT_NEAR(b.ymax, 30, kExact);
  // Every point lies on the 5 mm corner arcs or the sides between them, as
  // near as Qt's Bezier quarter circles come (2.7e-4 of the radius).
  for (const PointMm& p : paths[0]) {
    const double cx = std::clamp(p.x, 15.0, 45.0), cy = std::clamp(p.y, 15.0, 25.0);
    EXPECT_NEAR(std::hypot(p.x - cx, p.y - cy), 5, 5 * 2.8e-4) << p.x << "," << p.y;
  }
}

// The point of a cubic Bezier at t.
PointMm Cubic(const PointMm (&c)[4], double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
  return {a * c[0].x + b * c[1].x + d * c[2].x + e * c[3].x, a * c[0].y + b * c[1].y + d * c[2].y + e * c[3].y};
}

// Nearest in a coarse sweep of t, then in a fine one around it.
double DistanceToCurve(const PointMm (&c)[4], const PointMm& p) {
  auto distance = [&](double t) { return std::hypot(p.x - Cubic(c, t).x, p.y - Cubic(c, t).y); };
  constexpr int kSteps = 2000;
  double bestT = 0;
  for (int i = 0; i <= kSteps; ++i)
    if (distance(i / double(kSteps)) < distance(bestT)) bestT = i / double(kSteps);
  double best = distance(bestT);
  for (int i = -kSteps; i <= kSteps; ++i)
    best = std::min(best, distance(std::clamp(bestT + i / double(kSteps * kSteps), 0.0, 1.0)));
  return best;
}

TEST(SvgShapes, PathCurvesAreCutIntoChordsWithinTheChordError) {
  const auto paths = ReadOwnSvg("path.svg");
  ASSERT_EQ(paths.size(), 2u);
  const Polyline& outline = paths[0];
  ASSERT_GT(outline.size(), 10u);
  ExpectPoints({outline[0], outline[1]}, {{10, 10}, {10, 30}});
  ExpectPoints({outline.back()}, {{10, 10}});  // Z closes it
  // The cubic "C 20 0 40 0 50 10" from (10,10), in millimetres Y up.
  const PointMm cubic[4] = {{10, 30}, {20, 40}, {40, 40}, {50, 30}};
  size_t i = 1;
  for (; i + 1 < outline.size() && !(outline[i].x == 50 && outline[i].y == 30); ++i) {
    const PointMm mid{(outline[i].x + outline[i + 1].x) / 2, (outline[i].y + outline[i + 1].y) / 2};
    EXPECT_LE(DistanceToCurve(cubic, outline[i + 1]), kExact);
    EXPECT_LE(DistanceToCurve(cubic, mid), kw::svgimport::kChordErrorMm);
  }
  ExpectPoints({outline[i]}, {{50, 30}});
  EXPECT_NEAR(BoundsOf({outline}).xmax, 55, 0.01);  // the quadratic's bulge: 50 + (60-50)/2
  ExpectPoints(paths[1], {{5, 5}, {15, 5}, {15, 10}});  // relative h and v, left open
}

TEST(SvgShapes, NestedTransformsApplyInOrder) {
  const auto paths = ReadOwnSvg("transforms.svg");
  ASSERT_EQ(paths.size(), 3u);
  ExpectCorners(paths[0], {{30, 20}, {30, 10}, {25, 10}, {25, 20}});  // rotate(90) inside translate(30 20)
  ExpectPoints(paths[1], {{32, 30}, {40, 30}});                        // scale(2 1) inside it
  ExpectPoints(paths[2], {{5, 5}, {15, 5}});                           // matrix(1 0 0 1 5 35)
}

TEST(SvgShapes, UseCopiesADefinitionWhereverItIsPlaced) {
  const auto paths = ReadOwnSvg("use.svg");
  ASSERT_EQ(paths.size(), 2u);  // the definition itself is not drawn
  ExpectCorners(paths[0], {{5, 5}, {7, 5}, {7, 3}, {5, 3}});
  ExpectCorners(paths[1], {{10, 10}, {12, 10}, {12, 8}, {10, 8}});
}

TEST(SvgPage, LengthsAndViewBoxesAreReadOrLeftForTheDefault) {
  using kw::svgimport::LengthInMm;
  EXPECT_NEAR(*LengthInMm(" 1e1mm "), 10, 1e-12);
  EXPECT_NEAR(*LengthInMm("1.5cm"), 15, 1e-12);
  EXPECT_NEAR(*LengthInMm("6pc"), 25.4, 1e-12);
  EXPECT_NEAR(*LengthInMm(".5in"), 12.7, 1e-12);
  EXPECT_NEAR(*LengthInMm("96"), 25.4, 1e-12);
  for (const char* text : {"100%", "10em", "", "mm", "-5mm", "0", "5 mm x", "1e3840mm", "1e308in"})
    EXPECT_FALSE(LengthInMm(text)) << text;
  EXPECT_EQ(*kw::svgimport::ViewBoxOf("-1,2 30  40"), QRectF(-1, 2, 30, 40));
  for (const char* text : {"0 0 10", "0 0 0 10", "0 0 10 -1", "a b c d", "0 0 1e999 10"})
    EXPECT_FALSE(kw::svgimport::ViewBoxOf(text)) << text;
}

TEST(SvgPage, AViewBoxOfAnotherShapeIsCentredUnlessStretched) {
  const QTransform centred = kw::svgimport::UserUnitsToMm(
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="40mm" height="10mm" viewBox="0 0 10 10"/>)");
  EXPECT_EQ(centred.map(QPointF(0, 0)), QPointF(15, 10));
  EXPECT_EQ(centred.map(QPointF(10, 10)), QPointF(25, 0));
  const QTransform stretched = kw::svgimport::UserUnitsToMm(
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="40mm" height="10mm" viewBox="0 0 10 10"
             preserveAspectRatio="none"/>)");
  EXPECT_EQ(stretched.map(QPointF(10, 10)), QPointF(40, 0));
}

TEST(SvgShapes, WidthHeightAndViewBoxGiveTheSizeInMillimetres) {
  struct Case {
    const char* file;
    double width, height;
  };
  for (const Case& c : {Case{"units_cm.svg", 100, 50}, Case{"units_in.svg", 50.8, 25.4},
                        Case{"units_pt.svg", 50.8, 25.4}, Case{"units_viewbox_only.svg", 50.8, 25.4},
                        Case{"units_px.svg", 50.8, 25.4}}) {
    SCOPED_TRACE(c.file);
    const auto b = BoundsOf(ReadOwnSvg(c.file));
    EXPECT_NEAR(b.xmin, 0, kExact);
    EXPECT_NEAR(b.ymin, 0, kExact);
    EXPECT_NEAR(b.xmax, c.width, kExact);
    EXPECT_NEAR(b.ymax, c.height, kExact);
  }
}

TEST(SvgShapes, ShapesThatAreNotSeenAreNotCut) {
  const auto paths = ReadOwnSvg("hidden.svg");
  ASSERT_EQ(paths.size(), 1u);
  ExpectPoints(paths[0], {{0, 40}, {5, 35}});
}

TEST(SvgShapes, TextBecomesClosedGlyphOutlinesOnItsBaseline) {
  const auto paths = ReadOwnSvg("text.svg");
  ASSERT_FALSE(paths.empty());
  for (const Polyline& line : paths) {
    EXPECT_NEAR(line.front().x, line.back().x, kExact);
    EXPECT_NEAR(line.front().y, line.back().y, kExact);
  }
  const auto b = BoundsOf(paths);
  EXPECT_NEAR(b.ymin, 10, 0.05);  // "H" stands on the baseline at y = 30 of 40
  EXPECT_GT(b.ymax - b.ymin, 12);  // a capital of a 20 mm font
  EXPECT_LT(b.ymax - b.ymin, 16);
  EXPECT_GT(b.xmin, 10);
  EXPECT_LT(b.xmax, 10 + 16);
}

}  // namespace
