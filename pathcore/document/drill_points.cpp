// Drill points along a drill path, PointStep apart, carried across segments.
#include <cmath>

#include "document/work_data_request.h"
#include "geometry/point_geometry.h"
#include "support/round_half_even.h"

namespace kw::pathcore {
namespace {

constexpr double kShortestSegment = 0.001;  // mm; shorter segments place nothing

}  // namespace

void WorkDataRequest::DrillPoints(int32_t k) {
  bool enabled = false;
  float step = 0;
  events_->GetPointLayer(S.ObjLayer[k], enabled, step);
  // A step of zero or less would place points forever.
  if (!enabled || !(step > 0)) return;
  const int32_t X0 = kw::N(-S.Xmin * Xk_), Y0 = kw::N(-S.Ymax * Yk_);
  std::vector<int32_t> X{0}, Y{0};
  auto place = [&](double x, double y) {
    X.push_back(kw::N(x * Xk_ + X0));
    Y.push_back(kw::N(y * Yk_ + Y0));
  };
  const int32_t first = S.ObjStart[k], last = S.LastPointOf(k);
  place(S.PointX[first], S.PointY[first]);
  double carry = 0;
  for (int32_t i = first; i < last; ++i) {
    const double x1 = S.PointX[i], y1 = S.PointY[i];
    const double w = PointDistance(x1, y1, S.PointX[i + 1], S.PointY[i + 1]);
    if (w < kShortestSegment) continue;
    if (w <= carry) {
      carry -= w;
      continue;
    }
    const double ux = (S.PointX[i + 1] - x1) / w, uy = (S.PointY[i + 1] - y1) / w;
    double at = carry;
    for (; at <= w; at += step) place(x1 + ux * at, y1 + uy * at);
    carry = step - (w - (at - step));
  }
  events_->OutPoint(X, Y, S.ObjLayer[k]);
}

}  // namespace kw::pathcore
