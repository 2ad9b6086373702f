// Single pixels are set straight into the image under the painter. They must
// land where the painter would put them and nowhere it may not paint: outside
// its clip, or outside the view's own part of the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "render/pixel_surface.h"
#include "render/qt_canvas.h"

namespace {

using kw::pathcore::CanvasPoint;

constexpr QRgb kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0);

// Specks of two neighbouring pixels (lines one pixel long) every 5 pixels over
// x, y in -20..219, in red.
void DrawSpecks(QPainter& painter) {
  kw::QtCanvas canvas(painter);
  canvas.SetPen({kw::pathcore::Rgb(255, 0, 0), 1});
  for (int y = -20; y < 220; y += 5) {
    for (int x = -20; x < 220; x += 5) {
      const std::vector<CanvasPoint> speck{{x, y}, {x + 1, y}};
      canvas.Polyline(speck);
    }
  }
}

// Where a speck starts, in the speck's own coordinates.
bool SpeckAt(int x, int y) { return (x + 20) % 5 == 0 && (y + 20) % 5 == 0; }
bool SpeckCovers(int x, int y) { return SpeckAt(x, y) || SpeckAt(x - 1, y); }

// Every pixel of `image` inside `area` is red exactly where a speck covers it
// (seen from `origin`), and every pixel outside `area` is untouched.
void ExpectSpecksOnlyWithin(const QImage& image, const QRegion& area, QPoint origin) {
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool red = image.pixel(x, y) == kRed;
      const bool expected = area.contains(QPoint(x, y)) && SpeckCovers(x - origin.x(), y - origin.y());
      if (red != expected && ++wrong <= 5) ADD_FAILURE() << "pixel " << x << "," << y << (red ? " red" : " not red");
    }
  }
  EXPECT_EQ(wrong, 0);
}

QImage White(QImage::Format format) {
  QImage image(200, 150, format);
  image.fill(kWhite);
  return image;
}

TEST(PixelSurface, IsFoundOnPlainImagesOnly) {
  for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
    QImage image = White(format);
    QPainter painter(&image);
    EXPECT_TRUE(kw::PixelSurface::Of(painter).has_value()) << format;
  }
  QImage narrow(20, 20, QImage::Format_RGB16);
  QPainter painter(&narrow);
  EXPECT_FALSE(kw::PixelSurface::Of(painter).has_value());
  QImage image = White(QImage::Format_RGB32);
  QPainter scaled(&image);
  scaled.scale(2, 2);
  EXPECT_FALSE(kw::PixelSurface::Of(scaled).has_value());
  scaled.resetTransform();
  scaled.translate(0.5, 0);
  EXPECT_FALSE(kw::PixelSurface::Of(scaled).has_value());
}

TEST(PixelSurface, SpecksKeepToTheImageAndTheClip) {
  for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
    QImage image = White(format);
    const QRegion clip = QRegion(10, 10, 50, 40) + QRegion(100, 60, 30, 70);
    {
      QPainter painter(&image);
      painter.setClipRegion(clip);
      DrawSpecks(painter);
    }
    ExpectSpecksOnlyWithin(image.convertToFormat(QImage::Format_RGB32), clip, {0, 0});
  }
}

TEST(PixelSurface, SpecksFollowAWholePixelShiftAndAnyOtherTransformStillDraws) {
  QImage shifted = White(QImage::Format_RGB32);
  {
    QPainter painter(&shifted);
    painter.translate(7, -3);
    DrawSpecks(painter);
  }
  ExpectSpecksOnlyWithin(shifted, QRegion(shifted.rect()), {7, -3});
  QImage scaled = White(QImage::Format_RGB32);
  {
    QPainter painter(&scaled);
    painter.scale(2, 2);
    DrawSpecks(painter);
  }
  EXPECT_EQ(scaled.pixel(0, 0), kRed);  // the speck at 0,0 is drawn by the painter itself
  EXPECT_EQ(scaled.pixel(20, 20), kRed);
}

// Short lines are set from patterns learnt from the painter; every direction
// and length, in the open and across the image's and the clip's edges, must
// come out as the painter draws it.
TEST(PixelSurface, ShortLinesInEveryDirectionMatchThePainter) {
  const QRect clip(0, 0, 170, 150);
  QImage expected = White(QImage::Format_RGB32), actual = White(QImage::Format_RGB32);
  {
    QPainter painter(&expected);
    painter.setClipRect(clip);
    painter.setPen(QPen(Qt::red, 1));
    QPainter batched(&actual);
    batched.setClipRect(clip);
    kw::QtCanvas canvas(batched);
    canvas.SetPen({kw::pathcore::Rgb(255, 0, 0), 1});
    int n = 0;
    for (int dy = -5; dy <= 5; ++dy) {
      for (int dx = -5; dx <= 5; ++dx) {
        if (dx == 0 && dy == 0) continue;
        // In the open, then straddling the image's left edge and the clip's right edge.
        for (const QPoint start : {QPoint(12 * (n % 13) + 20, 12 * (n / 13) + 20), QPoint(dx > 0 ? -2 : 2, 8 * (n % 18)),
                                   QPoint(dx > 0 ? 167 : 172, 8 * (n % 18) + 4)}) {
          painter.drawLine(start, start + QPoint(dx, dy));
          canvas.MoveTo(start.x(), start.y());
          canvas.LineTo(start.x() + dx, start.y() + dy);
        }
        ++n;
      }
    }
  }
  int differing = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) differing += expected.pixel(x, y) != actual.pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
}

// A view inside a window, painted as the program's view is painted.
class SpeckView : public QWidget {
 public:
  using QWidget::QWidget;
  bool specks = true;
  bool pixelsReachable = false;  // at the last paint

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    pixelsReachable = kw::PixelSurface::Of(painter).has_value();
    if (specks) DrawSpecks(painter);
  }
};

class WindowWithView : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(300, 250);
    window_.setAutoFillBackground(true);
    window_.setPalette(QPalette(Qt::white));
    view_ = new SpeckView(&window_);
    view_->setGeometry(kViewRect);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  QImage BackingStore() {
    const auto* image = dynamic_cast<QImage*>(window_.backingStore()->paintDevice());
    return image ? image->convertToFormat(QImage::Format_RGB32) : QImage();
  }
  static constexpr QRect kViewRect{QPoint(40, 30), QSize(150, 120)};
  QWidget window_;
  SpeckView* view_ = nullptr;
};

TEST_F(WindowWithView, TheViewsSpecksStayInsideTheView) {
  view_->repaint();
  EXPECT_TRUE(view_->pixelsReachable);  // the window's own pixels, not the painter's way round
  const QImage image = BackingStore();
  ASSERT_FALSE(image.isNull());
  ExpectSpecksOnlyWithin(image, QRegion(kViewRect), kViewRect.topLeft());
}

TEST_F(WindowWithView, APartialRepaintSetsOnlyTheRepaintedPixels) {
  view_->specks = false;
  view_->repaint();  // the window's white shows through the empty view
  view_->specks = true;
  const QRegion part = QRegion(0, 0, 30, 20) + QRegion(60, 50, 40, 40);  // in the view's coordinates
  view_->repaint(part);
  EXPECT_TRUE(view_->pixelsReachable);
  ExpectSpecksOnlyWithin(BackingStore(), part.translated(kViewRect.topLeft()), kViewRect.topLeft());
}

TEST_F(WindowWithView, AGrabbedViewShowsTheSameSpecks) {
  const QImage image = view_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ExpectSpecksOnlyWithin(image, QRegion(image.rect()), {0, 0});
}

}  // namespace
