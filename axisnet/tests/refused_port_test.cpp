// A controller port that answers "port unreachable": the reply wait must still
// last each time-out and resend as usual, but asleep, not spinning.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include "axisnet/axisnet.h"
#include "sim_fixture.h"

namespace kw::axisnet::testing {
namespace {

// A loopback port that was just free: nothing listens, so the kernel answers
// every datagram with ICMP port unreachable.
uint16_t ClosedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at);
  socklen_t size = sizeof at;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&at), &size);
  ::close(fd);
  return ntohs(at.sin_port);
}

double ThreadCpuSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

TEST(RefusedPort, TheReplyWaitSleepsThroughEveryTimeOutAndKeepsTheResends) {
  TraceCollector trace;
  ASSERT_EQ(OpenPort("127.0.0.1", ClosedLoopbackPort()), 0);
  constexpr uint32_t kTimeOutMs = 200;
  constexpr int16_t kResends = 2;
  SetTimeOut(kTimeOutMs);
  SetReSend(kResends);
  int32_t status = 77;
  const double before = ThreadCpuSeconds();
  EXPECT_EQ(GetMotionStatus(&status), -1);
  const double used = ThreadCpuSeconds() - before;
  ClosePort();
  EXPECT_EQ(status, 77);
  EXPECT_EQ(trace.Count("超时重发"), kResends);
  EXPECT_EQ(GetErrPack(), 0);
  // Three attempts wait 0.6 s in all; a spinning wait burns nearly all of it.
  const double waited = (kResends + 1) * kTimeOutMs / 1000.0;
  EXPECT_LT(used, waited / 4) << "CPU seconds spent in the wait";
}

}  // namespace
}  // namespace kw::axisnet::testing
