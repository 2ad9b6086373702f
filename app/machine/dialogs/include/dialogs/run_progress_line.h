// The run dialog's progress line: a label "LProgress" with the paths done,
// the length cut so far and the time left, over a bar "PBProgress". Before a
// run it says how long the job will take; after it, how long it took.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "machine/job_run.h"
#include "machine/run_estimate.h"
#include "machine/run_host.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace kw {

// A duration in the language in use, rounded to what a person reads:
// "37 s", "3 min 20 s", "1 h 5 min".
QString DurationText(double seconds);

class RunProgressLine : public QWidget {
  Q_OBJECT
 public:
  explicit RunProgressLine(QWidget* parent = nullptr);

  // The job that the start button would run.
  void ShowPlan(const RunEstimate& estimate);
  // A run of that job begins now.
  void Start(const RunEstimate& estimate);
  void Show(const RunProgress& progress);
  // The pause toggle: time spent paused does not count down the time left.
  void SetPaused(bool paused);
  void Finish(const RunSummary& summary);

  const RunProgress& Shown() const { return shown_; }
  // Seconds the line says are left, as of the last refresh.
  double SecondsLeft() const { return secondsLeft_; }

 private:
  void Refresh();
  double SecondsIntoNextPath() const;
  int32_t PathsTotal() const { return static_cast<int32_t>(estimate_.pathSeconds.size()); }

  QLabel* text_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QTimer* ticker_ = nullptr;
  RunEstimate estimate_;
  RunProgress shown_;
  QElapsedTimer runClock_;
  bool paused_ = false;
  qint64 lastPathEndMs_ = 0;      // run clock when the last path was finished
  qint64 pausedSincePathMs_ = 0;  // time paused since then, in pauses that are over
  qint64 pauseStartMs_ = 0;       // run clock when the current pause (or path, if later) began
  double secondsLeft_ = 0;
};

}  // namespace kw
