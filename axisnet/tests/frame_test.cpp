#include <gtest/gtest.h>

#include "axisproto/crc16_modbus.h"
#include "axisproto/frame.h"
#include "reply_parser.h"

namespace kw::axisnet {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(Crc16Modbus, MatchesTheStandardCheckValues) {
  const Bytes check = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(Crc16Modbus(check), 0x4B37);
  EXPECT_EQ(Crc16Modbus(Bytes{0x01}), 0x807E);
  EXPECT_EQ(Crc16Modbus(Bytes{}), 0xFFFF);
}

TEST(Frame, RequestsCarryTheCommandTwiceAndTheChecksumLowByteFirst) {
  EXPECT_EQ(BuildRequest(0x01, Bytes{0x01}), (Bytes{0x69, 0x01, 0x00, 0x01, 0x01, 0x01, 0x7E, 0x80}));
  EXPECT_EQ(BuildRequest(0x31, {}), (Bytes{0x69, 0x31, 0x00, 0x00, 0x31, 0xFF, 0xFF}));
  EXPECT_EQ(BuildReply(-2, 0x04, Bytes{0x01}), (Bytes{0x69, 0xFE, 0x04, 0x00, 0x01, 0x01, 0x7E, 0x80}));
}

TEST(Frame, ParseRequestAcceptsOnlyWholeCorrectFrames) {
  const Bytes frame = BuildRequest(0x10, Bytes{1, 2, 3});
  ASSERT_TRUE(ParseRequest(frame));
  EXPECT_EQ(ParseRequest(frame)->data, (Bytes{1, 2, 3}));
  for (size_t cut = 0; cut < frame.size(); ++cut)
    EXPECT_FALSE(ParseRequest(std::span(frame).first(cut))) << cut;
  Bytes bad_crc = frame;
  bad_crc.back() ^= 1;
  EXPECT_FALSE(ParseRequest(bad_crc));
  Bytes other_command = frame;
  other_command[7] = 0x11;
  EXPECT_FALSE(ParseRequest(other_command));
}

class ReplyParserTest : public ::testing::Test {
 protected:
  void Feed(const Bytes& bytes) {
    for (uint8_t b : bytes) parser_.Feed(b);
  }
  ReplyParser parser_;
};

TEST_F(ReplyParserTest, FindsAReplyAfterNoiseAndAcrossPieces) {
  const Bytes reply = BuildReply(0, 0x30, Bytes{9, 8, 7});
  Feed({0x00, 0x13});
  Feed(Bytes(reply.begin(), reply.begin() + 4));
  EXPECT_FALSE(parser_.Complete());
  Feed(Bytes(reply.begin() + 4, reply.end()));
  ASSERT_TRUE(parser_.Complete());
  EXPECT_EQ(parser_.Status(), 0);
  EXPECT_EQ(parser_.Command(), 0x30);
  EXPECT_EQ(parser_.Data(), (Bytes{9, 8, 7}));
  Feed(BuildReply(0, 0x31, {}));  // bytes after a complete reply are ignored
  EXPECT_EQ(parser_.Command(), 0x30);
}

TEST_F(ReplyParserTest, AnEmptyReplyNeedsFFFF) {
  Feed({0x69, 0x00, 0x02, 0x00, 0x00, 0xFF, 0xFE});
  EXPECT_FALSE(parser_.Complete());
  parser_.Reset();
  Feed({0x69, 0x00, 0x02, 0x00, 0x00, 0xFF, 0xFF});
  EXPECT_TRUE(parser_.Complete());
}

TEST_F(ReplyParserTest, AWrongChecksumNeverCompletesAndKeepsTheStatusSigned) {
  Bytes reply = BuildReply(-1, 0x31, Bytes{0, 1});
  Feed(reply);
  EXPECT_TRUE(parser_.Complete());
  EXPECT_EQ(parser_.Status(), -1);
  parser_.Reset();
  reply[reply.size() - 2] ^= 0xFF;
  Feed(reply);
  EXPECT_FALSE(parser_.Complete());
}

TEST_F(ReplyParserTest, ALengthBeyondAnyDatagramIsTakenForNoise) {
  Feed({0x69, 0x00, 0x30, 0xFF, 0xFF});  // 65535 bytes cannot follow in one datagram
  Feed(BuildReply(0, 0x30, Bytes{5}));
  ASSERT_TRUE(parser_.Complete());
  EXPECT_EQ(parser_.Data(), Bytes{5});
}

TEST_F(ReplyParserTest, AReplyLongerThanAnyReplyWeExpectIsHeldWhole) {
  const Bytes big(4000, 0xAB);
  Feed(BuildReply(0, 0x30, big));
  ASSERT_TRUE(parser_.Complete());
  EXPECT_EQ(parser_.Data(), big);
}

}  // namespace
}  // namespace kw::axisnet
