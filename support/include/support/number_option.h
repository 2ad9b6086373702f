// Numeric command-line options on CLI11, read through CheckedNumber rather
// than CLI11's own conversion (which reads "010" as octal): junk, a fraction
// where a whole number belongs or a value outside the option's range is a
// usage error naming the option, the value and the accepted range.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <type_traits>

#include "support/checked_number.h"

namespace kw {

// The value of option as a Number in min..max; CLI::ValidationError otherwise.
template <typename Number>
Number OptionNumber(const std::string& option, std::string_view text, Number min, Number max) {
  if (const auto problem = NumberProblem(text, min, max); !problem.empty()) throw CLI::ValidationError(option, problem);
  return *CheckedNumber<Number>(text);
}

// An option "--name VALUE" storing into target, which keeps its value when
// the option is not given.
template <typename Number>
CLI::Option* AddNumberOption(CLI::App& app, const std::string& name, Number& target, Number min, Number max,
                             const std::string& description) {
  auto* option = app.add_option_function<std::string>(
      name, [&target, name, min, max](const std::string& text) { target = OptionNumber(name, text, min, max); },
      description);
  return option->type_name(std::is_integral_v<Number> ? "INT" : "NUMBER");
}

}  // namespace kw
