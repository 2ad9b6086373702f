// The machine panel's rules without widgets: pendant words and key codes, the
// jog distance, the texts of its boxes and labels, the laser power records
// and the link guard's idea of a lost controller.
#include <gtest/gtest.h>

#include <string_view>
#include <type_traits>
#include <vector>

#include "jog_distance.h"
#include "laser_power_buffer.h"
#include "link_guard.h"
#include "machine/cut_layer.h"
#include "panel_texts.h"
#include "pendant_keys.h"

namespace {

using kw::JogDistance;
using kw::JogMode;
using kw::JogRequest;
using kw::PendantState;

TEST(PendantKeys, EachSingleButtonWordHasItsCodeAndOthersNone) {
  const std::vector<std::pair<int16_t, int>> table = {
      {-1, -3},    {-257, -4}, {-129, -5}, {-513, -6}, {-65, -7},  {-17, -8},   {-33, -9},   {-2049, -10},
      {-5, -11},   {-9, -12},  {-1025, -13}, {-3, -14}, {-4097, -15}, {-2, -16}, {-8193, -17}};
  for (const auto& [word, code] : table) {
    EXPECT_EQ(kw::PendantKeyCode(word), code) << word;
    EXPECT_TRUE(kw::IsPendantKey(code));
  }
  EXPECT_EQ(kw::PendantKeyCode(0), std::nullopt);        // every button at once
  EXPECT_EQ(kw::PendantKeyCode(-257 & -129), std::nullopt);  // two buttons
  EXPECT_EQ(kw::PendantKeyCode(-16385), std::nullopt);   // bit 14: no button of ours
  EXPECT_FALSE(kw::IsPendantKey(-2));  // the view's wheel codes stay the view's
  EXPECT_FALSE(kw::IsPendantKey(-18));
  EXPECT_FALSE(kw::IsPendantKey(65));  // a letter key
}

TEST(PendantKeys, AHeldButtonSendsOnceAndLettingGoStops) {
  PendantState pendant;
  EXPECT_EQ(pendant.Last(), -1);
  EXPECT_EQ(pendant.Read(0, 0, -1), std::nullopt);  // nothing pressed since the start
  EXPECT_EQ(pendant.Read(0, 0, -257), kw::kPendantXMinus);
  EXPECT_EQ(pendant.Read(0, 0, -257), std::nullopt);  // still held
  EXPECT_EQ(pendant.Read(0, 0, -1), kw::kPendantStopXY);
  EXPECT_EQ(pendant.Last(), -1);
  // A word without a code is remembered all the same: the same button again is new.
  EXPECT_EQ(pendant.Read(0, 0, 0), std::nullopt);
  EXPECT_EQ(pendant.Last(), 0);
  EXPECT_EQ(pendant.Read(0, 0, -5), kw::kPendantCutHeight);
}

TEST(PendantKeys, AFailedReadingOrAKeyByteReleasesOnce) {
  PendantState pendant;
  EXPECT_EQ(pendant.Read(-1, 0, 0), std::nullopt);  // already released
  ASSERT_EQ(pendant.Read(0, 0, -513), kw::kPendantYPlus);
  EXPECT_EQ(pendant.Read(-1, 0, -513), kw::kPendantStopXY);
  EXPECT_EQ(pendant.Read(-1, 0, -513), std::nullopt);
  ASSERT_EQ(pendant.Read(0, 0, -65), kw::kPendantYMinus);
  EXPECT_EQ(pendant.Read(0, 7, -65), kw::kPendantStopXY);
  // Back to a plain reading of the same word: it counts as pressed anew.
  EXPECT_EQ(pendant.Read(0, 0, -65), kw::kPendantYMinus);
}

JogRequest Homed(int axis, int direction, JogMode mode, float position) {
  JogRequest r;
  r.axis = axis;
  r.direction = direction;
  r.homed = true;
  r.mode = mode;
  r.step = 10;
  r.position = position;
  r.width = 1200;
  r.height = 900;
  return r;
}

TEST(JogDistance, HomedToTheEdgeRunsToTheWorkAreaLimit) {
  EXPECT_FLOAT_EQ(*JogDistance(Homed(0, -1, JogMode::ToLimit, -200)), -1000);  // to -W
  EXPECT_FLOAT_EQ(*JogDistance(Homed(0, +1, JogMode::ToLimit, -200)), 200);    // to 0
  EXPECT_FLOAT_EQ(*JogDistance(Homed(1, -1, JogMode::ToLimit, 300)), -300);    // to 0
  EXPECT_FLOAT_EQ(*JogDistance(Homed(1, +1, JogMode::ToLimit, 300)), 600);     // to H
}

TEST(JogDistance, HomedStepsAreShortenedAtTheLimit) {
  EXPECT_FLOAT_EQ(*JogDistance(Homed(1, +1, JogMode::Step, 896)), 4);  // H - 4: 4 mm, not 10
  EXPECT_FLOAT_EQ(*JogDistance(Homed(1, +1, JogMode::Step, 500)), 10);
  EXPECT_FLOAT_EQ(*JogDistance(Homed(0, -1, JogMode::Step, -1197)), -3);
  EXPECT_FLOAT_EQ(*JogDistance(Homed(0, +1, JogMode::Step, -100)), 10);
  // At the edge, or beyond it, the button has nowhere to go.
  EXPECT_EQ(JogDistance(Homed(0, +1, JogMode::Step, 0)), std::nullopt);
  EXPECT_EQ(JogDistance(Homed(0, +1, JogMode::ToLimit, 2)), std::nullopt);
  EXPECT_EQ(JogDistance(Homed(1, -1, JogMode::ToLimit, -1)), std::nullopt);
}

TEST(JogDistance, ZIsInertWhenHomedAndEveryAxisMovesWithoutAHomeReference) {
  EXPECT_EQ(JogDistance(Homed(2, +1, JogMode::ToLimit, 0)), std::nullopt);
  EXPECT_EQ(JogDistance(Homed(2, -1, JogMode::Step, 0)), std::nullopt);
  for (int axis : {0, 1, 2}) {
    JogRequest r = Homed(axis, -1, JogMode::ToLimit, 5000);  // far outside: no limit applies
    r.homed = false;
    EXPECT_FLOAT_EQ(*JogDistance(r), -50) << axis;
    r.mode = JogMode::Step;
    r.direction = +1;
    EXPECT_FLOAT_EQ(*JogDistance(r), 10) << axis;
  }
}

TEST(PanelTexts, ASpeedBoxReadingZeroBecomesTen) {
  EXPECT_EQ(kw::CorrectedSpeedText("0"), "10");
  EXPECT_EQ(kw::CorrectedSpeedText(""), "10");
  EXPECT_EQ(kw::CorrectedSpeedText("0.0"), "10");
  EXPECT_EQ(kw::CorrectedSpeedText("."), "10");
  EXPECT_EQ(kw::CorrectedSpeedText("0.5"), "0.5");
  EXPECT_EQ(kw::CorrectedSpeedText("250"), "250");
  EXPECT_EQ(kw::CorrectedSpeedText("1.2.3"), "1.2.3");  // reads as 1.2: left for the run to judge
}

TEST(PanelTexts, PositionsShowThreeDigitsEachSide) {
  EXPECT_EQ(kw::PositionText(0), "000.000");
  EXPECT_EQ(kw::PositionText(12.5), "012.500");
  EXPECT_EQ(kw::PositionText(-5.25), "-005.250");
  EXPECT_EQ(kw::PositionText(-1199.9996), "-1200.000");
  EXPECT_EQ(kw::PositionText(-0.0004), "000.000");
}

TEST(LaserPowerBuffer, PercentBecomesTheControllersUnitsRounded) {
  EXPECT_EQ(kw::LaserPowerValue(100), 1024);
  EXPECT_EQ(kw::LaserPowerValue(50), 512);
  EXPECT_EQ(kw::LaserPowerValue(20), 205);  // 204.8
  EXPECT_EQ(kw::LaserPowerValue(0), 0);
  EXPECT_EQ(kw::LaserPowerValue(1e9f), 32767);  // kept at the record's end, not wrapped round
}

TEST(LaserPowerBuffer, EveryLayerGetsARecordOfItsLowerAndUpperPower) {
  kw::CCutLayer layers;
  layers.Lasermin(3, 10);  // 102.4 -> 102
  layers.Laser(3, 75);     // 768
  kw::LaserPowerBuffer buffer;
  buffer.Write(layers);
  ASSERT_EQ(buffer.Bytes().size(), 15u * 8);
  const uint8_t* fresh = &buffer.Bytes()[0];  // a layer as created: 20 % and 50 %
  EXPECT_EQ(std::vector<uint8_t>(fresh, fresh + 8), (std::vector<uint8_t>{0, 0, 205, 205, 0, 2, 0, 2}));
  const uint8_t* third = &buffer.Bytes()[24];
  EXPECT_EQ(std::vector<uint8_t>(third, third + 8), (std::vector<uint8_t>{0, 0, 102, 102, 0, 3, 0, 3}));
}

// A library stand-in: every call answers `result`; the reply time-out it
// reports decides whether a failure took a whole time-out.
class ScriptedLibrary final : public kw::AxisnetApi {
 public:
  int result = 0;
  int timeoutMs = 0;
  int calls = 0;
#define KW_SCRIPTED(type, name, params, args) \
  type name params override {                \
    Ignore args;                             \
    return Answer<type>(#name);              \
  }
  KW_AXISNET_FUNCTIONS(KW_SCRIPTED)
#undef KW_SCRIPTED

 private:
  template <typename... T>
  static void Ignore(const T&...) {}
  template <typename T>
  T Answer(std::string_view name) {
    if (name == "GetTimeOut") return static_cast<T>(timeoutMs);  // the guard's own question, not counted
    ++calls;
    if constexpr (std::is_void_v<T>) {
      return;
    } else {
      return static_cast<T>(result);
    }
  }
};

TEST(LinkGuard, AFailureThatWaitedOutTheTimeOutLosesTheLinkUntilTheNextOpen) {
  ScriptedLibrary library;
  kw::LinkGuard guard(library);
  int status = 0;
  EXPECT_EQ(guard.GetMotionStatus(&status), 0);
  EXPECT_FALSE(guard.Lost());
  library.result = -1;
  library.timeoutMs = 0;  // any failure has waited at least that long
  EXPECT_EQ(guard.Pmove(1, 10, 1, 1, 1), -1);
  EXPECT_TRUE(guard.Lost());
  const int calls = library.calls;
  library.result = 0;
  EXPECT_EQ(guard.GetMotionStatus(&status), -1);  // not asked again
  EXPECT_EQ(guard.dec_stop(1), -1);
  EXPECT_EQ(library.calls, calls);
  guard.SetTimeOut(100);  // the library's own settings still pass
  EXPECT_EQ(library.calls, calls + 1);
  EXPECT_EQ(guard.OpenPort("127.0.0.1", 1001), 0);
  EXPECT_FALSE(guard.Lost());
  EXPECT_EQ(guard.GetMotionStatus(&status), 0);
}

TEST(LinkGuard, RefusalsAtOnceAndBufferRetriesAreNoLostLink) {
  ScriptedLibrary library;
  kw::LinkGuard guard(library);
  library.result = 1;
  EXPECT_EQ(guard.BatchCmdAdd(1, 2, 3, 4, 5), 1);  // the record buffer is full: try again
  EXPECT_FALSE(guard.Lost());
  library.result = -1;
  library.timeoutMs = 60 * 60 * 1000;  // no failure here waits an hour
  EXPECT_EQ(guard.Pmove(1, 10, 1, 1, 1), -1);
  EXPECT_FALSE(guard.Lost());
}

}  // namespace
