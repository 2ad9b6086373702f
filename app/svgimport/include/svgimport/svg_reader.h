// SVG drawings through Qt SVG: every visible shape of the file, as Qt's
// renderer draws it, becomes polylines in millimetres with Y pointing up.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kw::pathcore {
class CPathObj;
}

namespace kw::svgimport {

struct PointMm {
  double x = 0;
  double y = 0;
};

// One subpath; a closed one ends on its first point again.
using Polyline = std::vector<PointMm>;

// Largest distance between a curve and the chords it is cut into, in mm.
inline constexpr double kChordErrorMm = 0.01;

// More points than any drawing for a table has once its curves are cut into
// chords: a file that needs more (text scaled to kilometres, say) is refused.
inline constexpr std::size_t kMostSvgPoints = 4'000'000;
// A curve farther than this from the origin (a kilometre) belongs to no
// table; a drawing with one is refused before it is cut into chords.
inline constexpr double kFarthestSvgMm = 1e6;

// Reads the file's shapes (paths, lines, polylines, polygons, rectangles,
// circles, ellipses and text outlines, with their transforms). False, with a
// one-line reason in error, when the file is no SVG that Qt can read or has
// more than mostPoints points.
bool ReadSvg(const std::string& file, std::vector<Polyline>& paths, std::string& error,
             std::size_t mostPoints = kMostSvgPoints);

// Appends what ReadSvg reads as cut paths on layer 1, the cut layer, then
// recomputes the bounds. A file that cannot be read adds nothing.
bool SvgInput(kw::pathcore::CPathObj& doc, const std::string& file, std::string& error);

}  // namespace kw::svgimport
