#include "document/imported_path.h"

#include <cmath>
#include <vector>

namespace kw::pathcore {

void AppendImportedPath(PathStore& s, std::span<const double> X, std::span<const double> Y, int16_t layerN) {
  const size_t n = std::min(X.size(), Y.size());
  // Kept between calls: a drawing of a million lines would otherwise allocate two million times.
  thread_local std::vector<float> x, y;
  x.assign(n + 1, 0.0f);
  y.assign(n + 1, 0.0f);
  for (size_t i = 0; i < n; ++i) {
    x[i + 1] = static_cast<float>(X[i]);
    y[i + 1] = static_cast<float>(Y[i]);
    if (!std::isfinite(x[i + 1]) || !std::isfinite(y[i + 1])) return;
  }
  s.AddPath(x, y, layerN);
}

}  // namespace kw::pathcore
