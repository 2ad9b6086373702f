#include "document/close_paths.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {
namespace {

bool ShouldClose(const PathStore& s, int32_t k, std::optional<float> maxGap) {
  if (s.ObjSel[k] <= 0 || s.ObjType[k] != kCutPath) return false;
  const float dx = std::fabs(s.ObjSx[k] - s.ObjEx[k]);
  const float dy = std::fabs(s.ObjSy[k] - s.ObjEy[k]);
  if (!(dx > 0.001 || dy > 0.001)) return false;
  return !maxGap || (dx < *maxGap && dy < *maxGap);
}

}  // namespace

void CloseSelectedCutPaths(PathStore& s, std::optional<float> maxGap) {
  std::vector<int32_t> closing;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (ShouldClose(s, k, maxGap)) closing.push_back(k);
  }
  if (closing.empty()) return;
  const auto added = static_cast<int32_t>(closing.size());
  s.EnsurePointCap(s.PointN + added);
  // From the last object down, each run moves up by the number of closed paths
  // before it (and its own added point lands behind it).
  int32_t shift = added;
  size_t next = closing.size();
  int32_t last = s.PointN;  // last point of object k before anything moved
  for (int32_t k = s.ObjN; k >= 1 && shift > 0; --k) {
    const int32_t first = s.ObjStart[k];
    const bool closes = next > 0 && closing[next - 1] == k;
    if (closes) {
      s.PointX[last + shift] = s.PointX[first];
      s.PointY[last + shift] = s.PointY[first];
      --shift;
      --next;
    }
    std::copy_backward(s.PointX.begin() + first, s.PointX.begin() + last + 1, s.PointX.begin() + last + 1 + shift);
    std::copy_backward(s.PointY.begin() + first, s.PointY.begin() + last + 1, s.PointY.begin() + last + 1 + shift);
    s.ObjStart[k] = first + shift;
    last = first - 1;
  }
  s.PointN += added;
  for (int32_t k : closing) s.RefreshObj(k);
}

void CPathObj::SetFb() { CloseSelectedCutPaths(S); }

void CPathObj::AutoFb(float Jx) { CloseSelectedCutPaths(S, Jx); }

}  // namespace kw::pathcore
