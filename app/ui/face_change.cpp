#include "face_change.h"

#include <initializer_list>

namespace kw {
namespace {

void Set(std::vector<FaceEntry>& out, std::initializer_list<std::string_view> controls, bool enabled) {
  for (const auto control : controls) out.push_back({control, enabled});
}

}  // namespace

std::vector<FaceEntry> FaceChangeTable(const FaceInput& in) {
  std::vector<FaceEntry> out;
  Set(out, {"UNDO", "mnuEditUndo"}, in.docBaki > 1);
  Set(out, {"REDO", "mnuEditRedo"}, in.docBaki != in.docBakCount);
  Set(out, {"SAVE", "mnuFileSave"}, in.modified);
  const int16_t t = in.selObjTy;
  Set(out, {"CPDel", "mnuDel", "mnuInv", "CTop", "CBolow", "CUp", "CDown"}, t >= 0);
  Set(out,
      {"CHb", "Cds", "Cback", "CFb", "CAFb", "CSetDk", "CSmooth", "mnuSpin", "mnuMove", "mnuMirror", "munScale",
       "munToCenter", "mnuBack"},
      t >= 0 && t <= 2);
  Set(out, {"CUnSetDk"}, t >= 1);
  // Only cut paths selected: the array command keeps whatever state it had.
  if (t != 0) Set(out, {"mnuZl"}, t == 1 || t == 2);
  Set(out, {"mnuStart", "CSetStartP", "AutoS", "AutoNW", "CAutoYH", "mnuHb"}, in.count >= 1);
  return out;
}

}  // namespace kw
