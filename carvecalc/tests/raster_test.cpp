// Figures on the in-memory pixel surface, the ellipse outline, and the
// picture of scan rows.
#include <gtest/gtest.h>

#include <cmath>

#include "carvecalc/carve_picture.h"
#include "carvecalc/carvecalc.h"

namespace {

using namespace kw::carvecalc;

void Box(MemorySurface& s, int x0, int y0, int x1, int y1, uint32_t rgb) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) s.SetPixel(x, y, rgb);
}

TEST(MemorySurface, KeepsPixelsAndAnswersOutsideWithNoPixel) {
  MemorySurface s(4, 3, 0x123456);
  EXPECT_EQ(s.GetPixel(3, 2), 0x123456u);
  s.SetPixel(1, 1, 0xFF00FF);
  s.SetPixel(-1, 0, 0);  // ignored
  s.SetPixel(4, 0, 0);
  EXPECT_EQ(s.GetPixel(1, 1), 0xFF00FFu);
  EXPECT_EQ(s.GetPixel(4, 0), PixelSurface::kNoPixel);
  EXPECT_EQ(s.GetPixel(0, -1), PixelSurface::kNoPixel);
  EXPECT_EQ(GreyOf(0x306090), (0x30 + 0x60 + 0x90) / 3);
}

TEST(RasterFigures, FillpicErasesOneFigureAndReportsItsExtremes) {
  MemorySurface s(20, 10);
  Box(s, 2, 3, 6, 5, 0x000000);
  s.SetPixel(7, 4, 0x101010);    // joins the box on its right
  Box(s, 10, 1, 12, 2, 0x000000);  // a second figure
  Carvecalc calc;
  int16_t critical = 100, back = 255;
  position p;
  ASSERT_TRUE(calc.fillpic(s, 3, 4, critical, back, p));
  EXPECT_EQ(p.x0, 3);
  EXPECT_EQ(p.xminx, 2);
  EXPECT_EQ(p.xmaxx, 7);
  EXPECT_EQ(p.xmaxy, 4);
  EXPECT_EQ(p.yminy, 3);
  EXPECT_EQ(p.ymaxy, 5);
  EXPECT_EQ(p.clr, 0);
  EXPECT_EQ(s.GetPixel(7, 4), 0xFFFFFFu) << "filled with the background grey";
  EXPECT_EQ(s.GetPixel(11, 1), 0u) << "the other figure is untouched";
  position before = p;
  EXPECT_FALSE(calc.fillpic(s, 3, 4, critical, back, p));
  EXPECT_EQ(p.x0, before.x0);
  int16_t i = -5, j = 0;
  EXPECT_FALSE(calc.fillpic(s, i, j, critical, back, p));
}

TEST(RasterFigures, FindpointWalksTheFiguresOneByOne) {
  MemorySurface s(30, 20);
  Box(s, 20, 2, 22, 4, 0x202020);
  Box(s, 3, 10, 5, 15, 0x000000);
  Carvecalc calc;
  int16_t back = 255;
  position from, found;
  ASSERT_TRUE(calc.findpoint(s, 50, back, from, found));
  EXPECT_EQ(found.y0, 2);
  EXPECT_EQ(found.x0, 20);
  EXPECT_NEAR(found.clr, 0x20, 0.5);
  ASSERT_TRUE(calc.findpoint(s, 50, back, from, found));
  EXPECT_EQ(found.yminy, 10);
  EXPECT_EQ(found.ymaxy, 15);
  EXPECT_FALSE(calc.findpoint(s, 50, back, from, found));
  // A negative threshold makes every pixel a figure: the fill still ends.
  MemorySurface plain(50, 40);
  EXPECT_TRUE(calc.findpoint(plain, -1, back, from, found));
  EXPECT_EQ(found.xmaxx, 49);
  EXPECT_EQ(found.ymaxy, 39);
}

TEST(DrawEllipse, OutlinePixelsLieOnTheEllipseAndCloseTheCurve) {
  MemorySurface s(100, 80);
  s.SetForeColor(0xFF0000);
  Carvecalc calc;
  calc.drawEllipse(50, 40, 30, 15, 0.4, 0, 2 * M_PI, s);
  ASSERT_TRUE(calc.LastError().Ok());
  int drawn = 0;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (s.GetPixel(x, y) != 0xFF0000) continue;
      ++drawn;
      const double u = (x - 50) * std::cos(0.4) + (y - 40) * std::sin(0.4);
      const double v = -(x - 50) * std::sin(0.4) + (y - 40) * std::cos(0.4);
      EXPECT_NEAR(std::sqrt(u * u / 900 + v * v / 225), 1, 0.08) << x << "," << y;
    }
  }
  EXPECT_GT(drawn, 120);  // about the circumference: no gaps
  // No gap in the outline: filling the white inside (white against a black
  // "background") stays within the ellipse's box.
  int16_t critical = 100, back = 0, i = 50, j = 40;
  position inside;
  ASSERT_TRUE(calc.fillpic(s, i, j, critical, back, inside));
  EXPECT_GT(inside.xminx, 50 - 30);
  EXPECT_LT(inside.xmaxx, 50 + 30);
  EXPECT_EQ(s.GetPixel(0, 0), 0xFFFFFFu);
}

TEST(CarvePicture, FillsBetweenPairsAndDrawsOutlinesOnTop) {
  Drawing d;
  d.circles = {VBCircle{10, 10, 8, 0, 2 * M_PI}};
  const DrawingBounds b = BoundsOf(d);
  EXPECT_EQ(b.xmin, 2);
  EXPECT_EQ(b.ymax, 18);
  float space = 0.5f;
  int16_t bitcount = 1;
  RowRange range;
  ASSERT_TRUE(CarveRowRange(b, space, bitcount, range));
  EXPECT_EQ(range.ymin, 20);  // the lowest row at 2 mm, times 10^1
  carvegruep all = SelectAll(d);
  EXPECT_EQ(all.carvecircle, ",0,");
  std::vector<carve> rows;
  Carvecalc calc;
  calc.Optioncarve(rows, range.lastRow, all, space, bitcount, range.ymin, d.lines, d.polylines,
                   d.circles, d.ellipses);
  ASSERT_TRUE(calc.LastError().Ok());
  EXPECT_EQ(RowText(rows[16]), "row 10: 2 18");
  const PictureFrame f = FrameFor(b, 10, 5);
  MemorySurface s(f.width, f.height);
  DrawCarve(rows, d, f, s);
  EXPECT_EQ(s.GetPixel(static_cast<int>(f.PixelX(10)), static_cast<int>(f.PixelY(10))), 0xF0A040u);
  EXPECT_EQ(s.GetPixel(static_cast<int>(f.PixelX(10)), static_cast<int>(f.PixelY(10.25))), 0xFFFFFFu)
      << "between rows nothing burns";
  EXPECT_EQ(s.GetPixel(static_cast<int>(std::lround(f.PixelX(18))), static_cast<int>(f.PixelY(10))), 0u);
  EXPECT_EQ(s.GetPixel(2, 2), 0xFFFFFFu);
}

}  // namespace
