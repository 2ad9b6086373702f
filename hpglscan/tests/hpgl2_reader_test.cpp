// The HP-GL/2 reader on text written here: every command it draws with, the
// scaling, polygon mode, the PCL wrapper, and junk it must read past.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "hpglscan/hpgl2_reader.h"

namespace {

struct Line {
  int32_t pen = 0;
  std::vector<double> x, y;
};

std::vector<Line> Read(std::string_view text) {
  std::vector<Line> lines;
  kw::hpglscan::ReadHpgl2Text(text, [&](std::span<const double> X, std::span<const double> Y, int32_t Pen) {
    lines.push_back({Pen, {X.begin(), X.end()}, {Y.begin(), Y.end()}});
  });
  return lines;
}

void ExpectPoints(const Line& line, const std::vector<std::pair<double, double>>& points) {
  ASSERT_EQ(line.x.size(), points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_NEAR(line.x[i], points[i].first, 1e-9) << "point " << i;
    EXPECT_NEAR(line.y[i], points[i].second, 1e-9) << "point " << i;
  }
}

bool Closed(const Line& line) { return line.x.front() == line.x.back() && line.y.front() == line.y.back(); }

TEST(Hpgl2Reader, KiCadPlotGivesATwoSegmentPathAndAClosedCircle) {
  const auto lines = Read("IN;SP1;PA 100,100;PD;PA 500,100;PA 500,500;PU;PA 0,0;PM 0;PA 50,0;CI 20;PM 2;EP;");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].pen, 1);
  ExpectPoints(lines[0], {{100, 100}, {500, 100}, {500, 500}});
  ASSERT_EQ(lines[1].x.size(), 73u);  // 72 chords of 5 degrees
  EXPECT_TRUE(Closed(lines[1]));
  EXPECT_NEAR(lines[1].x[0], 70, 1e-9);
  EXPECT_NEAR(lines[1].x[18], 50, 1e-9);
  EXPECT_NEAR(lines[1].y[18], 20, 1e-9);
}

TEST(Hpgl2Reader, PenUpAndDownWithAndWithoutCoordinates) {
  auto lines = Read("SP2;PU10,10;PD20,10,20,20;PU30,30;PD;PA40,30;PU;");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].pen, 2);
  ExpectPoints(lines[0], {{10, 10}, {20, 10}, {20, 20}});
  ExpectPoints(lines[1], {{30, 30}, {40, 30}});
  // A pen change ends the polyline; the new one starts where the pen is.
  lines = Read("SP1;PD;PA10,0;SP3;PA10,10");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].pen, 3);
  ExpectPoints(lines[1], {{10, 0}, {10, 10}});
}

TEST(Hpgl2Reader, RelativeMovesFollowTheLastPaOrPr) {
  const auto lines = Read("PA100,100;PR;PD10,0,0,10;PU;PA200,200;PD;PR-5,-5;PA0,0;");
  ASSERT_EQ(lines.size(), 2u);
  ExpectPoints(lines[0], {{100, 100}, {110, 100}, {110, 110}});
  ExpectPoints(lines[1], {{200, 200}, {195, 195}, {0, 0}});
}

TEST(Hpgl2Reader, ScalingMapsTheUserFrameOntoP1AndP2) {
  // Anisotropic: 0..10 onto 1000..2000 across, 0..100 onto 0..4000 up.
  auto lines = Read("IP1000,0,2000,4000;SC0,10,0,100;PD5,50;PR1,1;");
  ASSERT_EQ(lines.size(), 1u);
  ExpectPoints(lines[0], {{0, 0}, {1500, 2000}, {1600, 2040}});
  // Isotropic: the smaller factor (100) on both axes, the spare height shared half and half.
  lines = Read("IP0,0,1000,2000;SC0,10,0,10,1;PD10,10;");
  ExpectPoints(lines.at(0), {{0, 0}, {1000, 1500}});
  // Point factors, and SC; turning scaling off again.
  lines = Read("IP100,100;SC0,2,0,3,2;PA1,1;PD;PA2,2;SC;PA7,7;");
  ExpectPoints(lines.at(0), {{102, 103}, {104, 106}, {7, 7}});
  // A frame of no width is refused; IN returns to plotter units.
  lines = Read("SC0,0,0,10;PD1,1;IN;SC0,1,0,1;IN;PD2,2;");
  ExpectPoints(lines.at(0), {{0, 0}, {1, 1}});
  ExpectPoints(lines.at(1), {{0, 0}, {2, 2}});
}

