// The weed lines as plain geometry: where they lie, where they stop, and that
// they keep clear of every shape's box whatever the layout.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "geometry/intersections.h"
#include "geometry/weed_lines.h"

namespace {

using kw::pathcore::WeedLine;
using kw::pathcore::WeedLineOptions;
using kw::pathcore::WeedLines;
using kw::pathcore::WeedRect;

constexpr WeedRect kBox{0, 0, 100, 50};

WeedLineOptions Spacing(double spacing, bool horizontal = true, bool vertical = true) {
  WeedLineOptions o;
  o.spacing = spacing;
  o.horizontal = horizontal;
  o.vertical = vertical;
  return o;
}

bool Same(const WeedLine& a, const WeedLine& b) {
  return std::abs(a.x1 - b.x1) < 1e-9 && std::abs(a.y1 - b.y1) < 1e-9 && std::abs(a.x2 - b.x2) < 1e-9 &&
         std::abs(a.y2 - b.y2) < 1e-9;
}

void ExpectLines(const std::vector<WeedLine>& got, const std::vector<WeedLine>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_TRUE(Same(got[i], want[i])) << "line " << i << ": " << got[i].x1 << "," << got[i].y1 << " - " << got[i].x2
                                       << "," << got[i].y2;
  }
}

bool OnRectBorder(double x, double y, const WeedRect& r) {
  constexpr double e = 1e-9;
  const bool inX = x >= r.xmin - e && x <= r.xmax + e, inY = y >= r.ymin - e && y <= r.ymax + e;
  return (inX && (std::abs(y - r.ymin) < e || std::abs(y - r.ymax) < e)) ||
         (inY && (std::abs(x - r.xmin) < e || std::abs(x - r.xmax) < e));
}

TEST(WeedLines, OneShapeSplitsTheLinesThatMeetItsGrownBox) {
  // The shape's box grown by the 1 mm clearance spans x 39..61, y 19..31.
  const std::vector<WeedRect> shapes{{40, 20, 60, 30}};
  ExpectLines(WeedLines(kBox, shapes, Spacing(20, true, false)),
              {{0, 20, 39, 20}, {100, 20, 61, 20}, {0, 40, 100, 40}});
  ExpectLines(WeedLines(kBox, shapes, Spacing(30, false, true)),
              {{30, 0, 30, 50}, {60, 0, 60, 19}, {60, 50, 60, 31}, {90, 0, 90, 50}});
  // Both directions: horizontal lines first, then vertical.
  const auto both = WeedLines(kBox, shapes, Spacing(10));
  EXPECT_EQ(both.size(), 6u + 12u);  // y 20, 30 split; x 40, 50, 60 split
  EXPECT_TRUE(Same(both.front(), {0, 10, 100, 10}));
  EXPECT_TRUE(Same(both.back(), {90, 0, 90, 50}));
}

TEST(WeedLines, TheClearanceAndShortestPieceAreTheCallers) {
  WeedLineOptions o = Spacing(20, true, false);
  o.clearance = 3;
  o.minLength = 40;  // the right piece, 100..63, is too short to keep; the left one, 0..42, is not
  ExpectLines(WeedLines(kBox, std::vector<WeedRect>{{45, 20, 60, 30}}, o), {{0, 20, 42, 20}, {0, 40, 100, 40}});
}

TEST(WeedLines, ShapesOnOrNearTheSidesOfTheBox) {
  // A shape on the left side blocks the lines' start there; the right piece remains.
  ExpectLines(WeedLines(kBox, std::vector<WeedRect>{{0, 15, 10, 25}}, Spacing(20, true, false)),
              {{100, 20, 11, 20}, {0, 40, 100, 40}});
  // Outside the box but within the clearance of its side: a line from there would pass too near it.
  ExpectLines(WeedLines(kBox, std::vector<WeedRect>{{-5, 15, -0.5, 25}}, Spacing(20, true, false)),
              {{100, 20, 0.5, 20}, {0, 40, 100, 40}});
  // Farther out it does not matter.
  ExpectLines(WeedLines(kBox, std::vector<WeedRect>{{-9, 15, -2, 25}}, Spacing(20, true, false)),
              {{0, 20, 100, 20}, {0, 40, 100, 40}});
  // A shape as wide as the box leaves nothing of the lines across it.
  ExpectLines(WeedLines(kBox, std::vector<WeedRect>{{0, 15, 100, 25}}, Spacing(20, true, false)), {{0, 40, 100, 40}});
}

TEST(WeedLines, NoLinesOnTheSidesOrBeyondThem) {
  EXPECT_TRUE(WeedLines(kBox, {}, Spacing(100)).empty());
  EXPECT_TRUE(WeedLines(kBox, {}, Spacing(1000)).empty());
  // 50 is the height: no horizontal line on the top side, one vertical line at x = 50.
  ExpectLines(WeedLines(kBox, {}, Spacing(50)), {{50, 0, 50, 50}});
  // 3 x 0.3 comes out just below 0.9: still the top side, no line there.
  const auto fine = WeedLines({0, 0, 2, 0.9}, {}, Spacing(0.3, true, false));
  EXPECT_EQ(fine.size(), 2u);
}

TEST(WeedLines, SpacingMustBePositiveAndNotTooFine) {
  for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     100.0 / 20000}) {
    EXPECT_FALSE(kw::pathcore::WeedSpacingFits(kBox, bad)) << bad;
    EXPECT_TRUE(WeedLines(kBox, {}, Spacing(bad)).empty()) << bad;
  }
  EXPECT_TRUE(kw::pathcore::WeedSpacingFits(kBox, 100.0 / 10000));
}

// Many shapes at random: every line starts on the box, ends on the box or on
// a shape's box grown by the clearance, runs along an axis, is long enough
// and keeps out of every shape's box.
TEST(WeedLines, RandomLayoutsKeepClearOfEveryShape) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> place(-10, 190), size(0.5, 30);
  const WeedRect box{0, 0, 180, 120};
  for (int layout = 0; layout < 20; ++layout) {
    std::vector<WeedRect> shapes;
    for (int n = 0; n < 15; ++n) {
      const double x = place(random), y = place(random) * 0.6;
      shapes.push_back({x, y, x + size(random), y + size(random)});
    }
    const auto lines = WeedLines(box, shapes, Spacing(7.5));
    ASSERT_FALSE(lines.empty());
    for (const WeedLine& l : lines) {
      EXPECT_TRUE(OnRectBorder(l.x1, l.y1, box));
      bool endOnABorder = OnRectBorder(l.x2, l.y2, box);
      for (const WeedRect& s : shapes) {
        EXPECT_EQ(kw::pathcore::SegmentHitsRect(l.x1, l.y1, l.x2, l.y2, s.xmin, s.ymin, s.xmax, s.ymax), 1)
            << "layout " << layout << " line " << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2;
        endOnABorder = endOnABorder || OnRectBorder(l.x2, l.y2, kw::pathcore::GrownRect(s, kw::pathcore::kWeedClearance));
      }
      EXPECT_TRUE(endOnABorder);
      EXPECT_TRUE(l.x1 == l.x2 || l.y1 == l.y2);
      EXPECT_GE(std::hypot(l.x2 - l.x1, l.y2 - l.y1), kw::pathcore::kWeedMinLength);
    }
  }
}

}  // namespace
