#include "json_text.h"

#include <cmath>

#include "support/basic_text.h"

namespace kw::cli {

// The default text forms ("0.1", "1E+08") are valid JSON numbers.
std::string JsonNumber(double v) { return std::isfinite(v) ? kw::TextOfDouble(v) : "null"; }

std::string JsonNumberOfSingle(float v) { return std::isfinite(v) ? kw::TextOfSingle(v) : "null"; }

}  // namespace kw::cli
