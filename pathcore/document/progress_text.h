// The texts of the document's progress events, by step and language number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kw::pathcore {

enum class ProgressStep {
  WorkData,              // generating work data
  RegionNesting,         // inner/outer ordering
  RegionNestingOrder,    // inner/outer ordering, deciding the order
  Rebuild,               // rebuilding the object list
  EdgeSearch,            // finding the outer edges
  DistanceOrder,         // distance ordering
  DistanceOrderPass,     // distance ordering, deciding the order
  DistanceOrderRebuild,  // distance ordering, rebuilding the list
  Explode,               // breaking paths into segments
  Merge,                 // merging connectable paths
  Smooth,                // smoothing
};

// The text to raise for a step, or nothing when the step raises no progress
// event in that language.
std::optional<std::string> ProgressText(ProgressStep step, int16_t language);

}  // namespace kw::pathcore
