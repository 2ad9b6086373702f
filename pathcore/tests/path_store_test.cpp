#include <gtest/gtest.h>

#include <random>

#include "doc_test_support.h"

namespace {

using kw::test::Add;
using kw::test::Path1;
using kw::test::PointsOf;
using kw::test::StoreOf;
using Points = std::vector<std::pair<float, float>>;

class PathStoreTest : public kw::test::TempAppPath {};

TEST_F(PathStoreTest, NewDocumentIsEmpty) {
  kw::pathcore::CPathObj doc;
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_EQ(doc.SubCount(), 0);
  EXPECT_EQ(doc.Xmax(), 0);
  EXPECT_EQ(doc.Ymin(), 0);
  EXPECT_EQ(doc.SelCount(), 0);
  EXPECT_EQ(StoreOf(doc).PointCap, 0);
}

TEST_F(PathStoreTest, AddPathKeepsBoxEndsAndCounts) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {4, 1}}, 3);
  Add(doc, {{1, 1}, {2, 5}, {-3, 2}});
  Add(doc, {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}});
  const auto& s = StoreOf(doc);
  EXPECT_EQ(doc.Count(), 3);
  EXPECT_EQ(doc.SubCount(), 7);
  EXPECT_EQ(s.ObjStart[2], 3);
  EXPECT_EQ(s.ObjLayer[1], 3);
  EXPECT_EQ(s.ObjXmin[2], -3);
  EXPECT_EQ(s.ObjXmax[2], 2);
  EXPECT_EQ(s.ObjYmax[2], 5);
  EXPECT_EQ(s.ObjXc[2], -0.5f);
  EXPECT_EQ(s.ObjYc[2], 3.0f);
  EXPECT_EQ(s.ObjEx[2], -3);
  EXPECT_EQ(s.ObjEy[2], 2);
  EXPECT_EQ(s.ObjType[3], kw::pathcore::kCutPath);
  EXPECT_EQ(s.ObjSel[3], 0);
  // Adding does not touch the bounds; ZL does.
  EXPECT_EQ(doc.Xmin(), 0);
  doc.ZL();
  EXPECT_EQ(doc.Xmin(), -3);
  EXPECT_EQ(doc.Ymax(), 5);
}

TEST_F(PathStoreTest, OnePointPathIsAnObjectAndEmptyPathIsIgnored) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{2, 3}});
  auto& s = StoreOf(doc);
  ASSERT_EQ(doc.Count(), 1);
  EXPECT_EQ(s.ObjSx[1], s.ObjEx[1]);
  EXPECT_EQ(s.ObjSy[1], s.ObjEy[1]);
  const std::vector<float> none{0.0f};
  s.AddPath(none, none, 0);
  s.AddPath({}, {}, 0);
  EXPECT_EQ(doc.Count(), 1);
}

TEST_F(PathStoreTest, PointCapacityGrowsInStepsOfAThousand) {
  kw::pathcore::CPathObj doc;
  auto& s = StoreOf(doc);
  Add(doc, {{0, 0}, {1, 1}});
  EXPECT_EQ(s.PointCap, 1000);
  std::vector<float> X(999, 1.0f), Y(999, 2.0f);  // 998 points: 1000 in all
  s.AddPath(X, Y, 0);
  EXPECT_EQ(s.PointCap, 1000);
  Add(doc, {{5, 5}});
  EXPECT_EQ(s.PointCap, 2000);
  std::vector<float> big(3500, 0.0f);
  s.AddPath(big, big, 0);
  EXPECT_EQ(s.PointCap, 5000);
  EXPECT_EQ(s.PointX.size(), 5001u);
}

TEST_F(PathStoreTest, RemovingTheLastObjectMovesNoPoint) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 1}});
  Add(doc, {{2, 2}, {3, 3}, {4, 4}});
  auto& s = StoreOf(doc);
  const int32_t cap = s.PointCap;
  s.RemovePath(2);
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(s.PointN, 2);
  EXPECT_EQ(s.PointCap, cap);
  EXPECT_EQ(PointsOf(s, 1), (Points{{0, 0}, {1, 1}}));
  EXPECT_EQ(s.ObjStart.size(), 2u);
}

