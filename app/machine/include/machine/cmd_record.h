// The 8-byte command record of the controller's command buffer: two commands,
// each a command byte, a 16-bit value (high byte first) and a sum byte.
#pragma once

#include <cstdint>
#include <vector>

namespace kw {

// Writes first at o+1..o+2 and second at o+5..o+6, each followed by the low
// byte of the sum of its command byte and value bytes; the command bytes at o
// and o+4 stay. A record that does not lie wholly inside the array throws
// std::out_of_range and changes nothing.
void PatchCmdRecord(std::vector<uint8_t>& array, int32_t o, int16_t second, int16_t first);

}  // namespace kw
