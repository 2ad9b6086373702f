#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {
namespace {

// The request first moves objects on layers beyond the table to layer 0.
int16_t RequestLayer(int16_t layer, int16_t LayerCount) { return layer < 0 || layer > LayerCount ? 0 : layer; }

int16_t At(const std::vector<int16_t>& v, int32_t i) {
  return i >= 0 && i < static_cast<int32_t>(v.size()) ? v[static_cast<size_t>(i)] : -1;
}

}  // namespace

int32_t CPathObj::WorkPathCount(int16_t LayerCount, const std::vector<int16_t>& LayerSort,
                                const std::vector<int16_t>& LayerType, bool SelectedOnly) const {
  const int16_t count = LayerCount < 0 ? 0 : LayerCount;
  std::vector<int32_t> all(static_cast<size_t>(count) + 1, 0), output(all.size(), 0);
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    const auto L = static_cast<size_t>(RequestLayer(S.ObjLayer[k], count));
    ++all[L];
    if (!SelectedOnly || S.ObjSel[k] != 0) ++output[L];
  }
  int32_t paths = 0;
  bool leadStroke = false;
  for (int16_t p = 0; p <= LayerCount; ++p) {
    const int16_t L = At(LayerSort, p);
    if (L < 0 || L > count || all[static_cast<size_t>(L)] == 0 || At(LayerType, L) != 0) continue;
    // The lead stroke goes with the first used tool layer, even when none of its objects is selected.
    leadStroke |= p >= 1;
    paths += output[static_cast<size_t>(L)];
  }
  return paths + (leadStroke ? 1 : 0);
}

}  // namespace kw::pathcore
