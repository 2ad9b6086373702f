// Thin solid lines of one colour held back and drawn together. Such a line,
// opaque and without antialiasing, paints the same pixels whatever the order,
// so a whole run of them can go to the painter in a few calls; lines without
// length and lines wholly beyond one edge of the picture are left out.
#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>
#include <cstddef>
#include <cstdlib>
#include <span>
#include <vector>

#include "pathcore/canvas.h"

class QPainter;

namespace kw {

class PixelSurface;

class HairlineBatch {
 public:
  // Lines wholly outside `bounds` (the painter's device) are dropped.
  void SetBounds(const QRect& bounds);

  // A line from `from` to `to`; one without length draws nothing, as on a raster device.
  void AddLine(QPoint from, QPoint to) {
    if (from != to && !Outside(from, to)) AddSegment(from, to);
  }
  void AddPolyline(std::span<const kw::pathcore::CanvasPoint> points) {
    if (points.size() == 2) {  // most paths of a big drawing: the short way
      AddLine(QPoint(points[0].x, points[0].y), QPoint(points[1].x, points[1].y));
    } else if (points.size() > 2) {
      AddRuns(points);
    }
  }

  bool Empty() const { return dots_.empty() && lines_.empty() && runEnds_.empty(); }
  size_t Held() const { return dots_.size() + lines_.size() + runPoints_.size(); }

  // Draws everything held with the painter's pen, without antialiasing, and
  // empties the batch. Single pixels go straight to `pixels` when given.
  void Draw(QPainter& painter, PixelSurface* pixels);

 private:
  bool Outside(QPoint a, QPoint b) const {
    return (a.x() < keep_.left() && b.x() < keep_.left()) || (a.x() > keep_.right() && b.x() > keep_.right()) ||
           (a.y() < keep_.top() && b.y() < keep_.top()) || (a.y() > keep_.bottom() && b.y() > keep_.bottom());
  }
  // Neighbouring pixels are held as two points, which cost the painter much less than a line.
  void AddSegment(QPoint a, QPoint b) {
    if (std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1) {
      if (dots_.empty() || dots_.back() != a) dots_.push_back(a);
      dots_.push_back(b);
    } else {
      lines_.emplace_back(a, b);
    }
  }
  void AddRuns(std::span<const kw::pathcore::CanvasPoint> points);
  void EndRun();

  QRect keep_{QPoint(-(1 << 30), -(1 << 30)), QPoint(1 << 30, 1 << 30)};
  std::vector<QPoint> dots_;        // pairs of neighbouring pixels, drawn as points
  std::vector<QLine> lines_;        // single segments
  std::vector<QLine> painterLines_; // those the pixel surface leaves to the painter
  std::vector<QPoint> runPoints_;   // polylines of three points or more, end to end
  std::vector<size_t> runEnds_;     // where each polyline of runPoints_ ends
  std::vector<QPoint> run_;         // the polyline being gathered
};

}  // namespace kw