TEST_F(PathStoreTest, RemovingTheFirstObjectMovesTheRestDown) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 1}, {1, 2}});
  Add(doc, {{2, 2}, {3, 3}}, 5);
  Add(doc, {{7, 7}, {8, 8}});
  auto& s = StoreOf(doc);
  s.RemovePath(1);
  ASSERT_EQ(doc.Count(), 2);
  EXPECT_EQ(s.ObjStart[1], 1);
  EXPECT_EQ(s.ObjStart[2], 3);
  EXPECT_EQ(s.ObjLayer[1], 5);
  EXPECT_EQ(PointsOf(s, 2), (Points{{7, 7}, {8, 8}}));
  EXPECT_EQ(s.ObjXmax[2], 8);
}

TEST_F(PathStoreTest, InsertPathPlacesByBeforeOrAfterAndKeepsTheSlotsSelection) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 0}});
  Add(doc, {{2, 0}, {3, 0}});
  auto& s = StoreOf(doc);
  s.ObjSel[2] = kw::pathcore::kCurrent;
  const Path1 p({{9, 9}, {9, 8}, {9, 7}});
  s.InsertPath(p.X, p.Y, kw::pathcore::kDrillPath, 0, 4, /*Before=*/2, 0);
  s.RefreshObj(2);
  ASSERT_EQ(doc.Count(), 3);
  EXPECT_EQ(PointsOf(s, 2), (Points{{9, 9}, {9, 8}, {9, 7}}));
  EXPECT_EQ(PointsOf(s, 3), (Points{{2, 0}, {3, 0}}));
  EXPECT_EQ(s.ObjType[2], kw::pathcore::kDrillPath);
  EXPECT_EQ(s.ObjLayer[2], 4);
  EXPECT_EQ(s.ObjSel[2], kw::pathcore::kCurrent);  // the value the position held
  EXPECT_EQ(s.ObjSel[3], kw::pathcore::kCurrent);
  EXPECT_EQ(s.ObjStart[3], 6);
  EXPECT_EQ(s.ObjXmax[3], 3);

  const Path1 q({{5, 5}});
  s.InsertPath(q.X, q.Y, 0, 0, 0, 0, /*After=*/1);  // goes to position 2
  EXPECT_EQ(PointsOf(s, 2), (Points{{5, 5}}));
  s.InsertPath(q.X, q.Y, 0, 0, 0, 0, 0);  // appended
  EXPECT_EQ(doc.Count(), 5);
  EXPECT_EQ(s.ObjSel[5], 0);
  EXPECT_EQ(s.ObjStart[5], 9);
  s.InsertPath(q.X, q.Y, 0, 0, 0, 99, 0);  // past the end: appended
  EXPECT_EQ(s.ObjStart[6], 10);
}

TEST_F(PathStoreTest, MovePathToTheFront) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 0}});
  Add(doc, {{2, 0}, {3, 0}});
  Add(doc, {{5, 5}, {6, 7}, {8, 5}}, 2);
  auto& s = StoreOf(doc);
  s.ObjSel[1] = kw::pathcore::kSelected;
  s.MovePath(3, 1);
  EXPECT_EQ(PointsOf(s, 1), (Points{{5, 5}, {6, 7}, {8, 5}}));
  EXPECT_EQ(s.ObjLayer[1], 2);
  EXPECT_EQ(s.ObjXmax[1], 8);
  EXPECT_EQ(s.ObjYmax[1], 7);
  EXPECT_EQ(s.ObjSel[1], kw::pathcore::kSelected);
  EXPECT_EQ(s.ObjSel[2], kw::pathcore::kSelected);
  EXPECT_EQ(PointsOf(s, 3), (Points{{2, 0}, {3, 0}}));
  s.MovePath(0, 2);
  s.MovePath(2, 4);
  EXPECT_EQ(PointsOf(s, 2), (Points{{0, 0}, {1, 0}}));
}

