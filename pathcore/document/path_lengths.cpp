// The length measures of the document: cutting length and empty travel.
#include "pathcore/document/path_obj.h"
#include "pathcore/import/point_geometry.h"

namespace pathcore {

// Accumulated in a Single, as the figures shown to the operator always were.
float CPathObj::ObjLong() const {
  float total = 0;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjType[k] != kCutPath) continue;
    for (int32_t i = S.ObjStart[k]; i < S.LastPointOf(k); ++i) {
      total = static_cast<float>(total + PointDistance(S.PointX[i], S.PointY[i], S.PointX[i + 1], S.PointY[i + 1]));
    }
  }
  return total;
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

}  // namespace pathcore
