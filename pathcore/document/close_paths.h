// Closing open paths by repeating their first point at the end, shared by
// SetFb, AutoFb and the engraving frames.
#pragma once

#include <optional>

#include "document/path_store.h"

namespace kw::pathcore {

// Closes every selected cut path whose end points differ by more than
// 0.001 mm on either axis and, when maxGap is given, by less than maxGap on
// both axes. Each keeps its position and selection value. One pass over the
// arrays, whatever the number of paths closed.
void CloseSelectedCutPaths(PathStore& s, std::optional<float> maxGap = std::nullopt);

}  // namespace kw::pathcore
