#include "link.h"

#include <chrono>

#include "axisproto/frame.h"
#include "trace.h"

namespace kw::axisnet {

bool Link::Open(const char* address, uint16_t port) {
  return socket_.Open(address, port) == UdpSocket::OpenResult::kOpened;
}

void Link::Close() {
  socket_.Close();
  link_status = 0;
}

Transaction Link::Transact(uint8_t command, std::span<const uint8_t> data) {
  Transaction t;
  if (!socket_.IsOpen()) return t;
  const std::vector<uint8_t> frame = BuildRequest(command, data);
  for (uint32_t attempt = 0;; ++attempt) {
    const Attempt outcome = TryOnce(frame, command);
    if (outcome == Attempt::kAnswered) {
      t.result = TransactResult::kOk;
      t.reply = parser_.Data();
      return t;
    }
    if (attempt + 1 > resend_limit) {
      t.result = outcome == Attempt::kRefused ? TransactResult::kRefused : TransactResult::kNoReply;
      return t;
    }
    if (outcome == Attempt::kRefused) {
      Trace("错误重发");
      ++error_packets;
    } else if (outcome == Attempt::kTimedOut) {
      Trace("超时重发");
    }
  }
}

Link::Attempt Link::TryOnce(std::span<const uint8_t> frame, uint8_t command) {
  // A reply still waiting belongs to an earlier request; taking it as the answer
  // to this one would, for a 0x42 frame, skip records.
  socket_.DiscardWaiting();
  parser_.Reset();
  ++sends;
  if (!socket_.Send(frame)) return Attempt::kSendFailed;
  WaitForReply();
  if (!parser_.Complete()) return Attempt::kTimedOut;
  if (parser_.Status() == 0 && parser_.Command() == command) return Attempt::kAnswered;
  return Attempt::kRefused;
}

// Waits on the socket instead of spinning; the reply time-out still bounds the wait.
void Link::WaitForReply() {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(reply_timeout_ms.load());
  std::vector<uint8_t> bytes;
  while (!parser_.Complete()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left < 0) return;
    bytes.clear();
    ++receives;
    if (!socket_.Receive(static_cast<int>(left), bytes)) continue;
    for (uint8_t b : bytes) parser_.Feed(b);
  }
}

}  // namespace kw::axisnet
