// The temporary engraving frame of a scan layer: the selected cut paths are
// copied into the outline store under a new key and framed by their box.
#include <algorithm>

#include "pathcore/document/work_data_request.h"

namespace pathcore {
namespace {

void CopyOutline(PathStore& s, int32_t key, int32_t k) {
  const int32_t first = s.ObjStart[k], n = s.PointCountOf(k);
  ++s.DkN;
  s.DkStart.resize(static_cast<size_t>(s.DkN) + 1);
  s.DkKey.resize(static_cast<size_t>(s.DkN) + 1);
  s.DkStart[s.DkN] = s.DkPointN + 1;
  s.DkKey[s.DkN] = key;
  s.DkX.resize(static_cast<size_t>(s.DkPointN) + n + 1);
  s.DkY.resize(static_cast<size_t>(s.DkPointN) + n + 1);
  std::copy_n(s.PointX.begin() + first, n, s.DkX.begin() + s.DkPointN + 1);
  std::copy_n(s.PointY.begin() + first, n, s.DkY.begin() + s.DkPointN + 1);
  s.DkPointN += n;
}

}  // namespace

int32_t WorkDataRequest::TemporaryFrame() {
  doc_.SetFb();
  int32_t firstCut = 0;
  float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] <= 0 || S.ObjType[k] != kCutPath) continue;
    if (firstCut == 0) {
      firstCut = k;
      xmin = S.ObjXmin[k], xmax = S.ObjXmax[k], ymin = S.ObjYmin[k], ymax = S.ObjYmax[k];
    }
    xmin = std::min(xmin, S.ObjXmin[k]), xmax = std::max(xmax, S.ObjXmax[k]);
    ymin = std::min(ymin, S.ObjYmin[k]), ymax = std::max(ymax, S.ObjYmax[k]);
  }
  if (firstCut == 0) return 0;
  const int32_t key = S.AllocKey();
  for (int32_t k = firstCut; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] > 0 && S.ObjType[k] == kCutPath) CopyOutline(S, key, k);
  }
  const std::vector<float> X{0, xmin, xmax, xmax, xmin, xmin}, Y{0, ymax, ymax, ymin, ymin, ymax};
  S.AddPath(X, Y, 0);
  S.ObjType[S.ObjN] = kEngraveFrame;
  S.ObjKey[S.ObjN] = key;
  S.ZL();
  return S.ObjN;
}

}  // namespace pathcore
