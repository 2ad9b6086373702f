// Numbers as text the way every file and message of the program writes and
// reads them: the default text form of a Single (7 significant digits) and a
// Double (15), and the prefix conversion that reads the leading number of a text.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

namespace kw {

namespace detail {
// "%.nG" chooses fixed notation for decimal exponents -4..n-1 and otherwise
// the exponent form with a sign and at least two digits ("1E+08", "2.5E-05"),
// dropping trailing zeros: exactly the default text form.
inline std::string GeneralText(double v, int significant) {
  if (v == 0.0) return "0";  // also turns -0 into "0"
  char buf[40];
  const int n = std::snprintf(buf, sizeof buf, "%.*G", significant, v);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}
}  // namespace detail

// Default text form of a Single: "0.1", "1E+08", "-2.5E-05"; no leading blank.
inline std::string TextOfSingle(float v) { return detail::GeneralText(v, 7); }

// Default text form of a Double: up to 15 significant digits.
inline std::string TextOfDouble(double v) { return detail::GeneralText(v, 15); }

// The prefix number conversion: after leading blanks, the longest leading
// decimal number (sign, digits, "." as decimal point, an exponent introduced
// by E or D); 0 when the text starts with no number. Overflow gives +-infinity.
inline double Val(std::string_view text) {
  size_t i = 0;
  auto at = [&](size_t k) { return k < text.size() ? text[k] : '\0'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  while (at(i) == ' ' || at(i) == '\t' || at(i) == '\r' || at(i) == '\n') ++i;
  bool negative = false;
  if (at(i) == '+' || at(i) == '-') negative = at(i++) == '-';
  std::string number;
  while (digit(at(i))) number += at(i++);
  if (at(i) == '.') {
    number += '.';
    ++i;
    while (digit(at(i))) number += at(i++);
  }
  if (number.empty() || number == ".") return 0.0;
  const char e = at(i);
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    size_t j = i + 1;
    std::string exponent = "e";
    if (at(j) == '+' || at(j) == '-') exponent += at(j++);
    if (digit(at(j))) {
      while (digit(at(j))) exponent += at(j++);
      number += exponent;
    }
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone: tell overflow from underflow by the exponent.
    const bool tiny = number.find("e-") != std::string::npos;
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

}  // namespace kw
