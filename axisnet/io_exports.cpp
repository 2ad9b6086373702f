// The input/output, capture, mark, record, status and version exports: each a
// single command passed through as the controller defines it.
#include <initializer_list>

#include "axisproto/command_codes.h"
#include "axisnet/axisnet.h"
#include "axisproto/big_endian.h"
#include "export_guard.h"

using namespace kw::axisnet;

namespace {

constexpr size_t kRecordInfoReply = 21;

int32_t SendBytes(uint8_t command, std::initializer_list<int32_t> values) {
  kw::ByteWriter w;
  for (int32_t v : values) w.U8(static_cast<uint8_t>(v));
  return SendCommand(command, w.Data());
}

int32_t SendWord(uint8_t command, int16_t value) {
  kw::ByteWriter w;
  PutBe16(w, static_cast<uint16_t>(value));
  return SendCommand(command, w.Data());
}

// A getter of one 16-bit reply word, zero-extended into the output.
template <typename Out>
int32_t GetWord(uint8_t command, Out* out) {
  if (out == nullptr) return -1;
  const Transaction t = LockedTransact(command, {});
  if (!t.OkWithLength(2)) return -1;
  kw::ByteReader r(t.reply);
  *out = static_cast<Out>(ReadBe16(r));
  return 0;
}

}  // namespace

extern "C" {

int32_t SetGpOut(int32_t output, int32_t value) {
  return Guarded(-1, [&] { return SendBytes(command::kSetOutput, {output, value}); });
}

int32_t GetGpOut(int32_t* bits) {
  return Guarded(-1, [&] { return GetWord(command::kGetOutputs, bits); });
}

int32_t GetGpIn(int32_t* bits) {
  return Guarded(-1, [&] { return GetWord(command::kGetInputs, bits); });
}

int32_t SynGPOUTConfig(int32_t value, int32_t b, int32_t c) {
  return Guarded(-1, [&] {
    kw::ByteWriter w;
    PutBe32(w, value);
    w.U8(static_cast<uint8_t>(b));
    w.U8(static_cast<uint8_t>(c));
    return SendCommand(command::kSynOutputConfig, w.Data());
  });
}

int32_t Start_IOConfig(int32_t a, int32_t b, int32_t c) {
  return Guarded(-1, [&] { return SendBytes(command::kStartIoConfig, {a, b, c}); });
}

int32_t SetCapUnit(int32_t a, int32_t b, int32_t c, int32_t d) {
  return Guarded(-1, [&] { return SendBytes(command::kSetCapture, {a, b, c, d}); });
}

int32_t GetCapPos(int32_t channel, int32_t* position) {
  return Guarded(-1, [&] {
    if (position == nullptr) return -1;
    const auto byte = static_cast<uint8_t>(channel);
    const Transaction t = LockedTransact(command::kGetCapture, std::span(&byte, 1));
    if (!t.OkWithLength(4)) return -1;
    kw::ByteReader r(t.reply);
    *position = ReadBe32(r);
    return 0;
  });
}

int32_t SetModRegA(int16_t value) {
  return Guarded(-1, [&] { return SendWord(command::kSetRegisterA, value); });
}

int32_t SetPCMarkB(int16_t value) {
  return Guarded(-1, [&] { return SendWord(command::kSetMarkB, value); });
}

int32_t GetPCMarkB(int16_t* value) {
  return Guarded(-1, [&] { return GetWord(command::kGetMarkB, value); });
}

int32_t RecordInfo(int32_t value) {
  return Guarded(-1, [&] { return SendBytes(command::kRecordInfo, {value}); });
}

int32_t GetRecordInfo(int16_t* kind, int32_t* v1, int32_t* v2, int32_t* v3, int32_t* v4, int32_t* v5) {
  return Guarded(-1, [&] {
    if (!kind || !v1 || !v2 || !v3 || !v4 || !v5) return -1;
    const Transaction t = LockedTransact(command::kGetRecordInfo, {});
    if (!t.OkWithLength(kRecordInfoReply)) return -1;
    kw::ByteReader r(t.reply);
    *kind = r.U8();
    for (int32_t* out : {v1, v2, v3, v4, v5}) *out = ReadBe32(r);
    return 0;
  });
}

int32_t GetSysVerDev(int16_t* version) {
  return Guarded(-1, [&] { return GetWord(command::kVersion, version); });
}

int32_t GetJoyData(uint8_t* key, int16_t* value) {
  return Guarded(-1, [&] {
    if (key == nullptr || value == nullptr) return -1;
    const Transaction t = LockedTransact(command::kJoystick, {});
    if (!t.OkWithLength(3)) return -1;
    kw::ByteReader r(t.reply);
    *key = r.U8();
    *value = static_cast<int16_t>(ReadBe16(r));
    return 0;
  });
}

}  // extern "C"
