#include <gtest/gtest.h>

#include <array>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>

#include "doc_test_support.h"
#include "document/distance_order.h"
#include "testsupport/test_drawings.h"

namespace {

using kw::test::Add;
using kw::test::PointsOf;
using kw::test::StoreOf;
using Points = std::vector<std::pair<float, float>>;

class OrderingTest : public kw::test::TempAppPath {};

Points Square(float x0, float y0, float size) {
  return {{x0, y0}, {x0 + size, y0}, {x0 + size, y0 + size}, {x0, y0 + size}, {x0, y0}};
}

void AddPoints(kw::pathcore::CPathObj& doc, const Points& pts, int16_t layer = 0) {
  kw::test::Path1 p({});
  for (const auto& [x, y] : pts) p.X.push_back(x), p.Y.push_back(y);
  StoreOf(doc).AddPath(p.X, p.Y, layer);
}

struct Recorder : kw::pathcore::CPathObjEvents {
  std::vector<std::string> texts;
  int finishes = 0;
  void Jd(int32_t, int32_t, const std::string& MS) override { texts.push_back(MS); }
  void Finish() override { ++finishes; }
};

TEST_F(OrderingTest, AutoSReversesAPathWhoseLastPointIsNearer) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {10, 0}});
  Add(doc, {{50, 0}, {11, 0}});
  Add(doc, {{100, 100}, {101, 100}});
  StoreOf(doc).ObjSel[3] = kw::pathcore::kCurrent;
  doc.AutoS();
  const auto& s = StoreOf(doc);
  EXPECT_EQ(PointsOf(s, 2), (Points{{11, 0}, {50, 0}}));
  EXPECT_EQ(s.ObjSx[2], 11);
  EXPECT_EQ(s.ObjEx[2], 50);
  EXPECT_EQ(PointsOf(s, 3), (Points{{100, 100}, {101, 100}}));
  EXPECT_EQ(s.ObjSel[3], 0);  // every object ends unselected
}

TEST_F(OrderingTest, AutoSTiesGoToTheLowestIndexAndTheFirstCandidatePrefersItsLastPoint) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {0, 1}});   // ends at (0,1)
  Add(doc, {{0, 2}, {0, 0}});   // both ends 1 away: first candidate, tie gives reversal
  Add(doc, {{1, 1}, {5, 5}});   // also 1 away, but a higher index
  doc.AutoS();
  const auto& s = StoreOf(doc);
  EXPECT_EQ(PointsOf(s, 2), (Points{{0, 0}, {0, 2}}));
  // From (0,2): object 3's first point (1,1) is sqrt(2) away, its last farther.
  EXPECT_EQ(PointsOf(s, 3), (Points{{1, 1}, {5, 5}}));

  kw::pathcore::CPathObj other;
  Add(other, {{0, 0}, {0, 1}});
  Add(other, {{9, 9}, {9, 8}});  // the lowest unplaced, far away
  Add(other, {{0, 2}, {0, 0}});  // equal ends, not the first candidate: keeps its direction
  other.AutoS();
  EXPECT_EQ(PointsOf(StoreOf(other), 2), (Points{{0, 2}, {0, 0}}));
}

TEST_F(OrderingTest, AutoSRaisesItsProgressAndNoFinish) {
  kw::pathcore::CPathObj doc;
  Recorder rec;
  doc.SetEvents(&rec);
  doc.SetLang(1);
  Add(doc, {{0, 0}, {1, 0}});
  Add(doc, {{5, 0}, {6, 0}});
  doc.AutoS();
  EXPECT_EQ(rec.texts, (std::vector<std::string>{"Distance Order", "Distance Order", "Distance Order",
                                                 "Distance Order", "Distance Order"}));
  EXPECT_EQ(rec.finishes, 0);
  doc.SetLang(0);
}

