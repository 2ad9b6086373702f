// Comparing two documents by everything an operation can observe: counts,
// capacity, the used points and every per-object array. Unused point capacity
// holds leftovers that differ between equivalent ways of editing.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "document/path_store.h"

namespace kw::test {

inline void ExpectSameDocument(const kw::pathcore::PathStore& a, const kw::pathcore::PathStore& b) {
  ASSERT_EQ(a.ObjN, b.ObjN);
  ASSERT_EQ(a.PointN, b.PointN);
  ASSERT_EQ(a.PointCap, b.PointCap);
  EXPECT_TRUE(std::equal(a.PointX.begin(), a.PointX.begin() + a.PointN + 1, b.PointX.begin()));
  EXPECT_TRUE(std::equal(a.PointY.begin(), a.PointY.begin() + a.PointN + 1, b.PointY.begin()));
  int differing = 0;
  const auto same = [&](const auto& x, const auto& y) {
    differing += !std::equal(x.begin() + 1, x.end(), y.begin() + 1, y.end());
  };
  same(a.ObjStart, b.ObjStart), same(a.ObjSel, b.ObjSel), same(a.ObjType, b.ObjType), same(a.ObjKey, b.ObjKey);
  same(a.ObjLayer, b.ObjLayer), same(a.ObjXmax, b.ObjXmax), same(a.ObjYmax, b.ObjYmax), same(a.ObjXmin, b.ObjXmin);
  same(a.ObjYmin, b.ObjYmin), same(a.ObjXc, b.ObjXc), same(a.ObjYc, b.ObjYc), same(a.ObjSx, b.ObjSx);
  same(a.ObjSy, b.ObjSy), same(a.ObjEx, b.ObjEx), same(a.ObjEy, b.ObjEy);
  EXPECT_EQ(differing, 0);
}

}  // namespace kw::test
