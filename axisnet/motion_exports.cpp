// The motion family of exports: single-axis moves and stops, position
// counters, motion status and the limit inputs.
#include <initializer_list>

#include "axisproto/command_codes.h"
#include "axisnet/axisnet.h"
#include "axisproto/big_endian.h"
#include "export_guard.h"

using namespace kw::axisnet;

namespace {

constexpr int32_t kBatchStillFeeding = 7;  // axes 1, 2 and 3 moving
constexpr size_t kPositionsReply = 20;     // four positions and four bytes we ignore

int32_t AxisCommand(uint8_t command, int16_t axis, std::initializer_list<int32_t> values) {
  if (BatchRunning() || !ValidAxis(axis)) return -1;
  kw::ByteWriter w;
  w.U8(static_cast<uint8_t>(axis));
  for (int32_t v : values) PutBe32(w, v);
  return SendCommand(command, w.Data());
}

// While the library still holds data of a running record batch, the machine
// counts as moving: the caller must not end the batch yet.
bool BatchDataWaiting() {
  LibraryState& s = State();
  if (s.layout_mode == 0 || !BatchRunning()) return false;
  {
    std::lock_guard guard(s.queue_lock);
    if (!s.queue.Empty()) return true;
  }
  std::lock_guard guard(s.buffer_lock);
  return s.records.HoldsRecords() || s.buffer_done;
}

}  // namespace

extern "C" {

int32_t Pmove(int16_t axis, int32_t distance, int32_t start_speed, int32_t acceleration, int32_t speed) {
  return Guarded(-1, [&] { return AxisCommand(command::kMove, axis, {distance, start_speed, acceleration, speed}); });
}

int32_t dec_stop(int16_t axis) {
  return Guarded(-1, [&] { return AxisCommand(command::kDecelerateStop, axis, {}); });
}

int32_t sudden_stop(int16_t axis) {
  return Guarded(-1, [&] { return AxisCommand(command::kSuddenStop, axis, {}); });
}

int32_t SetPosDev(int16_t axis, int32_t position) {
  return Guarded(-1, [&] { return AxisCommand(command::kSetPosition, axis, {position}); });
}

int32_t GetPosDev(int32_t* pos1, int32_t* pos2, int32_t* pos3, int32_t* pos4) {
  return Guarded(-1, [&] {
    if (!pos1 || !pos2 || !pos3 || !pos4) return -1;
    const Transaction t = LockedTransact(command::kGetPositions, {});
    if (!t.OkWithLength(kPositionsReply)) return -1;
    kw::ByteReader r(t.reply);
    for (int32_t* out : {pos1, pos2, pos3, pos4}) *out = ReadBe32(r);
    return 0;
  });
}

int32_t GetMotionStatus(int32_t* status) {
  return Guarded(-1, [&] {
    if (status == nullptr) return -1;
    if (BatchDataWaiting()) {
      *status = kBatchStillFeeding;
      return 0;
    }
    const Transaction t = LockedTransact(command::kMotionStatus, {});
    if (!t.OkWithLength(2)) return -1;
    kw::ByteReader r(t.reply);
    *status = ReadBe16(r);
    return 0;
  });
}

int32_t GetSynData(int32_t* value) {
  return Guarded(-1, [&] {
    if (value == nullptr) return -1;
    const Transaction t = LockedTransact(command::kSynData, {});
    if (!t.OkWithLength(4)) return -1;
    kw::ByteReader r(t.reply);
    *value = ReadBe32(r);
    return 0;
  });
}

int32_t SynAxisConfig(int32_t a, int32_t b, int32_t c, int32_t d) {
  return Guarded(-1, [&] {
    if (BatchRunning()) return -1;
    kw::ByteWriter w;
    for (int32_t v : {a, b, c, d}) PutBe32(w, v);
    return SendCommand(command::kSynAxisConfig, w.Data());
  });
}

int32_t Lmt_Disable(int32_t flag) {
  return Guarded(-1, [&] {
    const auto byte = static_cast<uint8_t>(flag);
    return SendCommand(command::kLimitDisable, std::span(&byte, 1));
  });
}

int32_t SetLmtMode(int32_t b1, int32_t b2, int32_t b3, int32_t b4, int32_t b5, int32_t b6, int32_t b7,
                   int32_t b8, int32_t b9, int32_t b10, int32_t b11, int32_t b12, int32_t b13, int32_t b14,
                   int32_t b15, int32_t b16) {
  return Guarded(-1, [&] {
    kw::ByteWriter w;
    for (int32_t v : {b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15, b16})
      w.U8(static_cast<uint8_t>(v));
    return SendCommand(command::kSetLimitMode, w.Data());
  });
}

}  // extern "C"
