// The machine panel against the simulated controller on 127.0.0.1, through
// the real controller library: connecting, homing, jogging with the mouse,
// the frame trace, the pendant, the depth buttons, the run, and a controller
// that stops answering.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "axisproto/command_codes.h"
#include "axissim/simulator.h"
#include "frm_main.h"
#include "gui_test_support.h"
#include "head_marker.h"
#include "machine/axisnet_binding.h"
#include "machine/layer_tables.h"
#include "machine/machine_settings.h"
#include "machine_commands.h"
#include "machine_panel.h"
#include "pathcore/path_obj.h"
#include "pic_view.h"
#include "widgets/language_ui.h"
#include "widgets/rf_text.h"

namespace {

namespace command = kw::axisnet::command;
using kw::axissim::ControllerState;
using kw::axissim::Machine;

constexpr double kPulsesPerMm = 6400 / 24.0;
constexpr int kPatienceMs = 20000;  // a sanitised build on a busy machine is slow

class PanelOnSimulator : public kw::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    // The program folder is where the library is looked for first.
    std::filesystem::create_symlink(KW_AXISNET_LIBRARY, InFolder("libaxisnet.so"));
    kw::QuietAxisnetTrace();
    kw::axissim::SimConfig config;
    config.speedup = 20;
    sim_ = std::make_unique<kw::axissim::Simulator>(config);
    auto& s = kw::Settings();
    s.ControllerAddress = "127.0.0.1";
    s.ControllerPort = sim_->Start(0);
    s.WorkRect = {100, 60};
    s.JogSpeed = "100";
    s.SMin = {0.1f, 0.1f, 0.1f};  // a start speed above a slow jog speed would be the speed
    s.ZPos_Up = -2;
    s.ZPosMin_Pen = s.ZPosMax_Pen = -4;
    s.ZPosMin_Cut = -6;
    s.ZPosMax_Cut = -7;
    s.ZPosMin_HalfCut = s.ZPosMax_HalfCut = -5;
    kw::ComputeToolHeights(s);
  }
  void TearDown() override {
    if (window_ && Panel().CkDevice().isChecked()) Panel().CkDevice().setChecked(false);
    window_.reset();
    sim_.reset();
    GuiTest::TearDown();
  }

  void OpenWindow() {
    window_ = std::make_unique<kw::frmMain>();
    window_->resize(1300, 900);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  kw::MachinePanel& Panel() { return window_->Panel(); }
  void SetHomed(bool homed) {
    sim_->With([homed](Machine&, ControllerState& state) { state.pc_mark_b = homed ? 1 : 0; });
  }
  void SetPendant(int16_t word) {
    sim_->With([word](Machine&, ControllerState& state) { state.pendant_value = word; });
  }
  uint32_t Requests(uint8_t code) { return sim_->StateCopy().requests[code]; }
  // Millimetres of program axis 0 X, 1 Y, 2 Z (controller axis 4).
  double Mm(int axis) {
    const int controllerAxis = axis == 2 ? 4 : axis + 1;
    return sim_->With([controllerAxis](Machine& m, const auto&) { return m.Position(controllerAxis); }) / kPulsesPerMm;
  }
  bool Still() {
    return sim_->With([](Machine& m, const auto&) { return m.MotionBits(); }) == 0;
  }
  bool WaitStill() { return QTest::qWaitFor([this] { return Still(); }, kPatienceMs); }

  // Answers the next message box with `button`; its text lands in the result.
  std::shared_ptr<QString> AnswerBox(QMessageBox::StandardButton button) {
    auto text = std::make_shared<QString>();
    kw::test::AnswerNextModal(
        [text, button](QWidget& modal) {
          auto* box = qobject_cast<QMessageBox*>(&modal);
          ASSERT_NE(box, nullptr);
          *text = box->text();
          box->button(button)->click();
        },
        kPatienceMs);
    return text;
  }
  // Ticks the connect box where a user would: on its indicator.
  void ClickCkDevice() {
    QCheckBox& box = Panel().CkDevice();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
  }
  // Connects; a machine without a home reference is homed when home is true.
  void Connect(bool home) {
    int16_t mark = 0;
    sim_->With([&mark](Machine&, ControllerState& state) { mark = state.pc_mark_b; });
    std::shared_ptr<QString> question;
    if (mark == 0) question = AnswerBox(home ? QMessageBox::Yes : QMessageBox::No);
    ClickCkDevice();
    ASSERT_TRUE(Panel().CkDevice().isChecked());
    ASSERT_TRUE(Panel().SSTb().isVisible());
    if (question) {
      EXPECT_EQ(*question, kw::LanguageQText("MSGBOX", "0003"));
    }
  }
  // Clicks a run button of the panel; in the run dialog that opens, starts
  // the run and, once it has ended, leaves with Exit.
  void RunFromDialog(const char* button) {
    const auto ran = kw::test::AnswerNextModal(
        [](QWidget& dialog) {
          EXPECT_EQ(dialog.objectName(), "FRun");
          QTest::mouseClick(dialog.findChild<QPushButton*>("CRun"), Qt::LeftButton);
          QTest::mouseClick(dialog.findChild<QPushButton*>("CExit"), Qt::LeftButton);
        },
        kPatienceMs);
    QTest::mouseClick(&Panel().Command(button), Qt::LeftButton);
    EXPECT_TRUE(*ran);
  }
  void Press(QAbstractButton& button) { QTest::mousePress(&button, Qt::LeftButton); }
  void Release(QAbstractButton& button) { QTest::mouseRelease(&button, Qt::LeftButton); }
  // Holds a jog button until the head stands still again.
  void Jog(QAbstractButton& button) {
    Press(button);
    QTest::qWait(1);  // lets the status timer see the move start
    EXPECT_TRUE(WaitStill());
    Release(button);
  }
  void AddRectangle(float x1, float y1, float x2, float y2) {
    const std::vector<float> X{0, x1, x2, x2, x1, x1}, Y{0, y1, y1, y2, y2, y1};
    window_->MainDoc().AddPath(X, Y, 0);
    window_->MainDoc().ZL();
  }

  std::unique_ptr<kw::axissim::Simulator> sim_;
  std::unique_ptr<kw::frmMain> window_;
};

