#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/qt_canvas.h"

namespace {

QImage White(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(QtCanvas, ColoursKeepRedInTheLowByte) {
  EXPECT_EQ(kw::QtCanvas::ToQColor(kw::pathcore::Rgb(255, 0, 0)), QColor(255, 0, 0));
  EXPECT_EQ(kw::QtCanvas::ToQColor(0x00FF0000), QColor(0, 0, 255));
}

TEST(QtCanvas, DrawsLinesFillsAndImagesWhereAsked) {
  QImage image = White(40, 40);
  {
    QPainter painter(&image);
    kw::QtCanvas canvas(painter);
    EXPECT_NEAR(canvas.TwipsPerPixelX() * image.logicalDpiX(), 1440, 1e-9);
    canvas.SetPen({kw::pathcore::Rgb(0, 0, 255), 1, kw::pathcore::kPenSolid});
    canvas.MoveTo(0, 5);
    canvas.LineTo(39, 5);
    canvas.SetBrush({kw::pathcore::Rgb(255, 0, 0), false});
    const std::vector<kw::pathcore::CanvasPoint> square{{10, 10}, {20, 10}, {20, 20}, {10, 20}};
    canvas.Polygon(square);
    const kw::pathcore::BmpPicture picture{2, 1, {0x00FF00, 0x000000}};
    canvas.StretchImage(24, 24, 10, 10, picture);
  }
  EXPECT_EQ(image.pixelColor(20, 5), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(15, 15), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(25, 28), QColor(0, 255, 0));
  EXPECT_EQ(image.pixelColor(32, 28), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(35, 35), QColor(255, 255, 255));
}

TEST(QtCanvas, PolyPolygonFillsByTheAlternateRule) {
  QImage image = White(40, 40);
  {
    QPainter painter(&image);
    kw::QtCanvas canvas(painter);
    canvas.SetBrush({kw::pathcore::Rgb(0, 0, 0), false});
    const std::vector<kw::pathcore::CanvasPoint> rings{{0, 0}, {30, 0}, {30, 30}, {0, 30}, {10, 10}, {20, 10}, {20, 20}, {10, 20}};
    const std::vector<int32_t> counts{4, 4, 99};  // a count past the points is ignored
    canvas.PolyPolygon(rings, counts);
  }
  EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(15, 15), QColor(255, 255, 255));  // the hole
}

}  // namespace
