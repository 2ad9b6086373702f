// Which commands are usable in the document's present state: undo and redo by
// the snapshot list, save by the modified mark, and the editing commands by
// the kind of the selection and whether there are paths at all.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kw {

struct FaceInput {
  int16_t docBaki = 0;       // current undo snapshot
  int16_t docBakCount = 0;   // snapshots kept
  bool modified = false;
  int16_t selObjTy = -1;     // -1 nothing selected, 0 cut paths, 1 frames, 2 bitmaps, 3 drill or mixed
  int32_t count = 0;         // paths in the document
};

struct FaceEntry {
  std::string_view control;  // a control's name, or a main toolbar key
  bool enabled;
};

// The controls whose state follows from the input; a control not listed
// keeps its state.
std::vector<FaceEntry> FaceChangeTable(const FaceInput& in);

}  // namespace kw
