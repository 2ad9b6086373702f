#include "scaling.h"

#include <algorithm>
#include <cmath>

namespace kw::hpglscan {

namespace {
// Without IP, P1 and P2 frame an A4 landscape page of the classic HP-GL pen plotters.
constexpr PlotPoint kDefaultP1{0, 0};
constexpr PlotPoint kDefaultP2{10000, 7200};
constexpr double kSmallestSpan = 1e-6;  // a narrower user frame would scale past any range
enum FrameParameter { kXMin, kXMax, kYMin, kYMax, kType, kLeft, kBottom };
}  // namespace

void Scaling::Reset() {
  p1_ = kDefaultP1;
  p2_ = kDefaultP2;
  frameCount_ = 0;
  Recompute();
}

void Scaling::SetScalingPoints(const std::array<double, 4>& p, size_t n) {
  if (n < 2) {
    p1_ = kDefaultP1;
    p2_ = kDefaultP2;
  } else if (n < 4) {
    p2_ = {p2_.x - p1_.x + p[0], p2_.y - p1_.y + p[1]};
    p1_ = {p[0], p[1]};
  } else {
    p1_ = {p[0], p[1]};
    p2_ = {p[2], p[3]};
  }
  Recompute();
}

void Scaling::SetFrame(const std::array<double, 7>& p, size_t n) {
  if (n != 0 && n < 4) return;
  const bool pointFactor = n >= 5 && p[kType] == 2;
  const bool flat = n != 0 && !pointFactor &&
                    (std::abs(p[kXMax] - p[kXMin]) < kSmallestSpan || std::abs(p[kYMax] - p[kYMin]) < kSmallestSpan);
  if (flat) return;
  frame_ = p;
  frameCount_ = n;
  Recompute();
}

void Scaling::Recompute() {
  ax_ = ay_ = 1;
  bx_ = by_ = 0;
  if (frameCount_ == 0) return;
  const double type = frameCount_ >= 5 ? frame_[kType] : 0;
  if (type == 2) {
    ax_ = frame_[kXMax];  // the point factors stand where the maxima stand
    ay_ = frame_[kYMax];
  } else {
    ax_ = (p2_.x - p1_.x) / (frame_[kXMax] - frame_[kXMin]);
    ay_ = (p2_.y - p1_.y) / (frame_[kYMax] - frame_[kYMin]);
  }
  bx_ = p1_.x - ax_ * frame_[kXMin];
  by_ = p1_.y - ay_ * frame_[kYMin];
  if (type == 1) Isotropic(p2_.x - p1_.x, p2_.y - p1_.y);
}

// One factor for both axes, the smaller; the space left over on the other
// axis is shared out as the left and bottom percentages say (half by default).
void Scaling::Isotropic(double width, double height) {
  const double factor = std::min(std::abs(ax_), std::abs(ay_));
  const double left = frameCount_ >= 6 ? std::clamp(frame_[kLeft], 0.0, 100.0) : 50;
  const double bottom = frameCount_ >= 7 ? std::clamp(frame_[kBottom], 0.0, 100.0) : 50;
  const double spareX = width - std::copysign(factor, ax_) * (frame_[kXMax] - frame_[kXMin]);
  const double spareY = height - std::copysign(factor, ay_) * (frame_[kYMax] - frame_[kYMin]);
  ax_ = std::copysign(factor, ax_);
  ay_ = std::copysign(factor, ay_);
  bx_ = p1_.x + spareX * left / 100 - ax_ * frame_[kXMin];
  by_ = p1_.y + spareY * bottom / 100 - ay_ * frame_[kYMin];
}

}  // namespace kw::hpglscan
