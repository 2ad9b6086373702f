// The enabling table, compared with the rules written out row by row for
// every kind of selection, path count, modified mark and undo position.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "face_change.h"

namespace {

using kw::FaceInput;

// One row of the rules: its controls and their state for the selection kinds
// -1, 0, 1, 2, 3 in that order; nullopt leaves a control as it was.
struct SelectionRow {
  std::vector<std::string> controls;
  std::array<std::optional<bool>, 5> byKind;
};

constexpr bool on = true, off = false;
constexpr std::nullopt_t unchanged = std::nullopt;

const std::vector<SelectionRow>& SelectionRows() {
  static const std::vector<SelectionRow> rows{
      {{"CPDel", "mnuDel", "mnuInv", "CTop", "CBolow", "CUp", "CDown"}, {off, on, on, on, on}},
      {{"CHb", "Cds", "Cback", "CFb", "CAFb", "CSetDk", "CSmooth", "mnuSpin", "mnuMove", "mnuMirror", "munScale",
        "munToCenter", "mnuBack"},
       {off, on, on, on, off}},
      {{"CUnSetDk"}, {off, off, on, on, on}},
      {{"mnuZl"}, {off, unchanged, on, on, off}},
  };
  return rows;
}

std::map<std::string, bool> Expected(const FaceInput& in) {
  std::map<std::string, bool> out;
  for (const char* c : {"UNDO", "mnuEditUndo"}) out[c] = in.docBaki > 1;
  for (const char* c : {"REDO", "mnuEditRedo"}) out[c] = in.docBaki != in.docBakCount;
  for (const char* c : {"SAVE", "mnuFileSave"}) out[c] = in.modified;
  for (const SelectionRow& row : SelectionRows()) {
    const auto state = row.byKind[static_cast<size_t>(in.selObjTy + 1)];
    if (!state) continue;
    for (const std::string& c : row.controls) out[c] = *state;
  }
  for (const char* c : {"mnuStart", "CSetStartP", "AutoS", "AutoNW", "CAutoYH", "mnuHb"}) out[c] = in.count >= 1;
  return out;
}

std::map<std::string, bool> Produced(const FaceInput& in) {
  std::map<std::string, bool> out;
  for (const kw::FaceEntry& e : kw::FaceChangeTable(in)) {
    const std::string name(e.control);
    EXPECT_EQ(out.count(name), 0u) << name << " is set twice";
    out[name] = e.enabled;
  }
  return out;
}

TEST(FaceChangeTable, FollowsTheRulesForEveryStateOfTheDocument) {
  struct Undo {
    int16_t baki, count;
  };
  const Undo undoStates[] = {{0, 0}, {1, 1}, {1, 2}, {2, 2}, {2, 3}, {20, 20}};
  for (int16_t kind = -1; kind <= 3; ++kind) {
    for (const int32_t count : {0, 1, 250}) {
      for (const bool modified : {false, true}) {
        for (const Undo& u : undoStates) {
          const FaceInput in{u.baki, u.count, modified, kind, count};
          EXPECT_EQ(Produced(in), Expected(in))
              << "selection kind " << kind << ", " << count << " paths, modified " << modified << ", snapshot "
              << u.baki << " of " << u.count;
        }
      }
    }
  }
}

}  // namespace
