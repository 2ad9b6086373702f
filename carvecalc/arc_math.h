// Angles and arcs of circles and ellipses: the inverse sine and cosine of the
// program, direction angles, arc end points, extents, and the test whether a
// point of the full figure lies on the drawn part of an arc.
#pragma once

#include <string>

#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

// Arcsine as atan(x / sqrt(1 - x^2)), exact +-pi/2 at x = +-1; |x| > 1 is an invalid call.
double ArcSin(double x);
// Arccosine as atan(-x / sqrt(1 - x^2)) + 2 atan(1), exact 0 and pi at x = 1 and -1.
double ArcCos(double x);

// Direction angle in [0, 2 pi) of (x1, y1) seen from (x0, y0); 0 when they coincide.
double DirectionAngle(double x0, double y0, double x1, double y1);

// True when the angle span |end - start| reaches a full turn (within 0.0001).
bool IsFullTurn(double start, double end);

// Moves start into [0, 2 pi) and end into (start, start + 2 pi], so the arc
// runs counter-clockwise from start to end.
void NormaliseArc(double& start, double& end);

// The sweep classes that ArcSweep returns and the on-arc tests read.
inline constexpr char kFullSweep[] = "F";   // the whole figure
inline constexpr char kShortSweep[] = "S";  // an arc of at most half a turn
inline constexpr char kLongSweep[] = "L";   // an arc of more than half a turn

// The sweep class of the counter-clockwise arc from start to end.
std::string ArcSweep(double start, double end);

// Bounding box of the counter-clockwise arc of circle (x, y, r) from start to end.
void ArcExtent(double x, double y, double r, double start, double end, double& maxx,
               double& maxy, double& minx, double& miny);

// True when point p of a circle or ellipse centred at c lies on the counter-clockwise
// arc from point s to point e (ends included); sweep is the arc's class.
bool OnArc(const polyfunction& c, const polyfunction& p, const polyfunction& s,
           const polyfunction& e, const std::string& sweep);

// True when the direction angle of p seen from c lies on the counter-clockwise
// range from angle k0 to angle ky (ends included).
bool OnAngleRange(const polyfunction& c, const polyfunction& p, double k0, double ky);

}  // namespace kw::carvecalc
