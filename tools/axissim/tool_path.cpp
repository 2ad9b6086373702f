#include "axissim/tool_path.h"

#include <algorithm>
#include <ostream>

namespace kw::axissim {
namespace {

struct Bounds {
  double min_x, min_y, max_x, max_y, max_z;
};

Bounds BoundsOf(const std::vector<PathSample>& samples) {
  Bounds b{samples[0].x, samples[0].y, samples[0].x, samples[0].y, samples[0].z};
  for (const PathSample& s : samples) {
    b.min_x = std::min(b.min_x, s.x);
    b.min_y = std::min(b.min_y, s.y);
    b.max_x = std::max(b.max_x, s.x);
    b.max_y = std::max(b.max_y, s.y);
    b.max_z = std::max(b.max_z, s.z);
  }
  return b;
}

void WritePolyline(std::ostream& out, const std::vector<PathSample>& run, bool lifted, const Bounds& b) {
  out << "<polyline fill=\"none\" stroke=\"" << (lifted ? "#bbbbbb" : "#000000") << "\" stroke-width=\""
      << (lifted ? 1 : 2) << "\" vector-effect=\"non-scaling-stroke\" points=\"";
  for (const PathSample& s : run) out << (s.x - b.min_x) << ',' << (b.max_y - s.y) << ' ';
  out << "\"/>\n";
}

}  // namespace

void ToolPath::Record(const PathSample& sample) {
  if (!samples_.empty()) {
    const PathSample& last = samples_.back();
    if (last.x == sample.x && last.y == sample.y && last.z == sample.z) return;
  }
  samples_.push_back(sample);
}

void ToolPath::WriteList(std::ostream& out) const {
  for (const PathSample& s : samples_) out << s.time << ' ' << s.x << ' ' << s.y << ' ' << s.z << '\n';
}

void ToolPath::WriteSvg(std::ostream& out) const {
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  if (samples_.empty()) {
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1\" height=\"1\"/>\n";
    return;
  }
  const Bounds b = BoundsOf(samples_);
  const double width = std::max(1.0, b.max_x - b.min_x);
  const double height = std::max(1.0, b.max_y - b.min_y);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << width << ' ' << height
      << "\" width=\"800\" height=\"" << std::max(1.0, 800 * height / width) << "\">\n";
  std::vector<PathSample> run{samples_[0]};
  for (size_t i = 1; i < samples_.size(); ++i) {
    if (samples_[i].z != run.back().z) {
      if (run.size() > 1) WritePolyline(out, run, run.back().z == b.max_z, b);
      run = {run.back()};
      run.back().z = samples_[i].z;
    }
    run.push_back(samples_[i]);
  }
  if (run.size() > 1) WritePolyline(out, run, run.back().z == b.max_z, b);
  out << "</svg>\n";
}

}  // namespace kw::axissim
