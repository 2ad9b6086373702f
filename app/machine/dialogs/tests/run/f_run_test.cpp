// The run dialog driving a run on the simulated controller: start, pause,
// stop, a window that cannot be closed while it runs, and a controller that
// goes silent half way.
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "dialogs/f_run.h"
#include "dialogs/run_progress_line.h"
#include "run_dialog_fixture.h"

namespace {

using kw::test::RunScript;

class FRunOnSimulator : public kw::test::RunDialogTest {
 protected:
  QPushButton& Button(const char* name) { return *dialog().findChild<QPushButton*>(name); }
  QString ProgressText() { return dialog().findChild<QLabel*>("LProgress")->text(); }
  int32_t PathsDone() { return dialog().findChild<kw::RunProgressLine*>()->Shown().pathsDone; }
  kw::FRun& dialog() {
    if (!dialog_) {
      dialog_ = std::make_unique<kw::FRun>(doc, kw::test::TestLibrary());
      dialog_->show();
    }
    return *dialog_;
  }
  void ClickRun() { QTest::mouseClick(&Button("CRun"), Qt::LeftButton); }
  bool HeadAtOriginLifted() { return Position(1) == 0 && Position(2) == 0 && Position(4) == LiftedZ(); }

  std::unique_ptr<kw::FRun> dialog_;
};

TEST_F(FRunOnSimulator, ARunCompletesShowingItsProgressAndEndsAtTheOrigin) {
  AddStrokes(4);
  EXPECT_TRUE(ProgressText().startsWith("Paths: 4, about ")) << ProgressText().toStdString();
  bool disabledWhileRunning = false;
  QString running;
  RunScript script;
  script.Then([&] { return PathsDone() >= 1; }, [&] {
    disabledWhileRunning = !Button("CRun").isEnabled() && !Button("CExit").isEnabled();
    running = ProgressText();
  });
  ClickRun();
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(disabledWhileRunning);
  EXPECT_TRUE(running.contains(QRegularExpression("^Paths [1-3]/4, cut [0-9.]+ m, about .* left$")))
      << running.toStdString();
  const kw::RunSummary& run = dialog().LastRun();
  EXPECT_TRUE(run.started);
  EXPECT_FALSE(run.stopped);
  EXPECT_EQ(run.pathsRun, 4);
  EXPECT_TRUE(HeadAtOriginLifted());
  EXPECT_TRUE(Button("CRun").isEnabled());
  EXPECT_TRUE(Button("CExit").isEnabled());
  EXPECT_TRUE(ProgressText().startsWith("Finished: paths 4, cut 0.16 m, time ")) << ProgressText().toStdString();
  auto* bar = dialog().findChild<QProgressBar*>("PBProgress");
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(FRunOnSimulator, PauseHoldsTheRunUntilContinued) {
  AddStrokes(4);
  QString pausedCaption, heldAt;
  int32_t heldPaths = -1, heldX = 0;
  double stillSince = 0;
  bool held = false;
  RunScript script;
  script
      .Then([&] { return PathsDone() >= 1; },
            [&] {
              QTest::mouseClick(&Button("CPause"), Qt::LeftButton);
              pausedCaption = Button("CPause").text();
            })
      .Then([&] { return MachineStill(); },
            [&] {
              stillSince = SimulatedNow();
              heldPaths = PathsDone();
              heldX = Position(1);
            })
      // Half a simulated second later nothing has moved and no path has been added.
      .Then([&] { return SimulatedNow() > stillSince + 0.5; },
            [&] {
              held = MachineStill() && PathsDone() == heldPaths && Position(1) == heldX;
              QTest::mouseClick(&Button("CPause"), Qt::LeftButton);
            });
  ClickRun();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(pausedCaption, "Continue");
  EXPECT_TRUE(held);
  EXPECT_LT(heldPaths, 4);
  EXPECT_EQ(Button("CPause").text(), "Pause");
  EXPECT_EQ(dialog().LastRun().pathsRun, 4);
  EXPECT_FALSE(dialog().LastRun().stopped);
  EXPECT_TRUE(HeadAtOriginLifted());
}

TEST_F(FRunOnSimulator, StopLiftsTheToolAndReturnsTheHeadToTheOrigin) {
  AddStrokes(6);
  RunScript script;
  script.Then([&] { return PathsDone() >= 1; }, [&] { QTest::mouseClick(&Button("CStop"), Qt::LeftButton); });
  ClickRun();
  EXPECT_TRUE(script.Finished());
  const kw::RunSummary& run = dialog().LastRun();
  EXPECT_TRUE(run.stopped);
  EXPECT_LT(run.pathsRun, 6);
  EXPECT_TRUE(HeadAtOriginLifted());
  EXPECT_TRUE(ProgressText().startsWith("Stopped: paths ")) << ProgressText().toStdString();
  // Asked where to start, the next run may start afresh.
  const auto answered = kw::test::AnswerNextModal([](QWidget& box) {
    QTest::mouseClick(box.findChild<QPushButton*>("ResumeFromStart"), Qt::LeftButton);
  });
  ClickRun();
  EXPECT_TRUE(*answered);
  EXPECT_FALSE(dialog().LastRun().stopped);
  EXPECT_EQ(dialog().LastRun().pathsRun, 6);
}

TEST_F(FRunOnSimulator, AfterAStopStartOffersToGoOnFromThePathItStoppedIn) {
  AddStrokes(6);
  RunScript script;
  script.Then([&] { return PathsDone() >= 2; }, [&] { QTest::mouseClick(&Button("CStop"), Qt::LeftButton); });
  ClickRun();
  ASSERT_TRUE(script.Finished());
  const int32_t stoppedIn = dialog().LastRun().pathInProgress;
  ASSERT_GE(stoppedIn, 3);
  ASSERT_LE(stoppedIn, 6);

  // Cancelled, the question starts nothing and is asked again.
  QString question;
  auto answered = kw::test::AnswerNextModal([&](QWidget& box) {
    question = kw::test::MessageText(box);
    QTest::keyClick(&box, Qt::Key_Escape);
  });
  ClickRun();
  ASSERT_TRUE(*answered);
  EXPECT_EQ(question, QString("The last run stopped in path %1 (layer 0). Where should this run start?").arg(stoppedIn));
  EXPECT_TRUE(dialog().LastRun().stopped);

  QString fromPathCaption;
  answered = kw::test::AnswerNextModal([&](QWidget& box) {
    auto* fromPath = box.findChild<QPushButton*>("ResumeFromPath");
    fromPathCaption = fromPath->text();
    QTest::mouseClick(fromPath, Qt::LeftButton);
  });
  ClickRun();
  ASSERT_TRUE(*answered);
  EXPECT_EQ(fromPathCaption, QString("From path %1").arg(stoppedIn));
  const kw::RunSummary& resumed = dialog().LastRun();
  EXPECT_FALSE(resumed.stopped);
  EXPECT_EQ(resumed.pathsRun, 6 - stoppedIn + 1);
  EXPECT_TRUE(HeadAtOriginLifted());
  EXPECT_TRUE(ProgressText().startsWith(QString("Finished: paths %1, ").arg(6 - stoppedIn + 1)))
      << ProgressText().toStdString();
  // A run that finished leaves nothing to go on from: the next starts without a question.
  ClickRun();
  EXPECT_EQ(dialog().LastRun().pathsRun, 6);
}

TEST_F(FRunOnSimulator, TheWindowCannotBeClosedWhileARunGoesOn) {
  AddStrokes(2);
  bool closed = true, visibleAfterEscape = false, visibleAfterClose = false;
  RunScript script;
  script.Then([&] { return dialog().Running(); }, [&] {
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    visibleAfterEscape = dialog().isVisible();
    closed = dialog().close();  // what the window's close button asks
    visibleAfterClose = dialog().isVisible();
  });
  ClickRun();
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(visibleAfterEscape);
  EXPECT_FALSE(closed);
  EXPECT_TRUE(visibleAfterClose);
  EXPECT_EQ(dialog().LastRun().pathsRun, 2);
  QTest::mouseClick(&Button("CExit"), Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
}

// Short time-outs of the controller library, so that a silence is noticed
// within a test's patience; the library's own ones come back afterwards.
class ShortTimeOuts {
 public:
  ShortTimeOuts() : timeout_(Library().GetTimeOut()), resends_(Library().GetReSend()) {
    Library().SetTimeOut(30);
    Library().SetReSend(1);
  }
  ~ShortTimeOuts() {
    Library().SetTimeOut(static_cast<unsigned>(timeout_));
    Library().SetReSend(resends_);
  }

 private:
  static kw::AxisnetLibrary& Library() { return kw::test::TestLibrary(); }
  int timeout_;
  short resends_;
};

TEST_F(FRunOnSimulator, ASilentControllerEndsTheRunWithAMessageAndLeavesTheWindowUsable) {
  const ShortTimeOuts shortTimeOuts;
  AddStrokes(6);
  QString message;
  RunScript script;
  script.Then([&] { return PathsDone() >= 1; }, [&] {
    kw::test::AnswerNextModal([&](QWidget& box) {
      message = box.findChild<QLabel*>("qt_msgbox_label")->text();
      kw::test::PressKeyOnModal(box, Qt::Key_Enter);
    });
    kw::axissim::Faults silent;
    silent.silent = true;
    sim->SetFaults(silent);
  });
  ClickRun();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(message, "Communication with the controller failed. The job has been stopped.");
  const kw::RunSummary& run = dialog().LastRun();
  EXPECT_TRUE(run.communicationFailed);
  EXPECT_LT(run.pathsRun, 6);
  EXPECT_TRUE(Button("CRun").isEnabled());
  ASSERT_TRUE(Button("CExit").isEnabled());
  QTest::mouseClick(&Button("CExit"), Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  sim->SetFaults({});
}

}  // namespace