TEST_F(PanelOnSimulator, ConnectingShowsThePanelNarrowsTheViewAndDisconnectingUndoesIt) {
  OpenWindow();
  const int wideView = window_->Pic().width();
  EXPECT_FALSE(Panel().SSTb().isVisible());
  SetHomed(true);  // no question after connecting
  ClickCkDevice();
  ASSERT_TRUE(Panel().SSTb().isVisible());
  EXPECT_TRUE(sim_->StateCopy().connected);
  EXPECT_TRUE(window_->Machine().Pen1().isVisible());
  QTRY_VERIFY(window_->Pic().width() < wideView);
  const QRect view = window_->Pic().geometry(), panel = Panel().geometry();
  EXPECT_EQ(panel.left() - view.right() - 1, 4);  // 60 twips between them
  // The status timer shows the head: X -12 mm, Y 7 mm.
  sim_->With([](Machine& m, const auto&) {
    m.SetPosition(1, -3200);
    m.SetPosition(2, 1867);
  });
  QTRY_COMPARE(Panel().Lmx().text(), QString("-012.000"));
  QTRY_COMPARE(Panel().Lmy().text(), QString("007.001"));
  // The window will not close while connected.
  auto refusal = AnswerBox(QMessageBox::Ok);
  EXPECT_FALSE(window_->close());
  EXPECT_EQ(*refusal, kw::LanguageQText("MSGBOX", "0009"));
  EXPECT_TRUE(window_->isVisible());
  ClickCkDevice();
  EXPECT_FALSE(Panel().SSTb().isVisible());
  EXPECT_FALSE(window_->Machine().Pen1().isVisible());
  EXPECT_FALSE(sim_->StateCopy().connected);
  QTRY_COMPARE(window_->Pic().width(), wideView);
}

TEST_F(PanelOnSimulator, AControllerThatCannotBeOpenedOrDoesNotAnswerLeavesTheWindowUnconnected) {
  OpenWindow();
  kw::Settings().ControllerPort = 70000;  // no port of UDP: the link cannot be opened
  auto message = AnswerBox(QMessageBox::Ok);
  ClickCkDevice();
  EXPECT_EQ(*message, kw::LanguageQText("MSGBOX", "0001"));
  EXPECT_FALSE(Panel().CkDevice().isChecked());
  kw::Settings().ControllerPort = sim_->Port();
  kw::axissim::Faults silent;
  silent.silent = true;
  sim_->SetFaults(silent);
  message = AnswerBox(QMessageBox::Ok);
  ClickCkDevice();
  EXPECT_EQ(*message, kw::LanguageQText("MSGBOX", "0002"));
  EXPECT_FALSE(Panel().CkDevice().isChecked());
  EXPECT_FALSE(Panel().SSTb().isVisible());
  // The window goes on working: the controller is back, and connecting works.
  sim_->SetFaults({});
  Connect(false);
}

