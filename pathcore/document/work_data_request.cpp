#include "document/work_data_request.h"

#include "document/delete_objects.h"
#include "document/path_obj_internals.h"
#include "document/progress_text.h"
#include "geometry/knife_compensation.h"
#include "support/round_half_even.h"

namespace kw::pathcore {
namespace {

CPathObjEvents& NoEvents() {
  static CPathObjEvents none;
  return none;
}

// A layer number taken from a caller's array, or -1 when the array is short.
int16_t At(const std::vector<int16_t>* v, int32_t i) {
  return v && i >= 0 && i < static_cast<int32_t>(v->size()) ? (*v)[i] : -1;
}

}  // namespace

WorkDataRequest::WorkDataRequest(CPathObj& doc, double Xk, double Yk)
    : doc_(doc), S(CPathObjInternals::Store(doc)), events_(doc.Events() ? doc.Events() : &NoEvents()), Xk_(Xk), Yk_(Yk) {
  S.VerNumber = static_cast<int16_t>(static_cast<uint16_t>(S.VerNumber) + 1u);
}

void WorkDataRequest::Progress(int32_t c) {
  if (const auto text = ProgressText(ProgressStep::WorkData, 0)) events_->Jd(S.ObjN, c, *text);
}

void WorkDataRequest::AllObjects() {
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    switch (S.ObjType[k]) {
      case kCutPath:
        if (CutPath(k)) return;
        break;
      case kEngraveFrame: FrameScan(k); break;
      case kBitmapFrame: BitmapScan(k); break;
      default: break;
    }
    Progress(k);
  }
}

bool WorkDataRequest::CutPath(int32_t k) {
  bool enabled = false;
  events_->GetCutLayer(S.ObjLayer[k], enabled);
  if (!enabled) return false;
  const int32_t first = S.ObjStart[k], n = S.PointCountOf(k);
  std::vector<int32_t> X(static_cast<size_t>(n) + 1, 0), Y(static_cast<size_t>(n) + 1, 0);
  for (int32_t i = 1; i <= n; ++i) {
    X[i] = kw::N(S.PointX[first + i - 1] * Xk_);
    Y[i] = kw::N(S.PointY[first + i - 1] * Yk_);
  }
  bool cancel = false;
  events_->OutPath(X, Y, S.ObjLayer[k], cancel);
  return cancel;
}

bool WorkDataRequest::ToolPath(std::vector<float> xs, std::vector<float> ys, int16_t p) {
  std::vector<int32_t> X(xs.size(), 0), Y(ys.size(), 0);
  for (size_t i = 1; i < xs.size() && i < ys.size(); ++i) {
    X[i] = kw::N(xs[i] * Xk_);
    Y[i] = kw::N(ys[i] * Yk_);
  }
  bool cancel = false;
  events_->OutPath(X, Y, p, cancel);
  return cancel;
}

// A 3 mm stroke under the right edge of the job lets the second tool's blade
// settle before its first real path.
bool WorkDataRequest::LeadStroke(const LayerPlan& plan, int16_t p) {
  leadDone_ = true;
  const auto y = static_cast<float>(S.Ymin - 2 + plan.OffsetY);
  const std::vector<float> xs{0, static_cast<float>(S.Xmax - 3 + plan.OffsetX), static_cast<float>(S.Xmax + plan.OffsetX)};
  return ToolPath(xs, {0, y, y}, p);
}

bool WorkDataRequest::KnifePath(int32_t k, const LayerPlan& plan, int16_t p) {
  const int32_t first = S.ObjStart[k];
  int32_t n = S.PointCountOf(k);
  std::vector<float> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    xs[i] = S.PointX[first + i] + plan.OffsetX;
    ys[i] = S.PointY[first + i] + plan.OffsetY;
  }
  SimplifyPath(plan.R + 0.05f, plan.R * 1.4f + 0.05f, 0.1f, n, xs, ys);
  KnifeOffsetPath(xs, ys, n, knifeClass_, knifeOffsetX_, knifeOffsetY_, plan.R, plan.Angle);
  return ToolPath(std::move(xs), std::move(ys), p);
}

void WorkDataRequest::ByLayers(const LayerPlan& plan, bool selectedOnly) {
  std::vector<bool> used;
  doc_.GetObjLayer(plan.LayerCount, used);
  int32_t c = 0;
  for (int16_t p = 0; p <= plan.LayerCount; ++p) {
    const int16_t L = At(plan.LayerSort, p);
    if (L < 0 || L > plan.LayerCount || !used[L]) continue;
    const int16_t type = At(plan.LayerType, L);
    if (type == 0) {
      if (p >= 1 && !leadDone_ && LeadStroke(plan, p)) return;
      for (int32_t k = 1; k <= S.ObjN; ++k) {
        if (S.ObjLayer[k] != L || (selectedOnly && S.ObjSel[k] == 0)) continue;
        const bool cancelled = p == 0 ? CutPath(k) : KnifePath(k, plan, p);
        if (p == 0) ++c;
        if (cancelled) return;
      }
    } else if (selectedOnly) {
      continue;
    } else if (type == 1) {
      ScanLayer(L, c);
    } else if (type == 2) {
      PointLayer(L, c);
    }
  }
}

void WorkDataRequest::ScanLayer(int16_t L, int32_t& c) {
  doc_.CancelSel();
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjLayer[k] != L) continue;
    if (S.ObjType[k] == kBitmapFrame) BitmapScan(k);
    else S.ObjSel[k] = kSelected;
    ++c;
  }
  doc_.ZLSelLmt();
  if (S.SelCount > 0) {
    const int32_t frame = TemporaryFrame();
    if (frame > 0) {
      S.ObjLayer[frame] = L;
      FrameScan(frame);
      doc_.CancelSel();
      S.ObjSel[frame] = kSelected;
      DeleteSelectedObjects(S);
    } else {
      doc_.CancelSel();
    }
  }
  Progress(c);
}

void WorkDataRequest::PointLayer(int16_t L, int32_t& c) {
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjLayer[k] != L) continue;
    DrillPoints(k);
    ++c;
    Progress(c);
  }
}

ScanSettings WorkDataRequest::AskScanLayer(int32_t k) {
  ScanSettings set;
  events_->GetScanLayer(S.ObjLayer[k], set.Enabled, set.Dpi, set.BmpMode, set.Dir, set.AccL, set.BackGap);
  return set;
}

}  // namespace kw::pathcore
