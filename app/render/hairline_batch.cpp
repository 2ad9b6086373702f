#include "render/hairline_batch.h"

#include <QPainter>
#include <cstdlib>

#include "render/pixel_surface.h"

namespace kw {
namespace {

// Pixels around the picture still kept: a line's end pixel reaches one pixel
// beyond its end point, so anything cut farther out never showed.
constexpr int kKeepMargin = 2;

QPoint ToQPoint(const kw::pathcore::CanvasPoint& p) { return {p.x, p.y}; }

}  // namespace

void HairlineBatch::SetBounds(const QRect& bounds) {
  keep_ = bounds.adjusted(-kKeepMargin, -kKeepMargin, kKeepMargin, kKeepMargin);
}

// Repeated points are dropped, except that a polyline starting or ending on a
// repeated point keeps one repeat there: the painter leaves the end pixel off
// such a polyline, and the picture must not change. Stretches beyond the
// picture split the polyline; the split ends lie outside, so their end pixels
// never show.
void HairlineBatch::AddRuns(std::span<const kw::pathcore::CanvasPoint> points) {
  const size_t n = points.size();
  const bool repeatsFirst = points[0] == points[1], repeatsLast = points[n - 1] == points[n - 2];
  bool atStart = true;
  run_.clear();
  for (size_t i = 1; i < n; ++i) {
    if (points[i] == points[i - 1]) continue;
    const QPoint a = ToQPoint(points[i - 1]), b = ToQPoint(points[i]);
    if (Outside(a, b)) {
      EndRun();
    } else {
      if (run_.empty()) {
        run_.push_back(a);
        if (atStart && repeatsFirst) run_.push_back(a);
      }
      run_.push_back(b);
    }
    atStart = false;
  }
  if (!run_.empty() && repeatsLast) run_.push_back(run_.back());
  EndRun();
}

void HairlineBatch::EndRun() {
  if (run_.size() == 2) {
    AddSegment(run_[0], run_[1]);
  } else if (run_.size() > 2) {
    runPoints_.insert(runPoints_.end(), run_.begin(), run_.end());
    runEnds_.push_back(runPoints_.size());
  }
  run_.clear();
}

void HairlineBatch::Draw(QPainter& painter, PixelSurface* pixels) {
  const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
  if (antialiased) painter.setRenderHint(QPainter::Antialiasing, false);
  std::span<const QLine> lines = lines_;
  if (pixels) {
    const QRgb colour = painter.pen().color().rgb();
    pixels->Set(dots_, colour);
    painterLines_.clear();
    pixels->SetLines(lines_, colour, painterLines_);
    lines = painterLines_;
  } else if (!dots_.empty()) {
    painter.drawPoints(dots_.data(), static_cast<int>(dots_.size()));
  }
  if (!lines.empty()) painter.drawLines(lines.data(), static_cast<int>(lines.size()));
  size_t start = 0;
  for (const size_t end : runEnds_) {
    painter.drawPolyline(runPoints_.data() + start, static_cast<int>(end - start));
    start = end;
  }
  if (antialiased) painter.setRenderHint(QPainter::Antialiasing, true);
  dots_.clear();
  lines_.clear();
  runPoints_.clear();
  runEnds_.clear();
}

}  // namespace kw
