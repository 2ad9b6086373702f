// Knife compensation of a tool path: thinning with an overcut on closed paths,
// then the blade offset with swivel points at sharp turns. The knife's blade
// trails its axis by the blade offset, so the axis has to lead it along the path.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::pathcore {

// Points 0..n-1 of X and Y, in mm. Drops every inner point within a (in both
// X and Y) of the last kept one and, when the path is closed within c, appends
// a run-on of length b along its first segment. The arrays are resized to the
// kept points 0..n-1 and n is updated; n is clipped to the arrays' lengths.
void SimplifyPath(float a, float b, float c, int32_t& n, std::vector<float>& X, std::vector<float>& Y);

// Takes points 0..n-1 of X and Y (mm) and rewrites them as the knife axis path:
// the m output points sit at indices 1..m (element 0 is 0 and holds no point)
// and n becomes m + 1. lastClass and lastOffsetX/Y carry the blade's direction
// class and offset (mm) from the previous path to the next; a is the blade
// offset in mm and b the direction-class change allowed without swivelling.
void KnifeOffsetPath(std::vector<float>& X, std::vector<float>& Y, int32_t& n,
                     int16_t& lastClass, float& lastOffsetX, float& lastOffsetY, float a, int16_t b);

}  // namespace kw::pathcore
