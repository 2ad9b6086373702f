#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "axisproto/batch_record.h"
#include "axisproto/big_endian.h"
#include "axissim/axis_move.h"
#include "axissim/command_handler.h"
#include "axissim/fault_injector.h"
#include "axissim/machine.h"
#include "axissim/tool_path.h"

namespace kw::axissim {
namespace {

TEST(AxisMove, RampsCruisesAndArrivesExactly) {
  const AxisMove move(0, 100, -10000, 1000, 100000, 5000);
  // Ramp 0.04 s over 120 pulses each way, cruise 9760 pulses at 5000/s.
  EXPECT_NEAR(move.EndTime(), 2 * 0.04 + 9760.0 / 5000, 1e-9);
  EXPECT_DOUBLE_EQ(move.PositionAt(0), 100);
  EXPECT_NEAR(move.PositionAt(0.04), 100 - 120, 1e-9);
  EXPECT_NEAR(move.PositionAt(move.EndTime() - 0.04), 100 - 10000 + 120, 1e-6);
  EXPECT_DOUBLE_EQ(move.PositionAt(move.EndTime() + 5), -9900);
}

TEST(AxisMove, ShortMovesPeakBelowTheSpeedAndZeroSpeedsStillArrive) {
  const AxisMove short_move(0, 0, 100, 0, 10000, 1000000);
  EXPECT_NEAR(short_move.PositionAt(short_move.EndTime() / 2), 50, 1e-6);
  const AxisMove no_speed(0, 0, 10, 0, 0, 0);
  EXPECT_GT(no_speed.EndTime(), 0);
  EXPECT_DOUBLE_EQ(no_speed.PositionAt(no_speed.EndTime()), 10);
}

TEST(Machine, BatchRecordsAreConsumedAlongThePathAtTheirSpeed) {
  SimConfig config;
  config.batch_capacity = 3;
  Machine m(config);
  const std::vector<axisnet::BatchRecord> records = {{1000, 0, 0, 0, 1000}, {1000, 1000, 0, 0, 1000},
                                                     {0, 1000, 0, 0, 1000}, {0, 0, 0, 0, 1000}};
  EXPECT_EQ(m.QueueRecords(records), 3u);
  EXPECT_EQ(m.MotionBits(), 7);
  m.AdvanceTo(1.5);
  EXPECT_EQ(m.Position(1), 1000);
  EXPECT_EQ(m.Position(2), 500);
  m.AdvanceTo(3.0);
  EXPECT_EQ(m.MotionBits(), 0);
  EXPECT_EQ(m.Position(1), 0);
  EXPECT_EQ(m.Position(2), 1000);
  // The start and the three corners, each at its own time; the look at 1.5 s adds nothing.
  const auto& samples = m.Path().Samples();
  ASSERT_EQ(samples.size(), 4u);
  for (size_t i = 0; i < samples.size(); ++i) EXPECT_DOUBLE_EQ(samples[i].time, double(i));
  EXPECT_DOUBLE_EQ(m.MotionSeconds(), 3.0);
}

// With the batch settings' start speed and acceleration every record is its
// own trapezoid: 100 -> 1100 pulses/s at 10000 pulses/s² ramps 0.1 s over 60
// pulses each way and cruises 880 pulses in 0.8 s, so each line of 1000
// pulses takes 1 s and every corner is a slow-down to the start speed.
TEST(Machine, EachBatchLineRampsUpAndDownWithTheBatchSettings) {
  Machine m{SimConfig{}};
  m.SetBatchRamp(100, 10000);
  const std::vector<axisnet::BatchRecord> records = {{1000, 0, 0, 0, 1100}, {1000, 1000, 0, 0, 1100}};
  EXPECT_EQ(m.QueueRecords(records), 2u);
  m.AdvanceTo(0.1);
  EXPECT_EQ(m.Position(1), 60);
  m.AdvanceTo(0.5);
  EXPECT_EQ(m.Position(1), 500);
  m.AdvanceTo(1.9);
  EXPECT_EQ(m.Position(1), 1000);
  EXPECT_EQ(m.Position(2), 1000 - 60);  // the last 0.1 s mirrors the first
  m.AdvanceTo(5);
  const auto& samples = m.Path().Samples();
  ASSERT_EQ(samples.size(), 3u);  // the start and the two line ends, at their own times
  EXPECT_NEAR(samples[1].time, 1.0, 1e-9);
  EXPECT_NEAR(samples[2].time, 2.0, 1e-9);
  EXPECT_NEAR(m.MotionSeconds(), 2.0, 1e-9);
}

// Three axes started together, X running into its limit switch: looked at once
// after everything is over or every few milliseconds, the record and the motion
// time are the same, with each event at its own time and the other axes where they were then.
TEST(Machine, RecordsEachEventAtItsOwnTimeHoweverOftenItIsLookedAt) {
  auto start = [](Machine& m) {
    m.Move(1, 30000, 1000, 0, 10000);  // would take 3 s, meets the switch at 20000 after 2 s
    m.Move(2, 4000, 1000, 0, 1000);    // 4 s
    m.Move(4, -2000, 1000, 0, 2000);   // 1 s
  };
  Machine once{SimConfig{}}, often{SimConfig{}};
  start(once);
  start(often);
  once.AdvanceTo(100);
  for (double t = 0; t <= 100; t += 0.003) often.AdvanceTo(t);
  often.AdvanceTo(100);

  const auto& samples = once.Path().Samples();
  ASSERT_EQ(samples.size(), 4u);  // the start, Z down, X at its switch, Y's end
  EXPECT_DOUBLE_EQ(samples[1].time, 1.0);
  EXPECT_DOUBLE_EQ(samples[1].x, 10000);
  EXPECT_DOUBLE_EQ(samples[1].y, 1000);
  EXPECT_DOUBLE_EQ(samples[1].z, -2000);
  EXPECT_NEAR(samples[2].time, 2.0, 1e-9);
  EXPECT_DOUBLE_EQ(samples[2].x, 20000);
  EXPECT_NEAR(samples[2].y, 2000, 1e-6);
  EXPECT_DOUBLE_EQ(samples[3].time, 4.0);
  EXPECT_DOUBLE_EQ(samples[3].y, 4000);
  EXPECT_NEAR(once.MotionSeconds(), 1 + 2 + 4, 1e-9);  // each move counted on its own, idle time not at all

  const auto& looked = often.Path().Samples();
  ASSERT_EQ(looked.size(), samples.size());
  for (size_t i = 0; i < samples.size(); ++i) {
    EXPECT_NEAR(looked[i].time, samples[i].time, 1e-9);
    EXPECT_NEAR(looked[i].x, samples[i].x, 1e-6);
    EXPECT_NEAR(looked[i].y, samples[i].y, 1e-6);
    EXPECT_DOUBLE_EQ(looked[i].z, samples[i].z);
  }
  EXPECT_NEAR(often.MotionSeconds(), once.MotionSeconds(), 1e-9);
}

TEST(Machine, AStopEndsTheMoveAndItsMotionTimeWhereItIs) {
  Machine m{SimConfig{}};
  m.Move(2, 5000, 1000, 0, 1000);
  m.AdvanceTo(1.5);
  m.Stop(2);
  m.AdvanceTo(10);
  EXPECT_EQ(m.Position(2), 1500);
  EXPECT_DOUBLE_EQ(m.MotionSeconds(), 1.5);
  EXPECT_DOUBLE_EQ(m.Path().Samples().back().time, 1.5);
}

TEST(ToolPath, WritesAListAndAnSvgSplitAtZChanges) {
  ToolPath path;
  path.Record({0, 0, 0, 10});
  path.Record({1, 0, 0, 10});  // standing still adds nothing
  path.Record({1, 100, 0, 10});
  path.Record({2, 100, 0, 0});
  path.Record({3, 100, 50, 0});
  std::ostringstream list, svg;
  path.WriteList(list);
  path.WriteSvg(svg);
  EXPECT_EQ(list.str(), "0 0 0 10\n1 100 0 10\n2 100 0 0\n3 100 50 0\n");
  const std::string picture = svg.str();
  EXPECT_NE(picture.find("<svg"), std::string::npos);
  size_t polylines = 0;
  for (size_t at = picture.find("<polyline"); at != std::string::npos; at = picture.find("<polyline", at + 1))
    ++polylines;
  EXPECT_EQ(polylines, 2u);
}

TEST(CommandHandler, AnExactRepeatOfTheLastRecordFrameIsAnsweredAgainNotTakenTwice) {
  SimConfig config;
  config.batch_capacity = 2;
  Machine m(config);
  ControllerState s;
  CommandHandler handler(m, s, config.version);
  const std::vector<axisnet::BatchRecord> three = {{1, 0, 0, 0, 10}, {2, 0, 0, 0, 10}, {3, 0, 0, 0, 10}};
  const axisnet::Request frame{0x42, axisnet::EncodeRecords(three)};
  EXPECT_EQ(handler.Handle(frame), std::vector<uint8_t>{2});
  EXPECT_EQ(handler.Handle(frame), std::vector<uint8_t>{2});
  EXPECT_EQ(s.records_taken.size(), 2u);
  EXPECT_EQ(s.repeats_recognised, 1u);

  // A frame the full buffer took nothing of is taken afresh once there is room.
  const axisnet::Request rest{0x42, axisnet::EncodeRecords(std::span(three).subspan(2))};
  EXPECT_EQ(handler.Handle(rest), std::vector<uint8_t>{0});
  m.AdvanceTo(100);
  EXPECT_EQ(handler.Handle(rest), std::vector<uint8_t>{1});
  EXPECT_EQ(s.records_taken.back().x, 3);
}

// The settings frame's first value is the start speed and its third the
// acceleration; the line that follows takes the trapezoid they make.
TEST(CommandHandler, TheBatchSettingsShapeTheLinesQueuedAfterThem) {
  SimConfig config;
  Machine m(config);
  ControllerState s;
  CommandHandler handler(m, s, config.version);
  ByteWriter settings;
  for (const int32_t v : {100, 100, 10000, 20000, 0}) axisnet::PutBe32(settings, v);
  EXPECT_TRUE(handler.Handle({0x41, settings.Take()}));
  const std::vector<axisnet::BatchRecord> line = {{1000, 0, 0, 0, 1100}};
  EXPECT_EQ(handler.Handle({0x42, axisnet::EncodeRecords(line)}), std::vector<uint8_t>{1});
  m.AdvanceTo(10);
  EXPECT_NEAR(m.MotionSeconds(), 1.0, 1e-9);
}

TEST(CommandHandler, MalformedAndUnknownRequestsGetNoAnswerData) {
  SimConfig config;
  Machine m(config);
  ControllerState s;
  CommandHandler handler(m, s, config.version);
  EXPECT_FALSE(handler.Handle({0x10, {1, 2}}));
  EXPECT_FALSE(handler.Handle({0x42, {5, 1, 2}}));
  EXPECT_FALSE(handler.Handle({0x7F, {}}));
  EXPECT_EQ(handler.Handle({0x30, {}})->size(), 20u);
}

}  // namespace
}  // namespace kw::axissim

