// The request/reply transaction with the controller: one frame out, one reply
// back, resent on time-out or refusal up to the resend limit.
#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "reply_parser.h"
#include "udp_socket.h"

namespace kw::axisnet {

enum class TransactResult { kOk = 0, kRefused = 1, kNoReply = -1 };

struct Transaction {
  TransactResult result = TransactResult::kNoReply;
  std::vector<uint8_t> reply;  // the reply's data field, only on kOk

  bool Ok() const { return result == TransactResult::kOk; }
  // Success with a reply data field of exactly the expected size.
  bool OkWithLength(size_t expected) const { return Ok() && reply.size() == expected; }
};

class Link {
 public:
  // Both threads may call these; the caller holds the link lock around Transact.
  bool Open(const char* address, uint16_t port);
  void Close();
  Transaction Transact(uint8_t command, std::span<const uint8_t> data);

  std::atomic<uint32_t> reply_timeout_ms{800};
  std::atomic<uint16_t> resend_limit{16};
  std::atomic<int32_t> error_packets{0};  // refused replies that led to a resend
  std::atomic<int32_t> time_packets{0};   // stored for the caller only
  std::atomic<int16_t> link_status{0};    // 1 after a successful LinkConnect
  std::atomic<uint32_t> sends{0};
  std::atomic<uint32_t> receives{0};

 private:
  enum class Attempt { kAnswered, kRefused, kTimedOut, kSendFailed };
  Attempt TryOnce(std::span<const uint8_t> frame, uint8_t command);
  void WaitForReply();

  UdpSocket socket_;
  ReplyParser parser_;
};

}  // namespace kw::axisnet
