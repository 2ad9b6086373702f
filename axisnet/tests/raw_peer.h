// A bare UDP socket on 127.0.0.1 that answers nothing: it shows exactly which
// datagrams the library sent.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kw::axisnet::testing {

class RawPeer {
 public:
  RawPeer() {
    fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&at), sizeof at);
    socklen_t size = sizeof at;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&at), &size);
    port_ = ntohs(at.sin_port);
  }
  ~RawPeer() { ::close(fd_); }
  RawPeer(const RawPeer&) = delete;
  RawPeer& operator=(const RawPeer&) = delete;

  uint16_t Port() const { return port_; }

  // Waits for one request and sends each reply back to where it came from.
  void AnswerNext(const std::vector<std::vector<uint8_t>>& replies) {
    std::vector<uint8_t> d(70000);
    sockaddr_in from{};
    socklen_t size = sizeof from;
    if (::recvfrom(fd_, d.data(), d.size(), 0, reinterpret_cast<sockaddr*>(&from), &size) < 0) return;
    for (const auto& r : replies) ::sendto(fd_, r.data(), r.size(), 0, reinterpret_cast<sockaddr*>(&from), size);
  }

  // Waits until a datagram from this peer lies unread in the socket that this
  // process connected to it (the library's); false when none is there within
  // the guard, or there is no such socket.
  bool AwaitUnreadReply(std::chrono::milliseconds guard = std::chrono::seconds(10)) const {
    const int sender = ConnectedSocket();
    if (sender < 0) return false;
    pollfd p{sender, POLLIN, 0};
    return ::poll(&p, 1, static_cast<int>(guard.count())) > 0 && (p.revents & POLLIN) != 0;
  }

  // Every datagram that arrives before the line has been quiet for quiet_ms.
  std::vector<std::vector<uint8_t>> Drain(int quiet_ms = 50) {
    std::vector<std::vector<uint8_t>> got;
    pollfd p{fd_, POLLIN, 0};
    while (::poll(&p, 1, quiet_ms) > 0) {
      std::vector<uint8_t> d(70000);
      const ssize_t n = ::recv(fd_, d.data(), d.size(), 0);
      if (n < 0) break;
      d.resize(static_cast<size_t>(n));
      got.push_back(std::move(d));
    }
    return got;
  }

 private:
  // The descriptor of this process's socket whose peer is this one, or -1.
  int ConnectedSocket() const {
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
      const int fd = std::stoi(entry.path().filename().string());
      sockaddr_in to{};
      socklen_t size = sizeof to;
      if (fd == fd_ || ::getpeername(fd, reinterpret_cast<sockaddr*>(&to), &size) != 0) continue;
      if (to.sin_family == AF_INET && to.sin_addr.s_addr == htonl(INADDR_LOOPBACK) && ntohs(to.sin_port) == port_) return fd;
    }
    return -1;
  }

  int fd_ = -1;
  uint16_t port_ = 0;
};

}  // namespace kw::axisnet::testing
