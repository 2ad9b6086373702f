#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {

void CPathObj::CancelSel() {
  for (int32_t k = 1; k <= S.ObjN; ++k) S.ObjSel[k] = kUnselected;
  S.SelCount = 0;
}

}  // namespace kw::pathcore
