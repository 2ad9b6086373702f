// The cut-layer table: per layer number the machining values (speed, closing
// overlap, start and stop values, laser power range, display colour, LineIn)
// and the output flag. Fifteen layers 0..14; Count is the highest index.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "machine/layer_count.h"

namespace kw {

class ByteReader;

// Display colour of layer i as a Windows RGB value (red in the low byte).
int32_t PaletteColor(int i);

class CCutLayer {
 public:
  CCutLayer();

  void GetSpeed(std::vector<float>& Dat) const;
  void GetProLong(std::vector<float>& Dat) const;
  void GetColor(std::vector<int32_t>& Dat) const;
  void GetEnabled(std::vector<bool>& Dat) const;
  int16_t GetCount() const { return static_cast<int16_t>(entries_.size() - 1); }
  void NewLayer();
  // Removes layer Index (1..Count); layer 0 stays.
  void DelLayer(int16_t Index);

  // Indexed properties; an index outside 0..Count throws std::out_of_range.
  float Speed(int16_t Index) const { return At(Index).Speed; }
  void Speed(int16_t Index, float v) { At(Index).Speed = v; }
  float ProLong(int16_t Index) const { return At(Index).ProLong; }
  void ProLong(int16_t Index, float v) { At(Index).ProLong = v; }
  float TStart(int16_t Index) const { return At(Index).TStart; }
  void TStart(int16_t Index, float v) { At(Index).TStart = v; }
  float TStop(int16_t Index) const { return At(Index).TStop; }
  void TStop(int16_t Index, float v) { At(Index).TStop = v; }
  float Laser(int16_t Index) const { return At(Index).Laser; }
  void Laser(int16_t Index, float v) { At(Index).Laser = v; }
  float Lasermin(int16_t Index) const { return At(Index).Lasermin; }
  void Lasermin(int16_t Index, float v) { At(Index).Lasermin = v; }
  int32_t Color(int16_t Index) const { return At(Index).Color; }
  void Color(int16_t Index, int32_t v) { At(Index).Color = v; }
  float LineIn(int16_t Index) const { return At(Index).LineIn; }
  void LineIn(int16_t Index, float v) { At(Index).LineIn = v; }
  bool Enabled(int16_t Index) const { return At(Index).Enabled; }
  void Enabled(int16_t Index, bool v) { At(Index).Enabled = v; }

  // The cut-layer block of the project file; DatSize is its length. Returns False.
  bool GetBin(std::vector<uint8_t>& Dat, int32_t& DatSize) const;
  // Loads a block; True (table unchanged) when its version is not 1 or it is
  // shorter than the 516 bytes of a fifteen-layer block. DatSize is not used.
  bool SetBin(std::span<const uint8_t> Dat, int32_t DatSize);

  std::string TypeName() const { return "CutLayer"; }

 private:
  struct Entry {
    float Speed = 100;    // layer speed, mm/s
    float ProLong = 0;    // mm, closing overlap
    float TStart = 0;
    float TStop = 0;
    float Laser = 50;     // percent of full power
    float Lasermin = 20;  // percent of full power
    int32_t Color = 0xFF0000;
    float LineIn = 0;
    bool Enabled = true;
  };
  // The fifteen layers at the fixed places of a block, after its count.
  static std::vector<Entry> ReadLayers(ByteReader& in, int16_t storedCount);
  const Entry& At(int16_t Index) const;
  Entry& At(int16_t Index);
  void SetDefaultColors();

  std::vector<Entry> entries_;  // layers 0..Count
};

}  // namespace kw
