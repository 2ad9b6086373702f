// The canvas holds thin lines back and draws them together, leaving out lines
// without length and lines beyond the picture. The picture must stay the one
// drawn call by call: documents are drawn both ways and compared.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <random>
#include <vector>

#include "render/qt_canvas.h"
#include "render/view_fit.h"
#include "testsupport/temp_app_path.h"

namespace {

using kw::pathcore::CanvasPoint;
using kw::pathcore::Rgb;

// Every call straight to the painter, as the canvas drew before it batched:
// thin lines without antialiasing, and a thin line without length draws nothing.
class CallByCallCanvas : public kw::pathcore::Canvas {
 public:
  explicit CallByCallCanvas(QPainter& painter) : painter_(painter) {}
  double TwipsPerPixelX() const override { return 1440.0 / painter_.device()->logicalDpiX(); }
  double TwipsPerPixelY() const override { return 1440.0 / painter_.device()->logicalDpiY(); }
  kw::pathcore::CanvasTools Tools() const override { return tools_; }
  void SetPen(const kw::pathcore::CanvasPen& pen) override {
    tools_.pen = pen;
    painter_.setPen(QPen(kw::QtCanvas::ToQColor(pen.color), std::max(pen.width, 1)));  // the document's pens are solid
  }
  void SetBrush(const kw::pathcore::CanvasBrush& brush) override {
    tools_.brush = brush;
    painter_.setBrush(brush.hollow ? QBrush(Qt::NoBrush) : QBrush(kw::QtCanvas::ToQColor(brush.color)));
  }
  void MoveTo(int32_t x, int32_t y) override { at_ = QPoint(x, y); }
  void LineTo(int32_t x, int32_t y) override {
    if (QPoint(x, y) != at_ || tools_.pen.width > 1) painter_.drawLine(at_, QPoint(x, y));
    at_ = QPoint(x, y);
  }
  void Polyline(std::span<const CanvasPoint> points) override { painter_.drawPolyline(ToPolygon(points)); }
  void Polygon(std::span<const CanvasPoint> points) override {
    painter_.drawPolygon(ToPolygon(points), Qt::OddEvenFill);
  }
  void PolyPolygon(std::span<const CanvasPoint> points, std::span<const int32_t> counts) override {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    size_t at = 0;
    for (const int32_t count : counts) {
      path.addPolygon(ToPolygon(points.subspan(at, static_cast<size_t>(count))));
      path.closeSubpath();
      at += static_cast<size_t>(count);
    }
    painter_.drawPath(path);
  }
  void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) override {
    painter_.drawEllipse(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
  }
  void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) override {
    painter_.drawRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
  }
  void StretchImage(int32_t, int32_t, int32_t, int32_t, const kw::pathcore::BmpPicture&) override {}

 private:
  static QPolygon ToPolygon(std::span<const CanvasPoint> points) {
    QPolygon polygon;
    for (const auto& p : points) polygon << QPoint(p.x, p.y);
    return polygon;
  }
  QPainter& painter_;
  kw::pathcore::CanvasTools tools_;
  QPoint at_;
};

constexpr int kWidth = 400, kHeight = 300;

QImage White() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void DrawDocument(kw::pathcore::CPathObj& doc, kw::pathcore::Canvas& canvas, double zoom) {
  kw::ViewRect v = kw::ZoomToRect(doc.Xmax(), doc.Ymax(), doc.Xmin(), doc.Ymin(), static_cast<double>(kWidth) / kHeight);
  v.left += v.width * (1 - 1 / zoom) / 2, v.top += v.height * (1 - 1 / zoom) / 2;
  v.width /= zoom, v.height /= zoom;
  std::vector<int32_t> colors{Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(0, 160, 0), Rgb(0, 0, 255)};
  doc.Draw(canvas, Rgb(0, 200, 200), colors, Rgb(255, 0, 255), Rgb(128, 0, 0), static_cast<float>(v.left),
           static_cast<float>(v.top), static_cast<float>(v.width), static_cast<float>(v.height),
           static_cast<float>(kWidth * canvas.TwipsPerPixelX()), static_cast<float>(kHeight * canvas.TwipsPerPixelY()), 0);
}

struct Comparison {
  int inked = 0;       // pixels the call-by-call drawing painted
  int differing = 0;   // pixels of another colour in the batched drawing
  int unexplained = 0; // differing pixels with no pixel of their colour next to them in the other drawing
};

bool ColourNear(const QImage& image, int x, int y, QRgb colour) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint p(x + dx, y + dy);
      if (image.rect().contains(p) && image.pixel(p) == colour) return true;
    }
  }
  return false;
}

