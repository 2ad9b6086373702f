// The temporary engraving frame of a scan layer: the selected cut paths are
// copied into the outline store under a new key and framed by their box,
// as making an engraving frame does, but the paths stay in the document.
#include "document/engraving_frames.h"
#include "document/work_data_request.h"

namespace kw::pathcore {

int32_t WorkDataRequest::TemporaryFrame() {
  OutlineBox box;
  const int32_t key = StoreSelectedCutPaths(S, box);
  if (key == 0) return 0;
  AppendEngravingFrame(S, box, key);
  return S.ObjN;
}

}  // namespace kw::pathcore
