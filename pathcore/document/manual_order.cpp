// Moving the selection within the job by hand: to the end, to the front, or
// one step earlier or later.
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/progress_text.h"

namespace kw::pathcore {
namespace {

// The current object: the first with value 2, else the last selected one.
int32_t CurrentOf(const PathStore& s) {
  int32_t lastSelected = 0;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (s.ObjSel[k] == kCurrent) return k;
    if (s.ObjSel[k] > 0) lastSelected = k;
  }
  return lastSelected;
}

int32_t SelectedCount(const PathStore& s) {
  int32_t n = 0;
  for (int32_t k = 1; k <= s.ObjN; ++k) n += s.ObjSel[k] > 0 ? 1 : 0;
  return n;
}

void Append(PathStore& s, int32_t k) { s.OrderList[++s.OrderN] = k; }

void StartOrder(PathStore& s) {
  s.OrderList.assign(static_cast<size_t>(s.ObjN) + 1, 0);
  s.OrderN = 0;
}

// Unselected objects in list order, the selection gathered in one block after
// those that precede the current object; currentFirst puts the current object
// at the head of the block, otherwise at its tail.
void GatherAroundCurrent(PathStore& s, bool currentFirst) {
  const int32_t current = CurrentOf(s);
  StartOrder(s);
  for (int32_t k = 1; k < current; ++k) {
    if (s.ObjSel[k] == 0) Append(s, k);
  }
  if (currentFirst) Append(s, current);
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (s.ObjSel[k] > 0 && k != current) Append(s, k);
  }
  if (!currentFirst) Append(s, current);
  for (int32_t k = current + 1; k <= s.ObjN; ++k) {
    if (s.ObjSel[k] == 0) Append(s, k);
  }
}

}  // namespace

void CPathObj::PxZ() {
  if (S.ObjN < 2) return;
  StartOrder(S);
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] == 0) Append(S, k);
  }
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] != 0) Append(S, k);
  }
  RebuildInOrder(false, ProgressStep::Rebuild);
}

void CPathObj::PxA() {
  if (S.ObjN < 2) return;
  StartOrder(S);
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] != 0) Append(S, k);
  }
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] == 0) Append(S, k);
  }
  RebuildInOrder(false, ProgressStep::Rebuild);
}

void CPathObj::PxP() {
  if (S.ObjN < 2) return;
  const int32_t selected = SelectedCount(S);
  if (selected == 0) return;
  if (selected == 1) {
    const int32_t i = CurrentOf(S);
    if (i <= 1) return;
    S.MovePath(i, i - 1);
    S.ObjSel[i - 1] = kCurrent;
    return;
  }
  GatherAroundCurrent(S, false);
  RebuildInOrder(false, ProgressStep::Rebuild);
}

void CPathObj::PxN() {
  if (S.ObjN < 2) return;
  const int32_t selected = SelectedCount(S);
  if (selected == 0) return;
  if (selected == 1) {
    const int32_t i = CurrentOf(S);
    if (i >= S.ObjN) return;
    S.MovePath(i, i + 1);
    S.ObjSel[i + 1] = kCurrent;
    return;
  }
  GatherAroundCurrent(S, true);
  RebuildInOrder(false, ProgressStep::Rebuild);
}

}  // namespace kw::pathcore