// The k-d tree search must find exactly the scan's order, ties included.
TEST_F(OrderingTest, SearchOrderEqualsScanOrderOnRandomDocuments) {
  for (int seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    kw::pathcore::CPathObj doc;
    const int grid = seed % 3 == 0 ? 4 : 50;  // a small grid forces many exact ties
    const int n = 1 + static_cast<int>(rng() % 400);
    for (int i = 0; i < n; ++i) {
      auto c = [&] { return static_cast<float>(rng() % grid) * 0.5f; };
      if (rng() % 5 == 0) Add(doc, {{c(), c()}});
      else Add(doc, {{c(), c()}, {c(), c()}});
    }
    const auto& s = StoreOf(doc);
    const auto scan = kw::pathcore::DistanceOrderByScan(s, nullptr);
    const auto search = kw::pathcore::DistanceOrderBySearch(s, nullptr);
    ASSERT_EQ(scan.size(), search.size());
    for (size_t i = 0; i < scan.size(); ++i) {
      ASSERT_EQ(scan[i].index, search[i].index) << "seed " << seed << " at " << i;
      ASSERT_EQ(scan[i].reversed, search[i].reversed) << "seed " << seed << " at " << i;
    }
  }
}

TEST_F(OrderingTest, AutoTreePutsInnerPathsBeforeTheirEnclosingPath) {
  kw::pathcore::CPathObj doc;
  AddPoints(doc, Square(0, 0, 100));
  AddPoints(doc, Square(20, 20, 40));
  Points circle;
  for (int i = 0; i <= 36; ++i) {
    const double a = i * 10 * 3.14159265358979 / 180;
    circle.emplace_back(static_cast<float>(40 + 5 * std::cos(a)), static_cast<float>(40 + 5 * std::sin(a)));
  }
  AddPoints(doc, circle);
  AddPoints(doc, {{70, 70}, {80, 80}});  // open, inside the big square only
  StoreOf(doc).ObjSel[2] = kw::pathcore::kSelected;
  doc.ZL();
  Recorder rec;
  doc.SetEvents(&rec);
  doc.AutoTree();
  const auto& s = StoreOf(doc);
  // Inside the big square the band sweep meets the open path (higher up) first.
  EXPECT_EQ(s.ObjXmin[1], 70);                   // the open path
  EXPECT_EQ(s.ObjXmax[2] - s.ObjXmin[2], 10);    // circle
  EXPECT_EQ(s.ObjXmax[3] - s.ObjXmin[3], 40);    // small square, still selected
  EXPECT_EQ(s.ObjSel[3], kw::pathcore::kSelected);
  EXPECT_EQ(s.ObjXmax[4] - s.ObjXmin[4], 100);   // big square last
  EXPECT_EQ(rec.finishes, 1);
  EXPECT_EQ(rec.texts.front(), "内外排序");
}

TEST_F(OrderingTest, AutoTreeOfOpenPathsGivesTheBandOrder) {
  kw::pathcore::CPathObj doc;
  // Two rows: the sweep runs the top row left to right, the lower one right to left.
  Add(doc, {{20, 0}, {21, 1}});
  Add(doc, {{0, 20}, {1, 21}});
  Add(doc, {{0, 0}, {1, 1}});
  Add(doc, {{20, 20}, {21, 21}});
  Add(doc, {{10, 20}, {11, 21}});
  doc.ZL();
  doc.AutoTree();
  const auto& s = StoreOf(doc);
  const std::vector<float> xs{s.ObjSx[1], s.ObjSx[2], s.ObjSx[3], s.ObjSx[4], s.ObjSx[5]};
  const std::vector<float> ys{s.ObjSy[1], s.ObjSy[2], s.ObjSy[3], s.ObjSy[4], s.ObjSy[5]};
  EXPECT_EQ(xs, (std::vector<float>{0, 10, 20, 20, 0}));
  EXPECT_EQ(ys, (std::vector<float>{20, 20, 20, 0, 0}));
}

