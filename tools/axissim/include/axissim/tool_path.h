// The path the tool head took: X, Y and Z over simulated time, written as a
// list for tests or as an SVG picture for people.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kw::axissim {

struct PathSample {
  double time = 0;  // simulated s
  double x = 0;     // pulses, controller axis 1
  double y = 0;     // pulses, controller axis 2
  double z = 0;     // pulses, controller axis 4 (the tool)
};

class ToolPath {
 public:
  // Adds a sample unless the head has not moved since the last one.
  void Record(const PathSample& sample);
  const std::vector<PathSample>& Samples() const { return samples_; }
  void Clear() { samples_.clear(); }

  // One line per sample: "time x y z".
  void WriteList(std::ostream& out) const;
  // X to the right, Y up; a new polyline starts whenever Z changes, and runs at
  // the highest Z seen (the lifted tool) are drawn thin and grey.
  void WriteSvg(std::ostream& out) const;

 private:
  std::vector<PathSample> samples_;
};

}  // namespace kw::axissim
