#include "document/plt_pen_layers.h"

#include <charconv>

namespace kw::pathcore {

namespace {

constexpr double kUnitsPerInch = 1016;
constexpr double kMmPerInch = 25.4;

// The whole text as a number, blanks around it allowed; nothing when the text
// is empty or not a number.
std::optional<double> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

PltPenLayers::PltPenLayers(std::string_view cutPenName) : cutPen_(WholeNumber(cutPenName)) {}

std::optional<int16_t> PltPenLayers::LayerOf(int32_t pen) const {
  if (!cutPen_) return std::nullopt;
  return static_cast<int16_t>(*cutPen_ == pen ? 1 : 0);
}

double PlotterUnitsToMm(double units) { return units / kUnitsPerInch * kMmPerInch; }

}  // namespace kw::pathcore
