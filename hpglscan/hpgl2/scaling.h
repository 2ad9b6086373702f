// User units to plotter units as IP (the scaling points P1 and P2) and SC
// (the user frame mapped onto them) set it; without SC, user units are
// plotter units.
#pragma once

#include <array>
#include <cstddef>

#include "plot_point.h"

namespace kw::hpglscan {

class Scaling {
 public:
  // IN: the default P1 and P2, scaling off.
  void Reset();
  // IP with n parameters: none restores the default P1/P2, two move P1 and
  // take P2 along, four set both.
  void SetScalingPoints(const std::array<double, 4>& p, size_t n);
  // SC with n parameters: none turns scaling off; four or more set the
  // anisotropic (type 0), isotropic (1) or point-factor (2) frame. A frame of
  // no width or height is refused.
  void SetFrame(const std::array<double, 7>& p, size_t n);

  PlotPoint Absolute(double x, double y) const { return {ax_ * x + bx_, ay_ * y + by_}; }
  PlotPoint Relative(double dx, double dy) const { return {ax_ * dx, ay_ * dy}; }
  // A radius in user units measured along X.
  double Length(double r) const { return ax_ < 0 ? -ax_ * r : ax_ * r; }

 private:
  void Recompute();
  void Isotropic(double width, double height);

  PlotPoint p1_, p2_;
  std::array<double, 7> frame_{};
  size_t frameCount_ = 0;  // 0: scaling off
  double ax_ = 1, bx_ = 0, ay_ = 1, by_ = 0;
};

}  // namespace kw::hpglscan
