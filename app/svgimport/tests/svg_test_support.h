// Reading our SVG test files and comparing their polylines with the points
// we expect, in millimetres.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "svgimport/svg_reader.h"
#include "testsupport/test_drawings.h"

namespace kw::test {

inline std::vector<kw::svgimport::Polyline> ReadOwnSvg(const std::string& name) {
  std::vector<kw::svgimport::Polyline> paths;
  std::string error;
  EXPECT_TRUE(kw::svgimport::ReadSvg(OwnDrawing("svg/" + name), paths, error)) << error;
  return paths;
}

struct Bounds {
  double xmin = 1e30, ymin = 1e30, xmax = -1e30, ymax = -1e30;
};

inline Bounds BoundsOf(const std::vector<kw::svgimport::Polyline>& paths) {
  Bounds b;
  for (const auto& line : paths)
    for (const auto& p : line) {
      b.xmin = std::min(b.xmin, p.x), b.xmax = std::max(b.xmax, p.x);
      b.ymin = std::min(b.ymin, p.y), b.ymax = std::max(b.ymax, p.y);
    }
  return b;
}

inline bool Near(const kw::svgimport::PointMm& a, const kw::svgimport::PointMm& b) {
  return std::hypot(a.x - b.x, a.y - b.y) <= 1e-3;
}

// The polyline is exactly these points, in order.
inline void ExpectPoints(const kw::svgimport::Polyline& line, const kw::svgimport::Polyline& expected) {
  ASSERT_EQ(line.size(), expected.size());
  for (size_t i = 0; i < line.size(); ++i)
    EXPECT_TRUE(Near(line[i], expected[i])) << "point " << i << ": " << line[i].x << "," << line[i].y
                                            << " expected " << expected[i].x << "," << expected[i].y;
}

// The polyline is closed through these corners, from whichever one it starts at.
inline void ExpectCorners(const kw::svgimport::Polyline& line, const kw::svgimport::Polyline& corners) {
  ASSERT_EQ(line.size(), corners.size() + 1);
  EXPECT_TRUE(Near(line.front(), line.back()));
  for (const auto& corner : corners)
    EXPECT_TRUE(std::any_of(line.begin(), line.end(), [&](const auto& p) { return Near(p, corner); }))
        << "no point at " << corner.x << "," << corner.y;
}

}  // namespace kw::test
