// Thin solid lines of one colour held back and drawn together. Such a line,
// opaque and without antialiasing, paints the same pixels whatever the order,
// so a whole run of them can go to the painter in a few calls; lines without
// length and lines wholly beyond one edge of the picture are left out.
#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>
#include <cstddef>
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
  void AddLine(QPoint from, QPoint to);
  void AddPolyline(std::span<const kw::pathcore::CanvasPoint> points);

  bool Empty() const { return dots_.empty() && lines_.empty() && runEnds_.empty(); }
  size_t Held() const { return dots_.size() + lines_.size() + runPoints_.size(); }

  // Draws everything held with the painter's pen, without antialiasing, and
  // empties the batch. Single pixels go straight to `pixels` when given.
  void Draw(QPainter& painter, PixelSurface* pixels);

 private:
  bool Outside(QPoint a, QPoint b) const;
  void AddSegment(QPoint a, QPoint b);
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