// The first band runs from Ymax + ah down to Ymax exactly: with ah = 17/3 a
// band bottom computed as top - ah lands a hair above 5 and misses the path
// whose top is Ymax, so the band came out empty and kept its direction.
TEST_F(OrderingTest, AutoTreeFirstBandReachesDownToYmaxExactly) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, -4}, {0, 4}});
  Add(doc, {{20, -1}, {20, 5}});
  Add(doc, {{40, 0}, {40, 3}});
  doc.ZL();
  doc.AutoTree();
  const auto& s = StoreOf(doc);
  const std::vector<std::array<float, 4>> order{{s.ObjSx[1], s.ObjSy[1], s.ObjEx[1], s.ObjEy[1]},
                                                {s.ObjSx[2], s.ObjSy[2], s.ObjEx[2], s.ObjEy[2]},
                                                {s.ObjSx[3], s.ObjSy[3], s.ObjEx[3], s.ObjEy[3]}};
  EXPECT_EQ(order, (std::vector<std::array<float, 4>>{{20, -1, 20, 5}, {40, 0, 40, 3}, {0, -4, 0, 4}}));
}

// The nesting callbacks are public: object numbers from outside the document
// count as "not inside" and leave a band order untouched.
TEST_F(OrderingTest, NestingCallbacksRefuseObjectNumbersOutsideTheDocument) {
  kw::pathcore::CPathObj doc;
  AddPoints(doc, Square(0, 0, 100));
  AddPoints(doc, Square(20, 20, 40));
  doc.ZL();
  int16_t resv = 7;
  doc.GetInRgn(1, 2, resv, 0);
  EXPECT_EQ(resv, 1);
  const std::vector<std::pair<int32_t, int32_t>> outside{{-1, 2}, {1, -1}, {0, 2}, {1, 0}, {3, 2}, {1, 3},
                                                         {INT32_MIN, 1}, {1, INT32_MAX}};
  for (const auto& [n1, n2] : outside) {
    resv = 7;
    doc.GetInRgn(n1, n2, resv, 0);
    EXPECT_EQ(resv, 0) << n1 << " around " << n2;
  }

  const std::vector<int32_t> untouched{0, 9, 9};
  for (const int32_t bad : {-1, 0, 3, INT32_MAX}) {
    std::vector<int32_t> items{0, 1, bad}, index = untouched;
    doc.GetRgnPx(items, index, 0);
    EXPECT_EQ(index, untouched) << bad;
  }
  std::vector<int32_t> items{0, 2, 1}, index;
  doc.GetRgnPx(items, index, 0);
  std::sort(index.begin() + 1, index.end());
  EXPECT_EQ(index, (std::vector<int32_t>{0, 1, 2}));
}

TEST_F(OrderingTest, SelectEdgeClosesNearlyClosedPathsAndMarksTheOutermost) {
  kw::pathcore::CPathObj doc;
  AddPoints(doc, {{0, 0}, {50, 0}, {50, 50}, {0, 50}, {0.3f, 0.3f}});        // closes within 0.5
  AddPoints(doc, {{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}});        // inside the first
  AddPoints(doc, {{100, 0}, {150, 0}, {150, 50}, {100, 50}, {100.6f, 0}});  // 0.6 apart: open
  AddPoints(doc, {{200, 0}, {210, 0}, {210, 10}, {200, 10}, {200, 0}});
  doc.ZL();
  doc.SelectEdge(0.5f);
  const auto& s = StoreOf(doc);
  // Plain closed members of the top level come before its enclosing nodes.
  EXPECT_EQ(s.ObjSel[4], kw::pathcore::kCurrent);
  EXPECT_EQ(s.ObjSel[1], kw::pathcore::kSelected);
  EXPECT_EQ(s.ObjSel[2], 0);
  EXPECT_EQ(s.ObjSel[3], 0);
}

