// Hb: selected cut paths absorb the selected objects on their layer whose
// start or end touches their end, chain by chain.
#include <algorithm>
#include <cmath>
#include <vector>

#include "pathcore/document/path_obj.h"

namespace pathcore {
namespace {

bool BoxesWithin(const PathStore& s, int32_t i, int32_t j, double eqs) {
  return s.ObjXmin[i] - s.ObjXmax[j] <= eqs && s.ObjYmin[i] - s.ObjYmax[j] <= eqs &&
         s.ObjXmin[j] - s.ObjXmax[i] <= eqs && s.ObjYmin[j] - s.ObjYmax[i] <= eqs;
}

bool Touches(float x, float y, float ex, float ey, double eqs) {
  return std::fabs(x - ex) < eqs && std::fabs(y - ey) < eqs;
}

enum class Join { None, AsIs, Reversed };

Join JoinOf(const PathStore& s, int32_t i, int32_t j, double eqs) {
  if (j == i || s.ObjSel[j] <= 0 || s.ObjLayer[j] != s.ObjLayer[i] || !BoxesWithin(s, i, j, eqs)) return Join::None;
  if (Touches(s.ObjSx[j], s.ObjSy[j], s.ObjEx[i], s.ObjEy[i], eqs)) return Join::AsIs;
  if (Touches(s.ObjEx[j], s.ObjEy[j], s.ObjEx[i], s.ObjEy[i], eqs)) return Join::Reversed;
  return Join::None;
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
    const Join join = JoinOf(s, i, j, Eqs);
    if (join == Join::None) continue;
    if (join == Join::Reversed) s.ReversePath(j);
    i = Append(s, i, j);
    j = 0;
  }
  return i;
}

}  // namespace

void CPathObj::Hb(double Eqs) {
  if (S.ObjN <= 1) return;
  RaiseJd(100, 0, ProgressStep::Merge);
  for (int32_t i = 1; i <= S.ObjN; ++i) {
    if (S.ObjSel[i] > 0 && S.ObjType[i] == kCutPath) i = JoinChainAt(S, i, Eqs);
    RaiseJd(S.ObjN, i, ProgressStep::Merge);
  }
  S.ZL();
  RaiseFinish();
}

}  // namespace pathcore
