// Inner/outer ordering and the selection of outer edges: closed paths are
// nested into a CTree on the integer grid, and everything inside a closed path
// is cut before it.
#include <cmath>
#include <span>

#include "document/band_order.h"
#include "document/c_tree.h"
#include "document/grid_polygon.h"
#include "document/library_state.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/progress_text.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

namespace {

bool IsObject(const PathStore& s, int32_t k) { return k >= 1 && k <= s.ObjN; }

// Position 0 of a band order's list is unused.
bool AllObjects(const PathStore& s, const std::vector<int32_t>& objects) {
  for (size_t p = 1; p < objects.size(); ++p)
    if (!IsObject(s, objects[p])) return false;
  return true;
}

}  // namespace

void CPathObj::BuildRgnGrid() {
  const double xc = S.Xmin + (S.Xmax - S.Xmin) / 2;
  const double yc = S.Ymin + (S.Ymax - S.Ymin) / 2;
  S.RgnGridX.assign(static_cast<size_t>(S.PointN) + 1, 0);
  S.RgnGridY.assign(static_cast<size_t>(S.PointN) + 1, 0);
  for (int32_t i = 1; i <= S.PointN; ++i) {
    S.RgnGridX[i] = kw::N((S.PointX[i] - xc) * S.TreeScale);
    S.RgnGridY[i] = kw::N((S.PointY[i] - yc) * S.TreeScale);
  }
}

// Numbers outside the document count as "not inside".
void CPathObj::GetInRgn(int32_t N1, int32_t N2, int16_t& ResV, int32_t Men) {
  (void)Men;
  ResV = 0;
  if (!IsObject(S, N1) || !IsObject(S, N2)) return;
  const bool boxInside = S.ObjXmin[N1] <= S.ObjXmin[N2] && S.ObjXmax[N2] <= S.ObjXmax[N1] &&
                         S.ObjYmin[N1] <= S.ObjYmin[N2] && S.ObjYmax[N2] <= S.ObjYmax[N1];
  if (!boxInside) return;
  if (S.RgnGridX.size() != static_cast<size_t>(S.PointN) + 1) BuildRgnGrid();
  const int32_t s = S.ObjStart[N1];
  const auto n = static_cast<size_t>(S.PointCountOf(N1));
  const std::span<const int32_t> xs(S.RgnGridX.data() + s, n), ys(S.RgnGridY.data() + s, n);
  const int32_t first = S.ObjStart[N2];
  if (InsideByWinding(xs, ys, S.RgnGridX[first], S.RgnGridY[first])) ResV = 1;
}

void CPathObj::SetInRgnPx(int32_t& n, int32_t Men) {
  (void)Men;
  ++S.OrderN;
  if (static_cast<int32_t>(S.OrderList.size()) <= S.OrderN) S.OrderList.resize(static_cast<size_t>(S.OrderN) + 1);
  S.OrderList[S.OrderN] = n;
}

// A list naming anything but the document's objects leaves Index as it was.
void CPathObj::GetRgnPx(std::vector<int32_t>& n, std::vector<int32_t>& Index, int32_t Men) {
  (void)Men;
  if (!AllObjects(S, n)) return;
  Index = BandOrder(S, n);
}

void CPathObj::AutoTree() {
  if (S.ObjN == 0) return;
  RaiseJd(100, 0, ProgressStep::RegionNesting);
  SetCurrentDocument(this);
  BuildRgnGrid();
  root_tree_ = std::make_unique<CTree>();
  RaiseJd(100, 0, ProgressStep::RegionNestingOrder);
  for (int32_t i = 1; i <= S.ObjN; ++i) {
    const int32_t first = S.ObjStart[i], last = S.LastPointOf(i);
    const bool region = S.RgnGridX[first] == S.RgnGridX[last] && S.RgnGridY[first] == S.RgnGridY[last];
    if (region) root_tree_->AddRgn(i);
    else root_tree_->AddLine(i);
    RaiseJd(S.ObjN, i, ProgressStep::RegionNestingOrder);
  }
  S.OrderN = 0;
  S.OrderList.assign(1, 0);
  root_tree_->Xs = S.Xmin;
  root_tree_->Ys = S.Ymax;
  root_tree_->OutPath();
  S.RgnGridX.clear();
  S.RgnGridY.clear();
  RebuildInOrder(true, ProgressStep::Rebuild);
  RaiseFinish();
}

void CPathObj::SelectEdge(float Eqs) {
  SetCurrentDocument(this);
  BuildRgnGrid();
  root_tree_ = std::make_unique<CTree>();
  RaiseJd(100, 0, ProgressStep::EdgeSearch);
  for (int32_t f = 1; f <= S.ObjN; ++f) {
    const int32_t first = S.ObjStart[f], last = S.LastPointOf(f);
    if (std::abs(S.PointX[first] - S.PointX[last]) <= Eqs && std::abs(S.PointY[first] - S.PointY[last]) <= Eqs) {
      S.RgnGridX[first] = S.RgnGridX[last];
      S.RgnGridY[first] = S.RgnGridY[last];
    }
    if (S.RgnGridX[first] == S.RgnGridX[last] && S.RgnGridY[first] == S.RgnGridY[last]) root_tree_->AddRgn(f);
    RaiseJd(S.ObjN, f, ProgressStep::EdgeSearch);
  }
  root_tree_->SelectEdge(S.ObjSel);
  S.RgnGridX.clear();
  S.RgnGridY.clear();
  RaiseFinish();
}

}  // namespace kw::pathcore