TEST_F(PanelOnSimulator, HomingAfterConnectingMarksTheMachineHomed) {
  OpenWindow();
  Connect(true);
  EXPECT_EQ(sim_->StateCopy().pc_mark_b, 1);
  EXPECT_NEAR(Mm(0), 0, 0.01);
  EXPECT_NEAR(Mm(1), 0, 0.01);
  EXPECT_NEAR(Mm(2), -2, 0.01);  // the tool lifted
  QTRY_COMPARE(Panel().Lmx().text(), QString("000.000"));
}

TEST_F(PanelOnSimulator, HomedJogsStopAtTheWorkAreaInBothModesAndZStaysPut) {
  OpenWindow();
  Connect(true);
  Jog(Panel().Cmf(0));  // to the edge: X to -W
  EXPECT_NEAR(Mm(0), -100, 0.01);
  Jog(Panel().Cmz(1));  // Y to H
  EXPECT_NEAR(Mm(1), 60, 0.01);
  QTest::mouseClick(&Panel().OpJogMode(1), Qt::LeftButton);
  ASSERT_EQ(Panel().JogMode(), 1);
  Panel().RtStep().SetText("10");
  Jog(Panel().Cmf(1));
  EXPECT_NEAR(Mm(1), 50, 0.01);
  Panel().RtStep().SetText("6");
  Jog(Panel().Cmz(1));
  EXPECT_NEAR(Mm(1), 56, 0.01);  // H - 4
  Panel().RtStep().SetText("10");
  Jog(Panel().Cmz(1));
  EXPECT_NEAR(Mm(1), 60, 0.01);  // 4 mm, not 10
  const uint32_t moves = Requests(command::kMove);
  const double z = Mm(2);
  Jog(Panel().Cmz(2));
  Jog(Panel().Cmf(2));
  EXPECT_EQ(Requests(command::kMove), moves);
  EXPECT_EQ(Mm(2), z);
}

TEST_F(PanelOnSimulator, WithoutAHomeReferenceJogsGoFiftyMillimetresOrTheStepOnAnyAxis) {
  OpenWindow();
  Connect(false);
  Jog(Panel().Cmz(0));
  EXPECT_NEAR(Mm(0), 50, 0.01);
  Jog(Panel().Cmf(2));
  EXPECT_NEAR(Mm(2), -50, 0.01);
  QTest::mouseClick(&Panel().OpJogMode(1), Qt::LeftButton);
  Panel().RtStep().SetText("7");
  Jog(Panel().Cmz(2));
  EXPECT_NEAR(Mm(2), -43, 0.01);
  // Letting go stops the move half-way.
  Panel().JogSpeed().SetText("0.2");  // slow enough to be let go of half-way
  QTest::mouseClick(&Panel().OpJogMode(0), Qt::LeftButton);
  const uint32_t stops = Requests(command::kDecelerateStop);
  Press(Panel().Cmf(1));
  QVERIFY(QTest::qWaitFor([this] { return Mm(1) < -1; }, kPatienceMs));
  Release(Panel().Cmf(1));
  EXPECT_EQ(Requests(command::kDecelerateStop), stops + 1);
  ASSERT_TRUE(WaitStill());
  EXPECT_GT(Mm(1), -49);
}

