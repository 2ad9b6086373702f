#include "document/delete_objects.h"

#include <algorithm>

#include "document/outline_store.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {
namespace {

bool MarkedForDeletion(const PathStore& s, int32_t k) { return s.ObjSel[k] == kSelected || s.ObjSel[k] == kCurrent; }

// Moves object k (points and attributes) down to object slot `to` whose
// points begin at `toPoint`.
void MoveObjectDown(PathStore& s, int32_t k, int32_t to, int32_t toPoint) {
  const int32_t first = s.ObjStart[k], count = s.PointCountOf(k);
  if (first != toPoint) {
    std::copy_n(s.PointX.begin() + first, count, s.PointX.begin() + toPoint);
    std::copy_n(s.PointY.begin() + first, count, s.PointY.begin() + toPoint);
  }
  if (k != to) ForEachObjArray(s, [k, to](auto& v) { v[to] = v[k]; });
  s.ObjStart[to] = toPoint;
}

}  // namespace

void DeleteSelectedObjects(PathStore& s) {
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (MarkedForDeletion(s, k) && s.ObjType[k] == kEngraveFrame) RemoveKeyOutlines(s, s.ObjKey[k]);
  }
  int32_t kept = 0, keptPoints = 0;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (MarkedForDeletion(s, k)) continue;
    const int32_t count = s.PointCountOf(k);
    MoveObjectDown(s, k, ++kept, keptPoints + 1);
    keptPoints += count;
  }
  s.ObjN = kept;
  s.PointN = keptPoints;
  s.ResizeObjects(kept);
  s.ZL();
}

void CPathObj::DelObj() { DeleteSelectedObjects(S); }

}  // namespace kw::pathcore
