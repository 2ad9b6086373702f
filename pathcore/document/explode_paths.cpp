// DaSan: every selected cut path becomes a run of two-point segments in its
// place. The document is rebuilt in one pass over its arrays, so exploding many
// or long paths never moves the rest of the document once per path.
#include <algorithm>
#include <limits>
#include <type_traits>
#include <stdexcept>
#include <vector>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/progress_text.h"

namespace kw::pathcore {
namespace {

// Paths of one or two points stay as they are: they have no inner point.
bool Explodes(const PathStore& s, int32_t k) {
  return s.ObjSel[k] > 0 && s.ObjType[k] == kCutPath && s.PointCountOf(k) > 2;
}

// Where each object lands: its first new index and how many objects it becomes.
struct ExplodePlan {
  std::vector<int32_t> first;   // 1..ObjN
  std::vector<int32_t> pieces;  // 1..ObjN
  int32_t objects = 0;
  int32_t points = 0;
};

// Writes the points of the rebuilt document into X and Y and the first point
// of every new object into starts.
void CopyPieces(const PathStore& s, const ExplodePlan& plan, std::vector<float>& X, std::vector<float>& Y,
                std::vector<int32_t>& starts) {
  int32_t at = 1;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    const int32_t first = s.ObjStart[k], last = s.LastPointOf(k);
    if (plan.pieces[k] == 1) {
      starts[plan.first[k]] = at;
      std::copy(s.PointX.begin() + first, s.PointX.begin() + last + 1, X.begin() + at);
      std::copy(s.PointY.begin() + first, s.PointY.begin() + last + 1, Y.begin() + at);
      at += last - first + 1;
      continue;
    }
    for (int32_t i = first, index = plan.first[k]; i < last; ++i, ++index, at += 2) {
      starts[index] = at;  // each inner point is stored twice
      X[at] = s.PointX[i], X[at + 1] = s.PointX[i + 1];
      Y[at] = s.PointY[i], Y[at + 1] = s.PointY[i + 1];
    }
  }
}

// Every per-object array grows so that each piece starts as a copy of its path's entry.
void SpreadAttributes(PathStore& s, const ExplodePlan& plan) {
  ForEachObjArray(s, [&](auto& v) {
    std::remove_reference_t<decltype(v)> grown(static_cast<size_t>(plan.objects) + 1);
    for (int32_t k = 1; k <= s.ObjN; ++k) std::fill_n(grown.begin() + plan.first[k], plan.pieces[k], v[k]);
    v.swap(grown);
  });
}

// Segments get their own box and ends; all but the first of a path are selected.
void FinishPieces(PathStore& s, const ExplodePlan& plan, int32_t oldObjN) {
  for (int32_t k = 1; k <= oldObjN; ++k) {
    if (plan.pieces[k] == 1) continue;
    for (int32_t p = 0; p < plan.pieces[k]; ++p) {
      const int32_t index = plan.first[k] + p;
      s.ObjKey[index] = 0;
      if (p > 0) s.ObjSel[index] = kSelected;
      s.RefreshObj(index);
    }
  }
}

}  // namespace

void CPathObj::DaSan() {
  ExplodePlan plan;
  plan.first.assign(static_cast<size_t>(S.ObjN) + 1, 0);
  plan.pieces.assign(static_cast<size_t>(S.ObjN) + 1, 1);
  int64_t objects = S.ObjN, points = S.PointN;
  for (int32_t k = 1, h = 1; k <= S.ObjN; ++k) {
    plan.first[k] = h;
    if (Explodes(S, k)) {
      const int32_t n = S.PointCountOf(k);
      plan.pieces[k] = n - 1;
      objects += n - 2;
      points += n - 2;
      if (objects >= std::numeric_limits<int32_t>::max() || points >= std::numeric_limits<int32_t>::max() - 1000) {
        throw std::length_error("DaSan: too many segments");
      }
    }
    RaiseJd(static_cast<int32_t>(objects), h, ProgressStep::Explode);
    h += plan.pieces[k];
  }
  plan.objects = static_cast<int32_t>(objects);
  plan.points = static_cast<int32_t>(points);
  if (plan.objects != S.ObjN) {
    S.EnsurePointCap(plan.points);
    std::vector<float> X(S.PointX.size()), Y(S.PointY.size());
    std::vector<int32_t> starts(static_cast<size_t>(plan.objects) + 1);
    CopyPieces(S, plan, X, Y, starts);
    S.PointX.swap(X);
    S.PointY.swap(Y);
    SpreadAttributes(S, plan);
    S.ObjStart.swap(starts);
    const int32_t oldObjN = S.ObjN;
    S.ObjN = plan.objects;
    S.PointN = plan.points;
    FinishPieces(S, plan, oldObjN);
  }
  RaiseFinish();
}

}  // namespace kw::pathcore
