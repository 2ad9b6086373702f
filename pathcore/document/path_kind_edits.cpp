// Edits that keep every point in place: reversing paths and marking cut paths
// as drill paths and back.
#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {
namespace {

void Retype(PathStore& s, uint8_t from, uint8_t to) {
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (s.ObjSel[k] > 0 && s.ObjType[k] == from) s.ObjType[k] = to;
  }
  s.ZL();
}

}  // namespace

void CPathObj::BackFx() {
  for (int32_t k = S.ObjN; k >= 1; --k) {
    if (S.ObjSel[k] > 0 && S.ObjType[k] == kCutPath) S.ReversePath(k);
  }
}

void CPathObj::SetDrillObj() { Retype(S, kCutPath, kDrillPath); }

void CPathObj::SetUnDrillObj() { Retype(S, kDrillPath, kCutPath); }

}  // namespace kw::pathcore
