// Selection operations: every one leaves one current object (value 2) when
// anything is selected, picked by the rule each states.
#include <algorithm>
#include <cmath>
#include <string>
#include <stdexcept>

#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {
namespace {

bool IsSelected(const PathStore& s, int32_t k) { return s.ObjSel[k] > 0; }

// Scanning down from ObjN, the first object with value 1 becomes current.
void HighestSelectedBecomesCurrent(PathStore& s) {
  for (int32_t k = s.ObjN; k >= 1; --k) {
    if (s.ObjSel[k] == kSelected) {
      s.ObjSel[k] = kCurrent;
      return;
    }
  }
}

void DemoteLowestCurrent(PathStore& s) {
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (s.ObjSel[k] == kCurrent) {
      s.ObjSel[k] = kSelected;
      return;
    }
  }
}

// Open: the end points differ by 0.01 mm or more on either axis.
bool IsOpenForSelection(const PathStore& s, int32_t k) {
  return std::fabs(s.ObjSx[k] - s.ObjEx[k]) >= 0.01 || std::fabs(s.ObjSy[k] - s.ObjEy[k]) >= 0.01;
}

int32_t HighestSelected(const PathStore& s) {
  for (int32_t k = s.ObjN; k >= 1; --k) {
    if (IsSelected(s, k)) return k;
  }
  return 0;
}

}  // namespace

void CPathObj::SelAll() {
  for (int32_t k = 1; k <= S.ObjN; ++k) S.ObjSel[k] = kSelected;
  if (S.ObjN > 0) S.ObjSel[S.ObjN] = kCurrent;
}

void CPathObj::SelInv() {
  for (int32_t k = 1; k <= S.ObjN; ++k) S.ObjSel[k] = S.ObjSel[k] == kUnselected ? kSelected : kUnselected;
  HighestSelectedBecomesCurrent(S);
}

void CPathObj::SelLayer(int16_t LayerType, int16_t LayerN, int16_t LayerCount) {
  CancelSel();
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjType[k] != LayerType) continue;
    S.ObjSel[k] = std::min(S.ObjLayer[k], LayerCount) == LayerN ? kSelected : kUnselected;
  }
  HighestSelectedBecomesCurrent(S);
}

void CPathObj::SelUnFb() {
  int32_t lowest = 0;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    S.ObjSel[k] = IsOpenForSelection(S, k) ? kSelected : kUnselected;
    if (lowest == 0 && S.ObjSel[k] == kSelected) lowest = k;
  }
  if (lowest > 0) S.ObjSel[lowest] = kCurrent;
}

void CPathObj::SelSingal() {
  for (int32_t k = 1; k <= S.ObjN; ++k) S.ObjSel[k] = S.PointCountOf(k) == 2 ? kSelected : kUnselected;
  HighestSelectedBecomesCurrent(S);
}

bool CPathObj::SelX(int32_t Index, bool C) {
  if (Index < 1 || Index > S.ObjN) throw std::out_of_range("SelX: no object " + std::to_string(Index));
  if (!C) {
    CancelSel();
  } else {
    for (int32_t k = 1; k <= S.ObjN; ++k) {
      if (S.ObjSel[k] == kCurrent) S.ObjSel[k] = kSelected;
    }
  }
  S.ObjSel[Index] = kCurrent;
  return false;
}

int32_t CPathObj::SelP(bool C) {
  const int32_t h = HighestSelected(S);
  if (h == 0) return 0;
  if (!C) CancelSel();
  else DemoteLowestCurrent(S);
  S.ObjSel[std::max(h - 1, 1)] = kCurrent;
  return 0;
}

int32_t CPathObj::SelN(bool C) {
  const int32_t h = HighestSelected(S);
  if (h == 0) return 0;
  if (!C) CancelSel();
  else DemoteLowestCurrent(S);
  S.ObjSel[std::min(h + 1, S.ObjN)] = kCurrent;
  return 0;
}

}  // namespace kw::pathcore
