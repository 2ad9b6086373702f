// The weed box and weed lines of the document: which objects the box goes
// around, which path is the box, and the new paths appended and selected.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "document/path_store.h"
#include "geometry/weed_lines.h"
#include "pathcore/path_obj.h"

namespace kw::pathcore {
namespace {

// Weeding is cut with the knife.
constexpr int16_t kWeedLayer = 1;
// Corners of a rectangle read back from the document's single-precision
// points, or from another program's drawing, match within this, mm.
constexpr float kCornerTolerance = 1e-3f;

WeedRect BoxOf(const PathStore& s, int32_t k) { return {s.ObjXmin[k], s.ObjYmin[k], s.ObjXmax[k], s.ObjYmax[k]}; }

void Widen(std::optional<WeedRect>& bounds, const WeedRect& r) {
  if (!bounds) {
    bounds = r;
    return;
  }
  bounds->xmin = std::min(bounds->xmin, r.xmin);
  bounds->ymin = std::min(bounds->ymin, r.ymin);
  bounds->xmax = std::max(bounds->xmax, r.xmax);
  bounds->ymax = std::max(bounds->ymax, r.ymax);
}

// The bounds of the objects k for which take(k) holds; nothing when there is none.
template <typename Take>
std::optional<WeedRect> BoundsOf(const PathStore& s, Take take) {
  std::optional<WeedRect> bounds;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (take(k)) Widen(bounds, BoxOf(s, k));
  }
  return bounds;
}

// The bounds of the selected objects, or of all when none is selected.
std::optional<WeedRect> WeedBoxContent(const PathStore& s) {
  const auto selected = BoundsOf(s, [&s](int32_t k) { return s.ObjSel[k] > 0; });
  return selected ? selected : BoundsOf(s, [](int32_t) { return true; });
}

bool Near(float a, float b) { return std::fabs(a - b) <= kCornerTolerance; }

bool OnCorner(const PathStore& s, int32_t k, int32_t p) {
  return (Near(s.PointX[p], s.ObjXmin[k]) || Near(s.PointX[p], s.ObjXmax[k])) &&
         (Near(s.PointY[p], s.ObjYmin[k]) || Near(s.PointY[p], s.ObjYmax[k]));
}

// A closed cut path of four axis-parallel sides, each point on a corner of its box.
bool IsRectangle(const PathStore& s, int32_t k) {
  if (s.ObjType[k] != kCutPath || s.PointCountOf(k) != 5) return false;
  if (s.ObjXmax[k] - s.ObjXmin[k] <= kCornerTolerance || s.ObjYmax[k] - s.ObjYmin[k] <= kCornerTolerance) return false;
  const int32_t first = s.ObjStart[k];
  for (int32_t p = first; p <= first + 4; ++p) {
    if (!OnCorner(s, k, p)) return false;
    if (p > first && !Near(s.PointX[p], s.PointX[p - 1]) && !Near(s.PointY[p], s.PointY[p - 1])) return false;
  }
  return Near(s.PointX[first], s.PointX[first + 4]) && Near(s.PointY[first], s.PointY[first + 4]);
}

bool Spans(const PathStore& s, int32_t k, const WeedRect& all) {
  return Near(s.ObjXmin[k], static_cast<float>(all.xmin)) && Near(s.ObjXmax[k], static_cast<float>(all.xmax)) &&
         Near(s.ObjYmin[k], static_cast<float>(all.ymin)) && Near(s.ObjYmax[k], static_cast<float>(all.ymax));
}

// The selected rectangle when it alone is selected; with nothing selected,
// the last rectangle spanning the document; else 0.
int32_t FindWeedBox(const PathStore& s) {
  int32_t selected = 0, count = 0;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (s.ObjSel[k] > 0) selected = k, ++count;
  }
  if (count == 1) return IsRectangle(s, selected) ? selected : 0;
  const auto all = BoundsOf(s, [](int32_t) { return true; });
  if (count > 1 || !all) return 0;
  for (int32_t k = s.ObjN; k >= 1; --k) {
    if (IsRectangle(s, k) && Spans(s, k, *all)) return k;
  }
  return 0;
}

void SelectOnlyFrom(PathStore& s, int32_t firstNew) {
  for (int32_t k = 1; k <= s.ObjN; ++k) s.ObjSel[k] = k >= firstNew ? kSelected : kUnselected;
  s.ObjSel[s.ObjN] = kCurrent;
  s.ZL();
  s.ZLSelLmt();
}

void AppendLine(PathStore& s, const WeedLine& l) {
  const std::array<float, 3> x{0, static_cast<float>(l.x1), static_cast<float>(l.x2)};
  const std::array<float, 3> y{0, static_cast<float>(l.y1), static_cast<float>(l.y2)};
  s.AddPath(x, y, kWeedLayer);
}

}  // namespace

bool CPathObj::AddWeedBox(double Margin) {
  if (!std::isfinite(Margin) || Margin <= 0) return false;
  const auto content = WeedBoxContent(S);
  if (!content) return false;
  const WeedRect b = GrownRect(*content, Margin);
  const auto x0 = static_cast<float>(b.xmin), x1 = static_cast<float>(b.xmax);
  const auto y0 = static_cast<float>(b.ymin), y1 = static_cast<float>(b.ymax);
  const std::array<float, 6> x{0, x0, x1, x1, x0, x0}, y{0, y0, y0, y1, y1, y0};
  S.AddPath(x, y, kWeedLayer);
  SelectOnlyFrom(S, S.ObjN);
  return true;
}

int32_t CPathObj::AddWeedLines(double Spacing, bool Horizontal, bool Vertical) {
  const int32_t box = FindWeedBox(S);
  if (box == 0) return kNoWeedBox;
  if (!WeedSpacingFits(BoxOf(S, box), Spacing)) return kBadWeedSpacing;
  std::vector<WeedRect> shapes;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (k != box) shapes.push_back(BoxOf(S, k));
  }
  const auto lines = WeedLines(BoxOf(S, box), shapes, {Spacing, Horizontal, Vertical, kWeedClearance, kWeedMinLength});
  if (lines.empty()) return 0;
  const int32_t firstNew = S.ObjN + 1;
  for (const WeedLine& l : lines) AppendLine(S, l);
  SelectOnlyFrom(S, firstNew);
  return static_cast<int32_t>(lines.size());
}

}  // namespace kw::pathcore
