// The run dialog's tests: the simulated controller on 127.0.0.1 behind the
// real controller library, the program's settings pointed at it, a job of
// pen strokes, and a way to act while a run goes on inside the start
// button's click.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "axissim/simulator.h"
#include "gui_test_support.h"
#include "machine/axisnet_binding.h"
#include "machine/cydkz.h"
#include "pathcore/path_obj.h"

namespace kw::test {

// The one controller library of the test program; its link settings are
// the process's, so each test leaves them as it found them.
kw::AxisnetLibrary& TestLibrary();

class RunDialogTest : public GuiTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds `count` pen strokes of 40 mm, one above the other, and readies the
  // layers as the main window does before a run.
  void AddStrokes(int count);
  int32_t Position(int axis);  // pulses, controller axes 1..4
  bool MachineStill();
  double SimulatedNow();
  int32_t LiftedZ() const;  // pulses of ZPos_Up

  std::unique_ptr<kw::axissim::Simulator> sim;
  kw::CYdkz ydkz{TestLibrary(), kw::Settings()};
  kw::pathcore::CPathObj doc;
};

// Steps to take while a run goes on: each acts once its condition holds, in
// order, from a timer that the run's own event processing fires.
class RunScript : public QObject {
 public:
  RunScript();
  RunScript& Then(std::function<bool()> when, std::function<void()> act);
  bool Finished() const { return next_ == steps_.size(); }

 private:
  void Poll();

  struct Step {
    std::function<bool()> when;
    std::function<void()> act;
  };
  std::vector<Step> steps_;
  size_t next_ = 0;
  bool acting_ = false;  // an act that opens a window of its own must not be entered twice
  QTimer timer_;
};

}  // namespace kw::test
