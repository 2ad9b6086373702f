#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "doc_test_support.h"
#include "document/view_mapping.h"
#include "recording_canvas.h"

namespace {

using kw::test::Add;
using kw::test::RecordingCanvas;
using kw::test::StoreOf;

class DrawingTest : public kw::test::TempAppPath {
 protected:
  // A 1000 x 1000 pixel area showing 0..100 mm in X and Y: 10 pixels per mm.
  void DrawAll(kw::pathcore::CPathObj& doc, RecordingCanvas& c, std::vector<int32_t> colors = {0, 1, 2}) {
    doc.Draw(c, 99, colors, 50, 60, 0, 100, 100, -100, 1000 * 15, 1000 * 15, 0);
  }
};

TEST_F(DrawingTest, ViewMappingPutsTheLowestVisibleYOnTheBottomRow) {
  RecordingCanvas c;
  const kw::pathcore::ViewMapping view(c, 0, 100, 100, -100, 1000 * 15, 1000 * 15);
  EXPECT_EQ(view.k, 10);
  EXPECT_EQ(view.Map(10, 90), (kw::pathcore::CanvasPoint{100, 100}));
  EXPECT_EQ(view.Map(0, 0), (kw::pathcore::CanvasPoint{0, 1000}));
  EXPECT_EQ(view.Px(0.05), 0);  // 0.5 pixel rounds to even
  EXPECT_EQ(view.Px(0.15), 2);
}

// The mapping's own rounding must agree with kw::N everywhere: halves, signs,
// the int32 range's ends and beyond, and NaN.
TEST(ViewMappingRounding, AgreesWithTheCheckedRounding) {
  std::vector<double> values{0.0, -0.0, 0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 0.49999999999999994, 1e-300,
                             123456.5, -123456.5, 2147483646.5, 2147483647.0, 2147483647.5, -2147483647.5,
                             -2147483648.0, -2147483649.0, 1e12, -1e12, 1e300, std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
  for (double v = -3000.0; v <= 3000.0; v += 0.125) values.push_back(v);
  for (const double v : values) EXPECT_EQ(kw::pathcore::NearestPixel(v), kw::N(v)) << v;
}

TEST_F(DrawingTest, LayerPenIsClampedToTheColourTableAndTheBrushIsRestored) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{10, 10}, {20, 10}}, 20);
  RecordingCanvas c;
  c.tools.brush.color = 1234;
  std::vector<int32_t> colors(15, 0);
  colors[14] = 777;
  DrawAll(doc, c, colors);
  EXPECT_EQ(c.Of("pen 777 1 0").size(), 1u);
  EXPECT_EQ(c.Of("polyline"), (std::vector<std::string>{"polyline 2 100,900..200,900"}));
  EXPECT_EQ(c.tools.brush.color, 1234u);
}

TEST_F(DrawingTest, LongPathsAreDrawnInChunksSharingTheirEnds) {
  kw::pathcore::CPathObj doc;
  std::vector<float> X(10002), Y(10002);  // 10001 points
  for (size_t i = 1; i < X.size(); ++i) X[i] = static_cast<float>(i) * 0.001f, Y[i] = 50;
  StoreOf(doc).AddPath(X, Y, 0);
  StoreOf(doc).RefreshObj(1);
  RecordingCanvas c;
  DrawAll(doc, c);
  const auto lines = c.Of("polyline");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 14), "polyline 5000 ");
  EXPECT_EQ(lines[1].substr(0, 14), "polyline 5000 ");
  EXPECT_EQ(lines[2].substr(0, 11), "polyline 3 ");
  // Each chunk starts with a positioning move to its first point.
  const auto moves = c.Of("move");
  EXPECT_EQ(moves.size(), 3u);
}

TEST_F(DrawingTest, SelectionGetsMarksAndTheCurrentPathAnArrow) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{10, 10}, {10, 10.01f}, {20, 10}});  // the first segment is too short to point the arrow
  Add(doc, {{30, 30}, {40, 30}});
  StoreOf(doc).ObjSel[1] = kw::pathcore::kCurrent;
  StoreOf(doc).ObjSel[2] = kw::pathcore::kSelected;
  RecordingCanvas c;
  DrawAll(doc, c);
  EXPECT_EQ(c.Of("ellipse"), (std::vector<std::string>{"ellipse 96,896 104,904", "ellipse 296,696 304,704"}));
  EXPECT_EQ(c.Of("rect"), (std::vector<std::string>{"rect 198,898 202,902", "rect 398,698 402,702"}));
  EXPECT_EQ(c.Of("pen 60 2 0").size(), 1u);
  EXPECT_EQ(c.Of("pen 50 2 0").size(), 1u);
  // Shaft 30 pixels along +X from the first point, then two strokes back at +-20 degrees.
  const auto lines = c.Of("line");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "line 130,900");
  EXPECT_EQ(lines[1], "line 116,895");
  EXPECT_EQ(lines[2], "line 116,905");
}

TEST_F(DrawingTest, EmptyMovesAreDrawnOnRequestWithArrowHeads) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{10, 10}, {20, 10}});
  Add(doc, {{20, 50}, {30, 50}});
  Add(doc, {{30, 50.005f}, {40, 50}});  // a move too short for a head
  doc.SMove(true);
  RecordingCanvas c;
  DrawAll(doc, c);
  const auto lines = c.Of("line");
  ASSERT_EQ(lines.size(), 4u);  // two moves, one head of two strokes
  EXPECT_EQ(lines[0], "line 200,500");
  EXPECT_EQ(c.Of("pen 99 1 0").size(), 1u);
}

TEST_F(DrawingTest, NothingIsDrawnOutsideTheView) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{200, 200}, {300, 300}});
  RecordingCanvas c;
  DrawAll(doc, c);
  EXPECT_TRUE(c.Of("polyline").empty());
}

TEST_F(DrawingTest, DrawRectFillsOrOutlinesAndRestoresTheTools) {
  kw::pathcore::CPathObj doc;
  RecordingCanvas c;
  doc.DrawRect(c, 255, 0, 100, 100, -100, 1000 * 15, 1000 * 15, 10, 10, 20, 20, false, 2);
  EXPECT_EQ(c.Of("pen 255 1 2").size(), 1u);
  EXPECT_EQ(c.Of("polyline"), (std::vector<std::string>{"polyline 5 100,900..100,900"}));
  doc.DrawRect(c, 255, 0, 100, 100, -100, 1000 * 15, 1000 * 15, 10, 10, 20, 20, true);
  EXPECT_EQ(c.Of("polygon").size(), 1u);
  EXPECT_EQ(c.tools.pen, kw::pathcore::CanvasPen{});
}

}  // namespace
