// The texts of the machine panel's boxes and labels.
#pragma once

#include <string>

namespace kw {

// A speed box left reading 0 (or no number) would stall the machine: it
// takes "10" instead. Any other text stays as it is.
std::string CorrectedSpeedText(const std::string& text);

// A head position for the labels: at least three digits before the point,
// three after, the sign in front ("-012.500").
std::string PositionText(double mm);

}  // namespace kw