TEST(Hpgl2Reader, ArcsFollowThePenAndEndWhereTheSweepEnds) {
  auto lines = Read("PA10,0;PD;AA0,0,90,30;PA0,20;");
  ASSERT_EQ(lines.size(), 1u);
  const double h = 10 * std::sqrt(3.0) / 2;
  ExpectPoints(lines[0], {{10, 0}, {h, 5}, {5, h}, {0, 10}, {0, 20}});
  lines = Read("PA10,0;PD;AR-10,0,-180,90;");
  ExpectPoints(lines.at(0), {{10, 0}, {0, -10}, {-10, 0}});
  // With the pen up the arc only moves it.
  lines = Read("PA10,0;AA0,0,180;PD-20,0;");
  ExpectPoints(lines.at(0), {{-10, 0}, {-20, 0}});
}

TEST(Hpgl2Reader, RectanglesWedgesAndCirclesAreClosedOutlinesThatLeaveThePenWhereItWas) {
  const auto lines = Read("PA10,10;EA20,30;RR5,5;PD;EW10,0,90,45;WG-10,0,90,90;PA0,0;CI5,180;");
  ASSERT_EQ(lines.size(), 6u);
  ExpectPoints(lines[0], {{10, 10}, {20, 10}, {20, 30}, {10, 30}, {10, 10}});
  ExpectPoints(lines[1], {{10, 10}, {15, 10}, {15, 15}, {10, 15}, {10, 10}});
  const double d = 10 / std::sqrt(2.0);
  ExpectPoints(lines[2], {{10, 10}, {20, 10}, {10 + d, 10 + d}, {10, 20}, {10, 10}});
  ExpectPoints(lines[3], {{10, 10}, {0, 10}, {10, 0}, {10, 10}});  // a negative radius turns it half round
  ExpectPoints(lines[4], {{10, 10}, {0, 0}});  // the pen went on drawing from the centre
  ExpectPoints(lines[5], {{5, 0}, {-5, 0}, {5, 0}});  // 180-degree chords: two
}

TEST(Hpgl2Reader, PolygonEdgesBecomePathsOnceAtTheFirstEdgeOrFill) {
  const auto lines = Read(
      "PA0,0;PM0;PD10,0,10,10;PU20,20;PD30,20,30,30;PM1;PU50,50;PD60,50;PM2;FP;EP;FP;PU;PA0,0;PD0,5;");
  ASSERT_EQ(lines.size(), 4u);
  ExpectPoints(lines[0], {{0, 0}, {10, 0}, {10, 10}, {0, 0}});
  ExpectPoints(lines[1], {{20, 20}, {30, 20}, {30, 30}, {20, 20}});
  ExpectPoints(lines[2], {{50, 50}, {60, 50}, {50, 50}});
  ExpectPoints(lines[3], {{0, 0}, {0, 5}});
  // A polygon neither edged nor filled draws nothing.
  EXPECT_TRUE(Read("PM0;PD10,0,10,10;PM2;").empty());
}

