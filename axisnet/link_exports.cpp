// The link family of exports: port, connection, time-out and resend settings,
// the counters and the controller's own address.
#include "axisproto/command_codes.h"
#include "axisnet/axisnet.h"
#include "export_guard.h"

using namespace kw::axisnet;

namespace {
constexpr int32_t kHighestPort = 65535;
}  // namespace

extern "C" {

int32_t OpenPort(const char* address, int32_t port) {
  return Guarded(-1, [&] {
    if (BatchRunning()) return -1;
    if (port < 0 || port > kHighestPort) return -1;  // rather than opening the port it wraps round to
    return State().link.Open(address, static_cast<uint16_t>(port)) ? 0 : -1;
  });
}

void ClosePort(void) {
  GuardedVoid([] {
    if (!BatchRunning()) State().link.Close();
  });
}

int32_t LinkConnect(void) {
  return Guarded(-1, [] {
    if (BatchRunning()) return -1;
    const uint8_t one = 1;
    const int32_t result = SendCommand(command::kConnect, std::span(&one, 1));
    if (result == 0) State().link.link_status = 1;
    return result;
  });
}

int32_t LinkDisConnect(void) {
  return Guarded(-1, [] {
    if (BatchRunning()) return -1;
    const int32_t result = SendCommand(command::kDisconnect);
    State().link.link_status = 0;
    return result;
  });
}

int16_t GetLinkStatus(void) { return State().link.link_status; }
int32_t GetTimeOut(void) { return static_cast<int32_t>(State().link.reply_timeout_ms.load()); }
void SetTimeOut(uint32_t milliseconds) { State().link.reply_timeout_ms = milliseconds; }
int16_t GetReSend(void) { return static_cast<int16_t>(State().link.resend_limit.load()); }
void SetReSend(int16_t count) { State().link.resend_limit = static_cast<uint16_t>(count); }
int32_t GetErrPack(void) { return State().link.error_packets; }
void SetErrPack(int32_t value) { State().link.error_packets = value; }
int32_t GetTimePack(void) { return State().link.time_packets; }
void SetTimePack(int32_t value) { State().link.time_packets = value; }

int32_t Set_IPAddress(const uint8_t* octets) {
  return Guarded(-1, [&] {
    if (octets == nullptr) return -1;
    return SendCommand(command::kSetAddress, std::span(octets, 4));
  });
}

void AxisnetSetTraceSink(AxisnetTraceSink sink, void* context) { SetTraceSink(sink, context); }

}  // extern "C"
