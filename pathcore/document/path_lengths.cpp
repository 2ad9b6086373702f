// The length measures of the document: cutting length and empty travel.
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "geometry/point_geometry.h"

namespace kw::pathcore {

namespace {

// The summed segment lengths of the cut paths that `counts` admits,
// accumulated in a Single, as the figures shown to the operator always were.
template <typename Admit>
float CutLength(const PathStore& S, Admit&& counts) {
  float total = 0;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjType[k] != kCutPath || !counts(k)) continue;
    for (int32_t i = S.ObjStart[k]; i < S.LastPointOf(k); ++i) {
      total = static_cast<float>(total + PointDistance(S.PointX[i], S.PointY[i], S.PointX[i + 1], S.PointY[i + 1]));
    }
  }
  return total;
}

}  // namespace

float CPathObj::ObjLong() const {
  return CutLength(S, [](int32_t) { return true; });
}

float CPathObj::SelObjLong() const {
  return CutLength(S, [this](int32_t k) { return S.ObjSel[k] != 0; });
}

// From the top-left corner of the bounds to the first path, then from each
// path's end to the next one's start, over objects of every kind.
float CPathObj::MoveLong() const {
  if (S.ObjN == 0) return 0;
  float total = static_cast<float>(PointDistance(S.Xmin, S.Ymax, S.ObjSx[1], S.ObjSy[1]));
  for (int32_t k = 1; k < S.ObjN; ++k) {
    total = static_cast<float>(total + PointDistance(S.ObjEx[k], S.ObjEy[k], S.ObjSx[k + 1], S.ObjSy[k + 1]));
  }
  return total;
}

}  // namespace kw::pathcore
