// Evaluation of a DXF spline as a non-rational B-spline (every weight 1.0)
// into points along the curve.
#pragma once

#include <vector>

#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

// Points along the spline of the given degree, knots and control points,
// stepsPerSpan points per non-empty knot span plus the end point. Data that
// do not form a valid B-spline give the control polygon instead, so a damaged
// spline still shows where it runs.
std::vector<polyfunction> EvaluateSpline(int degree, const std::vector<double>& knots,
                                         const std::vector<polyfunction>& control,
                                         int stepsPerSpan = 16);

}  // namespace kw::carvecalc
