// The layer and kind of the selection, as the main window shows them, and
// moving the selection to another layer.
#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {

int16_t CPathObj::GetSelObjLayer(int16_t CLayerCount, int16_t DLayerCount, int16_t& ObjType) const {
  if (S.SelCount == 0) return -2;
  bool found = false;
  int16_t layer = 0;
  int16_t kind = 0;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] <= 0) continue;
    const int16_t limit = S.ObjType[k] == kCutPath ? CLayerCount : DLayerCount;
    const int16_t compared = S.ObjLayer[k] > limit ? int16_t{0} : S.ObjLayer[k];
    if (!found) {
      found = true;
      layer = compared;
      kind = S.ObjType[k];
    } else if (compared != layer) {
      return -1;
    } else if (S.ObjType[k] != kind) {
      return -3;
    }
  }
  if (!found) return -2;
  ObjType = kind;
  return layer;
}

int16_t CPathObj::GetSelObjTy() const {
  int16_t kind = -1;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] <= 0) continue;
    if (kind == -1) kind = S.ObjType[k];
    else if (S.ObjType[k] != kind) return kDrillPath;
  }
  return kind;
}

int16_t CPathObj::SetSelObjLayer(int16_t LayerNum) {
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] > 0) S.ObjLayer[k] = LayerNum;
  }
  return 0;
}

}  // namespace kw::pathcore
