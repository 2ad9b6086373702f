#include "path_flattening.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kw::svgimport {

namespace {

// A drawing of absurd size must not make millions of points from one curve;
// at the chord error of 0.01 mm a cubic needs this many only when it bends
// over some 13 m, more than any table, so real drawings keep their accuracy.
constexpr int kMostChordsPerCurve = 1000;

PointMm ToMm(const QPointF& p) { return {p.x(), p.y()}; }

bool Finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// A chord count held between least and most. An overflowing transform can make
// the size it is computed from not a number; that takes the most, and the
// points it gives are dropped later as not finite.
int ChordCount(double wanted, double least, double most) {
  return static_cast<int>(std::isnan(wanted) ? most : std::clamp(wanted, least, most));
}

// Chords needed so that uniform steps in t stay within tolerance: a chord over
// a parameter step h strays at most h^2/8 times the curve's largest second
// derivative, which for a cubic is 6 times its largest second difference.
int CubicChords(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3, double tolerance) {
  const double d1 = std::hypot(p0.x() - 2 * p1.x() + p2.x(), p0.y() - 2 * p1.y() + p2.y());
  const double d2 = std::hypot(p1.x() - 2 * p2.x() + p3.x(), p1.y() - 2 * p2.y() + p3.y());
  return ChordCount(std::ceil(std::sqrt(0.75 * std::max(d1, d2) / tolerance)), 1, kMostChordsPerCurve);
}

void AppendCubic(Polyline& line, const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3,
                 double tolerance) {
  const int chords = CubicChords(p0, p1, p2, p3, tolerance);
  for (int i = 1; i <= chords; ++i) {
    const double t = static_cast<double>(i) / chords;
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    line.push_back({a * p0.x() + b * p1.x() + c * p2.x() + d * p3.x(),  //
                    a * p0.y() + b * p1.y() + c * p2.y() + d * p3.y()});
  }
}

// A lone point is handed on too, so that the count of what was handed on
// tells whether the path was cut short; the recorder drops it later.
void Keep(std::vector<Polyline>& lines, Polyline& line, std::size_t& made) {
  made += line.size();
  if (!line.empty()) lines.push_back(std::move(line));
  line.clear();
}

}  // namespace

std::vector<Polyline> FlattenPath(const QPainterPath& path, const QTransform& transform, double tolerance,
                                  std::size_t mostPoints) {
  std::vector<Polyline> lines;
  Polyline line;
  std::size_t made = 0;
  QPointF last;
  for (int i = 0; i < path.elementCount() && made + line.size() <= mostPoints; ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const QPointF p = transform.map(QPointF(e.x, e.y));
    if (e.isMoveTo()) {
      Keep(lines, line, made);
      line.push_back(ToMm(p));
    } else if (e.isLineTo()) {
      line.push_back(ToMm(p));
    } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
      const QPointF c2 = transform.map(QPointF(path.elementAt(i + 1).x, path.elementAt(i + 1).y));
      const QPointF end = transform.map(QPointF(path.elementAt(i + 2).x, path.elementAt(i + 2).y));
      if (Finite(last) && Finite(p) && Finite(c2) && Finite(end)) AppendCubic(line, last, p, c2, end, tolerance);
      i += 2;
      last = end;
      continue;
    }
    last = p;
  }
  Keep(lines, line, made);
  return lines;
}

Polyline FlattenEllipse(const QRectF& rect, const QTransform& transform, double tolerance) {
  const QPointF centre = rect.center();
  const double rx = rect.width() / 2, ry = rect.height() / 2;
  // The mapped ellipse's largest radius bounds its second derivative in the parameter.
  const QPointF ax = transform.map(QLineF(centre, centre + QPointF(rx, 0))).p2() - transform.map(centre);
  const QPointF ay = transform.map(QLineF(centre, centre + QPointF(0, ry))).p2() - transform.map(centre);
  const double radius = std::hypot(ax.x(), ax.y()) + std::hypot(ay.x(), ay.y());
  const double step = std::sqrt(8 * tolerance / std::max(radius, tolerance));
  // A multiple of four keeps the ends of both axes among the points.
  const int chords = 4 * ChordCount(std::ceil(std::numbers::pi / 2 / step), 2, kMostChordsPerCurve / 4.0);
  Polyline line;
  for (int i = 0; i <= chords; ++i) {
    const double a = 2 * std::numbers::pi * (i % chords) / chords;
    line.push_back(ToMm(transform.map(centre + QPointF(rx * std::cos(a), ry * std::sin(a)))));
  }
  return line;
}

Polyline MapPolygon(const QPolygonF& polygon, const QTransform& transform, bool closed) {
  Polyline line;
  for (const QPointF& p : polygon) line.push_back(ToMm(transform.map(p)));
  if (closed && line.size() >= 2) line.push_back(line.front());
  return line;
}

}  // namespace kw::svgimport
