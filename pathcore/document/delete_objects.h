// Deleting the selected objects, shared by DelObj, the engraving frames and
// the temporary frame of engraving work data.
#pragma once

#include "document/path_store.h"

namespace kw::pathcore {

// Removes every object whose ObjSel is 1 or 2; an engraving frame takes its
// stored outlines and key with it. Runs of selected objects go as blocks, so
// the whole deletion is one pass over the arrays. Ends with ZL.
void DeleteSelectedObjects(PathStore& s);

}  // namespace kw::pathcore
