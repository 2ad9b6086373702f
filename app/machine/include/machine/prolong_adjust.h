// The closing overlap of a run: a closed path is cut past its start by the
// layer's ProLong, or stops short of it when ProLong is negative, so the knife
// leaves no uncut bridge (or no double cut) where the path closes.
#pragma once

#include <cstdint>
#include <vector>

namespace kw {

// Adjusts the path X(1..n), Y(1..n) in pulses (element 0 unused) in place.
// proLong in mm, pulsesPerMm the X axis's scale used for both lengths. Paths
// of fewer than four points and paths whose ends lie more than 0.05 mm apart
// are left as they are.
void AdjustPathEnds(std::vector<int32_t>& X, std::vector<int32_t>& Y, float proLong, double pulsesPerMm);

}  // namespace kw