TEST_F(OrderingTest, SetStartPRotatesAClosedPathAndLeavesOpenOnesAlone) {
  kw::pathcore::CPathObj doc;
  AddPoints(doc, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
  AddPoints(doc, {{20, 0}, {30, 0}, {30, 10}});
  doc.SetStartP(10.05f, 10, 0.2f);
  const auto& s = StoreOf(doc);
  EXPECT_EQ(PointsOf(s, 1), (Points{{10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}}));
  EXPECT_EQ(s.ObjSx[1], 10);
  EXPECT_EQ(s.ObjSy[1], 10);
  doc.SetStartP(30, 5, 0.2f);
  EXPECT_EQ(PointsOf(s, 2), (Points{{20, 0}, {30, 0}, {30, 10}}));
}

std::vector<float> FirstXs(kw::pathcore::CPathObj& doc) {
  std::vector<float> xs;
  for (int32_t k = 1; k <= doc.Count(); ++k) xs.push_back(StoreOf(doc).ObjSx[k]);
  return xs;
}

TEST_F(OrderingTest, ManualMovesGatherTheSelection) {
  auto make = [](kw::pathcore::CPathObj& doc, std::initializer_list<std::pair<int, int>> sel) {
    for (int i = 1; i <= 5; ++i) Add(doc, {{static_cast<float>(i), 0}, {static_cast<float>(i), 1}});
    for (const auto& [k, v] : sel) StoreOf(doc).ObjSel[k] = v;
  };
  kw::pathcore::CPathObj a;
  make(a, {{2, 1}, {4, 2}});
  a.PxA();
  EXPECT_EQ(FirstXs(a), (std::vector<float>{2, 4, 1, 3, 5}));
  kw::pathcore::CPathObj z;
  make(z, {{2, 1}, {4, 2}});
  z.PxZ();
  EXPECT_EQ(FirstXs(z), (std::vector<float>{1, 3, 5, 2, 4}));
  kw::pathcore::CPathObj p;
  make(p, {{2, 1}, {3, 1}, {5, 2}});
  p.PxP();
  EXPECT_EQ(FirstXs(p), (std::vector<float>{1, 4, 2, 3, 5}));
  kw::pathcore::CPathObj n;
  make(n, {{2, 1}, {3, 1}, {5, 2}});
  n.PxN();
  EXPECT_EQ(FirstXs(n), (std::vector<float>{1, 4, 5, 2, 3}));
  kw::pathcore::CPathObj one;
  make(one, {{3, 2}});
  one.PxP();
  EXPECT_EQ(FirstXs(one), (std::vector<float>{1, 3, 2, 4, 5}));
  EXPECT_EQ(StoreOf(one).ObjSel[2], kw::pathcore::kCurrent);
  EXPECT_EQ(StoreOf(one).ObjSel[3], 0);
  one.PxN();
  one.PxN();
  EXPECT_EQ(FirstXs(one), (std::vector<float>{1, 2, 4, 3, 5}));
  kw::pathcore::CPathObj none;
  make(none, {});
  none.PxP();
  none.PxN();
  EXPECT_EQ(FirstXs(none), (std::vector<float>{1, 2, 3, 4, 5}));
}

}  // namespace

namespace {

// Real drawings: the search finds the scan's order on every corpus file small
// enough for the quadratic scan.
TEST_F(OrderingTest, SearchOrderEqualsScanOrderOnTheCorpus) {
  KW_SKIP_WITHOUT_CORPUS();
  const std::filesystem::path corpus = kw::test::CorpusDir();
  int compared = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    kw::pathcore::CPathObj doc;
    if (ext == ".dxf") doc.DxfInput(entry.path().string(), "0");
    else if (ext == ".plt" || ext == ".hpgl") doc.PltInput(entry.path().string(), "1");
    else if (ext == ".dst") doc.DstInput(entry.path().string());
    else continue;
    if (doc.Count() == 0 || doc.Count() > 3000) continue;
    const auto& s = StoreOf(doc);
    const auto scan = kw::pathcore::DistanceOrderByScan(s, nullptr);
    const auto search = kw::pathcore::DistanceOrderBySearch(s, nullptr);
    ASSERT_EQ(scan.size(), search.size()) << entry.path();
    for (size_t i = 0; i < scan.size(); ++i) {
      ASSERT_EQ(scan[i].index, search[i].index) << entry.path() << " at " << i;
      ASSERT_EQ(scan[i].reversed, search[i].reversed) << entry.path() << " at " << i;
    }
    ++compared;
  }
  EXPECT_GE(compared, 10);
}

}  // namespace
