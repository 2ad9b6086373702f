// The texts of the status bar's "POS" and "Size" panels.
#pragma once

#include <string>

namespace kw {

// A number with at least minDigits digits before the point (leading zeros)
// and exactly `decimals` after it, as the patterns "#000.000" (3, 3) and
// "#.000" (0, 3) print it: 5.5 gives "005.500" and ".500".
std::string FormatFixed(double value, int minDigits, int decimals);

// "X:012.500  Y:-003.250"
std::string PositionText(double x, double y);
// "Width:120.000  Height:.500"
std::string SizeText(double width, double height);

}  // namespace kw
