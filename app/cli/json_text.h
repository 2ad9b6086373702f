// Numbers and strings as JSON text.
#pragma once

#include <string>

namespace kw::cli {

// The number in the program's default text form; null when not finite.
std::string JsonNumber(double v);
std::string JsonNumberOfSingle(float v);

}  // namespace kw::cli
