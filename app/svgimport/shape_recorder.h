// A paint device that keeps the outlines of what is painted on it instead of
// pixels: Qt's SVG renderer paints on it, and every visible shape comes out as
// polylines mapped by the painter's transform and then by toPaper.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <memory>
#include <vector>

#include "svgimport/svg_reader.h"

namespace kw::svgimport {

class ShapeRecorder : public QPaintDevice {
 public:
  ShapeRecorder(const QTransform& toPaper, double tolerance, std::size_t mostPoints);
  ~ShapeRecorder() override;

  QPaintEngine* paintEngine() const override;
  // What has been painted so far, without repeated or non-finite points.
  std::vector<Polyline> Shapes() const;
  // Why the drawing cannot be cut, if it cannot: more than mostPoints, or a
  // curve beyond kFarthestSvgMm. What came after was not kept.
  enum class Refusal { None, TooManyPoints, TooFar };
  Refusal Refused() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace kw::svgimport
