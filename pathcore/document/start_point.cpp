#include <cmath>
#include <vector>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "geometry/point_geometry.h"

namespace kw::pathcore {
namespace {

constexpr float kClosedGap = 0.01f;  // mm; ends further apart in X or Y make a path open

}  // namespace

void CPathObj::SetStartP(float X, float Y, float Wc) {
  int32_t hit = 0;
  for (int32_t k = 1; k <= S.ObjN && hit == 0; ++k) {
    if (S.ObjHitByPoint(k, X, Y, Wc)) hit = k;
  }
  if (hit == 0) return;
  const int32_t s = S.ObjStart[hit], e = S.LastPointOf(hit);
  if (std::fabs(S.PointX[s] - S.PointX[e]) > kClosedGap || std::fabs(S.PointY[s] - S.PointY[e]) > kClosedGap) return;
  int32_t j = e;
  for (int32_t i = s + 1; i <= e - 1; ++i) {
    if (PointDistance(S.PointX[i], S.PointY[i], X, Y) < Wc) {
      j = i;
      break;
    }
  }
  // The closed path now runs j .. e, s + 1 .. j: the old start point is dropped.
  std::vector<float> xs, ys;
  xs.reserve(static_cast<size_t>(e - s + 1));
  ys.reserve(static_cast<size_t>(e - s + 1));
  for (int32_t i = j; i <= e; ++i) xs.push_back(S.PointX[i]), ys.push_back(S.PointY[i]);
  for (int32_t i = s + 1; i <= j; ++i) xs.push_back(S.PointX[i]), ys.push_back(S.PointY[i]);
  std::copy(xs.begin(), xs.end(), S.PointX.begin() + s);
  std::copy(ys.begin(), ys.end(), S.PointY.begin() + s);
  S.RefreshObj(hit);
}

}  // namespace kw::pathcore
