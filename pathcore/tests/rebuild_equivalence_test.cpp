// DaSan, SetFb and SmoothObj rebuild the arrays in one pass; these tests hold
// them to the result of editing one path at a time with the primitive
// operations, capacity included.
#include <gtest/gtest.h>

#include <random>

#include "doc_test_support.h"
#include "geometry/smooth_polyline.h"
#include "store_compare.h"

namespace {

using kw::test::ExpectSameDocument;
using kw::test::StoreOf;
using kw::pathcore::PathStore;

class RebuildEquivalenceTest : public kw::test::TempAppPath {};

bool SelectedCut(const PathStore& s, int32_t k) { return s.ObjSel[k] > 0 && s.ObjType[k] == kw::pathcore::kCutPath; }

struct Extracted {
  std::vector<float> X, Y;
  uint8_t type = 0;
  int32_t key = 0;
  int16_t layer = 0;
  int32_t sel = 0;
};

Extracted TakeOut(PathStore& s, int32_t k) {
  Extracted e;
  s.ExtractPath(k, e.X, e.Y, e.type, e.key, e.layer);
  e.sel = s.ObjSel[k];
  s.RemovePath(k);
  return e;
}

void PutBack(PathStore& s, const std::vector<float>& X, const std::vector<float>& Y, const Extracted& e, int32_t at,
             int32_t sel) {
  s.InsertPath(X, Y, e.type, e.key, e.layer, at, 0);
  s.ObjSel[at] = sel;
  s.RefreshObj(at);
}

void ExplodeOneByOne(PathStore& s) {
  for (int32_t h = 1; h <= s.ObjN;) {
    const int32_t n = s.PointCountOf(h);
    if (!SelectedCut(s, h) || n <= 2) {
      ++h;
      continue;
    }
    const Extracted e = TakeOut(s, h);
    for (int32_t i = 1; i < n; ++i) {
      const std::vector<float> X{0, e.X[i], e.X[i + 1]}, Y{0, e.Y[i], e.Y[i + 1]};
      PutBack(s, X, Y, e, h + i - 1, i == 1 ? e.sel : 1);
    }
    h += n - 1;
  }
}

void CloseOneByOne(PathStore& s) {
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (!SelectedCut(s, k)) continue;
    if (!(std::fabs(s.ObjSx[k] - s.ObjEx[k]) > 0.001 || std::fabs(s.ObjSy[k] - s.ObjEy[k]) > 0.001)) continue;
    Extracted e = TakeOut(s, k);
    e.X.push_back(e.X[1]);
    e.Y.push_back(e.Y[1]);
    PutBack(s, e.X, e.Y, e, k, e.sel);
  }
}

void SmoothOneByOne(PathStore& s) {
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (!SelectedCut(s, k)) continue;
    const Extracted e = TakeOut(s, k);
    std::vector<float> X, Y;
    int32_t count = 0;
    kw::pathcore::SmoothPolyline(e.X, e.Y, static_cast<int32_t>(e.X.size()), 3, X, Y, count);
    if (count < 1) {
      PutBack(s, e.X, e.Y, e, k, e.sel);
    } else {
      X.resize(static_cast<size_t>(count) + 1), Y.resize(static_cast<size_t>(count) + 1);
      PutBack(s, X, Y, e, k, e.sel);
    }
  }
}

// Paths of 1 to 60 points, some closed, some degenerate, partly selected and
// partly of other kinds; enough points that the capacity steps are crossed.
void FillRandom(kw::pathcore::CPathObj& doc, std::mt19937& random) {
  std::uniform_int_distribution<int> length(1, 60), pick(0, 9);
  std::uniform_real_distribution<float> coordinate(-50, 50);
  for (int n = 0; n < 60; ++n) {
    std::vector<float> X{0}, Y{0};
    const int points = length(random);
    for (int p = 0; p < points; ++p) {
      X.push_back(pick(random) == 0 && p > 0 ? X.back() : coordinate(random));
      Y.push_back(coordinate(random));
    }
    if (pick(random) < 3) X.back() = X[1], Y.back() = Y[1];
    StoreOf(doc).AddPath(X, Y, static_cast<int16_t>(pick(random)));
    StoreOf(doc).ObjSel[doc.Count()] = pick(random) < 6 ? 1 + (pick(random) == 0) : 0;
    if (pick(random) == 0) StoreOf(doc).ObjType[doc.Count()] = kw::pathcore::kDrillPath;
  }
}

template <typename Rebuilt, typename OneByOne>
void ExpectSameAsOneByOne(Rebuilt rebuilt, OneByOne oneByOne) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 40; ++trial) {
    kw::pathcore::CPathObj a, b;
    std::mt19937 copy = random;
    FillRandom(a, random);
    FillRandom(b, copy);
    rebuilt(a);
    oneByOne(StoreOf(b));
    ExpectSameDocument(StoreOf(a), StoreOf(b));
    if (::testing::Test::HasFailure()) FAIL() << "trial " << trial;
  }
}

TEST_F(RebuildEquivalenceTest, ExplodeMatchesReplacingPathsOneByOne) {
  ExpectSameAsOneByOne([](kw::pathcore::CPathObj& doc) { doc.DaSan(); }, ExplodeOneByOne);
}

TEST_F(RebuildEquivalenceTest, CloseMatchesReinsertingPathsOneByOne) {
  ExpectSameAsOneByOne([](kw::pathcore::CPathObj& doc) { doc.SetFb(); }, CloseOneByOne);
}

TEST_F(RebuildEquivalenceTest, SmoothMatchesReinsertingPathsOneByOne) {
  ExpectSameAsOneByOne([](kw::pathcore::CPathObj& doc) { doc.SmoothObj(); }, SmoothOneByOne);
}

}  // namespace
