#include "axissim/simulator.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace kw::axissim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kIdlePollMs = 10;  // how quickly Stop is noticed
constexpr size_t kLargestDatagram = 65536;

int BindLoopback(uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("axissim: cannot create a socket");
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_port = htons(port);
  at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
    ::close(fd);
    throw std::runtime_error("axissim: cannot bind 127.0.0.1:" + std::to_string(port));
  }
  return fd;
}

uint16_t BoundPort(int fd) {
  sockaddr_in at{};
  socklen_t size = sizeof at;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&at), &size);
  return ntohs(at.sin_port);
}

}  // namespace

Simulator::Simulator(const SimConfig& config)
    : config_(config), machine_(config), handler_(machine_, state_, config.version) {}

Simulator::~Simulator() { Stop(); }

uint16_t Simulator::Start(uint16_t port) {
  Stop();
  fd_ = BindLoopback(port);
  port_ = BoundPort(fd_);
  started_ = Clock::now();
  stop_ = false;
  thread_ = std::thread(&Simulator::Serve, this);
  return port_;
}

void Simulator::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void Simulator::SetFaults(const Faults& faults) {
  std::lock_guard guard(lock_);
  faults_.Set(faults);
}

void Simulator::SetTraceFile(const std::string& path) {
  std::lock_guard guard(lock_);
  trace_.close();
  if (!path.empty()) trace_.open(path, std::ios::out | std::ios::trunc);
}

ControllerState Simulator::StateCopy() {
  return With([](Machine&, ControllerState& s) { return s; });
}

FaultCounts Simulator::FaultsInjected() {
  std::lock_guard guard(lock_);
  return faults_.Counts();
}

std::vector<axisnet::BatchRecord> Simulator::RecordsTaken() {
  return With([](Machine&, ControllerState& s) { return s.records_taken; });
}

void Simulator::WriteSvg(const std::string& path) {
  std::ofstream out(path);
  With([&](Machine& m, ControllerState&) { m.Path().WriteSvg(out); return 0; });
}

void Simulator::WriteList(const std::string& path) {
  std::ofstream out(path);
  With([&](Machine& m, ControllerState&) { m.Path().WriteList(out); return 0; });
}

double Simulator::SimNow() const {
  return std::chrono::duration<double>(Clock::now() - started_).count() * config_.speedup;
}

void Simulator::Serve() {
  while (!stop_) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, PollTimeoutMs()) > 0 && (p.revents & POLLIN) != 0) ReceiveOne();
    SendDueReplies();
  }
}

int Simulator::PollTimeoutMs() const {
  std::lock_guard guard(lock_);
  int timeout = kIdlePollMs;
  for (const DelayedReply& d : delayed_) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(d.due - Clock::now()).count();
    timeout = std::clamp(static_cast<int>(left), 0, timeout);
  }
  return timeout;
}

void Simulator::ReceiveOne() {
  std::vector<uint8_t> bytes(kLargestDatagram);
  sockaddr_in from{};
  socklen_t size = sizeof from;
  const ssize_t got = ::recvfrom(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&from), &size);
  if (got < 0) return;
  bytes.resize(static_cast<size_t>(got));
  Answer(std::move(bytes), from);
}

void Simulator::Answer(std::vector<uint8_t> request_bytes, const sockaddr_in& from) {
  std::lock_guard guard(lock_);
  machine_.AdvanceTo(SimNow());
  const FaultPlan plan = faults_.Plan();
  if (plan.corrupt_request && !request_bytes.empty()) request_bytes[request_bytes.size() / 2] ^= 0x5A;
  const auto request = axisnet::ParseRequest(request_bytes);
  if (!request || plan.lose_request) {
    TraceLine("in ", request_bytes, request ? " (lost)" : " (malformed, ignored)");
    return;
  }
  TraceLine("in ", request_bytes);
  std::vector<uint8_t> reply = ReplyFor(*request, plan);
  if (plan.drop_reply) return TraceLine("out", reply, " (dropped)");
  if (plan.corrupt_reply) reply.back() ^= 0x5A;
  if (plan.delay_reply) {
    delayed_.push_back({Clock::now() + faults_.Current().delay, reply, from});
    if (plan.duplicate_reply) delayed_.push_back(delayed_.back());
    return TraceLine("out", reply, " (delayed)");
  }
  SendOut(reply, from);
  if (plan.duplicate_reply) SendOut(reply, from);
}

std::vector<uint8_t> Simulator::ReplyFor(const axisnet::Request& request, const FaultPlan& plan) {
  if (plan.refuse) return axisnet::BuildReply(faults_.Current().refuse_status, request.command, {});
  if (plan.wrong_command) return axisnet::BuildReply(0, static_cast<uint8_t>(request.command ^ 0x80), {});
  std::optional<std::vector<uint8_t>> data = handler_.Handle(request);
  if (!data) return axisnet::BuildReply(-1, request.command, {});
  const auto forced = faults_.Current().reply_length.find(request.command);
  if (forced != faults_.Current().reply_length.end()) data->resize(static_cast<size_t>(forced->second));
  return axisnet::BuildReply(0, request.command, *data);
}

void Simulator::SendOut(const std::vector<uint8_t>& bytes, const sockaddr_in& to) {
  TraceLine("out", bytes);
  ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

void Simulator::SendDueReplies() {
  std::lock_guard guard(lock_);
  const auto now = Clock::now();
  auto due = std::stable_partition(delayed_.begin(), delayed_.end(), [&](const DelayedReply& d) { return d.due > now; });
  for (auto it = due; it != delayed_.end(); ++it) SendOut(it->bytes, it->to);
  delayed_.erase(due, delayed_.end());
}

void Simulator::TraceLine(const char* direction, const std::vector<uint8_t>& bytes, const char* note) {
  if (!trace_.is_open()) return;
  char hex[4];
  trace_ << SimNow() << ' ' << direction;
  for (uint8_t b : bytes) {
    std::snprintf(hex, sizeof hex, " %02X", b);
    trace_ << hex;
  }
  trace_ << note << '\n';
}

}  // namespace kw::axissim