TEST_F(PathStoreTest, ReverseAndTransformsWorkOnTheObjectRange) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 0}});
  Add(doc, {{2, 1}, {4, 3}, {6, 1}});
  auto& s = StoreOf(doc);
  s.ReversePath(2);
  EXPECT_EQ(PointsOf(s, 2), (Points{{6, 1}, {4, 3}, {2, 1}}));
  EXPECT_EQ(s.ObjSx[2], 6);
  EXPECT_EQ(s.ObjEx[2], 2);
  s.ScaleObj(2, 2.0, -1.0, 2.0f, 1.0f);
  EXPECT_EQ(PointsOf(s, 2), (Points{{10, 1}, {6, -1}, {2, 1}}));
  s.TranslateObj(2, 1.0f, 1.0f);
  s.MirrorObjX(2, 4.0f);
  EXPECT_EQ(PointsOf(s, 2), (Points{{-3, 2}, {1, 0}, {5, 2}}));
  s.MirrorObjY(2, 1.0f);
  EXPECT_EQ(PointsOf(s, 2), (Points{{-3, 0}, {1, 2}, {5, 0}}));
  s.RotateObj(1, 0.0, 0.0, 90.0);
  EXPECT_NEAR(s.PointX[2], 0.0f, 1e-6);
  EXPECT_NEAR(s.PointY[2], 1.0f, 1e-6);
  EXPECT_EQ(PointsOf(s, 2).size(), 3u);  // the neighbour was not touched
}

TEST_F(PathStoreTest, HitTestsRejectByBoxThenTestSegments) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {10, 0}, {10, 10}});
  Add(doc, {{20, 20}});
  const auto& s = StoreOf(doc);
  EXPECT_TRUE(s.ObjHitByPoint(1, 5, 0.05, 0.1));
  EXPECT_FALSE(s.ObjHitByPoint(1, 5, 5, 0.1));  // inside the box, far from every segment
  EXPECT_FALSE(s.ObjHitByPoint(1, 30, 0, 0.1));
  EXPECT_FALSE(s.ObjHitByPoint(2, 20, 20, 1.0));  // one point has no segment
  EXPECT_TRUE(s.ObjHitByRect(1, 9, 4, 11, 6));
  EXPECT_FALSE(s.ObjHitByRect(1, 2, 2, 8, 8));
  EXPECT_FALSE(s.ObjHitByRect(1, 9, 4, 9, 6));  // zero width hits nothing
}

TEST_F(PathStoreTest, KeysAreReusedLowestFirst) {
  kw::pathcore::CPathObj doc;
  auto& s = StoreOf(doc);
  EXPECT_EQ(s.AllocKey(), 1);
  EXPECT_EQ(s.AllocKey(), 2);
  EXPECT_EQ(s.AllocKey(), 3);
  s.FreeKey(2);
  EXPECT_EQ(s.KeyN, 3);
  EXPECT_EQ(s.AllocKey(), 2);
  s.FreeKey(3);
  s.FreeKey(2);
  EXPECT_EQ(s.KeyN, 1);
  s.FreeKey(1);
  EXPECT_EQ(s.KeyN, 0);
  s.FreeKey(7);  // unknown keys are ignored
  EXPECT_EQ(s.AllocKey(), 1);
}

