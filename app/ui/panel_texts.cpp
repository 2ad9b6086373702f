#include "panel_texts.h"

#include <cmath>
#include <cstdio>

#include "support/basic_text.h"

namespace kw {

std::string CorrectedSpeedText(const std::string& text) { return Val(text) == 0 ? "10" : text; }

std::string PositionText(double mm) {
  // Rounded first, so that -0.0004 does not read "-000.000".
  double rounded = std::round(mm * 1000) / 1000;
  if (rounded == 0) rounded = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%s%07.3f", rounded < 0 ? "-" : "", std::fabs(rounded));
  return text;
}

}  // namespace kw
