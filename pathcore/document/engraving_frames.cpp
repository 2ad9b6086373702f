#include "document/engraving_frames.h"

#include <algorithm>
#include <vector>

#include "document/close_paths.h"
#include "document/delete_objects.h"
#include "document/outline_store.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {
namespace {

bool IsSelectedCutPath(const PathStore& s, int32_t k) { return s.ObjSel[k] > 0 && s.ObjType[k] == kCutPath; }

void Widen(OutlineBox& box, const PathStore& s, int32_t k) {
  box.Xmin = std::min(box.Xmin, s.ObjXmin[k]);
  box.Ymin = std::min(box.Ymin, s.ObjYmin[k]);
  box.Xmax = std::max(box.Xmax, s.ObjXmax[k]);
  box.Ymax = std::max(box.Ymax, s.ObjYmax[k]);
}

}  // namespace

int32_t StoreSelectedCutPaths(PathStore& s, OutlineBox& box) {
  CloseSelectedCutPaths(s);
  int32_t key = 0;
  std::vector<float> X, Y;
  uint8_t type = 0;
  int32_t objKey = 0;
  int16_t layer = 0;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (!IsSelectedCutPath(s, k)) continue;
    if (key == 0) {
      key = s.AllocKey();
      box = {s.ObjXmin[k], s.ObjYmin[k], s.ObjXmax[k], s.ObjYmax[k]};
    }
    Widen(box, s, k);
    s.ExtractPath(k, X, Y, type, objKey, layer);
    StoreOutline(s, key, X, Y);
  }
  return key;
}

void AppendEngravingFrame(PathStore& s, const OutlineBox& box, int32_t key) {
  const std::vector<float> X{0, box.Xmin, box.Xmax, box.Xmax, box.Xmin, box.Xmin};
  const std::vector<float> Y{0, box.Ymax, box.Ymax, box.Ymin, box.Ymin, box.Ymax};
  s.AddPath(X, Y, 0);
  s.ObjType[s.ObjN] = kEngraveFrame;
  s.ObjKey[s.ObjN] = key;
  s.ZL();
}

void CPathObj::SetDkObj() {
  OutlineBox box;
  const int32_t key = StoreSelectedCutPaths(S, box);
  if (key == 0) return;
  DeleteSelectedObjects(S);
  AppendEngravingFrame(S, box, key);
}

void CPathObj::SetUnDkObj() {
  // Collect first: appending paths must not shift the frames still to visit.
  std::vector<int32_t> keys;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] > 0 && S.ObjType[k] == kEngraveFrame) keys.push_back(S.ObjKey[k]);
  }
  for (int32_t key : keys) {
    for (int32_t j = 1; j <= S.DkN; ++j) {
      if (S.DkKey[j] != key) continue;
      const int32_t first = S.DkStart[j], last = j == S.DkN ? S.DkPointN : S.DkStart[j + 1] - 1;
      std::vector<float> X{0}, Y{0};
      X.insert(X.end(), S.DkX.begin() + first, S.DkX.begin() + last + 1);
      Y.insert(Y.end(), S.DkY.begin() + first, S.DkY.begin() + last + 1);
      S.AddPath(X, Y, 0);
    }
  }
  DeleteSelectedObjects(S);
  S.ZL();
}

}  // namespace kw::pathcore
