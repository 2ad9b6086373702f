// Appending a reader's polyline to the document as a cut path.
#pragma once

#include <cstdint>
#include <span>

#include "document/path_store.h"

namespace kw::pathcore {

// Appends points X[i], Y[i] (all of the given spans, millimetres) as a new
// path on layerN, stored as Singles. A polyline with a coordinate that is no
// finite Single (an overflowing number in the file) is not appended.
void AppendImportedPath(PathStore& s, std::span<const double> X, std::span<const double> Y, int16_t layerN);

}  // namespace kw::pathcore
