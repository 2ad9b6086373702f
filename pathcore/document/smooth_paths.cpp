// SmoothObj: every selected cut path is replaced in its place by its smoothed
// form; the document's point runs are rebuilt once, not once per path.
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/progress_text.h"
#include "geometry/smooth_polyline.h"

namespace kw::pathcore {
namespace {

constexpr int32_t kSplineOrder = 3;

struct SmoothedPath {
  int32_t k = 0;
  std::vector<float> X, Y;  // 1..n
};

// The smoothed points of object k, or nothing when smoothing leaves no point:
// the path then stays as it was.
bool SmoothOne(const PathStore& s, int32_t k, SmoothedPath& out) {
  std::vector<float> X, Y;
  uint8_t type = 0;
  int32_t key = 0;
  int16_t layer = 0;
  s.ExtractPath(k, X, Y, type, key, layer);
  int32_t count = 0;
  SmoothPolyline(X, Y, s.PointCountOf(k) + 1, kSplineOrder, out.X, out.Y, count);
  if (count < 1) return false;
  out.X.resize(static_cast<size_t>(count) + 1);
  out.Y.resize(static_cast<size_t>(count) + 1);
  out.k = k;
  return true;
}

// Rewrites the point runs with the smoothed paths in their places.
void Rebuild(PathStore& s, const std::vector<SmoothedPath>& smoothed, int32_t newPointN) {
  std::vector<float> X(s.PointX.size()), Y(s.PointY.size());
  std::vector<int32_t> starts(s.ObjStart.size());
  size_t next = 0;
  for (int32_t k = 1, at = 1; k <= s.ObjN; ++k) {
    starts[k] = at;
    if (next < smoothed.size() && smoothed[next].k == k) {
      const auto& p = smoothed[next++];
      std::copy(p.X.begin() + 1, p.X.end(), X.begin() + at);
      std::copy(p.Y.begin() + 1, p.Y.end(), Y.begin() + at);
      at += static_cast<int32_t>(p.X.size()) - 1;
    } else {
      const int32_t n = s.PointCountOf(k);
      std::copy_n(s.PointX.begin() + s.ObjStart[k], n, X.begin() + at);
      std::copy_n(s.PointY.begin() + s.ObjStart[k], n, Y.begin() + at);
      at += n;
    }
  }
  s.PointX.swap(X);
  s.PointY.swap(Y);
  s.ObjStart.swap(starts);
  s.PointN = newPointN;
  for (const auto& p : smoothed) s.RefreshObj(p.k);
}

}  // namespace

void CPathObj::SmoothObj() {
  RaiseJd(100, 0, ProgressStep::Smooth);
  std::vector<SmoothedPath> smoothed;
  // Taking each path out and putting its smoothed form back would raise the
  // capacity to the largest running total; the rebuild keeps that figure.
  int64_t running = S.PointN, peak = S.PointN;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    SmoothedPath p;
    if (S.ObjSel[k] > 0 && S.ObjType[k] == kCutPath && SmoothOne(S, k, p)) {
      running += static_cast<int64_t>(p.X.size()) - 1 - S.PointCountOf(k);
      peak = std::max(peak, running);
      if (peak >= std::numeric_limits<int32_t>::max() - 1000) throw std::length_error("SmoothObj: too many points");
      smoothed.push_back(std::move(p));
    }
    RaiseJd(S.ObjN, k, ProgressStep::Smooth);
  }
  if (!smoothed.empty()) {
    S.EnsurePointCap(static_cast<int32_t>(peak));
    Rebuild(S, smoothed, static_cast<int32_t>(running));
  }
  RaiseFinish();
}

}  // namespace kw::pathcore
