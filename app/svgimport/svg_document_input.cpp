#include <vector>

#include "pathcore/path_obj.h"
#include "svgimport/svg_reader.h"

namespace kw::svgimport {

namespace {

// The other readers put the paths they cut on layer 1.
constexpr int16_t kCutLayer = 1;

}  // namespace

bool SvgInput(kw::pathcore::CPathObj& doc, const std::string& file, std::string& error) {
  std::vector<Polyline> paths;
  if (!ReadSvg(file, paths, error)) return false;
  std::vector<float> x, y;
  for (const Polyline& line : paths) {
    // AddPath reads points from index 1 on.
    x.assign(1, 0.0f);
    y.assign(1, 0.0f);
    for (const PointMm& p : line) {
      x.push_back(static_cast<float>(p.x));
      y.push_back(static_cast<float>(p.y));
    }
    doc.AddPath(x, y, kCutLayer);
  }
  doc.ZL();
  return true;
}

}  // namespace kw::svgimport