TEST(Hpgl2Reader, PclWrapperAndEscapesAreTakenOut) {
  const std::string esc = "\x1b";
  const auto lines = Read(esc + "%-12345X@PJL JOB\r\n@PJL ENTER LANGUAGE=PCL\r\n" + esc + "E" + esc +
                          "*r0F PD99,99; " + esc + "%-1BIN;PD;PA10,0;" + esc + "*c5W12345PA20,0;PU;" + esc +
                          "%0APD77,77;" + esc + "%1BPD;PA0,0,5,5;" + esc + "E" + esc + "%-12345X");
  ASSERT_EQ(lines.size(), 2u);
  ExpectPoints(lines[0], {{0, 0}, {10, 0}, {20, 0}});
  ExpectPoints(lines[1], {{20, 0}, {0, 0}, {5, 5}});
  // A PJL line may hand over to HP-GL/2 without an escape.
  const auto pjl = Read(esc + "%-12345X@PJL ENTER LANGUAGE = HPGL2\nPD10,10;");
  ExpectPoints(pjl.at(0), {{0, 0}, {10, 10}});
}

TEST(Hpgl2Reader, LabelsAreSkippedUpToTheirTerminator) {
  auto lines = Read("PA5,5;LBPD 1,1;PA 9,9\x03PD6,6;DT*;LBPD;PA8,8*PD7,7;DT;LB PD1,1\x03PD8,8;");
  ASSERT_EQ(lines.size(), 1u);
  ExpectPoints(lines[0], {{5, 5}, {6, 6}, {7, 7}, {8, 8}});
  // Comments and encoded polylines are read past, and a label never ended ends the plot.
  lines = Read("CO\"PD1,1\";PE<=?>;PD3,3;LBPD4,4");
  ExpectPoints(lines.at(0), {{0, 0}, {3, 3}});
}

TEST(Hpgl2Reader, ToleratesJunk) {
  // Unknown mnemonics, stray bytes, lower case, missing terminators, a lone
  // coordinate, fractions, blanks as separators.
  const auto lines = Read("\xff\x01ZZ9;XQ;#@!pd1.5 2.5 3,-4 5PA 7,8 XY;Q;pu\n PD 9,10");
  ASSERT_EQ(lines.size(), 2u);
  ExpectPoints(lines[0], {{0, 0}, {1.5, 2.5}, {3, -4}, {7, 8}});
  ExpectPoints(lines[1], {{7, 8}, {9, 10}});
}

TEST(Hpgl2Reader, HostileNumbersAndCommandsEndQuietly) {
  // Numbers past the plotter's range are held to it; exponents and NaN are
  // junk (though "inf" would read as IN).
  auto lines = Read("PD99999999999999999999999999,-1e400;PA nan,NaN;PD1.000000000000000000001,2");
  ASSERT_EQ(lines.size(), 1u);
  ExpectPoints(lines[0], {{0, 0}, {1073741823, -1}, {1, 2}});
  // Scaling by a huge factor gives no infinite point; tiny chords are held to half a degree.
  lines = Read("IP0,0,1073741823,1073741823;SC0,0.000001,0,0.000001;PD1073741823,1073741823;CI1,0;AA0,0,99999,0.0001;");
  for (const Line& line : lines) {
    for (size_t i = 0; i < line.x.size(); ++i) ASSERT_TRUE(std::isfinite(line.x[i]) && std::isfinite(line.y[i]));
  }
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].x.size(), 721u);
  // Nothing to read, or nothing but separators and escapes.
  EXPECT_TRUE(Read("").empty());
  EXPECT_TRUE(Read(";;;,,,\x1b\x1b%").empty());
}

TEST(Hpgl2Reader, StopsAtThePointLimit) {
  // Seven bytes asking for 721 points each: past the limit the rest is not read.
  std::string text;
  for (int i = 0; i < 8000; ++i) text += "CI1,.5;";
  size_t points = 0, lines = 0;
  kw::hpglscan::ReadHpgl2Text(text, [&](std::span<const double> X, auto, auto) { points += X.size(), ++lines; });
  EXPECT_LT(lines, 8000u);
  EXPECT_LE(points, (size_t{1} << 22) + 721);
}

TEST(Hpgl2Reader, AFileThatCannotBeOpenedIsReported) {
  EXPECT_FALSE(kw::hpglscan::ReadHpgl2File("/nonexistent/kw.hpgl", [](auto, auto, auto) {}));
}

}  // namespace
