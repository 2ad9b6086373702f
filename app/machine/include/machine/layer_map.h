// The layer map: per layer 0..14 its type (0, 1 and 2 are the kinds the
// program acts on) and its processing rank for work-data generation.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "machine/layer_count.h"

namespace kw {

class CLayerMap {
 public:
  CLayerMap();

  // LayerType 0..14 as 16-bit values; std::overflow_error (Dat unchanged)
  // when one does not fit.
  void GetType(std::vector<int16_t>& Dat) const;
  void GetSort(std::vector<int16_t>& Dat) const;
  // Swaps the ranks of layers A and B; std::out_of_range outside 0..14.
  void SortChange(int16_t A, int16_t B);

  // Indexed properties: an index above 14 reads 0 and ignores a write; a
  // negative one throws std::out_of_range.
  int32_t LayerType(int16_t Index) const;
  void LayerType(int16_t Index, int32_t v);
  int16_t LayerSort(int16_t Index) const;
  void LayerSort(int16_t Index, int16_t v);

  // The 94-byte layer-map block of the project file. Returns False.
  bool GetBin(std::vector<uint8_t>& Dat, int32_t& DatSize) const;
  // True (map unchanged) when the version is not 1 or the block is shorter
  // than 94 bytes. DatSize is not used.
  bool SetBin(std::span<const uint8_t> Dat, int32_t DatSize);

 private:
  std::array<int32_t, kLayerSlots> layerType_{};
  std::array<int16_t, kLayerSlots> layerSort_{};
};

}  // namespace kw
