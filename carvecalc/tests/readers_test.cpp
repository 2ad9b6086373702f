// The PLT, DXF and DST readers on small files written by the tests.
#include <gtest/gtest.h>

#include <cmath>

#include "carvecalc/carvecalc.h"
#include "temp_files.h"

namespace {

using namespace kw::carvecalc;

TEST(Openplt, ReadsPolylinesPenAndClosure) {
  TempFiles files;
  const auto path = files.Write("a.plt",
      "IN;\r\nSP2;\r\nPU400 800;\r\nPD800 800;\r\nPD800 1200;\r\nPD400 800;\r\nLT;\r\n"
      "PU4.00,-604.00;\nPD0 0;\n");
  Carvecalc calc;
  std::vector<polygonside> polys(1);  // the reader appends
  std::vector<train> entities(1);
  calc.Openplt(path, polys, entities);
  ASSERT_TRUE(calc.LastError().Ok());
  ASSERT_EQ(polys.size(), 3u);
  const polygonside& square = polys[1];
  EXPECT_EQ(square.polylayer, 1);
  EXPECT_TRUE(square.polykeep);
  EXPECT_EQ(square.polycount, 4);
  EXPECT_TRUE(square.closed);
  EXPECT_DOUBLE_EQ(square.polyside[2].Y, 1200 / 39.9999);
  const polygonside& open = polys[2];  // ended by the end of the file
  EXPECT_EQ(open.polycount, 2);
  EXPECT_FALSE(open.closed);
  EXPECT_DOUBLE_EQ(open.polyside[0].Y, -604 / 39.9999);
  ASSERT_EQ(entities.size(), 3u);
  EXPECT_EQ(entities[2].whatis, "Polyline");
  EXPECT_EQ(entities[2].whatNo, 2);
}

TEST(ReaderFiles, MissingFilesAreReportedAndLeaveOutputsAlone) {
  Carvecalc calc;
  std::vector<polygonside> polys(2);
  std::vector<train> entities;
  calc.Openplt("/nonexistent/x.plt", polys, entities);
  EXPECT_EQ(calc.LastError().code, CarveError::FileNotFound);
  EXPECT_EQ(polys.size(), 2u);
  std::vector<pointxy> lines;
  std::vector<VBCircle> circles;
  std::vector<VBEllipse> ellipses;
  calc.opendxf("/nonexistent/x.dxf", lines, polys, circles, ellipses, entities);
  EXPECT_EQ(calc.LastError().code, CarveError::FileNotFound);
  std::string src = "/nonexistent/x.dst", dst = "/nonexistent/x.txt";
  calc.openDST(src, dst);
  EXPECT_EQ(calc.LastError().code, CarveError::FileNotFound);
  TempFiles files;
  src = files.Write("a.dst", "ST:0");
  calc.openDST(src, dst);
  EXPECT_EQ(calc.LastError().code, CarveError::FileAccess);
}

std::string Dxf(std::initializer_list<std::pair<int, std::string>> pairs) {
  std::string text;
  for (const auto& [code, value] : pairs) text += std::to_string(code) + "\n" + value + "\n";
  return text;
}

TEST(Opendxf, ReadsTheEntityKindsWithLayersAndColours) {
  TempFiles files;
  const std::string text =
      Dxf({{0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LAYER"},
           {0, "LAYER"}, {100, "AcDbLayerTableRecord"}, {2, "0"}, {62, "7"},
           {0, "LAYER"}, {100, "AcDbLayerTableRecord"}, {2, "CUT"}, {62, "-3"},
           {0, "ENDTAB"}, {0, "ENDSEC"},
           {0, "SECTION"}, {2, "ENTITIES"},
           {0, "LINE"}, {8, "CUT"}, {100, "AcDbLine"}, {10, "1"}, {20, "2"}, {11, "3"}, {21, "4"},
           {0, "LWPOLYLINE"}, {8, "0"}, {62, "5"}, {90, "3"}, {70, "1"},
           {10, "0"}, {20, "0"}, {10, "4"}, {20, "0"}, {10, "4"}, {20, "3"},
           {0, "CIRCLE"}, {8, "NEW"}, {10, "5"}, {20, "6"}, {40, "2"},
           {0, "ARC"}, {8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {50, "90"}, {51, "180"},
           {0, "ELLIPSE"}, {8, "0"}, {10, "1"}, {20, "1"}, {11, "0"}, {21, "2"}, {40, "0.5"},
           {41, "0"}, {42, "1"}, {230, "-1"},
           {0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "1"},
           {0, "VERTEX"}, {10, "0"}, {20, "0"}, {0, "VERTEX"}, {10, "1"}, {20, "0"},
           {0, "VERTEX"}, {10, "1"}, {20, "1"}, {0, "SEQEND"},
           {0, "SPLINE"}, {8, "0"}, {71, "3"}, {72, "8"}, {73, "4"},
           {40, "0"}, {40, "0"}, {40, "0"}, {40, "0"}, {40, "1"}, {40, "1"}, {40, "1"}, {40, "1"},
           {10, "0"}, {20, "0"}, {10, "1"}, {20, "2"}, {10, "3"}, {20, "2"}, {10, "4"}, {20, "0"},
           {0, "ENDSEC"}, {0, "EOF"}});
  Carvecalc calc;
  std::vector<pointxy> lines;
  std::vector<polygonside> polys;
  std::vector<VBCircle> circles;
  std::vector<VBEllipse> ellipses;
  std::vector<train> entities;
  calc.opendxf(files.Write("a.dxf", text), lines, polys, circles, ellipses, entities);
  ASSERT_TRUE(calc.LastError().Ok());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].y2, 4);
  EXPECT_EQ(lines[0].Lineshield, 1);  // second layer of the table
  EXPECT_EQ(lines[0].Linelayer, 3);   // the layer's colour (negative: layer off)
  ASSERT_EQ(polys.size(), 3u);
  EXPECT_EQ(polys[0].polycount, 4) << "a closed polyline repeats its first vertex";
  EXPECT_TRUE(polys[0].closed);
  EXPECT_EQ(polys[0].polylayer, 5);
  EXPECT_EQ(polys[1].polycount, 4);
  EXPECT_TRUE(polys[1].closed);
  // A cubic Bezier as a spline: its middle point is (P0 + 3 P1 + 3 P2 + P3) / 8.
  const auto& curve = polys[2].polyside;
  ASSERT_EQ(curve.size(), 17u);
  EXPECT_NEAR(curve[8].X, 2, 1e-12);
  EXPECT_NEAR(curve[8].Y, 1.5, 1e-12);
  EXPECT_NEAR(curve.back().X, 4, 1e-12);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].Circleshield, 2) << "a layer missing from the table is appended";
  EXPECT_NEAR(circles[0].End - circles[0].Start, 2 * M_PI, 1e-12);
  EXPECT_NEAR(circles[1].Start, M_PI / 2, 1e-12);
  EXPECT_NEAR(circles[1].End, M_PI, 1e-12);
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_NEAR(ellipses[0].aE, 2, 1e-12);
  EXPECT_NEAR(ellipses[0].bE, 1, 1e-12);
  EXPECT_NEAR(ellipses[0].conerE, M_PI / 2, 1e-12);
  // Seen from below the arc from parameter 0 to 1 is the arc from -1 to 0.
  EXPECT_NEAR(ellipses[0].StartE, -1, 1e-12);
  EXPECT_NEAR(ellipses[0].EndE, 0, 1e-12);
  const char* kinds[] = {"Line", "Polyline", "Circle", "Circle", "Ellipse", "Polyline", "Polyline"};
  ASSERT_EQ(entities.size(), 7u);
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(entities[i].whatis, kinds[i]) << i;
  EXPECT_EQ(entities[6].whatNo, 2);
}

