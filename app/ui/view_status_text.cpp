#include "view_status_text.h"

#include <cmath>
#include <cstdio>

namespace kw {

std::string FormatFixed(double value, int minDigits, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
  std::string digits(buffer);
  const auto point = digits.find('.');
  std::string whole = digits.substr(0, point), fraction = point == std::string::npos ? "" : digits.substr(point);
  if (whole == "0" && minDigits == 0) whole.clear();
  while (static_cast<int>(whole.size()) < minDigits) whole.insert(whole.begin(), '0');
  // A value that rounds to zero prints without its sign.
  const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
  return (negative ? "-" : "") + whole + fraction;
}

std::string PositionText(double x, double y) {
  return "X:" + FormatFixed(x, 3, 3) + "  Y:" + FormatFixed(y, 3, 3);
}

std::string SizeText(double width, double height) {
  return "Width:" + FormatFixed(width, 0, 3) + "  Height:" + FormatFixed(height, 0, 3);
}

}  // namespace kw
