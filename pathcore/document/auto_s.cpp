#include "document/distance_order.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/progress_text.h"

namespace kw::pathcore {

void CPathObj::AutoS() {
  if (S.ObjN == 0) return;
  RaiseJd(100, 0, ProgressStep::DistanceOrder);
  CancelSel();
  const auto order = DistanceOrderBySearch(
      S, [this](int32_t placed) { RaiseJd(S.ObjN, placed, ProgressStep::DistanceOrderPass); });
  S.OrderList.assign(1, 0);
  for (const Placement& p : order) {
    if (p.reversed) S.ReversePath(p.index);
    S.OrderList.push_back(p.index);
  }
  S.OrderN = S.ObjN;
  RaiseJd(100, 0, ProgressStep::DistanceOrderRebuild);
  RebuildInOrder(false, ProgressStep::DistanceOrderRebuild);
}

// Kept for hosts that bind them; they order nothing.
void CPathObj::AutoSX(float Jl) { (void)Jl; }
void CPathObj::AutoSY(float Jl) { (void)Jl; }

}  // namespace kw::pathcore