TEST(Opendxf, ClosedDrawingScansIntoEvenRows) {
  TempFiles files;
  const std::string text = Dxf({{0, "SECTION"}, {2, "ENTITIES"},
      {0, "LWPOLYLINE"}, {90, "4"}, {70, "1"}, {10, "0"}, {20, "0"}, {10, "30"}, {20, "0"},
      {10, "30"}, {20, "20"}, {10, "0"}, {20, "20"},
      {0, "CIRCLE"}, {10, "15"}, {20, "10"}, {40, "6"},
      {0, "ELLIPSE"}, {10, "15"}, {20, "10"}, {11, "3"}, {21, "1"}, {40, "0.4"},
      {0, "ENDSEC"}, {0, "EOF"}});
  Carvecalc calc;
  std::vector<pointxy> lines;
  std::vector<polygonside> polys;
  std::vector<VBCircle> circles;
  std::vector<VBEllipse> ellipses;
  std::vector<train> entities;
  calc.opendxf(files.Write("b.dxf", text), lines, polys, circles, ellipses, entities);
  carvegruep all{false, "", ",0,", ",0,", ",0,"};
  std::vector<carve> rows;
  int32_t last = 300, ymin = -10;
  float space = 0.13f;
  int16_t bitcount = 0;
  calc.Optioncarve(rows, last, all, space, bitcount, ymin, lines, polys, circles, ellipses);
  ASSERT_TRUE(calc.LastError().Ok()) << calc.LastError().description;
  int withSix = 0;
  for (const carve& r : rows) {
    EXPECT_EQ(r.carveXCount % 2, 0) << r.carveY;
    withSix += r.carveXCount == 6;
  }
  EXPECT_GT(withSix, 10);
}

