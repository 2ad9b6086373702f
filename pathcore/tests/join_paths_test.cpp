#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "doc_test_support.h"
#include "document/join_paths.h"
#include "store_compare.h"

namespace {

using kw::test::ExpectSameDocument;
using kw::test::StoreOf;

class JoinPathsTest : public kw::test::TempAppPath {};

using Progress = std::vector<std::pair<int32_t, int32_t>>;

Progress Join(kw::pathcore::PathStore& s, double eqs, bool byGrid) {
  Progress seen;
  const auto record = [&](int32_t All, int32_t Dq) { seen.emplace_back(All, Dq); };
  if (byGrid) kw::pathcore::JoinPathsByGrid(s, eqs, record);
  else kw::pathcore::JoinPathsByScan(s, eqs, record);
  return seen;
}

// Short paths whose ends sit on a coarse lattice with a little jitter, in
// random order and direction, over two layers, partly selected, some not cut
// paths: chains, branches, reversals and joins across earlier heads all occur.
void FillRandom(kw::pathcore::CPathObj& doc, std::mt19937& random, int count) {
  auto& s = StoreOf(doc);
  std::uniform_int_distribution<int> lattice(0, 6), length(1, 3), layer(0, 1), pick(0, 9);
  std::uniform_real_distribution<float> jitter(-0.04f, 0.04f);
  for (int n = 0; n < count; ++n) {
    std::vector<float> X{0}, Y{0};
    const int points = length(random) + (pick(random) == 0 ? -1 : 0) + 1;
    for (int p = 0; p < points; ++p) {
      X.push_back(float(lattice(random)) + jitter(random));
      Y.push_back(float(lattice(random)) + jitter(random));
    }
    s.AddPath(X, Y, static_cast<int16_t>(layer(random)));
    s.ObjSel[s.ObjN] = pick(random) < 8 ? 1 + (pick(random) == 0) : 0;
    if (pick(random) == 0) s.ObjType[s.ObjN] = kw::pathcore::kDrillPath;
  }
}

TEST_F(JoinPathsTest, GridJoinMatchesTheScanOnRandomDocuments) {
  std::mt19937 random(4);
  int joins = 0;
  for (int trial = 0; trial < 300; ++trial) {
    kw::pathcore::CPathObj scanned, gridded;
    std::mt19937 copy = random;
    const int count = 2 + trial % 40;
    FillRandom(scanned, random, count);
    FillRandom(gridded, copy, count);
    const double eqs = std::vector<double>{0.05, 0.1, 0.3, 1.5}[trial % 4];
    const auto byScan = Join(StoreOf(scanned), eqs, false);
    const auto byGrid = Join(StoreOf(gridded), eqs, true);
    ASSERT_EQ(byScan, byGrid) << trial;
    ExpectSameDocument(StoreOf(scanned), StoreOf(gridded));
    if (HasFailure()) FAIL() << "trial " << trial;
    joins += count - gridded.Count();
  }
  EXPECT_GT(joins, 1000);
}

TEST_F(JoinPathsTest, GridJoinOfALongChainInBothOrders) {
  for (bool backwards : {false, true}) {
    kw::pathcore::CPathObj scanned, gridded;
    for (auto* doc : {&scanned, &gridded}) {
      for (int k = 0; k < 300; ++k) {
        const int i = backwards ? 299 - k : k;
        kw::test::Add(*doc, {{float(i), 0.5f * (i % 2)}, {float(i + 1), 0.5f * ((i + 1) % 2)}});
      }
      doc->SelAll();
    }
    EXPECT_EQ(Join(StoreOf(scanned), 0.01, false), Join(StoreOf(gridded), 0.01, true));
    ExpectSameDocument(StoreOf(scanned), StoreOf(gridded));
    EXPECT_EQ(gridded.Count(), 1);
  }
}

TEST_F(JoinPathsTest, NoToleranceJoinsNothing) {
  kw::pathcore::CPathObj doc;
  kw::test::Add(doc, {{0, 0}, {1, 0}});
  kw::test::Add(doc, {{1, 0}, {2, 0}});
  doc.SelAll();
  EXPECT_EQ(Join(StoreOf(doc), 0, true), (Progress{{2, 1}, {2, 2}}));
  EXPECT_EQ(doc.Count(), 2);
}

}  // namespace
