#include <algorithm>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/progress_text.h"

namespace kw::pathcore {

void CPathObj::RebuildInOrder(bool Reverse, ProgressStep step) {
  PathStore next;
  next.PointX.assign(S.PointX.size(), 0.0f);
  next.PointY.assign(S.PointY.size(), 0.0f);
  next.ResizeObjects(S.ObjN);
  int32_t free = 1;
  for (int32_t p = 1; p <= S.ObjN; ++p) {
    const int32_t old = S.OrderList[Reverse ? S.ObjN - p + 1 : p];
    ForEachObjArrayPair(next, S, [p, old](auto& to, const auto& from) { to[p] = from[old]; });
    const int32_t first = S.ObjStart[old], n = S.PointCountOf(old);
    std::copy_n(S.PointX.begin() + first, n, next.PointX.begin() + free);
    std::copy_n(S.PointY.begin() + first, n, next.PointY.begin() + free);
    next.ObjStart[p] = free;
    free += n;
    RaiseJd(S.ObjN, p, step);
  }
  ForEachObjArrayPair(S, next, [](auto& mine, auto& rebuilt) { mine.swap(rebuilt); });
  S.PointX.swap(next.PointX);
  S.PointY.swap(next.PointY);
}

}  // namespace kw::pathcore
