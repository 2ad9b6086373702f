#include "laser_power_buffer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "machine/cmd_record.h"

namespace kw {

int16_t LaserPowerValue(float percent) {
  const double value = std::nearbyint(static_cast<double>(percent) / 100 * 1024);
  if (std::isnan(value)) return 0;
  // A value the record cannot hold is kept at its end rather than wrapped round.
  return static_cast<int16_t>(std::clamp(value, double(std::numeric_limits<int16_t>::min()),
                                         double(std::numeric_limits<int16_t>::max())));
}

void LaserPowerBuffer::Write(const CCutLayer& layers) {
  const int16_t count = static_cast<int16_t>(layers.GetCount() + 1);
  bytes_.resize(static_cast<size_t>(count) * kRecordSize);
  for (int16_t i = 0; i < count; ++i) {
    PatchCmdRecord(bytes_, i * kRecordSize, LaserPowerValue(layers.Laser(i)), LaserPowerValue(layers.Lasermin(i)));
  }
}

}  // namespace kw
