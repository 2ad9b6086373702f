#include "geometry/sort_by_key.h"

#include <algorithm>
#include <random>
#include <utility>

namespace kw::pathcore {

namespace {

struct Partition {
  int64_t lessEnd;      // last index holding a key below the pivot
  int64_t greaterBegin; // first index holding a key above the pivot
};

std::mt19937& PivotGenerator() {
  thread_local std::mt19937 generator{std::random_device{}()};
  return generator;
}

void SwapBoth(std::vector<int32_t>& key, std::vector<int32_t>& companion, int64_t i, int64_t j) {
  std::swap(key[i], key[j]);
  std::swap(companion[i], companion[j]);
}

// Three-way split about a random pivot, so runs of equal keys are finished in
// one pass instead of degrading to quadratic time.
Partition SplitAroundRandomPivot(std::vector<int32_t>& key, std::vector<int32_t>& companion,
                                 int64_t low, int64_t high) {
  std::uniform_int_distribution<int64_t> pick(low, high);
  const int32_t pivot = key[pick(PivotGenerator())];
  int64_t lt = low;
  int64_t i = low;
  int64_t gt = high;
  while (i <= gt) {
    if (key[i] < pivot) {
      SwapBoth(key, companion, lt++, i++);
    } else if (key[i] > pivot) {
      SwapBoth(key, companion, i, gt--);
    } else {
      ++i;
    }
  }
  return {lt - 1, gt + 1};
}

// Recursing only into the smaller side keeps the stack depth logarithmic even
// for sorted or constant input.
void QuickSort(std::vector<int32_t>& key, std::vector<int32_t>& companion, int64_t low, int64_t high) {
  while (low < high) {
    const Partition p = SplitAroundRandomPivot(key, companion, low, high);
    if (p.lessEnd - low < high - p.greaterBegin) {
      QuickSort(key, companion, low, p.lessEnd);
      low = p.greaterBegin;
    } else {
      QuickSort(key, companion, p.greaterBegin, high);
      high = p.lessEnd;
    }
  }
}

}  // namespace

void SortByKey(std::vector<int32_t>& key, std::vector<int32_t>& companion, int32_t low, int32_t high) {
  const int64_t last = static_cast<int64_t>(std::min(key.size(), companion.size())) - 1;
  QuickSort(key, companion, std::max<int64_t>(low, 0), std::min<int64_t>(high, last));
}

}  // namespace kw::pathcore
