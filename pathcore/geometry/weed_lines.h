// Weeding: the box cut around a job and the straight cuts from that box
// inwards that part the waste vinyl between the shapes into strips, so an
// operator can peel it off by hand. Plain geometry in millimetres; the
// document decides which paths are the shapes and which is the box.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kw::pathcore {

struct WeedRect {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

struct WeedLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// How far before a shape's bounding box a weed line stops, mm: the knife
// never comes nearer to a shape than this.
inline constexpr double kWeedClearance = 1.0;
// Pieces shorter than this, mm, are not worth a cut and are left out.
inline constexpr double kWeedMinLength = 1.0;
// More lines than this across one side of the box means a spacing typed by
// mistake, not a job.
inline constexpr int64_t kMaxWeedLinesPerSide = 10000;

struct WeedLineOptions {
  double spacing = 10;  // mm between neighbouring parallel lines
  bool horizontal = true;
  bool vertical = true;
  double clearance = kWeedClearance;
  double minLength = kWeedMinLength;
};

// r widened by `by` on every side.
WeedRect GrownRect(const WeedRect& r, double by);

// True when spacing is a positive number that gives no more than
// kMaxWeedLinesPerSide lines across either side of box.
bool WeedSpacingFits(const WeedRect& box, double spacing);

// The weed lines of box around shapes (their bounding boxes). Horizontal
// lines lie at y = box.ymin + k * spacing strictly inside the box, vertical
// ones likewise at x = box.xmin + k * spacing. Each line is cut from the left
// (bottom) side of the box to where it first meets a shape's box grown by the
// clearance, and from the right (top) side back to where it last leaves one;
// a line that meets no shape crosses the box whole. Horizontal lines come
// first, bottom to top, each left piece before its right piece.
std::vector<WeedLine> WeedLines(const WeedRect& box, std::span<const WeedRect> shapes, const WeedLineOptions& options);

}  // namespace kw::pathcore
