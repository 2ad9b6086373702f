#include "machine/layer_map.h"

#include <stdexcept>
#include <string>

#include "support/byte_reader.h"
#include "support/byte_writer.h"

namespace kw {
namespace {

constexpr int32_t kBlockVersion = 1;
constexpr size_t kBlockSize = 4 + kLayerSlots * 4 + kLayerSlots * 2;

// True for 0..kLayerCount; false above; an error below 0.
bool InMap(int16_t Index) {
  if (Index < 0) throw std::out_of_range("layer " + std::to_string(Index) + " does not exist");
  return Index <= kLayerCount;
}

}  // namespace

CLayerMap::CLayerMap() {
  for (int16_t i = 0; i <= kLayerCount; ++i) layerSort_[static_cast<size_t>(i)] = i;
}

void CLayerMap::GetType(std::vector<int16_t>& Dat) const {
  std::vector<int16_t> types;
  for (int32_t t : layerType_) {
    if (t < INT16_MIN || t > INT16_MAX) throw std::overflow_error("layer type " + std::to_string(t) + " is beyond 16 bits");
    types.push_back(static_cast<int16_t>(t));
  }
  Dat = std::move(types);
}

void CLayerMap::GetSort(std::vector<int16_t>& Dat) const { Dat.assign(layerSort_.begin(), layerSort_.end()); }

void CLayerMap::SortChange(int16_t A, int16_t B) {
  if (A < 0 || A > kLayerCount || B < 0 || B > kLayerCount) throw std::out_of_range("SortChange outside the layers");
  std::swap(layerSort_[static_cast<size_t>(A)], layerSort_[static_cast<size_t>(B)]);
}

int32_t CLayerMap::LayerType(int16_t Index) const {
  return InMap(Index) ? layerType_[static_cast<size_t>(Index)] : 0;
}

void CLayerMap::LayerType(int16_t Index, int32_t v) {
  if (InMap(Index)) layerType_[static_cast<size_t>(Index)] = v;
}

int16_t CLayerMap::LayerSort(int16_t Index) const {
  return InMap(Index) ? layerSort_[static_cast<size_t>(Index)] : int16_t{0};
}

void CLayerMap::LayerSort(int16_t Index, int16_t v) {
  if (InMap(Index)) layerSort_[static_cast<size_t>(Index)] = v;
}

bool CLayerMap::GetBin(std::vector<uint8_t>& Dat, int32_t& DatSize) const {
  ByteWriter out;
  out.I32(kBlockVersion);
  for (int32_t t : layerType_) out.I32(t);
  for (int16_t s : layerSort_) out.I16(s);
  Dat = out.Take();
  DatSize = static_cast<int32_t>(Dat.size());
  return false;
}

bool CLayerMap::SetBin(std::span<const uint8_t> Dat, int32_t /*DatSize*/) {
  if (Dat.size() < kBlockSize) return true;
  ByteReader in(Dat);
  if (in.I32() != kBlockVersion) return true;
  for (auto& t : layerType_) t = in.I32();
  for (auto& s : layerSort_) s = in.I16();
  return false;
}

}  // namespace kw
