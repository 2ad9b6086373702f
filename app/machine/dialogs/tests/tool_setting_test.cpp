// The knife and pen dialog against the simulated controller: Go and Set
// current teach Z heights, the jog buttons move Z while held, the offset test
// refuses before any motion where the crosses would not fit, and OK keeps
// the fields with the tool heights recomputed.
#include <QPushButton>

#include "dialog_test_support.h"
#include "dialogs/tool_setting.h"
#include "machine/profile_file.h"
#include "machine/settings_file.h"

namespace {

using kw::RfText;
using kw::Settings;
using kw::test::Child;
using kw::test::Click;
using kw::test::Enter;

class ToolSettings : public kw::test::SimulatedMachine {
 protected:
  void Open(double speedup = 50) {
    StartMachine(speedup);
    dialog_ = std::make_unique<kw::ToolSetting>(ydkz_);
    kw::test::Show(*dialog_);
  }
  void TearDown() override {
    dialog_.reset();
    SimulatedMachine::TearDown();
  }
  RfText& Box(const char* name) { return Child<RfText>(*dialog_, name); }
  QPushButton& Button(const QString& name) { return Child<QPushButton>(*dialog_, name); }
  bool ZStillAt(double mm) { return Still() && Position(4) == Pulses(mm); }

  std::unique_ptr<kw::ToolSetting> dialog_;
};

TEST_F(ToolSettings, ZFieldsAreNumberedForGoAndSet) {
  Open();
  const char* names[] = {"RtZPos_Up",   "RtZPos_Pen0", "RtZPos_Cut0",    "RtZPos_HalfCut0",
                         "RtZPos_Pen1", "RtZPos_Cut1", "RtZPos_HalfCut1"};
  for (int k = 0; k < kw::ToolSetting::kZFields; ++k) EXPECT_EQ(dialog_->ZField(k).objectName(), names[k]) << k;
}

TEST_F(ToolSettings, GoMovesZToAFieldAndSetTakesTheCurrentZ) {
  Settings().ZPosVal_Cut = 10;
  Open();
  Enter(Box("RtZPos_Up"), "-4.5");
  Click(Button("CGo0"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return ZStillAt(-4.5); }));
  Enter(Box("RtZPos_Pen0"), "-3");
  Click(Button("CGo1"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return ZStillAt(-3); }));
  // Set current 5: the knife at depth step 10.
  Click(Button("CSet5"));
  EXPECT_EQ(Box("RtZPos_Cut1").Text(), "-3");
  EXPECT_EQ(Box("RtZPos_Cut0").Text(), "0");
  Click(Button("OKButton"));
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(Settings().ZPosMax_Cut, -3);
  EXPECT_FLOAT_EQ(Settings().ZCut, -3);  // step 10 of 10: the knife now cuts there
  EXPECT_EQ(Settings().ZPos_Up, -4.5f);
  EXPECT_EQ(kw::ReadIni(kw::SettingsFile(), "Kerfwright", "ZPosMax_Cut", ""), "-3");
}

TEST_F(ToolSettings, OkRefusesABoxThatIsNotANumberAndCancelKeepsNothing) {
  Open();
  Enter(Box("RBl1"), "3");
  Enter(Box("RtCutR"), ".");
  auto text = std::make_shared<QString>();
  kw::test::ReadNextMessage(text);
  Click(Button("OKButton"));
  EXPECT_EQ(*text, kw::test::Message("0027") + "\nOffset radius \".\"");
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(Settings().CloseVal[1], 2);
  Click(Button("CancelButton"));
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(Settings().CloseVal[1], 2);
  EXPECT_EQ(Settings().CutR, 0.25f);
}

TEST_F(ToolSettings, JogButtonsMoveZWhileHeld) {
  Open(1);
  Enter(Box("JogSpeed"), "0");
  EXPECT_EQ(Box("JogSpeed").Text(), "1");  // a jog speed of 0 would never move
  Enter(Box("JogSpeed"), "5");
  QPushButton& up = Button("Cmz");
  QTest::mousePress(&up, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Position(4) > 0 && !Still(); }));
  QTest::mouseRelease(&up, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Still(); }));
  const int32_t stoppedAt = Position(4);
  EXPECT_GT(stoppedAt, 0);
  EXPECT_LT(stoppedAt, 4000);  // stopped by the release, short of the Z limit

  QPushButton& down = Button("Cmf");
  QTest::mousePress(&down, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Position(4) < stoppedAt && !Still(); }));
  QTest::mouseRelease(&down, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Still(); }));
}

TEST_F(ToolSettings, OffsetTestRefusesBeforeAnyMotion) {
  Open();
  struct Case {
    const char* key;
    float x, y;       // mm, where the head stands
    const char* ox;   // the offset fields as typed
    const char* oy;
    bool homed;
  };
  const Case cases[] = {
      {"0017", -500, 300, "0", "0", false},
      {"0018", -1150, 300, "0", "0", true},  // WorkRect0 1200: the pen cross would pass -1200
      {"0019", -500, 890, "0", "0", true},
      {"0020", -500, 30, "0", "-15", true},
      {"0021", -500, 10, "0", "20", true},
  };
  for (const Case& c : cases) {
    SetPcMarkB(c.homed ? 1 : 0);
    ASSERT_EQ(ydkz_.SetPos(c.x, c.y, 0), 0);
    Enter(Box("RtOffset0"), c.ox);
    Enter(Box("RtOffset1"), c.oy);
    auto text = std::make_shared<QString>();
    kw::test::ReadNextMessage(text);
    Click(Button("COffsetTest"));
    EXPECT_EQ(*text, kw::test::Message(c.key)) << c.key;
    EXPECT_TRUE(Still()) << c.key;
    EXPECT_EQ(Position(1), Pulses(c.x)) << c.key;
    EXPECT_EQ(Position(2), Pulses(c.y)) << c.key;
    EXPECT_TRUE(Button("COffsetTest").isEnabled()) << c.key;
  }
}

TEST_F(ToolSettings, OffsetTestEndsWhereTheOffsetPutsTheKnife) {
  Settings().ZPos_Up = -2;
  Settings().ZPosMin_Pen = Settings().ZPosMax_Pen = -8;
  Settings().ZPosMin_Cut = Settings().ZPosMax_Cut = -12;
  kw::ComputeToolHeights(Settings());
  Open();
  SetPcMarkB(1);
  ASSERT_EQ(ydkz_.SetPos(-500, 300, -2), 0);
  Enter(Box("RtOffset0"), "3");
  Enter(Box("RtOffset1"), "-1.5");
  Click(Button("COffsetTest"));
  EXPECT_TRUE(Still());
  // Each relative move rounds to whole pulses, so the head may end a pulse or two off.
  EXPECT_NEAR(Position(1), Pulses(-497), 2);
  EXPECT_NEAR(Position(2), Pulses(298.5), 2);
  EXPECT_NEAR(Position(4), Pulses(-2), 2);
  EXPECT_TRUE(Button("OKButton").isEnabled());
  EXPECT_EQ(Settings().CutOffsetX, 0);  // tried, not kept
}

}  // namespace
