#include <gtest/gtest.h>

#include <array>
#include <set>

#include "machine/offset_test.h"
#include "run_test_setup.h"

namespace {

using Stroke = std::array<int, 4>;  // from x, y to x, y in pulses

class OffsetTestTest : public kw::test::RunTestSetup {
 protected:
  OffsetTestTest() {
    fake.pcMarkB = 1;
    fake.positions[0] = -20000, fake.positions[1] = 30000;  // head at (-200, 300) mm
    fake.afterCall = [this](const std::string& call) {
      if (call.rfind("Pmove(", 0) != 0) return;
      const int x = fake.positions[0], y = fake.positions[1], z = fake.positions[3];
      if (z == last_[2] && (x != last_[0] || y != last_[1])) {
        if (z == 200) penStrokes.insert({last_[0], last_[1], x, y});
        if (z == 500) knifeStrokes.insert({last_[0], last_[1], x, y});
      }
      last_ = {x, y, z};
    };
  }
  std::set<Stroke> Shifted(const std::set<Stroke>& strokes, int dx, int dy) const {
    std::set<Stroke> out;
    for (const Stroke& s : strokes) out.insert({s[0] + dx, s[1] + dy, s[2] + dx, s[3] + dy});
    return out;
  }

  std::set<Stroke> penStrokes, knifeStrokes;

 private:
  std::array<int, 3> last_{-20000, 30000, 0};
};

TEST_F(OffsetTestTest, WithoutOffsetTheKnifeCrossLiesOnThePenCross) {
  EXPECT_EQ(kw::RunOffsetTest(ydkz, settings, host, 0, 0), "");
  EXPECT_EQ(penStrokes, (std::set<Stroke>{{-31000, 30000, -29000, 30000}, {-30000, 31000, -30000, 29000}}));
  EXPECT_EQ(knifeStrokes, penStrokes);
  EXPECT_EQ(fake.positions[3], 0);
}

TEST_F(OffsetTestTest, TheKnifeCrossMovesByTheOffset) {
  EXPECT_EQ(kw::RunOffsetTest(ydkz, settings, host, 5, -3), "");
  EXPECT_EQ(knifeStrokes, Shifted(penStrokes, 500, -300));
}

TEST_F(OffsetTestTest, RefusesBeforeAnyMotionWhenUnhomedOrOutsideTheTravel) {
  struct Case {
    short homed;
    float x, y, offsetX, offsetY;  // mm
    std::string key;
  };
  const std::vector<Case> cases{
      {0, -200, 300, 0, 0, "0017"},
      {1, -1150, 300, 0, 0, "0018"},  // the pen cross would pass -1200
      {1, -200, 880, 0, 0, "0019"},
      {1, -200, 30, 0, -20, "0020"},
      {1, -200, 10, 0, 20, "0021"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Reset();
    fake.pcMarkB = c.homed;
    fake.positions[0] = int(c.x * 100), fake.positions[1] = int(c.y * 100);
    EXPECT_EQ(kw::RunOffsetTest(ydkz, settings, host, c.offsetX, c.offsetY), c.key);
    EXPECT_EQ(host.messages, std::vector<std::string>{c.key});
    EXPECT_TRUE(fake.calls.empty());
  }
}

}  // namespace
