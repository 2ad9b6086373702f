#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "doc_test_support.h"
#include "document/outline_store.h"

namespace {

using kw::test::Add;
using kw::test::StoreOf;

// A host that answers every question and records every event as text.
struct Host : kw::pathcore::CPathObjEvents {
  std::vector<std::string> events;
  bool cutEnabled = true;
  bool cancelFirst = false;
  kw::pathcore::ScanLine lastLine;
  std::vector<kw::pathcore::ScanLine> lastScan;
  int16_t dpi = 254;
  bool dir = false, bmpMode = false;
  int32_t accL = 0, backGap = 0;
  float pointStep = 0;

  void GetCutLayer(int16_t, bool& Enabled) override { Enabled = cutEnabled; }
  void OutPath(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN, bool& CancelB) override {
    std::string s = "PATH " + std::to_string(LayerN);
    for (size_t i = 1; i < X.size(); ++i) s += " " + std::to_string(X[i]) + "," + std::to_string(Y[i]);
    events.push_back(s);
    if (cancelFirst) CancelB = true;
  }
  void GetScanLayer(int16_t, bool& Enabled, int16_t& Dpi, bool& BmpMode, bool& Dir, int32_t& AccL,
                    int32_t& BackGap) override {
    Enabled = true, Dpi = dpi, BmpMode = bmpMode, Dir = dir, AccL = accL, BackGap = backGap;
  }
  void OutScanLine(std::vector<kw::pathcore::ScanLine>& ScanObj, int16_t LayerN) override {
    events.push_back("SCAN " + std::to_string(LayerN) + " " + std::to_string(ScanObj.size() - 1));
    lastScan = ScanObj;
  }
  void GetPointLayer(int16_t, bool& Enabled, float& PointStep) override { Enabled = true, PointStep = pointStep; }
  void OutPoint(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN) override {
    std::string s = "POINTS " + std::to_string(LayerN);
    for (size_t i = 1; i < X.size(); ++i) s += " " + std::to_string(X[i]) + "," + std::to_string(Y[i]);
    events.push_back(s);
  }
};

class WorkDataTest : public kw::test::TempAppPath {
 protected:
  std::vector<int16_t> sort_ = std::vector<int16_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
  std::vector<int16_t> types_ = std::vector<int16_t>(15, 0);
  float ox_ = 0, oy_ = 0, r_ = 0;
  void ByLayer(kw::pathcore::CPathObj& doc, double k = 1, bool sel = false) {
    if (sel) doc.GetWorkDat_Layer_Sel(k, k, 14, sort_, types_, ox_, oy_, r_, 4);
    else doc.GetWorkDat_Layer(k, k, 14, sort_, types_, ox_, oy_, r_, 4);
  }
};

TEST_F(WorkDataTest, CutPathsRoundHalvesToEvenAndCountTheVersion) {
  kw::pathcore::CPathObj doc;
  Host host;
  doc.SetEvents(&host);
  Add(doc, {{0.125f, 0.375f}, {0.375f, 0.125f}}, 3);
  doc.ZL();
  doc.VerNumber(32767);
  doc.GetWorkDat(4, 4);
  EXPECT_EQ(host.events, (std::vector<std::string>{"PATH 3 0,2 2,0"}));
  EXPECT_EQ(doc.VerNumber(), -32768);
}

TEST_F(WorkDataTest, AHostThatAnswersNothingGetsNothing) {
  kw::pathcore::CPathObj doc;
  Host host;
  host.cutEnabled = false;
  doc.SetEvents(&host);
  Add(doc, {{0, 0}, {1, 1}});
  doc.GetWorkDat(10, 10);
  EXPECT_TRUE(host.events.empty());
}

TEST_F(WorkDataTest, CancelOnTheFirstPathEndsTheRequest) {
  kw::pathcore::CPathObj doc;
  Host host;
  host.cancelFirst = true;
  doc.SetEvents(&host);
  Add(doc, {{0, 0}, {1, 1}});
  Add(doc, {{2, 2}, {3, 3}});
  doc.GetWorkDat(1, 1);
  EXPECT_EQ(host.events.size(), 1u);
  host.events.clear();
  ByLayer(doc);
  EXPECT_EQ(host.events.size(), 1u);
}

TEST_F(WorkDataTest, LayersBeyondTheTableMoveToLayerZero) {
  kw::pathcore::CPathObj doc;
  Host host;
  doc.SetEvents(&host);
  Add(doc, {{0, 0}, {1, 1}}, 20);
  ByLayer(doc);
  EXPECT_EQ(StoreOf(doc).ObjLayer[1], 0);
  EXPECT_EQ(host.events, (std::vector<std::string>{"PATH 0 0,0 1,1"}));
}

TEST_F(WorkDataTest, ToolLayersGetOneLeadStrokeAndTheirPositionAsLayer) {
  kw::pathcore::CPathObj doc;
  Host host;
  doc.SetEvents(&host);
  Add(doc, {{0, 0}, {10, 0}}, 0);
  Add(doc, {{0, 10}, {10, 10}}, 1);
  Add(doc, {{0, 20}, {10, 20}}, 2);
  doc.ZL();
  ByLayer(doc);
  ASSERT_EQ(host.events.size(), 4u);
  EXPECT_EQ(host.events[0], "PATH 0 0,0 10,0");
  EXPECT_EQ(host.events[1], "PATH 1 7,-2 10,-2");  // 3 mm stroke, 2 mm under the job, ending under its right edge
  EXPECT_EQ(host.events[2].substr(0, 7), "PATH 1 ");
  EXPECT_EQ(host.events[3].substr(0, 7), "PATH 2 ");
}

TEST_F(WorkDataTest, SelectionRequestOutputsOnlySelectedCutLayerObjects) {
  kw::pathcore::CPathObj doc;
  Host host;
  doc.SetEvents(&host);
  Add(doc, {{0, 0}, {10, 0}});
  Add(doc, {{0, 5}, {10, 5}});
  StoreOf(doc).ObjSel[2] = kw::pathcore::kCurrent;
  ByLayer(doc, 1, true);
  EXPECT_EQ(host.events, (std::vector<std::string>{"PATH 0 0,5 10,5"}));
}

TEST_F(WorkDataTest, ScanLayerEngravesARectangleBackAndForth) {
  kw::pathcore::CPathObj doc;
  Host host;
  host.dir = true;
  host.backGap = 3;
  host.accL = 5;
  doc.SetEvents(&host);
  Add(doc, {{0, 0}, {10, 0}, {10, 5}, {0, 5}, {0, 0}}, 1);
  doc.ZL();
  types_[1] = 1;
  ByLayer(doc, 100);  // 100 machine units per mm, 10 lines per mm
  ASSERT_EQ(host.events.size(), 1u);
  const auto& lines = host.lastScan;
  ASSERT_GE(lines.size(), 40u);
  for (size_t i = 1; i < lines.size(); ++i) {
    ASSERT_EQ(lines[i].Count, 2) << i;
    const auto expected = i % 2 == 1 ? std::pair(0, 1000) : std::pair(997, -3);
    EXPECT_EQ(std::pair(lines[i].X[1], lines[i].X[2]), expected) << i;
    if (i + 1 < lines.size()) {
      EXPECT_EQ(lines[i].Xz, lines[i + 1].Xs) << i;
    }
  }
  EXPECT_EQ(lines[1].Xs, -5);
  EXPECT_EQ(lines[1].Xz, 1005);
  // The temporary frame is gone again; the rectangle stays, now unselected.
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(StoreOf(doc).DkN, 0);
  EXPECT_EQ(StoreOf(doc).KeyN, 0);
  EXPECT_EQ(StoreOf(doc).ObjSel[1], 0);
}

TEST_F(WorkDataTest, AFrameOfShortOutlinesOutputsNothing) {
  kw::pathcore::CPathObj doc;
  Host host;
  doc.SetEvents(&host);
  auto& s = StoreOf(doc);
  const int32_t key = s.AllocKey();
  const kw::test::Path1 outline({{0, 0}, {10, 0}, {10, 5}});  // three points: nothing to scan
  kw::pathcore::StoreOutline(s, key, outline.X, outline.Y);
  Add(doc, {{0, 5}, {10, 5}, {10, 0}, {0, 0}, {0, 5}});
  s.ObjType[1] = kw::pathcore::kEngraveFrame;
  s.ObjKey[1] = key;
  doc.ZL();
  doc.GetWorkDat(100, 100);
  EXPECT_TRUE(host.events.empty());
}

TEST_F(WorkDataTest, DrillPointsFollowThePathWithCarry) {
  kw::pathcore::CPathObj doc;
  Host host;
  host.pointStep = 4;
  doc.SetEvents(&host);
  Add(doc, {{0, 10}, {6, 10}, {6, 0}}, 2);
  doc.ZL();
  types_[2] = 2;
  ByLayer(doc);
  // From the top-left corner (0, 10): the first point twice, then every 4 mm along the path.
  EXPECT_EQ(host.events, (std::vector<std::string>{"POINTS 2 0,0 0,0 4,0 6,-2 6,-6 6,-10"}));
  host.events.clear();
  host.pointStep = 0;  // refused: no points, no hang
  ByLayer(doc);
  EXPECT_TRUE(host.events.empty());
}

TEST_F(WorkDataTest, BitmapFramesScanTheirPixelsFromTheTopRow) {
  kw::pathcore::CPathObj doc;
  Host host;
  host.dpi = 254;  // 10 pixels per mm
  doc.SetEvents(&host);
  auto& s = StoreOf(doc);
  // A 4 x 2 pixel picture, 0.4 x 0.2 mm: top row light-dark-light-light, bottom row all dark.
  s.BmpN = 1;
  s.BmpInfo.resize(2);
  s.BmpPic.resize(2);
  s.BmpKey.assign(2, 0);
  s.BmpKey[1] = s.AllocKey();
  s.BmpPic[1] = {4, 2, {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0}};
  Add(doc, {{0, 0}, {0.4f, 0}, {0.4f, -0.2f}, {0, -0.2f}, {0, 0}});
  s.ObjType[1] = kw::pathcore::kBitmapFrame;
  s.ObjKey[1] = s.BmpKey[1];
  doc.ZL();
  doc.GetWorkDat(10, 10);
  ASSERT_EQ(host.lastScan.size(), 2u);  // the dark row has no crossing
  const auto& top = host.lastScan[1];
  EXPECT_EQ(top.Count, 4);  // on at 0, off at 1, on at 2, still on at the last column 3
  EXPECT_EQ(std::vector<int32_t>(top.X.begin() + 1, top.X.end()), (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_EQ(top.Y, 0);
}

}  // namespace

namespace {

TEST_F(WorkDataTest, LengthsCountCutPathsAndTheMovesBetweenAllObjects) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 10}, {3, 14}});                   // 5 mm
  Add(doc, {{3, 14}, {3, 4}});                    // 10 mm, selected
  Add(doc, {{0, 0}, {100, 0}});                   // a drill path: no cut length
  StoreOf(doc).ObjSel[2] = kw::pathcore::kSelected;
  StoreOf(doc).ObjType[3] = kw::pathcore::kDrillPath;
  doc.ZL();
  EXPECT_FLOAT_EQ(doc.ObjLong(), 15);
  EXPECT_FLOAT_EQ(doc.SelObjLong(), 10);
  // From the top-left corner (0, 14) to (0, 10), then (3, 4) to (0, 0).
  EXPECT_FLOAT_EQ(doc.MoveLong(), 4 + 5);
}

