// Numbers typed by a person (command-line values, numbers inside option
// lists): the whole text must be one plain decimal number that fits the
// target type, so "4abc", "0x10", " 5", "inf" or 40000 for a 16-bit value are
// refused instead of being read as far as they go or wrapped.
#pragma once

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "support/basic_text.h"

namespace kw {

template <typename Number>
std::optional<Number> CheckedNumber(std::string_view text) {
  static_assert(std::is_arithmetic_v<Number> && !std::is_same_v<Number, bool>);
  const char* first = text.data();
  const char* last = first + text.size();
  if constexpr (std::is_integral_v<Number>) {
    Number value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, 10);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
  } else {
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    if (std::abs(value) > static_cast<double>(std::numeric_limits<Number>::max())) return std::nullopt;
    return static_cast<Number>(value);
  }
}

template <typename Number>
std::string NumberText(Number v) {
  if constexpr (std::is_integral_v<Number>) return std::to_string(v);
  else if constexpr (std::is_same_v<Number, float>) return TextOfSingle(v);
  else return TextOfDouble(v);
}

// What is wrong with text as a Number between min and max, for a message
// after the option's name; empty when nothing is.
template <typename Number>
std::string NumberProblem(std::string_view text, Number min, Number max) {
  const std::string quoted = "\"" + std::string(text) + "\"";
  const auto value = CheckedNumber<Number>(text);
  if (!value) {
    const auto real = CheckedNumber<double>(text);
    if (!real) return quoted + " is not a number";
    if (std::is_integral_v<Number> && *real != std::trunc(*real)) return quoted + " is not a whole number";
  }
  if (!value || *value < min || *value > max) {
    return std::string(text) + " is out of range (" + NumberText(min) + ".." + NumberText(max) + ")";
  }
  return {};
}

}  // namespace kw
