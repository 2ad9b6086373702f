#include "machine/cmd_record.h"

#include <stdexcept>
#include <string>

namespace kw {
namespace {

constexpr int32_t kRecordSize = 8;

// One half of the record: value at at+1, at+2 and the sum byte at at+3.
void PatchHalf(std::vector<uint8_t>& array, size_t at, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  array[at + 1] = static_cast<uint8_t>(bits >> 8);
  array[at + 2] = static_cast<uint8_t>(bits & 0xFF);
  array[at + 3] = static_cast<uint8_t>((array[at] + array[at + 1] + array[at + 2]) & 0xFF);
}

}  // namespace

void PatchCmdRecord(std::vector<uint8_t>& array, int32_t o, int16_t second, int16_t first) {
  if (o < 0 || static_cast<uint64_t>(o) + kRecordSize > array.size()) {
    throw std::out_of_range("command record at " + std::to_string(o) + " lies outside the buffer");
  }
  PatchHalf(array, static_cast<size_t>(o), first);
  PatchHalf(array, static_cast<size_t>(o) + 4, second);
}

}  // namespace kw
