// A connected IPv4 UDP socket to the controller, with the waits the link needs.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kw::axisnet {

class UdpSocket {
 public:
  UdpSocket() = default;
  ~UdpSocket() { Close(); }
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  enum class OpenResult { kOpened, kNoSocket, kNotConnected };
  // Closes any previous socket, then connects, waiting up to one second.
  OpenResult Open(const char* address, uint16_t port);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Waits up to one second for room, then sends the frame as one datagram;
  // true only when the whole frame went out.
  bool Send(std::span<const uint8_t> frame);
  // Waits up to timeout_ms for a datagram and appends it to out; false when none came.
  bool Receive(int timeout_ms, std::vector<uint8_t>& out);
  // Throws away datagrams that are already waiting (replies to earlier requests).
  void DiscardWaiting();

 private:
  int fd_ = -1;
};

}  // namespace kw::axisnet
