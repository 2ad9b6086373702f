#include "udp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "trace.h"

namespace kw::axisnet {
namespace {

constexpr int kConnectWaitMs = 1000;
constexpr int kSendWaitMs = 1000;
constexpr size_t kLargestDatagram = 65536;

// The events that came, error conditions included; 0 when the time ran out.
short Poll(int fd, short events, int timeout_ms) {
  pollfd p{fd, events, 0};
  int ready = 0;
  do {
    ready = ::poll(&p, 1, timeout_ms);
  } while (ready < 0 && errno == EINTR);
  return ready > 0 ? p.revents : 0;
}

bool WaitFor(int fd, short events, int timeout_ms) { return (Poll(fd, events, timeout_ms) & events) != 0; }

bool SetNonBlocking(int fd, bool on) {
  const int flags = ::fcntl(fd, F_GETFL, 0);
  if (flags < 0) return false;
  return ::fcntl(fd, F_SETFL, on ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK)) == 0;
}

bool ConnectWithin(int fd, const sockaddr_in& to) {
  if (!SetNonBlocking(fd, true)) return false;
  const int rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to);
  if (rc != 0 && errno != EINPROGRESS) return false;
  if (!WaitFor(fd, POLLOUT, kConnectWaitMs)) return false;
  return SetNonBlocking(fd, false);
}

}  // namespace

UdpSocket::OpenResult UdpSocket::Open(const char* address, uint16_t port) {
  Close();
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) {
    Trace("创建SOCKET失败！");
    return OpenResult::kNoSocket;
  }
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  if (address == nullptr || ::inet_pton(AF_INET, address, &to.sin_addr) != 1 || !ConnectWithin(fd_, to)) {
    Close();
    return OpenResult::kNotConnected;
  }
  return OpenResult::kOpened;
}

void UdpSocket::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool UdpSocket::Send(std::span<const uint8_t> frame) {
  if (fd_ < 0 || !WaitFor(fd_, POLLOUT, kSendWaitMs)) return false;
  const ssize_t sent = ::send(fd_, frame.data(), frame.size(), MSG_NOSIGNAL);
  return sent == static_cast<ssize_t>(frame.size());
}

bool UdpSocket::Receive(int timeout_ms, std::vector<uint8_t>& out) {
  // A port refused by the network shows as an error, not as input. The recv
  // below takes the error away; left in place, it would end every later wait
  // at once and the caller would spin until its time-out.
  if (fd_ < 0 || Poll(fd_, POLLIN, timeout_ms) == 0) return false;
  uint8_t buffer[kLargestDatagram];
  const ssize_t got = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
  if (got <= 0) return false;  // also the refused port: nothing to parse
  out.insert(out.end(), buffer, buffer + got);
  return true;
}

void UdpSocket::DiscardWaiting() {
  uint8_t buffer[kLargestDatagram];
  while (fd_ >= 0 && ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT) >= 0) {
  }
}

}  // namespace kw::axisnet
