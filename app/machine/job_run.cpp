#include "machine/job_run.h"

#include <algorithm>

#include "machine/machine_moves.h"
#include "machine/paper_cutoff.h"
#include "machine/path_runner.h"
#include "machine/run_checks.h"
#include "machine/run_work_data.h"
#include "machine/tool_depth.h"
#include "support/basic_text.h"
#include "machine/layer_count.h"

namespace kw {

namespace {

SafeRect SafeRectOf(const kw::pathcore::CPathObj& doc, bool selection, const MachineSettings& s) {
  SafeRect r;
  if (selection)
    doc.GetSafeRect_Sel(s.CutOffsetX, s.CutOffsetY, r.Xmin, r.Xmax, r.Ymin, r.Ymax);
  else
    doc.GetSafeRect(s.CutOffsetX, s.CutOffsetY, r.Xmin, r.Xmax, r.Ymin, r.Ymax);
  return r;
}

double JobYmax(const kw::pathcore::CPathObj& doc, bool selection) { return selection ? doc.SelYMax() : doc.Ymax(); }

// Puts the run's handler in as the document's event sink for the request and
// gives the host's sink back afterwards, also when the request throws.
class EventsBinding {
 public:
  EventsBinding(kw::pathcore::CPathObj& doc, kw::pathcore::CPathObjEvents& sink) : doc_(doc), previous_(doc.Events()) {
    doc_.SetEvents(&sink);
  }
  ~EventsBinding() { doc_.SetEvents(previous_); }
  EventsBinding(const EventsBinding&) = delete;
  EventsBinding& operator=(const EventsBinding&) = delete;

 private:
  kw::pathcore::CPathObj& doc_;
  kw::pathcore::CPathObjEvents* previous_;
};

// Marks the run as going on for its lifetime, so that an error thrown by any
// of the run's moves still leaves the start button usable.
class RunningMark {
 public:
  explicit RunningMark(bool& running) : running_(running) { running_ = true; }
  ~RunningMark() { running_ = false; }
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

 private:
  bool& running_;
};

}  // namespace

RunOptions RunOptionsFromSettings(const MachineSettings& s, bool selection) {
  return {.selection = selection, .cutOff = s.Ck_Cut != 0, .feed = static_cast<float>(Val(s.RtCut))};
}

JobRun::JobRun(AxisnetApi& axisnet, CYdkz& ydkz, MachineSettings& settings, const CCutLayer& cutLayers,
               const CLayerMap& layerMap, RunHost& host)
    : axisnet_(axisnet), ydkz_(ydkz), s_(settings), cutLayers_(cutLayers), layerMap_(layerMap), host_(host) {}

RunSummary JobRun::Run(kw::pathcore::CPathObj& doc, const RunOptions& options) {
  if (running_) return {};  // the start button is disabled while a run is going on
  state_ = RunState{};
  cutOff_ = false;
  if (options.selection && doc.SelCount() == 0) return Summary();
  if (Refused(doc, options)) return Summary();
  {
    const RunningMark mark(running_);
    const std::exception_ptr failure = PlayWorkData(doc, options);
    if (options.cutOff && state_.stopFlag == 0)
      cutOff_ = CutPaperOff(ydkz_, s_, cutLayers_, host_, options.feed, JobYmax(doc, options.selection));
    LeaveMachineAtOrigin();
    if (failure) std::rethrow_exception(failure);
  }
  RunSummary summary = Summary();
  summary.started = true;
  return summary;
}

std::exception_ptr JobRun::PlayWorkData(kw::pathcore::CPathObj& doc, const RunOptions& options) {
  const bool selection = options.selection;
  LayerOrder order;
  layerMap_.GetSort(order.sort);
  layerMap_.GetType(order.type);
  state_.progress.pathsTotal = doc.WorkPathCount(kLayerCount, order.sort, order.type, selection);
  state_.firstPath = std::max(options.fromPath, 1);
  state_.progress.pathsDone = state_.firstPath - 1;  // the progress counts on from where the job stopped
  PathRunner runner(axisnet_, ydkz_, s_, cutLayers_, host_, state_);
  EventsBinding binding(doc, runner);
  try {
    RequestRunWorkData(doc, s_, layerMap_, selection);
  } catch (...) {
    state_.stopFlag = -1;
    return std::current_exception();
  }
  return runner.Failure();
}

// A controller that stopped answering on the way back may answer again once
// the link's resends are spent, so the return is tried once more before the
// run reports the link failed.
void JobRun::LeaveMachineAtOrigin() {
  if (ReturnToOrigin(ydkz_, s_, host_) || ReturnToOrigin(ydkz_, s_, host_)) return;
  state_.stopFlag = -1;
  if (state_.communicationFailed) return;  // already reported
  state_.communicationFailed = true;
  ShowRunMessage(host_, state_, "0024");
}

bool JobRun::Refused(kw::pathcore::CPathObj& doc, const RunOptions& options) {
  std::string key = WorkAreaRefusal(SafeRectOf(doc, options.selection, s_), s_);
  if (key.empty() && options.cutOff)
    key = CutOffRefusal(options.feed, JobYmax(doc, options.selection), options.selection, s_);
  if (key.empty()) return false;
  ShowRunMessage(host_, state_, key);
  return true;
}

RunSummary JobRun::Summary() const {
  RunSummary summary;
  summary.stopped = state_.stopFlag != 0;
  summary.communicationFailed = state_.communicationFailed;
  summary.cutOff = cutOff_;
  summary.pathsRun = std::max(0, state_.progress.pathsDone - (state_.firstPath - 1));
  summary.pathInProgress = state_.stoppedAtPath;
  summary.layerInProgress = state_.stoppedAtLayer;
  summary.pathsSkipped = state_.pathsSkipped;
  summary.cutLength = state_.progress.cutLength;
  summary.messageKeys = state_.messageKeys;
  return summary;
}

void JobRun::ToolAdd(int tool) {
  StepToolDepth(s_, tool, +1);
  FollowWithLoweredTool();
}

void JobRun::ToolDec(int tool) {
  StepToolDepth(s_, tool, -1);
  FollowWithLoweredTool();
}

void JobRun::FollowWithLoweredTool() {
  if (state_.toolDown != kNoToolDown) MoveZTo(ydkz_, s_, LoweredToolHeight(s_, state_.toolDown));
}

void JobRun::SetSuction(bool on) { ydkz_.SetOutBit(0, on ? 0 : 1); }

bool JobRun::SuctionOn() { return !ydkz_.GetOutBit(0); }

}  // namespace kw
