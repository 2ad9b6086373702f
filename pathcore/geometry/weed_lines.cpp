#include "geometry/weed_lines.h"

#include <algorithm>
#include <cmath>

namespace kw::pathcore {
namespace {

// A line this near the far side of the box is that side, already cut.
constexpr double kOnSide = 1e-6;

WeedRect Transposed(const WeedRect& r) { return {r.ymin, r.xmin, r.ymax, r.xmax}; }
WeedLine Transposed(const WeedLine& l) { return {l.y1, l.x1, l.y2, l.x2}; }

// Where the horizontal line at y, from lo to hi, first meets and last leaves
// the grown shapes; nothing when it meets none.
struct Blocked {
  bool any = false;
  double first = 0, last = 0;
};

Blocked BlockedAlong(double y, double lo, double hi, std::span<const WeedRect> grown) {
  Blocked b;
  for (const WeedRect& g : grown) {
    if (y < g.ymin || y > g.ymax || g.xmax < lo || g.xmin > hi) continue;
    b.first = b.any ? std::min(b.first, g.xmin) : g.xmin;
    b.last = b.any ? std::max(b.last, g.xmax) : g.xmax;
    b.any = true;
  }
  return b;
}

// The pieces of the horizontal line at y, each starting on the box.
void PiecesAt(double y, const WeedRect& box, std::span<const WeedRect> grown, double minLength,
              std::vector<WeedLine>& out) {
  const double lo = box.xmin, hi = box.xmax;
  const Blocked b = BlockedAlong(y, lo, hi, grown);
  if (!b.any) {
    if (hi - lo >= minLength) out.push_back({lo, y, hi, y});
    return;
  }
  if (b.first - lo >= minLength) out.push_back({lo, y, b.first, y});
  if (hi - b.last >= minLength) out.push_back({hi, y, b.last, y});
}

// The horizontal weed lines of box, bottom to top.
std::vector<WeedLine> HorizontalLines(const WeedRect& box, std::span<const WeedRect> shapes,
                                      const WeedLineOptions& options) {
  std::vector<WeedRect> grown;
  grown.reserve(shapes.size());
  for (const WeedRect& s : shapes) grown.push_back(GrownRect(s, options.clearance));
  std::vector<WeedLine> lines;
  for (int64_t k = 1;; ++k) {
    const double y = box.ymin + static_cast<double>(k) * options.spacing;
    if (y >= box.ymax - kOnSide) break;
    PiecesAt(y, box, grown, options.minLength, lines);
  }
  return lines;
}

}  // namespace

WeedRect GrownRect(const WeedRect& r, double by) { return {r.xmin - by, r.ymin - by, r.xmax + by, r.ymax + by}; }

bool WeedSpacingFits(const WeedRect& box, double spacing) {
  if (!std::isfinite(spacing) || spacing <= 0) return false;
  const double across = std::max(box.xmax - box.xmin, box.ymax - box.ymin) / spacing;
  return across <= static_cast<double>(kMaxWeedLinesPerSide);
}

std::vector<WeedLine> WeedLines(const WeedRect& box, std::span<const WeedRect> shapes, const WeedLineOptions& options) {
  if (!WeedSpacingFits(box, options.spacing)) return {};
  std::vector<WeedLine> lines;
  if (options.horizontal) lines = HorizontalLines(box, shapes, options);
  if (options.vertical) {
    // Vertical lines are the horizontal lines of the mirrored picture.
    std::vector<WeedRect> flipped;
    flipped.reserve(shapes.size());
    for (const WeedRect& s : shapes) flipped.push_back(Transposed(s));
    for (const WeedLine& l : HorizontalLines(Transposed(box), flipped, options)) lines.push_back(Transposed(l));
  }
  return lines;
}

}  // namespace kw::pathcore