TEST_F(PanelOnSimulator, AFrameBeyondTheOriginIsRefusedAndOneInsideIsTraced) {
  OpenWindow();
  Connect(true);
  AddRectangle(-20, 10, 1, 30);  // reaches X = 1
  const uint32_t moves = Requests(command::kMove);
  auto refusal = AnswerBox(QMessageBox::Ok);
  QTest::mouseClick(&Panel().Command("CMoveFrame"), Qt::LeftButton);
  EXPECT_EQ(*refusal, kw::LanguageQText("MSGBOX", "0005"));
  EXPECT_EQ(Requests(command::kMove), moves);

  window_->MainDoc().SelAll();
  window_->MainDoc().DelObj();
  AddRectangle(-40, 5, -10, 25);
  sim_->With([](Machine& m, const auto&) { m.Path().Clear(); });
  QTest::mouseClick(&Panel().Command("CMoveFrame"), Qt::LeftButton);
  ASSERT_TRUE(WaitStill());
  const auto samples = sim_->With([](Machine& m, const auto&) { return m.Path().Samples(); });
  ASSERT_FALSE(samples.empty());
  double minX = 0, maxY = 0;
  for (const auto& p : samples) {
    minX = std::min(minX, p.x / kPulsesPerMm);
    maxY = std::max(maxY, p.y / kPulsesPerMm);
  }
  EXPECT_NEAR(minX, -40, 0.01);
  EXPECT_NEAR(maxY, 25, 0.01);
  EXPECT_NEAR(Mm(0), 0, 0.01);  // back at the origin
  EXPECT_NEAR(Mm(1), 0, 0.01);
  EXPECT_TRUE(Panel().SSTb().isEnabled());
}

TEST_F(PanelOnSimulator, APendantButtonJogsOnceWhileHeldAndLettingGoStopsXAndY) {
  OpenWindow();
  Connect(false);
  Panel().JogSpeed().SetText("0.2");  // slow enough to be let go of half-way
  SetPendant(-1);
  const uint32_t moves = Requests(command::kMove), stops = Requests(command::kDecelerateStop);
  SetPendant(-257);  // X minus
  QTRY_VERIFY_WITH_TIMEOUT(Requests(command::kMove) == moves + 1, kPatienceMs);
  // Several more readings of the same word send nothing more.
  const uint32_t readings = Requests(command::kJoystick);
  QTRY_VERIFY_WITH_TIMEOUT(Requests(command::kJoystick) >= readings + 3, kPatienceMs);
  EXPECT_EQ(Requests(command::kMove), moves + 1);
  EXPECT_LT(Mm(0), 0);
  SetPendant(-1);
  QTRY_VERIFY_WITH_TIMEOUT(Requests(command::kDecelerateStop) == stops + 4, kPatienceMs);  // X, Y, X, Y
  ASSERT_TRUE(WaitStill());
  EXPECT_GT(Mm(0), -49);
  // A key byte releases once, and the mode buttons follow theirs.
  SetPendant(-4097);
  QTRY_COMPARE_WITH_TIMEOUT(Panel().JogMode(), 1, kPatienceMs);
  SetPendant(-3);
  QTRY_COMPARE_WITH_TIMEOUT(Panel().JogMode(), 0, kPatienceMs);
}

TEST_F(PanelOnSimulator, PendantKeysWaitWhileADialogIsOpen) {
  OpenWindow();
  Connect(false);
  const uint32_t moves = Requests(command::kMove);
  QMessageBox box(window_.get());
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  SetPendant(-257);
  const uint32_t readings = Requests(command::kJoystick);
  QTRY_VERIFY_WITH_TIMEOUT(Requests(command::kJoystick) >= readings + 3, kPatienceMs);
  box.close();
  QTest::qWait(0);
  EXPECT_EQ(Requests(command::kMove), moves);
}

