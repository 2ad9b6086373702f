// The arcs that DXF polylines describe by a bulge: the tangent of a quarter of
// the arc's included angle, positive when the arc turns counter-clockwise.
#pragma once

#include <vector>

#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

// Appends the points strictly between from and to of the arc that bulge
// describes, one every 10 degrees at most; nothing for a straight segment.
void AppendBulgeArc(const polyfunction& from, const polyfunction& to, double bulge,
                    std::vector<polyfunction>& points);

}  // namespace kw::carvecalc