Comparison Compare(const QImage& callByCall, const QImage& batched) {
  Comparison c;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const QRgb a = callByCall.pixel(x, y), b = batched.pixel(x, y);
      if (a != qRgb(255, 255, 255)) ++c.inked;
      if (a == b) continue;
      ++c.differing;
      if (!ColourNear(batched, x, y, a) || !ColourNear(callByCall, x, y, b)) ++c.unexplained;
    }
  }
  return c;
}

// The same document both ways. The painter itself draws a polyline through a
// repeated point a pixel differently now and then, so a few differing pixels
// are allowed, each beside a pixel of its colour.
void ExpectSamePicture(kw::pathcore::CPathObj& doc, double zoom) {
  QImage expected = White(), actual = White();
  {
    QPainter painter(&expected);
    CallByCallCanvas canvas(painter);
    DrawDocument(doc, canvas, zoom);
  }
  {
    QPainter painter(&actual);
    kw::QtCanvas canvas(painter);
    DrawDocument(doc, canvas, zoom);
  }
  const Comparison c = Compare(expected, actual);
  EXPECT_GT(c.inked, 500);
  EXPECT_LE(c.differing, c.inked / 10000) << "of " << c.inked << " inked pixels";
  EXPECT_EQ(c.unexplained, 0);
}

class CanvasBatching : public kw::test::TempAppPath {};

// Random walks in several layers whose colours cross one another, with steps
// below a pixel and across many pixels.
void AddWalks(kw::pathcore::CPathObj& doc, int paths, int points, float step, uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> start(0, 100), move(-step, step);
  std::vector<float> X(static_cast<size_t>(points) + 1), Y(static_cast<size_t>(points) + 1);
  for (int p = 0; p < paths; ++p) {
    X[1] = start(rng), Y[1] = start(rng);
    for (int i = 2; i <= points; ++i) X[i] = X[i - 1] + move(rng), Y[i] = Y[i - 1] + move(rng);
    doc.AddPath(X, Y, static_cast<int16_t>(p % 4));
  }
  doc.ZL();
}

TEST_F(CanvasBatching, RandomPathsLookTheSameAtEveryZoom) {
  kw::pathcore::CPathObj doc;
  AddWalks(doc, 60, 400, 0.4f, 1);
  AddWalks(doc, 40, 30, 8.0f, 2);
  for (const double zoom : {1.0, 4.0, 30.0}) {
    SCOPED_TRACE(zoom);
    ExpectSamePicture(doc, zoom);
  }
}

TEST_F(CanvasBatching, ShortSegmentsMovesAndSelectionLookTheSame) {
  kw::pathcore::CPathObj doc;
  AddWalks(doc, 3000, 2, 1.0f, 3);  // single segments of up to a few pixels
  AddWalks(doc, 20, 50, 3.0f, 4);
  doc.SelX(3001, true);
  doc.SelX(3010, true);
  doc.SMove(true);
  for (const double zoom : {1.0, 6.0}) {
    SCOPED_TRACE(zoom);
    ExpectSamePicture(doc, zoom);
  }
}

// Crossing lines in turn: each colour must lie over the ones drawn before it,
// even when the same colour comes back.
TEST(QtCanvasOrder, LaterColoursCoverEarlierOnesAtCrossings) {
  QImage image = White();
  const std::vector<CanvasPoint> across{{0, 50}, {399, 50}}, down{{100, 0}, {100, 299}}, diagonal{{50, 0}, {150, 100}};
  {
    QPainter painter(&image);
    kw::QtCanvas canvas(painter);
    canvas.SetPen({Rgb(255, 0, 0), 1});
    canvas.Polyline(across);
    canvas.SetPen({Rgb(0, 0, 255), 1});
    canvas.Polyline(down);
    canvas.SetPen({Rgb(255, 0, 0), 1});
    canvas.Polyline(diagonal);  // passes (100, 50), where blue crossed red
    canvas.SetPen({Rgb(0, 160, 0), 1});
    canvas.MoveTo(0, 200);
    canvas.LineTo(399, 200);
    canvas.SetPen({Rgb(0, 0, 255), 1});
    canvas.MoveTo(300, 0);
    canvas.LineTo(300, 299);
  }
  EXPECT_EQ(image.pixelColor(100, 50), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(100, 20), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(300, 200), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(200, 200), QColor(0, 160, 0));
}

