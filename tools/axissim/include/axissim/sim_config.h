// What the simulated controller is built with.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kw::axissim {

struct SimConfig {
  // Limit switches, in pulses from where each axis stood at power-up.
  int32_t x_limit = 20000;   // X at its positive end
  int32_t y_limit = -20000;  // Y at its negative end
  int32_t z_limit = 4000;    // Z (controller axis 4) at its positive end
  size_t batch_capacity = 256;  // records or segments the controller buffer holds
  double speedup = 1.0;         // simulated seconds per real second
  uint16_t version = 0x0210;    // answered to GetSysVerDev
};

}  // namespace kw::axissim
