// Gathering selected cut paths into an engraving frame: the outlines go to the
// outline store under a new key and a closed box around them becomes the frame
// object. SetDkObj and the temporary frame of engraving work data share it.
#pragma once

#include <cstdint>

#include "document/path_store.h"

namespace kw::pathcore {

struct OutlineBox {
  float Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;  // mm
};

// Closes the selected open cut paths (they stay closed in the document), then
// copies every selected cut path in list order into the outline store under a
// newly allocated key. Returns the key and the union box of those paths, or 0
// (nothing allocated) when no cut path is selected.
int32_t StoreSelectedCutPaths(PathStore& s, OutlineBox& box);

// Appends the frame: the closed box from its top-left corner clockwise, kind 1,
// the given key, layer 0, not selected; then ZL.
void AppendEngravingFrame(PathStore& s, const OutlineBox& box, int32_t key);

}  // namespace kw::pathcore
