// Flattening of DXF circles, arcs and ellipses into points, appended to a
// polyline under construction. Angles are degrees.
#pragma once

#include "import/dxf_polyline_builder.h"

namespace kw::pathcore {

// A full circle from and back to its rightmost point (R > 0).
void FlattenCircle(double x, double y, double R, DxfPolylineBuilder& out);

// The arc counter-clockwise from StartAngle to EndAngle (R > 0).
void FlattenArc(double x, double y, double R, double StartAngle, double EndAngle, DxfPolylineBuilder& out);

// The ellipse about (x, y) with major-axis end (mx, my) relative to the
// centre, axis ratio, and start and end parameters in radians.
void FlattenEllipse(double x, double y, double mx, double my, double ratio, double p1, double p2,
                    DxfPolylineBuilder& out);

// Replaces straight points by circular arcs through consecutive point triples
// (first, middle, last), keeping every second point with its arc's centre.
void FitArcsThroughTriples(const DxfPolylineBuilder& points, DxfPolylineBuilder& out);

}  // namespace kw::pathcore
