#include "link_guard.h"

#include <chrono>

namespace kw {

// A call that asks the controller and reports a failure by a non-zero result.
// Only a failure that took a whole reply time-out or more means silence: the
// library also refuses at once, for instance a single move while a batch is
// streaming, and that says nothing about the link.
template <typename Call>
auto LinkGuard::Asked(Call call) {
  using Result = decltype(call());
  if (lost_) return static_cast<Result>(-1);
  const auto started = std::chrono::steady_clock::now();
  const Result result = call();
  if (result != 0) {
    const auto waited = std::chrono::steady_clock::now() - started;
    if (waited >= std::chrono::milliseconds(library_.GetTimeOut())) lost_ = true;
  }
  return result;
}

// Calls that only touch the library's own state, or whose non-zero result is
// no failure (a full record buffer asks the caller to try again), pass through.
#define KW_PASS(result, name, params, args) \
  result LinkGuard::name params { return library_.name args; }
#define KW_ASK(result, name, params, args) \
  result LinkGuard::name params { return Asked([&] { return library_.name args; }); }

int LinkGuard::OpenPort(const char* address, int port) {
  lost_ = false;
  return library_.OpenPort(address, port);
}
KW_PASS(void, ClosePort, (), ())
KW_ASK(int, LinkConnect, (), ())
KW_ASK(int, LinkDisConnect, (), ())
KW_ASK(int, SetPosDev, (short axis, int position), (axis, position))
KW_ASK(int, Pmove, (short axis, int distance, int startSpeed, int acceleration, int speed),
       (axis, distance, startSpeed, acceleration, speed))
KW_ASK(short, BatchSetting, (int startSpeed, int acceleration, int third), (startSpeed, acceleration, third))
KW_ASK(int, GetMotionStatus, (int* status), (status))
KW_ASK(int, GetPosDev, (int* pos1, int* pos2, int* pos3, int* pos4), (pos1, pos2, pos3, pos4))
KW_ASK(int, GetSynData, (int* value), (value))
KW_ASK(int, GetSysVerDev, (short* version), (version))
KW_ASK(int, BatchEnd, (), ())
KW_ASK(int, Lmt_Disable, (int flag), (flag))
KW_ASK(int, dec_stop, (short axis), (axis))
KW_ASK(int, sudden_stop, (short axis), (axis))
KW_PASS(short, BatchCmdAdd, (int x, int y, int z, int speed, int aux), (x, y, z, speed, aux))
KW_PASS(short, BatchCmdClr, (), ())
KW_ASK(int, BatchBegin, (int x, int y, int z), (x, y, z))
KW_PASS(int, GetTimeOut, (), ())
KW_PASS(void, SetTimeOut, (unsigned int milliseconds), (milliseconds))
KW_PASS(short, GetReSend, (), ())
KW_PASS(void, SetReSend, (short count), (count))
KW_PASS(short, GetLinkStatus, (), ())
KW_PASS(int, GetErrPack, (), ())
KW_PASS(void, SetErrPack, (int value), (value))
KW_PASS(int, GetTimePack, (), ())
KW_PASS(void, SetTimePack, (int value), (value))
KW_PASS(short, GetBatchMode, (), ())
KW_PASS(short, GetLayoutMode, (), ())
KW_PASS(void, SetLayoutMode, (short mode), (mode))
KW_ASK(int, GetCapPos, (int channel, int* position), (channel, position))
KW_PASS(void, SetBufOk, (), ())
KW_ASK(int, SynAxisConfig, (int a, int b, int c, int d), (a, b, c, d))
KW_ASK(int, GetGpIn, (int* bits), (bits))
KW_ASK(int, GetGpOut, (int* bits), (bits))
KW_ASK(int, SetGpOut, (int output, int value), (output, value))
KW_ASK(int, SetLmtMode,
       (int b1, int b2, int b3, int b4, int b5, int b6, int b7, int b8, int b9, int b10, int b11, int b12, int b13,
        int b14, int b15, int b16),
       (b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15, b16))
KW_ASK(int, SetCapUnit, (int a, int b, int c, int d), (a, b, c, d))
KW_ASK(int, SetModRegA, (short value), (value))
KW_ASK(int, SetPCMarkB, (short value), (value))
KW_ASK(int, GetPCMarkB, (short* value), (value))
KW_ASK(int, GetJoyData, (uint8_t* key, short* value), (key, value))
KW_ASK(int, GetRecordInfo, (short* kind, int* v1, int* v2, int* v3, int* v4, int* v5), (kind, v1, v2, v3, v4, v5))
KW_ASK(int, RecordInfo, (int value), (value))
KW_ASK(int, Set_IPAddress, (const uint8_t* octets), (octets))

#undef KW_PASS
#undef KW_ASK

void LinkGuard::UseWindowTiming() {
  library_.SetTimeOut(kWindowReplyTimeoutMs);
  library_.SetReSend(kWindowResends);
}

}  // namespace kw