TEST(Opendxf, BulgesBecomeArcs) {
  TempFiles files;
  // Two half circles by bulge 1 make the circle of radius 1 about (1, 0).
  const std::string text = Dxf({{0, "SECTION"}, {2, "ENTITIES"},
      {0, "LWPOLYLINE"}, {90, "2"}, {70, "1"}, {10, "0"}, {20, "0"}, {42, "1"},
      {10, "2"}, {20, "0"}, {42, "1"}, {0, "ENDSEC"}, {0, "EOF"}});
  Carvecalc calc;
  std::vector<pointxy> lines;
  std::vector<polygonside> polys;
  std::vector<VBCircle> circles;
  std::vector<VBEllipse> ellipses;
  std::vector<train> entities;
  calc.opendxf(files.Write("c.dxf", text), lines, polys, circles, ellipses, entities);
  ASSERT_EQ(polys.size(), 1u);
  const auto& v = polys[0].polyside;
  ASSERT_EQ(v.size(), 37u);  // 18 steps of 10 degrees per half, back to the start
  EXPECT_TRUE(polys[0].closed);
  for (const auto& p : v) EXPECT_NEAR(std::hypot(p.X - 1, p.Y), 1, 1e-12);
  EXPECT_NEAR(v[9].Y, -1, 1e-12) << "a positive bulge turns counter-clockwise";
  EXPECT_NEAR(v[27].Y, 1, 1e-12);
}

TEST(OpenDST, WritesPositionsJumpsAndColourChanges) {
  TempFiles files;
  std::string header = "LA:test\rST:      4\rCO:  1\r+X:   25\r-X:   12\r+Y:    3\r-Y:    0\r";
  header.resize(512, ' ');
  const std::string body = std::string("\x01\x00\x03", 3)     // x + 1
                           + std::string("\x00\x04\x23", 3)   // x + 27, y + 81
                           + std::string("\x00\x00\x83", 3)   // jump
                           + std::string("\x00\x00\xC3", 3)   // colour change
                           + std::string("\x00\x00\xF3", 3);  // end
  std::string src = files.Write("a.dst", header + body), out = files.Path("a.txt");
  Carvecalc calc;
  calc.openDST(src, out);
  ASSERT_TRUE(calc.LastError().Ok());
  EXPECT_EQ(TempFiles::Read(out), "ST,4\nEXTENTS,-1.2,2.5,0,0.3\n0.1,0\n2.8,8.1\nJmp\nClr\n");
}

}  // namespace
