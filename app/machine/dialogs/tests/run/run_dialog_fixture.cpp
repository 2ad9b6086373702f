#include "run_dialog_fixture.h"

#include "machine/layer_tables.h"
#include "machine/run_preparation.h"

namespace kw::test {
namespace {

void DropTraceLine(const char* line, void* context) { (void)line, (void)context; }

}  // namespace

kw::AxisnetLibrary& TestLibrary() {
  static kw::AxisnetLibrary library(KW_AXISNET_LIBRARY);
  static const bool quiet = library.SetTraceSink(DropTraceLine, nullptr);
  (void)quiet;
  return library;
}

void RunDialogTest::SetUp() {
  GuiTest::SetUp();
  kw::axissim::SimConfig config;
  config.speedup = 5;  // a few strokes last long enough to act on while they run
  sim = std::make_unique<kw::axissim::Simulator>(config);
  kw::MachineSettings& s = kw::Settings();
  s.ControllerAddress = "127.0.0.1";
  s.ControllerPort = sim->Start(0);
  s.ZPos_Up = -2;
  s.ZPosMin_Pen = s.ZPosMax_Pen = -8;
  s.ZPosMin_Cut = s.ZPosMax_Cut = -12;
  s.ZPosMin_HalfCut = s.ZPosMax_HalfCut = -10;
  kw::ComputeToolHeights(s);
  ASSERT_EQ(ydkz.OpenPort(""), 0);
  ASSERT_EQ(ydkz.Connect(), 0);
}

void RunDialogTest::TearDown() {
  ydkz.DisConnect();
  sim.reset();
  GuiTest::TearDown();
}

void RunDialogTest::AddStrokes(int count) {
  for (int i = 0; i < count; ++i) {
    const std::vector<float> X{0, -50, -10}, Y{0, 5.0f + 4 * i, 5.0f + 4 * i};
    doc.AddPath(X, Y, 0);
  }
  doc.ZL();
  ASSERT_EQ(kw::PrepareRun(doc, kw::CutLayers(), kw::Settings(), false), -1);
}

int32_t RunDialogTest::Position(int axis) {
  return sim->With([axis](kw::axissim::Machine& m, const auto&) { return m.Position(axis); });
}

bool RunDialogTest::MachineStill() {
  return sim->With([](kw::axissim::Machine& m, const auto&) { return m.MotionBits() == 0; });
}

double RunDialogTest::SimulatedNow() {
  return sim->With([](kw::axissim::Machine& m, const auto&) { return m.Now(); });
}

int32_t RunDialogTest::LiftedZ() const { return kw::PulsesOf(kw::Settings().ZPos_Up, 2, kw::Settings()); }

RunScript::RunScript() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, this, &RunScript::Poll);
  timer_.start();
}

RunScript& RunScript::Then(std::function<bool()> when, std::function<void()> act) {
  steps_.push_back({std::move(when), std::move(act)});
  return *this;
}

void RunScript::Poll() {
  if (acting_ || Finished() || !steps_[next_].when()) return;
  acting_ = true;
  steps_[next_++].act();
  acting_ = false;
}

}  // namespace kw::test
