// The outlines HP-GL/2 draws as chords: circles, arcs, wedges, rectangles
// and cubic Beziers, in plotter units.
#pragma once

#include <vector>

#include "plot_point.h"

namespace kw::hpglscan {

// The chord angle in degrees as CI, AA, AR and EW give it: 5 when missing,
// held to 0.5 .. 180.
double ChordAngle(const double* given);

// A closed circle starting at angle 0 (at 180 for a negative radius).
std::vector<PlotPoint> Circle(PlotPoint centre, double radius, double chordDegrees);
// The points after start of an arc about centre through sweepDegrees
// (counter-clockwise when positive; a full turn at most).
std::vector<PlotPoint> ArcFrom(PlotPoint start, PlotPoint centre, double sweepDegrees, double chordDegrees);
// A closed pie slice: centre, the arc from startDegrees through sweepDegrees, centre.
std::vector<PlotPoint> Wedge(PlotPoint centre, double radius, double startDegrees, double sweepDegrees,
                             double chordDegrees);
// A closed rectangle with corners a and b, starting at a.
std::vector<PlotPoint> Rectangle(PlotPoint a, PlotPoint b);
// The points after p0 of a cubic Bezier.
std::vector<PlotPoint> BezierFrom(PlotPoint p0, PlotPoint p1, PlotPoint p2, PlotPoint p3);

}  // namespace kw::hpglscan