TEST_F(PathStoreTest, BoundsKeepTheirValuesWhenThereIsNothingToMeasure) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{1, 2}, {3, 4}});
  Add(doc, {{-1, 0}, {0, 9}});
  doc.ZL();
  auto& s = StoreOf(doc);
  s.ObjSel[2] = kw::pathcore::kCurrent;
  doc.ZLSelLmt();
  EXPECT_EQ(doc.SelCount(), 1);
  EXPECT_EQ(doc.SelXMin(), -1);
  EXPECT_EQ(doc.SelYMax(), 9);
  s.ObjSel[2] = 0;
  doc.ZLSelLmt();
  EXPECT_EQ(doc.SelCount(), 0);
  EXPECT_EQ(doc.SelXMin(), -1);
  s.RemovePath(2);
  s.RemovePath(1);
  doc.ZL();
  EXPECT_EQ(doc.Xmin(), -1);
  EXPECT_EQ(doc.Ymax(), 9);
}

// Random primitive operations against a plain list of paths: the block moves
// must keep every run of points, every attribute and every invariant.
TEST_F(PathStoreTest, RandomOperationsMatchASimpleModel) {
  struct ModelPath {
    Points pts;
    int16_t layer;
    int32_t sel;
  };
  std::mt19937 rng(1234);
  kw::pathcore::CPathObj doc;
  auto& s = StoreOf(doc);
  std::vector<ModelPath> model;
  auto random_path = [&] {
    Points pts(1 + rng() % 7);
    for (auto& p : pts) p = {static_cast<float>(rng() % 100), static_cast<float>(rng() % 100)};
    return pts;
  };
  auto to_arrays = [](const Points& pts, std::vector<float>& X, std::vector<float>& Y) {
    X.assign(1, 0.0f);
    Y.assign(1, 0.0f);
    for (const auto& [x, y] : pts) X.push_back(x), Y.push_back(y);
  };
  std::vector<float> X, Y;
  for (int step = 0; step < 3000; ++step) {
    const int32_t n = static_cast<int32_t>(model.size());
    const int op = static_cast<int>(rng() % 5);
    if (op <= 1 || n == 0) {
      const auto pts = random_path();
      to_arrays(pts, X, Y);
      const int16_t layer = static_cast<int16_t>(rng() % 4);
      s.AddPath(X, Y, layer);
      model.push_back({pts, layer, 0});
    } else if (op == 2) {
      const int32_t k = 1 + static_cast<int32_t>(rng() % n);
      s.RemovePath(k);
      model.erase(model.begin() + (k - 1));
    } else if (op == 3) {
      const int32_t before = 1 + static_cast<int32_t>(rng() % n);
      const auto pts = random_path();
      to_arrays(pts, X, Y);
      s.InsertPath(X, Y, 0, 0, 1, before, 0);
      s.RefreshObj(before);
      model.insert(model.begin() + (before - 1), {pts, 1, model[before - 1].sel});
    } else {
      const int32_t from = 1 + static_cast<int32_t>(rng() % n), to = 1 + static_cast<int32_t>(rng() % n);
      s.ObjSel[from] = model[from - 1].sel = static_cast<int32_t>(rng() % 3);
      s.MovePath(from, to);
      auto moved = model[from - 1];
      model.erase(model.begin() + (from - 1));
      moved.sel = (to <= static_cast<int32_t>(model.size())) ? model[to - 1].sel : 0;
      model.insert(model.begin() + (to - 1), moved);
    }
    ASSERT_EQ(s.ObjN, static_cast<int32_t>(model.size()));
  }
  int32_t expected_start = 1;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    const auto& m = model[k - 1];
    ASSERT_EQ(s.ObjStart[k], expected_start);
    ASSERT_EQ(PointsOf(s, k), m.pts);
    ASSERT_EQ(s.ObjLayer[k], m.layer);
    ASSERT_EQ(s.ObjSel[k], m.sel);
    ASSERT_EQ(s.ObjSx[k], m.pts.front().first);
    ASSERT_EQ(s.ObjEy[k], m.pts.back().second);
    expected_start += static_cast<int32_t>(m.pts.size());
  }
  EXPECT_EQ(s.PointN, expected_start - 1);
  EXPECT_EQ(s.PointCap % 1000, 0);
  EXPECT_GE(s.PointCap, s.PointN);
}

}  // namespace
