#include "pathcore/document/path_obj.h"

namespace pathcore {

void CPathObj::CancelSel() {
  for (int32_t k = 1; k <= S.ObjN; ++k) S.ObjSel[k] = kUnselected;
  S.SelCount = 0;
}

}  // namespace pathcore
