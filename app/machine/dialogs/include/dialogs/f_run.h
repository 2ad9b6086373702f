// The run dialog "FRun": plays the document out on the machine with start,
// pause, stop and exit, switches the suction, cuts the paper off after the
// job when asked, steps the tool depths while it runs and shows the progress
// with the time left. Everything runs on the window's thread: the run keeps
// the window alive by processing its events between controller polls.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "machine/axisnet_api.h"
#include "machine/cydkz.h"
#include "machine/job_run.h"
#include "machine/planned_paths.h"
#include "machine/run_estimate.h"
#include "pathcore/path_obj.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kw {

class RfText;
class RunProgressLine;

class FRun : public QDialog {
  Q_OBJECT
  // True: the run plays only the selected objects. Set by the caller before showing.
  Q_PROPERTY(bool SelMode READ SelMode WRITE SetSelMode)

 public:
  // Drives the process's controller library with the process's settings and layer tables.
  explicit FRun(kw::pathcore::CPathObj& doc, QWidget* parent = nullptr);
  FRun(kw::pathcore::CPathObj& doc, AxisnetApi& axisnet, QWidget* parent = nullptr);
  ~FRun() override;

  bool SelMode() const { return selMode_; }
  void SetSelMode(bool value) {
    selMode_ = value;
    planned_.reset();
  }
  bool Running() const;
  // What the last start button did; nothing before the first.
  const RunSummary& LastRun() const { return lastRun_; }

  Q_INVOKABLE void ReLanguage();

 public slots:
  // The window is only closed while no run is going on; Esc and the
  // window's close button come here too.
  void reject() override;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class Host;

  void BuildControls();
  QWidget* BuildDepthSteps();
  void Load();
  RunOptions Options() const;
  // After a run that ended early, asks whether to go on from the path it
  // stopped in or start afresh; false when the question was cancelled.
  bool ChooseStart(RunOptions& options);
  RunEstimate Estimate(const RunOptions& options, HeadPosition start);
  void ShowPlan();
  void SetRunningControls(bool running);
  void OnRun();
  void OnPause(bool paused);
  void OnStop();
  void OnSuction(bool on);
  void StepTool(int tool, int delta);
  void ShowDepthSteps();
  void ShowPauseCaption();
  void SaveChoices() const;

  kw::pathcore::CPathObj& doc_;
  AxisnetApi& axisnet_;
  CYdkz ydkz_;
  std::unique_ptr<Host> host_;
  std::unique_ptr<JobRun> run_;
  bool selMode_ = false;
  RunSummary lastRun_;
  int32_t resumePath_ = 0;     // the path a stopped run left unfinished, 0 for none
  int16_t resumeLayer_ = 0;    // its layer argument
  std::optional<std::vector<PlannedPath>> planned_;  // the document cannot change while the dialog is up

  QPushButton* cRun_ = nullptr;
  QPushButton* cPause_ = nullptr;
  QPushButton* cStop_ = nullptr;
  QPushButton* cExit_ = nullptr;
  QCheckBox* ckSuction_ = nullptr;
  QCheckBox* ckCut_ = nullptr;
  RfText* rtCut_ = nullptr;
  QLabel* lzPos_[3] = {};
  RunProgressLine* progress_ = nullptr;
};

}  // namespace kw
