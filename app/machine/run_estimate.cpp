#include "machine/run_estimate.h"

#include <algorithm>
#include <cmath>

#include "axisproto/trapezoid_profile.h"
#include "machine/path_runner.h"

namespace kw {
namespace {

constexpr double kSlowest = 1e-3;  // mm/s; a speed of 0 would never arrive

// Follows the head through the run's moves, adding up the time of each step.
class RunWalk {
 public:
  RunWalk(const MachineSettings& s, const CCutLayer& cutLayers, HeadPosition start)
      : s_(s), cutLayers_(cutLayers), at_(start), kx_(PulsesPerMm(s, 0)), ky_(PulsesPerMm(s, 1)) {}

  double Path(const PlannedPath& p) {
    double seconds = TravelTo(p.X[1] / kx_, p.Y[1] / ky_);
    if (p.layer >= 0 && p.layer <= 2) {
      const float heights[] = {s_.ZPen, s_.ZCut, s_.ZHalfCut};
      seconds += ZTo(heights[p.layer]);
    }
    seconds += Cut(p);
    at_.x = p.X.back() / kx_;
    at_.y = p.Y.back() / ky_;
    return seconds + ZTo(s_.ZPos_Up);
  }

  double CutOff(float feed, double jobYmax) {
    const double xDistance = -at_.x;
    const double yDistance = feed + jobYmax - at_.y + s_.CutOffsetY;
    double seconds = Together(Travel(0, xDistance), Travel(1, yDistance));
    at_.x = 0;
    at_.y += yDistance;
    seconds += ZTo(s_.ZCut);
    const double across = s_.CutOffsetX - s_.WorkRect[0];
    at_.x += across;
    return seconds + Alone(MoveSeconds(across, s_.SMin[0], s_.Acc[0], cutLayers_.Speed(1)));
  }

  double ReturnToOrigin() { return ZTo(s_.ZPos_Up) + TravelTo(0, 0); }

  double AxisSeconds() const { return axisSeconds_; }

 private:
  double Travel(int axis, double distance) const {
    return MoveSeconds(distance, s_.SMin[axis], s_.Acc[axis], s_.MoveSpeed[axis]);
  }
  // X and Y start together; the wait ends with the slower of the two.
  double Together(double x, double y) {
    axisSeconds_ += x + y;
    return std::max(x, y);
  }
  double Alone(double seconds) {
    axisSeconds_ += seconds;
    return seconds;
  }
  double TravelTo(double x, double y) {
    const double seconds = Together(Travel(0, x - at_.x), Travel(1, y - at_.y));
    at_.x = x;
    at_.y = y;
    return seconds;
  }
  double ZTo(double z) {
    const double seconds = Alone(Travel(2, z - at_.z));
    at_.z = z;
    return seconds;
  }
  // The controller is handed the path's speed in X pulses for both axes and
  // drives every streamed line as its own trapezoid, so each corner is a
  // slow-down to the start speed.
  double Cut(const PlannedPath& p) {
    const bool known = p.layer >= 0 && p.layer <= 2;
    const int tool = p.layer == 0 ? 0 : 1;
    const double startSpeed = known ? s_.TSMin[tool] : 0, acceleration = known ? s_.BufAcc[tool] : 0;
    const double speed = cutLayers_.Speed(p.layer);
    double seconds = 0;
    for (size_t i = 2; i < p.X.size(); ++i) {
      const double pulses = std::hypot(double(p.X[i]) - p.X[i - 1], double(p.Y[i]) - p.Y[i - 1]);
      seconds += MoveSeconds(pulses / kx_, startSpeed, acceleration, speed);
    }
    return Alone(seconds);
  }

  const MachineSettings& s_;
  const CCutLayer& cutLayers_;
  HeadPosition at_;
  double kx_, ky_;
  double axisSeconds_ = 0;
};

}  // namespace

double MoveSeconds(double distance, double startSpeed, double acceleration, double speed) {
  return kw::axisnet::TrapezoidProfile(distance, startSpeed, acceleration, speed, kSlowest).Seconds();
}

double RunEstimate::TotalSeconds() const { return SecondsLeft(0, 0); }

double RunEstimate::SecondsLeft(int32_t pathsDone, double secondsIntoNext) const {
  const size_t done = std::min(static_cast<size_t>(std::max({pathsDone, pathsPassedOver, 0})), pathSeconds.size());
  double left = finishSeconds;
  for (size_t i = done; i < pathSeconds.size(); ++i) left += pathSeconds[i];
  const double next = done < pathSeconds.size() ? pathSeconds[done] : finishSeconds;
  return left - std::clamp(secondsIntoNext, 0.0, next);
}

RunEstimate EstimateRun(const std::vector<PlannedPath>& paths, const MachineSettings& s,
                        const CCutLayer& cutLayers, const RunOptions& options, HeadPosition start, double jobYmax) {
  RunWalk walk(s, cutLayers, start);
  RunEstimate estimate;
  // Paths a resumed run passes over take no time, so the time left still counts by path number.
  const size_t first = std::min(static_cast<size_t>(std::max(options.fromPath, 1)) - 1, paths.size());
  estimate.pathsPassedOver = static_cast<int32_t>(first);
  for (size_t i = 0; i < paths.size(); ++i) estimate.pathSeconds.push_back(i < first ? 0 : walk.Path(paths[i]));
  if (options.cutOff) estimate.finishSeconds += walk.CutOff(options.feed, jobYmax);
  estimate.finishSeconds += walk.ReturnToOrigin();
  estimate.axisSeconds = walk.AxisSeconds();
  return estimate;
}

RunEstimate EstimateJob(kw::pathcore::CPathObj& doc, const MachineSettings& s, const CCutLayer& cutLayers,
                        const CLayerMap& layerMap, const RunOptions& options, HeadPosition start) {
  const double jobYmax = options.selection ? doc.SelYMax() : doc.Ymax();
  return EstimateRun(PlannedPaths(doc, s, cutLayers, layerMap, options.selection), s, cutLayers, options, start,
                     jobYmax);
}

}  // namespace kw
