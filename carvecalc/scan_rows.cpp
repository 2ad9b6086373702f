#include "scan_rows.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "arc_math.h"
#include "checked_math.h"
#include "ellipse_geometry.h"
#include "support/basic_text.h"
#include "support/round_half_even.h"

namespace kw::carvecalc {

namespace {

constexpr int64_t kMaxRows = 10'000'000;
constexpr double kMaxRowNumber = 9.0e15;  // doubles stay exact integers below 2^53

// A crossing of a curve with a row and the side of the curve it lies on.
enum class Side { Left, Right };

// Whether the crossing p on the given side of a curve at an arc end counts:
// a counter-clockwise arc climbs on its right side and descends on its left,
// so an end point is the lower end of its piece on exactly one side.
enum class EndMatch { None, Counts, Skips };

EndMatch AtArcEnd(Side side, double y, double px, const polyfunction& centre,
                  const polyfunction& s, const polyfunction& e, double size) {
  const double tolY = 1e-9 * std::max(1.0, size);
  const double tolX = 1e-6 * std::max(1.0, size);
  auto matches = [&](const polyfunction& end) {
    if (std::abs(y - end.Y) > tolY) return false;
    const double offset = end.X - centre.X;
    const double toward = side == Side::Right ? offset : -offset;
    return toward >= -tolX && std::abs(px - end.X) <= std::max(tolX, 1e-3 * size);
  };
  const bool atStart = matches(s), atEnd = matches(e);
  if (side == Side::Right) return atStart ? EndMatch::Counts : atEnd ? EndMatch::Skips : EndMatch::None;
  return atEnd ? EndMatch::Counts : atStart ? EndMatch::Skips : EndMatch::None;
}

int64_t RowNumber(double q) {
  if (!std::isfinite(q) || std::abs(q) > kMaxRowNumber) throw CarveFault(CarveError::Overflow, "overflow");
  return static_cast<int64_t>(q);
}

}  // namespace

RowGrid::RowGrid(std::vector<carve>& rows, int32_t lastRow, double space, int16_t bitcount,
                 int32_t ymin)
    : rows_(rows), space_(space), scale_(std::pow(10.0, bitcount)), ymin_(ymin) {
  rows_.assign(1, carve{});
  if (!(space_ > 0) || !std::isfinite(space_))
    throw CarveFault(CarveError::InvalidCall, "the row spacing must be a positive number");
  Finite(scale_ * space_);
  if (scale_ * space_ == 0) throw CarveFault(CarveError::DivisionByZero, "division by zero");
  if (lastRow < 0) throw CarveFault(CarveError::SubscriptOutOfRange, "negative last row");
  if (lastRow >= kMaxRows) throw CarveFault(CarveError::OutOfMemory, "too many rows");
  rows_.resize(static_cast<size_t>(lastRow) + 1);
  for (size_t r = 0; r < rows_.size(); ++r)
    rows_[r].carveY = (ymin_ + static_cast<double>(r) * scale_ * space_) / scale_;
}

int64_t RowGrid::RowAtOrAbove(double y) const {
  const double q = Div(Finite(y), space_);
  const double whole = std::nearbyint(q);
  // Heights like 1.1 / 0.1 land a hair above a whole row; they mean that row.
  if (std::abs(q - whole) <= 1e-9 * std::max(1.0, std::abs(q))) return RowNumber(whole);
  return RowNumber(std::ceil(q));
}

int64_t RowGrid::IndexOf(int64_t n) const {
  const double index = Div(scale_ * static_cast<double>(n) * space_ - ymin_, scale_ * space_);
  const int64_t i = kw::N64(Finite(index));
  if (i < 0 || static_cast<uint64_t>(i) >= rows_.size())
    throw CarveFault(CarveError::SubscriptOutOfRange, "a crossing falls outside the rows");
  return i;
}

void RowGrid::Add(int64_t i, double x) {
  carve& row = At(rows_, i);
  row.carveX.resize(static_cast<size_t>(row.carveXCount) + 1);
  row.carveX[static_cast<size_t>(row.carveXCount)] = Finite(x);
  ++row.carveXCount;
  any_ = true;
}

std::vector<int32_t> SelectionEntries(const std::string& list) {
  std::string rest = list;
  if (!rest.empty() && rest.front() == ',') rest.erase(0, 1);
  std::vector<int32_t> entries;
  std::set<std::string> seen;
  size_t from = 0;
  while (from < rest.size()) {
    size_t comma = rest.find(',', from);
    if (comma == std::string::npos) comma = rest.size();
    const std::string entry = rest.substr(from, comma - from);
    from = comma + 1;
    // An entry is processed once however often it is listed; an empty one names nothing.
    if (entry.empty() || !seen.insert(entry).second) continue;
    entries.push_back(ToInt32(kw::Val(entry)));
  }
  return entries;
}

void ScanLine(RowGrid& grid, double x1, double y1, double x2, double y2) {
  if (y1 == y2) return;
  if (y1 > y2) std::swap(x1, x2), std::swap(y1, y2);
  const int64_t n1 = grid.RowAtOrAbove(y1), n2 = grid.RowAtOrAbove(y2);
  const int64_t count = n2 - n1;
  if (count <= 0) return;
  auto xAt = [&](int64_t n) {
    return Finite(x1 + (x2 - x1) * Div(static_cast<double>(n) * grid.Space() - y1, y2 - y1));
  };
  const double first = xAt(n1);
  const double step = (xAt(n2) - first) / static_cast<double>(count);
  const int64_t index = grid.IndexOf(n1);
  for (int64_t k = 0; k < count; ++k) grid.Add(index + k, first + static_cast<double>(k) * step);
}

void ScanPolygon(RowGrid& grid, const polygonside& polygon) {
  if (polygon.polycount < 0 || static_cast<size_t>(polygon.polycount) > polygon.polyside.size())
    throw CarveFault(CarveError::SubscriptOutOfRange, "polycount exceeds the vertices");
  for (int32_t i = 0; i + 1 < polygon.polycount; ++i) {
    const polyfunction& a = polygon.polyside[static_cast<size_t>(i)];
    const polyfunction& b = polygon.polyside[static_cast<size_t>(i) + 1];
    ScanLine(grid, a.X, a.Y, b.X, b.Y);
  }
}

void ScanCircle(RowGrid& grid, const VBCircle& circle) {
  const double r = Finite(circle.R);
  if (r <= 0) return;
  const polyfunction centre{Finite(circle.X), Finite(circle.Y)};
  const bool full = IsFullTurn(circle.Start, circle.End);
  double start = circle.Veer ? circle.End : circle.Start;
  double end = circle.Veer ? circle.Start : circle.End;
  const std::string sweep = full ? kFullSweep : ArcSweep(start, end);
  const polyfunction s{centre.X + r * std::cos(start), centre.Y + r * std::sin(start)};
  const polyfunction e{centre.X + r * std::cos(end), centre.Y + r * std::sin(end)};
  const int64_t nlo = grid.RowAtOrAbove(centre.Y - r), nhi = grid.RowAtOrAbove(centre.Y + r);
  for (int64_t n = nlo; n < nhi; ++n) {
    const double y = static_cast<double>(n) * grid.Space();
    const double dy = y - centre.Y;
    const double dx = std::sqrt(std::max(0.0, r * r - dy * dy));
    for (Side side : {Side::Left, Side::Right}) {
      const polyfunction p{side == Side::Right ? centre.X + dx : centre.X - dx, y};
      bool counts = full;
      if (!full) {
        const EndMatch m = AtArcEnd(side, y, p.X, centre, s, e, r);
        counts = m == EndMatch::Counts || (m == EndMatch::None && OnArc(centre, p, s, e, sweep));
      }
      if (counts) grid.Add(grid.IndexOf(n), p.X);
    }
  }
}

void ScanEllipse(RowGrid& grid, const VBEllipse& ellipse) {
  double a = Finite(ellipse.aE), b = Finite(ellipse.bE);
  double start = Finite(ellipse.StartE), end = Finite(ellipse.EndE);
  if (a == 0 || b == 0) return;  // a collapsed ellipse encloses nothing
  // Bring negative semi-axes to the counter-clockwise form the row rule assumes.
  if (a < 0) a = -a, start = M_PI - start, end = M_PI - end, std::swap(start, end);
  if (b < 0) b = -b, start = -start, end = -end, std::swap(start, end);
  if (ellipse.Veer) std::swap(start, end);
  const polyfunction centre{Finite(ellipse.xE), Finite(ellipse.yE)};
  const double c = ellipse.conerE;
  const bool full = IsFullTurn(start, end);
  const polyfunction s = EllipsePoint(centre.X, centre.Y, a, b, c, start);
  const polyfunction e = EllipsePoint(centre.X, centre.Y, a, b, c, end);
  const double k0 = DirectionAngle(centre.X, centre.Y, s.X, s.Y);
  const double ky = DirectionAngle(centre.X, centre.Y, e.X, e.Y);
  const double h = EllipseHalfHeight(c, a, b);
  const int64_t nlo = grid.RowAtOrAbove(centre.Y - h), nhi = grid.RowAtOrAbove(centre.Y + h);
  for (int64_t n = nlo; n < nhi; ++n) {
    const double y = static_cast<double>(n) * grid.Space();
    twopoint xs;
    if (!EllipseRowCrossing(centre.X, centre.Y, a, b, c, y, xs)) continue;
    for (Side side : {Side::Left, Side::Right}) {
      const polyfunction p{side == Side::Right ? xs.Ex2 : xs.Ex1, y};
      bool counts = full;
      if (!full) {
        const EndMatch m = AtArcEnd(side, y, p.X, centre, s, e, std::max(a, b));
        counts = m == EndMatch::Counts || (m == EndMatch::None && OnAngleRange(centre, p, k0, ky));
      }
      if (counts) grid.Add(grid.IndexOf(n), p.X);
    }
  }
}

}  // namespace kw::carvecalc
