// The readers on our own drawings under testdata/: each gives exactly the
// entities it was written with, and the DXF ones scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "carvecalc/carve_setup.h"
#include "carvecalc/carvecalc.h"
#include "temp_files.h"
#include "testsupport/test_drawings.h"

namespace {

using namespace kw::carvecalc;
using kw::test::OwnDrawing;

Drawing Read(Carvecalc& calc, const std::string& path) {
  Drawing d;
  ReadDrawing(calc, path, d);
  EXPECT_TRUE(calc.LastError().Ok()) << path;
  return d;
}

// Rows 0.1 mm apart over the whole drawing; returns the crossings.
int Crossings(Carvecalc& calc, Drawing& d) {
  std::vector<carve> rows;
  CarveDrawing(calc, d, 0.1f, 2, rows);
  EXPECT_TRUE(calc.LastError().Ok()) << calc.LastError().description;
  int n = 0;
  for (const carve& r : rows) n += r.carveXCount;
  return n;
}

// The plate: ten lines, two arcs and a circle, a closed slot of two bulges
// and three curves, written as R12 vertex polylines and as R14 splines.
TEST(OwnDrawings, ThePlateGivesItsEntitiesInR12AndR14) {
  Carvecalc calc;
  // The R12 file closes its triangle; the R14 file draws a curve there instead.
  for (const auto& [file, closed] : {std::pair{"dxf/plate_r12.dxf", 2}, std::pair{"dxf/plate_r14.dxf", 1}}) {
    SCOPED_TRACE(file);
    Drawing plate = Read(calc, OwnDrawing(file));
    EXPECT_EQ(plate.lines.size(), 10u);
    ASSERT_EQ(plate.circles.size(), 3u);  // two arcs and the circle
    EXPECT_NEAR(plate.circles[2].End - plate.circles[2].Start, 2 * M_PI, 1e-12);
    ASSERT_EQ(plate.polylines.size(), 4u);
    EXPECT_TRUE(plate.polylines[0].closed) << "the slot";
    EXPECT_EQ(plate.polylines[0].polycount, 39);  // two straights and two bulges of 18 steps
    EXPECT_EQ(std::count_if(plate.polylines.begin(), plate.polylines.end(), [](auto& p) { return p.closed; }), closed);
    const DrawingBounds b = BoundsOf(plate);
    EXPECT_EQ(b.xmin, 0);
    EXPECT_EQ(b.ymin, 0);
    EXPECT_EQ(b.xmax, 60);
    EXPECT_EQ(b.ymax, 40);
    EXPECT_GT(Crossings(calc, plate), 1000);
  }
}

TEST(OwnDrawings, PltGivesOnePolylinePerPenDownRunWithItsPen) {
  Carvecalc calc;
  const Drawing pens = Read(calc, OwnDrawing("plt/pens.plt"));
  ASSERT_EQ(pens.polylines.size(), 3u);
  const int counts[] = {5, 4, 2};
  const int penOf[] = {0, 0, 1};  // the pen number less one
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(pens.polylines[i].polycount, counts[i]) << i;
    EXPECT_EQ(pens.polylines[i].polylayer, penOf[i]) << i;
  }
  EXPECT_TRUE(pens.polylines[0].closed);
  EXPECT_FALSE(pens.polylines[2].closed);
  EXPECT_DOUBLE_EQ(pens.polylines[2].polyside[1].X, 1200 / 39.9999);
}

// The header's stitch count and extents (tenths of a millimetre) come first,
// then one line a record up to the end record.
TEST(OwnDrawings, DstListsTheHeaderAndEveryRecordButTheEnd) {
  TempFiles temp;
  std::string src = OwnDrawing("dst/zigzag.dst"), out = temp.Path("zigzag.txt");
  Carvecalc calc;
  calc.openDST(src, out);
  ASSERT_TRUE(calc.LastError().Ok());
  const std::string text = TempFiles::Read(out);
  EXPECT_EQ(text.rfind("ST,19\nEXTENTS,0,30,-1,9\n2,3\n4,0\n", 0), 0u) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 18);
  EXPECT_EQ(std::count(text.begin(), text.end(), 'J'), 2) << "two jumps";
  EXPECT_NE(text.find("\nClr\n"), std::string::npos);
}

}  // namespace
