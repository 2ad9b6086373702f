// The sixteen direction classes of the knife: class d stands for the
// direction d * 22.5 degrees, counter-clockwise from +X.
#pragma once

#include <cstdint>

namespace kw::pathcore {

// Class 0..15 of the segment from (x1, y1) to (x2, y2); note the argument
// order x1, x2, y1, y2. A segment of no length counts as class 12.
int16_t DirectionCode16(float x1, float x2, float y1, float y2);

// The point at distance r from (x, y) in the direction of class d; a class
// outside 0..15 leaves outX and outY unchanged.
void StepPointByCode(int16_t d, float r, float x, float y, float& outX, float& outY);

}  // namespace kw::pathcore
