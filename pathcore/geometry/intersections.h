// Crossings of circles and segments and the hit tests that selection uses.
#pragma once

#include <cstdint>

namespace kw::pathcore {

// Returns 2 with the two crossing points of the circles about (x1, y1) with
// radius r1 and about (x2, y2) with radius r2 (touching circles give the same
// point twice), or -1 with the results untouched when there is none.
int32_t CircleIntersect(double x1, double y1, double x2, double y2, double r1, double r2,
                        double& ix1, double& iy1, double& ix2, double& iy2);

// Crossing of the lines through (x1,y1)-(x2,y2) and (x3,y3)-(x4,y4) in (px, py):
// 1 when it lies on both segments, 0 when outside, -1 (results untouched) when
// the lines are parallel.
int32_t SegmentIntersect(double x1, double y1, double x2, double y2,
                         double x3, double y3, double x4, double y4, double& px, double& py);

// 0 when the segment (x1,y1)-(x2,y2) meets the rectangle with opposite corners
// (x3,y3) and (x4,y4), borders included; 1 otherwise.
int32_t SegmentHitsRect(double x1, double y1, double x2, double y2,
                        double x3, double y3, double x4, double y4);

// 0 when (px, py) lies within tolerance of the segment (x1,y1)-(x2,y2), measured
// in a rectangle about the segment with square ends; -1 otherwise.
int32_t PointNearSegment(double x1, double y1, double x2, double y2,
                         double px, double py, double tolerance);

}  // namespace kw::pathcore
