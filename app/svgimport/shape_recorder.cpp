#include "shape_recorder.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "path_flattening.h"

namespace kw::svgimport {

namespace {

// Qt asks for a size; the shapes are kept whole wherever they fall.
constexpr int kDeviceSide = 1 << 20;
constexpr int kDotsPerInch = 96;

class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine(const QTransform& toPaper, double tolerance, std::size_t mostPoints)
      : QPaintEngine(QPaintEngine::AllFeatures), toPaper_(toPaper), tolerance_(tolerance), mostPoints_(mostPoints) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  Type type() const override { return QPaintEngine::User; }
  // Pictures carry no outline to cut.
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}

  void drawPath(const QPainterPath& path) override {
    const QTransform toPaper = ToPaper();
    if (!Wanted() || TooFar(toPaper.mapRect(path.controlPointRect()))) return;
    for (Polyline& line : FlattenPath(path, toPaper, tolerance_, mostPoints_ - points_)) Keep(std::move(line));
  }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    if (!Wanted()) return;
    Keep(MapPolygon(QPolygonF(QList<QPointF>(points, points + count)), ToPaper(), mode != PolylineMode));
  }
  void drawLines(const QLineF* lines, int count) override {
    if (!Wanted()) return;
    for (int i = 0; i < count; ++i) Keep(MapPolygon(QPolygonF({lines[i].p1(), lines[i].p2()}), ToPaper(), false));
  }
  void drawRects(const QRectF* rects, int count) override {
    if (!Wanted()) return;
    for (int i = 0; i < count; ++i) Keep(MapPolygon(QPolygonF(rects[i]), ToPaper(), false));
  }
  void drawEllipse(const QRectF& rect) override {
    const QTransform toPaper = ToPaper();
    if (Wanted() && !TooFar(toPaper.mapRect(rect))) Keep(FlattenEllipse(rect, toPaper, tolerance_));
  }
  // Text goes through QPaintEngine::drawTextItem, which fills the glyph
  // outlines with drawPath, as the renderer would draw them.

  std::vector<Polyline> shapes;
  ShapeRecorder::Refusal refusal = ShapeRecorder::Refusal::None;

 private:
  void Keep(Polyline line) {
    points_ += line.size();
    if (points_ > mostPoints_) refusal = ShapeRecorder::Refusal::TooManyPoints;
    if (refusal == ShapeRecorder::Refusal::None) shapes.push_back(std::move(line));
  }
  // Checked before a curve is cut into chords, which at such a size would take
  // the most chords allowed each. Infinite bounds (an overflowing transform)
  // are left to the flattening, which drops such points.
  bool TooFar(const QRectF& bounds) {
    const double reach = std::max({std::abs(bounds.left()), std::abs(bounds.right()), std::abs(bounds.top()),
                                   std::abs(bounds.bottom())});
    if (std::isfinite(reach) && reach > kFarthestSvgMm) refusal = ShapeRecorder::Refusal::TooFar;
    return refusal != ShapeRecorder::Refusal::None;
  }
  bool Wanted() const { return refusal == ShapeRecorder::Refusal::None && Visible(); }
  // A shape with neither stroke nor fill is not seen, so it is not cut.
  bool Visible() const {
    const QPainter* p = painter();
    return p->pen().style() != Qt::NoPen || p->brush().style() != Qt::NoBrush;
  }
  QTransform ToPaper() const { return painter()->combinedTransform() * toPaper_; }

  QTransform toPaper_;
  double tolerance_;
  std::size_t mostPoints_;
  std::size_t points_ = 0;
};

// Points repeated in a row say nothing; a point out of any range (an
// overflowing transform) would spoil the document's bounds.
Polyline Tidied(const Polyline& line) {
  Polyline kept;
  for (const PointMm& p : line) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
    if (kept.empty() || kept.back().x != p.x || kept.back().y != p.y) kept.push_back(p);
  }
  return kept;
}

const RecordingEngine& Recording(const std::unique_ptr<QPaintEngine>& engine) {
  return static_cast<const RecordingEngine&>(*engine);
}

}  // namespace

ShapeRecorder::ShapeRecorder(const QTransform& toPaper, double tolerance, std::size_t mostPoints)
    : engine_(std::make_unique<RecordingEngine>(toPaper, tolerance, mostPoints)) {}

ShapeRecorder::~ShapeRecorder() = default;

QPaintEngine* ShapeRecorder::paintEngine() const { return engine_.get(); }

ShapeRecorder::Refusal ShapeRecorder::Refused() const { return Recording(engine_).refusal; }

std::vector<Polyline> ShapeRecorder::Shapes() const {
  std::vector<Polyline> shapes;
  for (const Polyline& line : Recording(engine_).shapes) {
    Polyline kept = Tidied(line);
    if (kept.size() >= 2) shapes.push_back(std::move(kept));
  }
  return shapes;
}

int ShapeRecorder::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
    case PdmHeight: return kDeviceSide;
    case PdmWidthMM:
    case PdmHeightMM: return static_cast<int>(kDeviceSide * 25.4 / kDotsPerInch);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDotsPerInch;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    case PdmNumColors: return 2;
    case PdmDepth: return 1;
    default: return QPaintDevice::metric(metric);
  }
}

}  // namespace kw::svgimport
