// The homing dialog against the simulated controller: it homes as soon as it
// is shown and closes itself; its Cancel stops the axes and leaves the
// machine without a home reference.
#include <QPushButton>

#include "dialog_test_support.h"
#include "dialogs/f_go_home.h"

namespace {

using kw::Settings;

using GoHomeDialog = kw::test::SimulatedMachine;

TEST_F(GoHomeDialog, HomesTheMachineAndCloses) {
  StartMachine(50);
  Settings().ZPos_Up = -2;
  ASSERT_EQ(ydkz_.SetPos(-300, 200, 0), 0);
  const kw::HomingResult result = kw::ShowGoHome(nullptr, ydkz_);
  EXPECT_TRUE(result.homed);
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(PcMarkB(), 1);
  EXPECT_EQ(Position(1), 0);
  EXPECT_EQ(Position(2), 0);
  EXPECT_EQ(Position(4), Pulses(-2));
}

TEST_F(GoHomeDialog, CancelStopsTheAxesAndLeavesNoHomeReference) {
  StartMachine(1);  // real time: the axes are still on their way when Cancel is clicked
  SetPcMarkB(1);
  auto stillOpen = std::make_shared<bool>(false);
  kw::test::AnswerNextModal([this, stillOpen](QWidget& modal) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Still(); }));
    kw::test::Click(kw::test::Child<QPushButton>(modal, "CancelButton"));
    // The dialog waits for the axes to stop before it goes.
    *stillOpen = modal.isVisible();
  });
  const kw::HomingResult result = kw::ShowGoHome(nullptr, ydkz_);
  EXPECT_TRUE(*stillOpen);
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(result.homed);
  EXPECT_EQ(PcMarkB(), 0);
  EXPECT_TRUE(Still());
  EXPECT_LT(Position(4), 4000);  // Z never reached its limit
}

}  // namespace
