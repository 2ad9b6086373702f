#include <gtest/gtest.h>

#include "axisproto/batch_record.h"
#include "axisproto/batch_segment.h"
#include "point_queue.h"
#include "record_double_buffer.h"
#include "trapezoid.h"
#include "support/byte_reader.h"

namespace kw::axisnet {
namespace {

BatchRecord Numbered(int32_t i) { return {i, -i, 0, 0, 1000}; }

TEST(BatchRecord, IsLittleEndianAndRoundTrips) {
  const std::vector<BatchRecord> records = {{1, -2, 3, 4, 0x01020304}};
  const auto data = EncodeRecords(records);
  ASSERT_EQ(data.size(), 1u + 20);
  EXPECT_EQ(data[0], 1);
  EXPECT_EQ(data[1], 1);                       // X low byte first
  EXPECT_EQ(data[5], 0xFE);                    // -2
  EXPECT_EQ(data[17], 0x04);                   // speed is the fifth value
  EXPECT_EQ(DecodeRecords(data), records);
  auto truncated = data;
  truncated.pop_back();
  EXPECT_THROW(DecodeRecords(truncated), kw::ReadPastEnd);
}

TEST(BatchSegment, IsBigEndianAndRoundTrips) {
  const std::vector<BatchSegment> segments = {{kSegmentLine, 1, -1, 0, 300, 7}};
  const auto data = EncodeSegments(segments);
  ASSERT_EQ(data.size(), 1u + 21);
  EXPECT_EQ(data[1], kSegmentLine);
  EXPECT_EQ(data[5], 1);  // X most significant byte first
  EXPECT_EQ(data[6], 0xFF);
  EXPECT_EQ(DecodeSegments(data), segments);
}

TEST(RecordDoubleBuffer, FillsUpTo41AndTakesMoreOnceTheWorkerHasTheBuffer) {
  RecordDoubleBuffer b;
  for (int i = 0; i < 41; ++i) ASSERT_TRUE(b.Add(Numbered(i)));
  EXPECT_FALSE(b.Add(Numbered(41)));
  EXPECT_TRUE(b.Pending().empty());
  ASSERT_TRUE(b.HandOverFill());
  EXPECT_EQ(b.Pending().size(), 41u);
  EXPECT_TRUE(b.Add(Numbered(41)));
  EXPECT_FALSE(b.HandOverFill());  // the previous buffer is still being sent

  b.Taken(30);
  ASSERT_EQ(b.Pending().size(), 11u);
  EXPECT_EQ(b.Pending().front(), Numbered(30));
  b.Taken(200);  // a controller claiming more than it got takes only what is pending
  EXPECT_TRUE(b.Pending().empty());
  EXPECT_TRUE(b.HoldsRecords());
  ASSERT_TRUE(b.HandOverFill());
  EXPECT_EQ(b.Pending().front(), Numbered(41));
  b.Clear();
  EXPECT_FALSE(b.HoldsRecords());
}

TEST(PointQueue, HoldsFiftyInOrderAcrossTheWrap) {
  PointQueue q;
  EXPECT_TRUE(q.Empty());
  EXPECT_FALSE(q.Take());
  int32_t next_in = 0, next_out = 0;
  for (int round = 0; round < 3; ++round) {
    while (q.Add({next_in, 0, 0, 0, 0})) ++next_in;
    EXPECT_TRUE(q.Full());
    for (int i = 0; i < 30; ++i) EXPECT_EQ(q.Take()->x, next_out++);
  }
  while (auto p = q.Take()) EXPECT_EQ(p->x, next_out++);
  EXPECT_EQ(next_in, next_out);
  EXPECT_TRUE(q.Empty());
  q.Add({});
  q.Clear();
  EXPECT_TRUE(q.Empty());
}

TEST(Trapezoid, SplitsAtTheDecelerationPoint) {
  Position3 at{0, 0, 0};
  std::vector<BatchSegment> out;
  // L = 5000; Dv = 10000²/100000 = 1000, Dw = 1000²/100000 = 10; J = 5000 - 990.
  ExpandTrapezoid({3000, 4000, 0, 10000, 9}, {1000, 50000}, at, out);
  ASSERT_EQ(out.size(), 5u);
  EXPECT_EQ(out[0], (BatchSegment{kSegmentSpeed, 0, 0, 0, 10000, 0}));
  EXPECT_EQ(out[1], (BatchSegment{kSegmentStartSpeed, 0, 0, 0, 1000, 0}));
  EXPECT_EQ(out[2], (BatchSegment{kSegmentLine, 3000 * 4010 / 5000, 4000 * 4010 / 5000, 0, 4010, 9}));
  EXPECT_EQ(out[3], (BatchSegment{kSegmentDecelerate, 0, 0, 0, 0, 0}));
  EXPECT_EQ(out[4], (BatchSegment{kSegmentLine, 3000, 4000, 0, 990, 9}));
  EXPECT_EQ(at.x, 3000);
  EXPECT_EQ(at.y, 4000);
}

TEST(Trapezoid, ShortMovesBrakeHalfwayAndStandstillAddsNothing) {
  Position3 at{100, 100, 0};
  std::vector<BatchSegment> out;
  ExpandTrapezoid({100, 100, 0, 5000, 0}, {1000, 50000}, at, out);
  EXPECT_TRUE(out.empty());
  ExpandTrapezoid({100, 0, 0, 100000, 0}, {1000, 50000}, at, out);  // Dv far beyond L / 2
  ASSERT_EQ(out.size(), 5u);
  EXPECT_EQ(out[2].speed_or_length, 50);
  EXPECT_EQ(out[2].y, 50);
  EXPECT_EQ(out[4].speed_or_length, 50);
  ExpandTrapezoid({0, 0, 0, 100000, 0}, {0, 0}, at, out);  // no acceleration set: no ramp
  EXPECT_EQ(out[7].speed_or_length, 100);
  ExpandTrapezoid({0, 1000, 0, 100, 0}, {20000, 50000}, at, out);  // slower than the start speed
  EXPECT_EQ(out[12].speed_or_length, 1000);
  EXPECT_EQ(out[14].speed_or_length, 0);
}

}  // namespace
}  // namespace kw::axisnet
