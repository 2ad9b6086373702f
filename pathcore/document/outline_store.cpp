#include "document/outline_store.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace kw::pathcore {
namespace {

int32_t LastOutlinePoint(const PathStore& s, int32_t j) { return j == s.DkN ? s.DkPointN : s.DkStart[j + 1] - 1; }

}  // namespace

void StoreOutline(PathStore& s, int32_t key, std::span<const float> X, std::span<const float> Y) {
  const size_t size = std::min(X.size(), Y.size());
  if (size < 2) return;  // an outline has at least one point
  const size_t n = size - 1;
  if (n > static_cast<size_t>(std::numeric_limits<int32_t>::max() - s.DkPointN)) {
    throw std::length_error("too many outline points");
  }
  ++s.DkN;
  s.DkStart.resize(static_cast<size_t>(s.DkN) + 1);
  s.DkKey.resize(static_cast<size_t>(s.DkN) + 1);
  s.DkStart[s.DkN] = s.DkPointN + 1;
  s.DkKey[s.DkN] = key;
  s.DkX.resize(static_cast<size_t>(s.DkPointN) + 1);
  s.DkY.resize(static_cast<size_t>(s.DkPointN) + 1);
  s.DkX.insert(s.DkX.end(), X.begin() + 1, X.begin() + 1 + static_cast<std::ptrdiff_t>(n));
  s.DkY.insert(s.DkY.end(), Y.begin() + 1, Y.begin() + 1 + static_cast<std::ptrdiff_t>(n));
  s.DkPointN += static_cast<int32_t>(n);
}

void RemoveKeyOutlines(PathStore& s, int32_t key) {
  // One pass moves every kept outline down over the removed ones.
  int32_t keptN = 0, keptPoints = 0;
  for (int32_t j = 1; j <= s.DkN; ++j) {
    if (s.DkKey[j] == key) continue;
    const int32_t first = s.DkStart[j], last = LastOutlinePoint(s, j);
    ++keptN;
    s.DkKey[keptN] = s.DkKey[j];
    s.DkStart[keptN] = keptPoints + 1;
    std::copy(s.DkX.begin() + first, s.DkX.begin() + last + 1, s.DkX.begin() + keptPoints + 1);
    std::copy(s.DkY.begin() + first, s.DkY.begin() + last + 1, s.DkY.begin() + keptPoints + 1);
    keptPoints += last - first + 1;
  }
  s.DkN = keptN;
  s.DkPointN = keptPoints;
  s.DkStart.resize(static_cast<size_t>(keptN) + 1);
  s.DkKey.resize(static_cast<size_t>(keptN) + 1);
  s.DkX.resize(static_cast<size_t>(keptPoints) + 1);
  s.DkY.resize(static_cast<size_t>(keptPoints) + 1);
  s.FreeKey(key);
}

}  // namespace kw::pathcore