// Fills and pictures come after the lines drawn before them and under the ones after.
TEST(QtCanvasOrder, FillsAndPicturesKeepTheirPlaceAmongTheLines) {
  QImage image = White();
  const std::vector<CanvasPoint> before{{0, 20}, {399, 20}}, after{{0, 30}, {399, 30}};
  {
    QPainter painter(&image);
    kw::QtCanvas canvas(painter);
    canvas.SetPen({Rgb(0, 0, 0), 1});
    canvas.Polyline(before);
    canvas.SetBrush({Rgb(255, 255, 0), false});
    canvas.Ellipse(40, 10, 60, 40);
    canvas.Rectangle(140, 10, 160, 40);
    canvas.StretchImage(240, 10, 20, 30, kw::pathcore::BmpPicture{1, 1, {0x00FF00}});
    canvas.Polyline(after);
  }
  for (const int x : {50, 150}) {
    EXPECT_EQ(image.pixelColor(x, 20), QColor(255, 255, 0)) << x;
    EXPECT_EQ(image.pixelColor(x, 30), QColor(0, 0, 0)) << x;
  }
  EXPECT_EQ(image.pixelColor(250, 20), QColor(0, 255, 0));
  EXPECT_EQ(image.pixelColor(250, 30), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(350, 20), QColor(0, 0, 0));
}

int Inked(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
  }
  return n;
}

// A thin line without length draws nothing; a wide pen's dot is such a line and stays.
TEST(QtCanvasLines, LinesWithoutLengthDrawOnlyWithAWidePen) {
  QImage thin = White(), wide = White();
  for (auto* image : {&thin, &wide}) {
    QPainter painter(image);
    kw::QtCanvas canvas(painter);
    canvas.SetPen({0, image == &thin ? 1 : 5});
    canvas.MoveTo(100, 100);
    canvas.LineTo(100, 100);
    const std::vector<CanvasPoint> still{{200, 100}, {200, 100}};
    canvas.Polyline(still);
  }
  EXPECT_EQ(Inked(thin), 0);
  EXPECT_EQ(Inked(wide), 25);
}

bool OnlyPureColours(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (p != qRgb(255, 255, 255) && p != qRgb(0, 0, 0)) return false;
    }
  }
  return true;
}

// Thin lines are never smoothed, whatever the painter asks; wider pens follow its hint.
TEST(QtCanvasLines, ThinLinesIgnoreAntialiasingWidePensFollowIt) {
  QImage thin = White(), wide = White();
  const std::vector<CanvasPoint> slope{{10, 10}, {390, 150}, {20, 290}};
  for (auto* image : {&thin, &wide}) {
    QPainter painter(image);
    painter.setRenderHint(QPainter::Antialiasing);
    kw::QtCanvas canvas(painter);
    canvas.SetPen({0, image == &thin ? 1 : 2});
    canvas.Polyline(slope);
    canvas.Flush();
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
  }
  EXPECT_TRUE(OnlyPureColours(thin));
  EXPECT_FALSE(OnlyPureColours(wide));
}

TEST(QtCanvasLines, FlushDrawsWhileTheCanvasLivesAndTheEndDrawsTheRest) {
  QImage image = White();
  QPainter painter(&image);
  {
    kw::QtCanvas canvas(painter);
    canvas.SetPen({0, 1});
    canvas.MoveTo(0, 10);
    canvas.LineTo(399, 10);
    canvas.Flush();
    EXPECT_EQ(image.pixelColor(200, 10), QColor(0, 0, 0));
    canvas.MoveTo(0, 20);
    canvas.LineTo(399, 20);
  }
  EXPECT_EQ(image.pixelColor(200, 20), QColor(0, 0, 0));
}

// Lines beyond the picture are dropped only where the painter draws straight
// onto its device; a moved or clipped painter still gets what it shows.
TEST(QtCanvasLines, TransformedAndClippedPaintersGetTheirLines) {
  QImage image = White();
  {
    QPainter painter(&image);
    painter.translate(-500, 0);
    kw::QtCanvas canvas(painter);
    canvas.SetPen({0, 1});
    const std::vector<CanvasPoint> far{{600, 0}, {600, 299}};
    canvas.Polyline(far);
  }
  EXPECT_EQ(image.pixelColor(100, 150), QColor(0, 0, 0));
  {
    QPainter painter(&image);
    painter.setClipRect(QRect(300, 0, 50, 300));
    kw::QtCanvas canvas(painter);
    canvas.SetPen({0, 1});
    const std::vector<CanvasPoint> through{{320, 0}, {320, 299}}, outside{{200, 0}, {200, 299}};
    canvas.Polyline(through);
    canvas.Polyline(outside);
  }
  EXPECT_EQ(image.pixelColor(320, 150), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(200, 150), QColor(255, 255, 255));
}

}  // namespace
