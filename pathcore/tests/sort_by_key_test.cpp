#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "geometry/sort_by_key.h"

namespace {

std::vector<int32_t> Iota(size_t size) {
  std::vector<int32_t> v(size);
  std::iota(v.begin(), v.end(), 0);
  return v;
}

TEST(SortByKey, SortsTheRangeAndCarriesTheCompanionAlong) {
  std::mt19937 generator(7);
  std::vector<int32_t> key(500);
  for (auto& k : key) k = static_cast<int32_t>(generator() % 50) - 25;
  const std::vector<int32_t> original = key;
  std::vector<int32_t> companion = Iota(key.size());

  kw::pathcore::SortByKey(key, companion, 10, 489);
  EXPECT_TRUE(std::is_sorted(key.begin() + 10, key.begin() + 490));
  for (size_t i = 0; i < key.size(); ++i) EXPECT_EQ(key[i], original[companion[i]]);
  for (size_t i : {0, 9, 490, 499}) EXPECT_EQ(companion[i], static_cast<int32_t>(i));

  kw::pathcore::SortByKey(key, companion, -4, 100000);  // clipped to the vectors
  EXPECT_TRUE(std::is_sorted(key.begin(), key.end()));
}

TEST(SortByKey, MillionSortedOrEqualKeysNeitherOverflowTheStackNorCrawl) {
  constexpr size_t kSize = 1'000'000;
  std::vector<int32_t> sorted = Iota(kSize);
  std::vector<int32_t> companion = Iota(kSize);
  kw::pathcore::SortByKey(sorted, companion, 0, kSize - 1);
  EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));

  std::vector<int32_t> equal(kSize, 4);
  kw::pathcore::SortByKey(equal, companion, 0, kSize - 1);
  EXPECT_EQ(std::count(equal.begin(), equal.end(), 4), static_cast<std::ptrdiff_t>(kSize));
}

}  // namespace
