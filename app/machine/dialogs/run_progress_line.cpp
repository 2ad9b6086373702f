#include "dialogs/run_progress_line.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "widgets/language_ui.h"

namespace kw {
namespace {

constexpr int kTickMs = 1000;  // the time left counts down once a second

QString Text(const char* key, const char* fallback) { return LanguageQTextOr("FRun", key, fallback); }

QString Metres(double mm) { return QString::number(mm / 1000, 'f', 2); }

}  // namespace

QString DurationText(double seconds) {
  const auto whole = static_cast<long long>(std::llround(std::max(0.0, seconds)));
  if (whole < 60) return Text("Seconds", "%1 s").arg(whole);
  if (whole < 3600) return Text("Minutes", "%1 min %2 s").arg(whole / 60).arg(whole % 60);
  const long long minutes = (whole + 30) / 60;
  return Text("Hours", "%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

RunProgressLine::RunProgressLine(QWidget* parent) : QWidget(parent) {
  setObjectName("FraProgress");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  text_ = new QLabel(this);
  text_->setObjectName("LProgress");
  bar_ = new QProgressBar(this);
  bar_->setObjectName("PBProgress");
  bar_->setTextVisible(false);
  bar_->setRange(0, 1);
  bar_->setValue(0);
  layout->addWidget(text_);
  layout->addWidget(bar_);
  ticker_ = new QTimer(this);
  ticker_->setInterval(kTickMs);
  connect(ticker_, &QTimer::timeout, this, &RunProgressLine::Refresh);
}

void RunProgressLine::ShowPlan(const RunEstimate& estimate) {
  estimate_ = estimate;
  secondsLeft_ = estimate.TotalSeconds();
  text_->setText(Text("ProgressReady", "Paths: %1, about %2").arg(PathsTotal()).arg(DurationText(secondsLeft_)));
  bar_->setRange(0, std::max(PathsTotal(), 1));
  bar_->setValue(0);
}

void RunProgressLine::Start(const RunEstimate& estimate) {
  estimate_ = estimate;
  shown_ = RunProgress{};
  runClock_.start();
  lastPathEndMs_ = pausedSincePathMs_ = pauseStartMs_ = 0;
  bar_->setRange(0, std::max(PathsTotal(), 1));
  ticker_->start();
  Refresh();
}

void RunProgressLine::Show(const RunProgress& progress) {
  shown_ = progress;
  lastPathEndMs_ = pauseStartMs_ = runClock_.elapsed();
  pausedSincePathMs_ = 0;
  Refresh();
}

void RunProgressLine::SetPaused(bool paused) {
  const qint64 now = runClock_.isValid() ? runClock_.elapsed() : 0;
  if (paused && !paused_) pauseStartMs_ = now;
  if (!paused && paused_) pausedSincePathMs_ += now - pauseStartMs_;
  paused_ = paused;
}

double RunProgressLine::SecondsIntoNextPath() const {
  const qint64 now = runClock_.elapsed();
  const qint64 pausedNow = paused_ ? now - pauseStartMs_ : 0;
  return double(now - lastPathEndMs_ - pausedSincePathMs_ - pausedNow) / 1000;
}

void RunProgressLine::Refresh() {
  secondsLeft_ = estimate_.SecondsLeft(shown_.pathsDone, SecondsIntoNextPath());
  text_->setText(Text("ProgressRunning", "Paths %1/%2, cut %3 m, about %4 left")
                     .arg(shown_.pathsDone)
                     .arg(PathsTotal())
                     .arg(Metres(shown_.cutLength))
                     .arg(DurationText(secondsLeft_)));
  bar_->setValue(std::min(shown_.pathsDone, bar_->maximum()));
}

void RunProgressLine::Finish(const RunSummary& summary) {
  ticker_->stop();
  const double took = runClock_.isValid() ? double(runClock_.elapsed()) / 1000 : 0;
  runClock_.invalidate();
  if (!summary.started) return ShowPlan(estimate_);
  // A resumed run counts on from the path it started at, so the progress it
  // reported is the larger count.
  shown_.pathsDone = std::max(shown_.pathsDone, summary.pathsRun);
  shown_.cutLength = summary.cutLength;
  secondsLeft_ = 0;
  if (summary.stopped) {
    text_->setText(Text("ProgressStopped", "Stopped: paths %1 of %2, cut %3 m")
                       .arg(shown_.pathsDone)
                       .arg(PathsTotal())
                       .arg(Metres(summary.cutLength)));
    bar_->setValue(std::min(shown_.pathsDone, bar_->maximum()));
    return;
  }
  text_->setText(Text("ProgressDone", "Finished: paths %1, cut %2 m, time %3")
                     .arg(summary.pathsRun)
                     .arg(Metres(summary.cutLength))
                     .arg(DurationText(took)));
  bar_->setValue(bar_->maximum());
}

}  // namespace kw
