// Hosts read every value a reader hands them; the fuzz sinks do the same, so
// that a reader handing out memory it does not own is caught reading it.
#pragma once

namespace kw::fuzz {

// Keeps the sum of what it is given where the optimiser cannot drop it.
void Keep(double value);

template <typename Range>
void KeepAll(const Range& values) {
  double sum = 0;
  for (const auto& v : values) sum += static_cast<double>(v);
  Keep(sum);
}

}  // namespace kw::fuzz
