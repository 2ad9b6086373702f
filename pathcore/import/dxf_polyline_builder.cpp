#include "import/dxf_polyline_builder.h"

#include <algorithm>
#include <cmath>

#include "import/dxf_events.h"
#include "import/dxf_field_reader.h"
#include "geometry/intersections.h"
#include "geometry/point_geometry.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

float ArcStep(double R) {
  const float d = static_cast<float>(R / 100);
  return d < 0.2f ? 0.2f : d;
}

bool BulgeCentre(double px, double py, double x, double y, double bulge, double& cx, double& cy, double& R) {
  const double h = PointDistance(px, py, x, y) / 2;
  const double t = std::fabs(bulge) * h;  // sagitta
  R = (t * t + h * h) / (2 * t);
  if (!std::isfinite(R)) return false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  if (CircleIntersect(px, py, x, y, R, R, x1, y1, x2, y2) < 0) {
    // Only rounding can part the circles, and then they touch at the chord's middle.
    cx = (px + x) / 2;
    cy = (py + y) / 2;
    return true;
  }
  const double a1 = PointAngle(px, py, x1, y1);
  const double a2 = PointAngle(x, y, x1, y1);
  double sweep = bulge > 0 ? a2 - a1 : a1 - a2;
  if (sweep < 0) sweep += 360;
  const bool first = (sweep <= 180 && std::fabs(bulge) <= 1) || (sweep > 180 && std::fabs(bulge) > 1);
  cx = first ? x1 : x2;
  cy = first ? y1 : y2;
  return true;
}

void DxfPolylineBuilder::AddPoint(double x, double y, int16_t kind, double cx, double cy) {
  if (Count() >= most_) throw DxfFileError(DxfFileError::kTooLarge);
  X.push_back(x);
  Y.push_back(y);
  CX.push_back(cx);
  CY.push_back(cy);
  Kind.push_back(kind);
}

void DxfPolylineBuilder::AddBulgeVertex(double x, double y, double bulge) {
  if (bulge == 0 || Count() == 0) return AddPoint(x, y);
  const double px = X.back();
  const double py = Y.back();
  if (PointDistance(px, py, x, y) == 0) return;
  double cx = 0, cy = 0, R = 0;
  if (!BulgeCentre(px, py, x, y, bulge, cx, cy, R)) return AddPoint(x, y);
  if (!flatten_) return AddPoint(x, y, bulge > 0 ? kDxfArcCcw : kDxfArcCw, cx, cy);
  FlattenArc(x, y, cx, cy, R, bulge);
}

void DxfPolylineBuilder::FlattenArc(double x, double y, double cx, double cy, double R, double bulge) {
  const float px = static_cast<float>(X.back());
  const float py = static_cast<float>(Y.back());
  const double a1 = PointAngle(px, py, cx, cy);
  const double a2 = PointAngle(x, y, cx, cy);
  double s = a2 - a1;
  if (bulge >= 0 && s < 0) s += 360;
  if (bulge < 0 && s > 0) s -= 360;
  const double d = ArcStep(R);
  const int32_t n = std::min(kw::N(std::fabs(s) * 2 * kPi * R / (360 * d)), kMaxFlattenSegments);
  if (n <= 0) return AddPoint(x, y);
  for (int32_t k = 0; k <= n && std::fabs(k * s / n) <= std::fabs(s); ++k) {
    float qx = px, qy = py;
    PlaceOnCircle(qx, qy, cx, cy, a1 + k * s / n);
    AddPoint(qx, qy);
  }
  if (PointDistance(X.back(), Y.back(), x, y) > 0.01) {
    float qx = px, qy = py;
    PlaceOnCircle(qx, qy, cx, cy, a2);
    AddPoint(qx, qy);
  }
}

}  // namespace kw::pathcore
