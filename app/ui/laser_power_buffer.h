// The main window's command buffer of laser powers: one 8-byte command record
// per cut layer, holding the layer's lower and upper power in the
// controller's units (1024 = full power).
#pragma once

#include <cstdint>
#include <vector>

#include "machine/cut_layer.h"

namespace kw {

// Percent of full power in the controller's units, rounded (halves to even).
int16_t LaserPowerValue(float percent);

class LaserPowerBuffer {
 public:
  static constexpr int32_t kRecordSize = 8;

  // Writes every layer's pair into its record (layer i at offset 8 × i): the
  // lower power first, the upper one second. The command bytes stay as they are.
  void Write(const CCutLayer& layers);
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace kw
