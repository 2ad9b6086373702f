// How the PLT and HP-GL/2 imports place a pen's polylines: on layer 1 when
// drawn with the cut pen, on layer 0 otherwise, in millimetres.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kw::pathcore {

class PltPenLayers {
 public:
  explicit PltPenLayers(std::string_view cutPenName);
  // Nothing when the cut pen is no number: without it no polyline can be
  // given a layer, so the import adds none.
  std::optional<int16_t> LayerOf(int32_t pen) const;

 private:
  std::optional<double> cutPen_;
};

// Plotter units (1016 an inch, 0.025 mm) in millimetres.
double PlotterUnitsToMm(double units);

}  // namespace kw::pathcore