// The count a host shows progress against must be what the request then hands over.
TEST_F(WorkDataTest, PathCountIsWhatTheRequestHandsOver) {
  struct Case {
    const char* name;
    std::vector<int16_t> layers;    // one two-point path per entry
    std::vector<int32_t> selected;  // objects selected, 1-based
    std::vector<int16_t> sort, types;
    bool selectedOnly;
    int32_t expected;
  };
  const std::vector<int16_t> inOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
  const std::vector<int16_t> allCut(15, 0);
  std::vector<int16_t> scanTwo = allCut;
  scanTwo[2] = 1;
  std::vector<int16_t> toolFirst = inOrder;
  std::swap(toolFirst[0], toolFirst[1]);  // layer 1 at position 0, layer 0 a tool layer
  const std::vector<Case> cases{
      {"pen only", {0, 0, 0}, {}, inOrder, allCut, false, 3},
      {"pen and two tool layers, one lead stroke", {0, 1, 1, 2}, {}, inOrder, allCut, false, 5},
      {"tool layers only", {2, 2}, {}, inOrder, allCut, false, 3},
      {"layer beyond the table counts as layer 0", {20, -3}, {}, inOrder, allCut, false, 2},
      {"a scan layer hands over no path", {0, 2, 2}, {}, inOrder, scanTwo, false, 1},
      {"selection, lead stroke without a selected tool path", {0, 0, 1}, {2}, inOrder, allCut, true, 2},
      {"the order decides which layer is the tool layer", {0, 1, 1}, {}, toolFirst, allCut, false, 4},
      {"a layer listed twice goes out twice", {0, 3}, {}, {3, 0, 3}, allCut, false, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kw::pathcore::CPathObj doc;
    Host host;
    doc.SetEvents(&host);
    for (size_t i = 0; i < c.layers.size(); ++i) Add(doc, {{0, float(i)}, {10, float(i) + 1}}, c.layers[i]);
    for (int32_t k : c.selected) StoreOf(doc).ObjSel[k] = kw::pathcore::kSelected;
    doc.ZL();
    sort_ = c.sort, types_ = c.types;
    const int32_t count = doc.WorkPathCount(14, sort_, types_, c.selectedOnly);
    EXPECT_EQ(count, c.expected);
    ByLayer(doc, 1, c.selectedOnly);
    const auto paths = std::count_if(host.events.begin(), host.events.end(),
                                     [](const std::string& e) { return e.starts_with("PATH "); });
    EXPECT_EQ(paths, count);
  }
}

}  // namespace
