// A point of the plot in plotter units (0.025 mm).
#pragma once

namespace kw::hpglscan {

struct PlotPoint {
  double x = 0;
  double y = 0;
  bool operator==(const PlotPoint&) const = default;
};

}  // namespace kw::hpglscan