TEST(FaultInjector, ASilentStretchLosesEveryRequestInsideItAndNoneAfter) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point t0 = Clock::now();
  kw::axissim::Faults faults;
  faults.silent_from = t0 + std::chrono::seconds(1);
  faults.silent_until = t0 + std::chrono::seconds(3);
  kw::axissim::FaultInjector injector;
  injector.Set(faults);
  EXPECT_FALSE(injector.Plan(t0).lose_request);
  EXPECT_TRUE(injector.Plan(t0 + std::chrono::seconds(1)).lose_request);
  EXPECT_TRUE(injector.Plan(t0 + std::chrono::milliseconds(2999)).silenced);
  EXPECT_FALSE(injector.Plan(t0 + std::chrono::seconds(3)).lose_request);
  EXPECT_EQ(injector.Counts().silenced, 2u);
  EXPECT_EQ(injector.Counts().lose_request, 0u);  // silence is counted on its own
}

TEST(FaultInjector, ACorruptedRequestIsNeitherCarriedOutNorAnsweredAndIsCounted) {
  kw::axissim::Faults faults;
  faults.corrupt_request = 1;
  faults.drop_reply = 1;  // would apply to a request that arrived whole
  kw::axissim::FaultInjector injector;
  injector.Set(faults);
  const kw::axissim::FaultPlan plan = injector.Plan();
  EXPECT_TRUE(plan.corrupt_request);
  EXPECT_FALSE(plan.drop_reply);
  EXPECT_EQ(injector.Counts().corrupt_request, 1u);
  injector.Set({});
  EXPECT_EQ(injector.Counts().corrupt_request, 0u);  // counts start again with new faults
}
