#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "doc_test_support.h"
#include "document/library_state.h"

namespace {

using kw::test::Add;
using kw::test::PointsOf;
using kw::test::StoreOf;
using Points = std::vector<std::pair<float, float>>;

struct Recorder : kw::pathcore::CPathObjEvents {
  std::vector<std::tuple<int32_t, int32_t, std::string>> jd;
  int finished = 0;
  void Jd(int32_t All, int32_t Dq, const std::string& MS) override { jd.emplace_back(All, Dq, MS); }
  void Finish() override { ++finished; }
};

class ProgressEditsTest : public kw::test::EditingTest {};

TEST_F(ProgressEditsTest, ExplodeReplacesAPathByItsSegmentsInPlace) {
  kw::pathcore::CPathObj doc;
  Recorder events;
  doc.SetEvents(&events);
  Add(doc, {{0, 0}, {1, 0}}, 4);
  Add(doc, {{0, 0}, {1, 0}, {1, 1}, {0, 2}}, 3);
  Add(doc, {{7, 7}});
  Add(doc, {{5, 5}, {6, 6}, {7, 5}});
  auto& s = StoreOf(doc);
  s.ObjSel[2] = 2, s.ObjSel[3] = 1;
  doc.DaSan();
  ASSERT_EQ(doc.Count(), 6);
  EXPECT_EQ(s.PointN, 12);
  EXPECT_EQ(PointsOf(s, 3), (Points{{1, 0}, {1, 1}}));
  EXPECT_EQ(PointsOf(s, 4), (Points{{1, 1}, {0, 2}}));
  EXPECT_EQ(PointsOf(s, 5), (Points{{7, 7}}));  // a single point has no segment: untouched
  EXPECT_EQ(PointsOf(s, 6), (Points{{5, 5}, {6, 6}, {7, 5}}));
  EXPECT_EQ((std::vector<int32_t>{s.ObjSel[2], s.ObjSel[3], s.ObjSel[4], s.ObjSel[5]}),
            (std::vector<int32_t>{2, 1, 1, 1}));
  EXPECT_EQ(s.ObjLayer[4], 3);
  EXPECT_EQ(s.ObjYmin[4], 1);
  EXPECT_EQ(s.ObjEx[4], 0);
  using Jd = std::tuple<int32_t, int32_t, std::string>;
  EXPECT_EQ(events.jd, (std::vector<Jd>{{4, 1, "Explode To Lines"}, {6, 2, "Explode To Lines"},
                                        {6, 5, "Explode To Lines"}, {6, 6, "Explode To Lines"}}));
  EXPECT_EQ(events.finished, 1);
}

TEST_F(ProgressEditsTest, ExplodeGrowsTheCapacityInThousands) {
  kw::pathcore::CPathObj doc;
  std::vector<float> X(1000), Y(1000);  // 999 points
  for (size_t i = 1; i < X.size(); ++i) X[i] = float(i);
  StoreOf(doc).AddPath(X, Y, 0);
  doc.SelAll();
  doc.DaSan();
  EXPECT_EQ(doc.Count(), 998);
  EXPECT_EQ(StoreOf(doc).PointN, 1996);
  EXPECT_EQ(StoreOf(doc).PointCap, 2000);
  EXPECT_EQ(PointsOf(StoreOf(doc), 998), (Points{{998, 0}, {999, 0}}));
}

TEST_F(ProgressEditsTest, JoinFollowsAChainAndReversesPartnersThatEndAtTheJoint) {
  kw::pathcore::CPathObj doc;
  Recorder events;
  doc.SetEvents(&events);
  Add(doc, {{0, 0}, {10, 0}}, 1);
  Add(doc, {{30, 0}, {20.05f, 0}}, 1);  // touches with its last point: reversed
  Add(doc, {{10.05f, 0}, {20, 0}}, 1);
  Add(doc, {{30, 0}, {40, 0}}, 2);  // other layer
  doc.SelAll();
  doc.Hb(0.1);
  auto& s = StoreOf(doc);
  ASSERT_EQ(doc.Count(), 2);
  EXPECT_EQ(PointsOf(s, 1), (Points{{0, 0}, {10, 0}, {20, 0}, {30, 0}}));
  EXPECT_EQ(s.ObjSel[1], 1);
  EXPECT_EQ(s.ObjXmax[1], 30);
  EXPECT_EQ(s.ObjLayer[2], 2);
  EXPECT_EQ(doc.Xmax(), 40);
  ASSERT_FALSE(events.jd.empty());
  EXPECT_EQ(events.jd.front(), std::make_tuple(100, 0, std::string("Merge")));
  EXPECT_EQ(events.finished, 1);
}

TEST_F(ProgressEditsTest, JoinNeedsTwoObjectsAndGapsStrictlyBelowTheTolerance) {
  kw::pathcore::CPathObj doc;
  Recorder events;
  doc.SetEvents(&events);
  Add(doc, {{0, 0}, {10, 0}});
  doc.SelAll();
  doc.Hb(1);
  EXPECT_TRUE(events.jd.empty());
  Add(doc, {{10.5f, 0}, {20, 0}});
  doc.SelAll();
  doc.Hb(0.5);
  EXPECT_EQ(doc.Count(), 2);
  doc.Hb(0.5001);
  EXPECT_EQ(doc.Count(), 1);
}

TEST_F(ProgressEditsTest, SmoothReplacesPathsInPlaceAndKeepsUnsmoothablePaths) {
  kw::pathcore::CPathObj doc;
  Recorder events;
  doc.SetEvents(&events);
  Add(doc, {{0, 0}, {1, 0}});
  std::vector<float> X{0}, Y{0};
  for (int i = 0; i <= 40; ++i) {
    X.push_back(10 * std::cos(i * 0.05f));
    Y.push_back(10 * std::sin(i * 0.05f));
  }
  StoreOf(doc).AddPath(X, Y, 3);
  Add(doc, {{4, 4}, {4, 4}, {4, 4}}, 2);  // no two distinct points: nothing to smooth
  Add(doc, {{8, 8}, {9, 9}});
  doc.SelAll();
  StoreOf(doc).ObjSel[4] = 0;
  doc.SmoothObj();
  const auto& s = StoreOf(doc);
  ASSERT_EQ(doc.Count(), 4);
  EXPECT_EQ(PointsOf(s, 3), (Points{{4, 4}, {4, 4}, {4, 4}}));
  EXPECT_EQ(PointsOf(s, 4), (Points{{8, 8}, {9, 9}}));
  EXPECT_EQ(s.ObjLayer[2], 3);
  EXPECT_EQ(s.ObjSel[3], 1);
  EXPECT_NEAR(s.ObjSx[2], 10, 1e-3);
  EXPECT_EQ(s.ObjStart[3] + 3, s.ObjStart[4]);
  EXPECT_EQ(s.LastPointOf(4), s.PointN);
  EXPECT_EQ(events.jd.size(), 5u);
  EXPECT_EQ(events.jd.back(), std::make_tuple(4, 4, std::string("Smooth")));
  EXPECT_EQ(events.finished, 1);
}

TEST_F(ProgressEditsTest, EditsAreSafeOnAnEmptyDocument) {
  kw::pathcore::CPathObj doc;
  Recorder events;
  doc.SetEvents(&events);
  doc.DelObj();
  doc.DaSan();
  doc.Hb(1);
  doc.BackFx();
  doc.SetFb();
  doc.AutoFb(1);
  doc.SmoothObj();
  doc.SetDkObj();
  doc.SetUnDkObj();
  doc.SetDrillObj();
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_EQ(events.finished, 2);  // DaSan and SmoothObj
}

}  // namespace
