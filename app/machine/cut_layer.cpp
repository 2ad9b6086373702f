#include "machine/cut_layer.h"

#include <stdexcept>

#include "support/byte_reader.h"
#include "support/byte_writer.h"

namespace kw {
namespace {

constexpr int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

constexpr std::array<int32_t, kLayerCount + 1> kPalette = {
    Rgb(0, 0, 0),     Rgb(0, 0, 255),   Rgb(255, 0, 0),     Rgb(0, 255, 0),   Rgb(255, 0, 255),
    Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(128, 0, 128),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
    Rgb(0, 128, 128), Rgb(0, 0, 128),   Rgb(128, 128, 255), Rgb(128, 0, 0),   Rgb(128, 128, 128)};

constexpr int32_t kBlockVersion = 1;
// A block always carries fifteen layers where the reader looks for them.
constexpr size_t kFixedBlockSize = 6 + 34 * kLayerSlots;

void ReadRun(ByteReader& in, std::vector<float>& run) {
  run.resize(kLayerSlots);
  for (auto& v : run) v = in.F32();
}

}  // namespace

int32_t PaletteColor(int i) { return kPalette.at(static_cast<size_t>(i)); }

CCutLayer::CCutLayer() : entries_(kLayerSlots) { SetDefaultColors(); }

void CCutLayer::SetDefaultColors() {
  for (size_t i = 0; i < kLayerSlots && i < entries_.size(); ++i) entries_[i].Color = kPalette[i];
}

const CCutLayer::Entry& CCutLayer::At(int16_t Index) const {
  if (Index < 0 || Index > GetCount()) throw std::out_of_range("layer " + std::to_string(Index) + " does not exist");
  return entries_[static_cast<size_t>(Index)];
}

CCutLayer::Entry& CCutLayer::At(int16_t Index) {
  return const_cast<Entry&>(static_cast<const CCutLayer&>(*this).At(Index));
}

void CCutLayer::GetSpeed(std::vector<float>& Dat) const {
  Dat.clear();
  for (const auto& e : entries_) Dat.push_back(e.Speed);
}

void CCutLayer::GetProLong(std::vector<float>& Dat) const {
  Dat.clear();
  for (const auto& e : entries_) Dat.push_back(e.ProLong);
}

void CCutLayer::GetColor(std::vector<int32_t>& Dat) const {
  Dat.clear();
  for (const auto& e : entries_) Dat.push_back(e.Color);
}

void CCutLayer::GetEnabled(std::vector<bool>& Dat) const {
  Dat.clear();
  for (const auto& e : entries_) Dat.push_back(e.Enabled);
}

void CCutLayer::NewLayer() {
  if (GetCount() == INT16_MAX) throw std::overflow_error("the cut-layer table is full");
  entries_.emplace_back();
}

void CCutLayer::DelLayer(int16_t Index) {
  if (Index < 1 || Index > GetCount()) return;
  entries_.erase(entries_.begin() + Index);
}

bool CCutLayer::GetBin(std::vector<uint8_t>& Dat, int32_t& DatSize) const {
  ByteWriter out;
  out.I32(kBlockVersion);
  out.I16(GetCount());
  for (const auto& e : entries_) out.F32(e.Speed);
  for (const auto& e : entries_) out.F32(e.ProLong);
  for (const auto& e : entries_) out.F32(e.TStart);
  for (const auto& e : entries_) out.F32(e.TStop);
  for (const auto& e : entries_) out.F32(e.Laser);
  for (const auto& e : entries_) out.F32(e.Lasermin);
  for (const auto& e : entries_) out.I32(e.Color);
  for (const auto& e : entries_) out.F32(e.LineIn);
  for (const auto& e : entries_) out.Bool16(e.Enabled);
  Dat = out.Take();
  DatSize = static_cast<int32_t>(Dat.size());
  return false;
}

std::vector<CCutLayer::Entry> CCutLayer::ReadLayers(ByteReader& in, int16_t storedCount) {
  std::vector<float> speed, proLong, tStart, tStop, laser, laserMin, lineIn;
  ReadRun(in, speed);
  ReadRun(in, proLong);
  ReadRun(in, tStart);
  ReadRun(in, tStop);
  ReadRun(in, laser);
  ReadRun(in, laserMin);
  in.Skip(4 * kLayerSlots);  // colours: the palette decides them
  ReadRun(in, lineIn);
  std::vector<Entry> layers(kLayerSlots);
  for (size_t i = 0; i < kLayerSlots; ++i) {
    const bool enabled = in.Bool16();
    // Layers past the stored count keep the defaults of a new layer.
    if (static_cast<int>(i) <= storedCount)
      layers[i] = Entry{speed[i], proLong[i], tStart[i], tStop[i], laser[i], laserMin[i], 0, lineIn[i], enabled};
  }
  return layers;
}

bool CCutLayer::SetBin(std::span<const uint8_t> Dat, int32_t /*DatSize*/) {
  if (Dat.size() < kFixedBlockSize) return true;
  ByteReader in(Dat);
  if (in.I32() != kBlockVersion) return true;
  const int16_t storedCount = in.I16();
  entries_ = ReadLayers(in, storedCount);
  SetDefaultColors();
  return false;
}

}  // namespace kw
