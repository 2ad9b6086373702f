#include "document/join_paths.h"

#include <algorithm>
#include <vector>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/progress_text.h"

namespace kw::pathcore {
namespace {

Join PartnerOf(const PathStore& s, int32_t i, int32_t j, double eqs) {
  if (j == i || s.ObjSel[j] <= 0 || s.ObjLayer[j] != s.ObjLayer[i]) return Join::None;
  return JoinOf(EndsOf(s, i), EndsOf(s, j), eqs);
}

// Replaces i and j by i's points followed by j's without its first; returns
// the position of the joined path.
int32_t Append(PathStore& s, int32_t i, int32_t j) {
  std::vector<float> X, Y, jX, jY;
  uint8_t type = 0, jType = 0;
  int32_t key = 0, jKey = 0;
  int16_t layer = 0, jLayer = 0;
  s.ExtractPath(i, X, Y, type, key, layer);
  s.ExtractPath(j, jX, jY, jType, jKey, jLayer);
  X.insert(X.end(), jX.begin() + 2, jX.end());
  Y.insert(Y.end(), jY.begin() + 2, jY.end());
  s.RemovePath(std::max(i, j));
  s.RemovePath(std::min(i, j));
  const int32_t at = j < i ? i - 1 : i;
  s.InsertPath(X, Y, type, key, layer, at, 0);
  s.ObjSel[at] = kSelected;
  s.RefreshObj(at);
  return at;
}

// Extends path i by every partner it finds, restarting the partner scan after
// each join; returns i's position afterwards.
int32_t JoinChainAt(PathStore& s, int32_t i, double Eqs) {
  for (int32_t j = 1; j <= s.ObjN; ++j) {
    const Join join = PartnerOf(s, i, j, Eqs);
    if (join == Join::None) continue;
    if (join == Join::Reversed) s.ReversePath(j);
    i = Append(s, i, j);
    j = 0;
  }
  return i;
}

}  // namespace

void JoinPathsByScan(PathStore& s, double Eqs, const JoinProgress& progress) {
  for (int32_t i = 1; i <= s.ObjN; ++i) {
    if (s.ObjSel[i] > 0 && s.ObjType[i] == kCutPath) i = JoinChainAt(s, i, Eqs);
    progress(s.ObjN, i);
  }
}

void CPathObj::Hb(double Eqs) {
  if (S.ObjN <= 1) return;
  RaiseJd(100, 0, ProgressStep::Merge);
  JoinPathsByGrid(S, Eqs, [this](int32_t All, int32_t Dq) { RaiseJd(All, Dq, ProgressStep::Merge); });
  S.ZL();
  RaiseFinish();
}

}  // namespace kw::pathcore