TEST_F(PanelOnSimulator, DepthStepsStayWithinTenAndAreSavedEachTime) {
  kw::Settings().ZPosVal_Cut = 10;
  kw::ComputeToolHeights(kw::Settings());
  OpenWindow();
  SetHomed(true);
  ClickCkDevice();
  EXPECT_EQ(Panel().LZPOS(1).text(), "10");
  const auto saved = [this] {
    std::ifstream in(InFolder("Setting.ini"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  };
  QTest::mouseClick(&Panel().CToolAdd(1), Qt::LeftButton);
  EXPECT_EQ(Panel().LZPOS(1).text(), "10");
  EXPECT_NE(saved().find("ZPosVal_Cut=10"), std::string::npos);
  QTest::mouseClick(&Panel().CToolDec(1), Qt::LeftButton);
  EXPECT_EQ(Panel().LZPOS(1).text(), "9");
  EXPECT_FLOAT_EQ(kw::Settings().ZCut, -6.9f);
  EXPECT_NE(saved().find("ZPosVal_Cut=9"), std::string::npos);
  // The knife height button takes the knife to its new height.
  QTest::mouseClick(&Panel().CTool(2), Qt::LeftButton);
  ASSERT_TRUE(WaitStill());
  EXPECT_NEAR(Mm(2), -6.9, 0.01);
}

TEST_F(PanelOnSimulator, RunningJoinsOrdersAndDeselectsFirstAndARunOfNoSelectionDoesNothing) {
  kw::Settings().AutoLayout = true;
  kw::Settings().WorkSpeed = {"40", "41", "42"};
  OpenWindow();
  Connect(true);
  auto& doc = window_->MainDoc();
  const std::vector<float> X1{0, -30, -20}, Y1{0, 10, 10}, X2{0, -20, -20}, Y2{0, 10, 20};
  doc.AddPath(X1, Y1, 0);
  doc.AddPath(X2, Y2, 0);
  doc.ZL();
  ASSERT_EQ(doc.Count(), 2);

  const uint32_t batches = Requests(command::kRecords);
  QTest::mouseClick(&Panel().Command("CRunSel"), Qt::LeftButton);
  EXPECT_EQ(doc.Count(), 2);
  EXPECT_EQ(Requests(command::kRecords), batches);

  RunFromDialog("CRun");
  EXPECT_EQ(doc.Count(), 1);  // the two strokes met and were joined
  EXPECT_EQ(doc.SelCount(), 0);
  EXPECT_GT(Requests(command::kRecords), batches);
  EXPECT_FLOAT_EQ(kw::CutLayers().Speed(1), 41);
  EXPECT_EQ(window_->Machine().LaserPowers().Bytes().size(), 15u * 8);
  ASSERT_TRUE(WaitStill());
  EXPECT_NEAR(Mm(0), 0, 0.01);
}

TEST_F(PanelOnSimulator, ARunWithoutAHomeReferenceAsksAndNoEndsIt) {
  OpenWindow();
  Connect(false);
  AddRectangle(-40, 5, -10, 25);
  const uint32_t batches = Requests(command::kRecords);
  auto question = AnswerBox(QMessageBox::No);
  QTest::mouseClick(&Panel().Command("CRun"), Qt::LeftButton);
  EXPECT_EQ(*question, kw::LanguageQText("MSGBOX", "0008"));
  EXPECT_EQ(Requests(command::kRecords), batches);
}

TEST_F(PanelOnSimulator, AControllerFallingSilentDuringAJogDisconnectsWithAMessage) {
  OpenWindow();
  Connect(false);
  Panel().JogSpeed().SetText("0.2");  // slow enough to be let go of half-way
  Press(Panel().Cmf(0));
  QVERIFY(QTest::qWaitFor([this] { return !Still(); }, kPatienceMs));
  auto message = AnswerBox(QMessageBox::Ok);
  kw::axissim::Faults silent;
  silent.silent = true;
  sim_->SetFaults(silent);
  QTRY_VERIFY_WITH_TIMEOUT(!Panel().CkDevice().isChecked(), kPatienceMs);
  QTRY_COMPARE_WITH_TIMEOUT(*message, kw::LanguageQText("frmMain", "LinkLost"), kPatienceMs);
  Release(Panel().Cmf(0));
  EXPECT_FALSE(Panel().SSTb().isVisible());
  sim_->SetFaults({});
  Connect(false);
}

TEST_F(PanelOnSimulator, AControllerFallingSilentDuringAFrameTraceEndsTheTrace) {
  kw::Settings().MoveSpeed = {5, 5, 5};
  OpenWindow();
  Connect(true);
  AddRectangle(-40, 5, -10, 25);
  // Silenced as soon as the trace sets the head moving.
  QTimer watch;
  watch.setInterval(5);
  QObject::connect(&watch, &QTimer::timeout, [this, &watch] {
    if (Still()) return;
    watch.stop();
    kw::axissim::Faults silent;
    silent.silent = true;
    sim_->SetFaults(silent);
  });
  watch.start();
  auto message = AnswerBox(QMessageBox::Ok);
  QTest::mouseClick(&Panel().Command("CMoveFrame"), Qt::LeftButton);
  EXPECT_EQ(*message, kw::LanguageQText("frmMain", "LinkLost"));
  EXPECT_FALSE(Panel().CkDevice().isChecked());
  EXPECT_TRUE(Panel().CkDevice().isEnabled());
}

}  // namespace
