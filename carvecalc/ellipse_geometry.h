// Ellipse geometry: points by parameter, extents, crossings with a row, foci.
// An ellipse has centre (ex, ey), semi-axes a and b and rotation c; its point
// at parameter t is (ex + a cos c cos t - b sin c sin t, ey + a sin c cos t + b cos c sin t).
#pragma once

#include <vector>

#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

polyfunction EllipsePoint(double ex, double ey, double a, double b, double c, double t);

// Half-extents along X and Y of the ellipse (a, b, rotation c).
double EllipseHalfWidth(double c, double a, double b);
double EllipseHalfHeight(double c, double a, double b);

// Resets points to the sampled outline from tStart to tEnd: the start point, one
// point per step of a BASIC For loop, and the end point. lastIndex follows the
// last point stored, so it stays true when a fault ends the sampling.
void SampleEllipse(double ex, double ey, double a, double b, double c, double tStart,
                   double tEnd, double step, std::vector<polyfunction>& points,
                   int32_t& lastIndex);

// The offset from the centre of the focus on the positive side of the major axis
// (negate it for the other focus).
polyfunction FocusOffset(double a, double b, double c);

// X values (left, right) where the row at height y meets the ellipse; false
// when the row misses it. A row that misses by rounding only touches it.
bool EllipseRowCrossing(double ex, double ey, double a, double b, double c, double y,
                        twopoint& out);

// The point where the ray from (cx, cy) at direction angle phi meets the
// axis-parallel ellipse with semi-axes a (along X) and b.
polyfunction EllipseRayPoint(double cx, double cy, double a, double b, double phi);

}  // namespace kw::carvecalc
