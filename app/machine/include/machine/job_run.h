// The job run: plays the document out on the machine (checks, every path
// through the controller, paper cut-off, return to the origin) and offers the
// controls that stay live while it runs (tool depth, suction). Front ends
// supply the host hooks for messages, progress and the stop request.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "machine/axisnet_api.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "machine/run_host.h"
#include "machine/run_state.h"
#include "pathcore/path_obj.h"

namespace kw {

struct RunOptions {
  bool selection = false;  // run only the selected objects
  bool cutOff = false;     // cut the paper off after the job
  float feed = 0;          // mm of paper fed past the job before the cut-off
  // The path to start at, 1-based in run order as the progress counts them:
  // the paths before it are passed over without moving, so a stopped job can
  // go on where it stopped.
  int32_t fromPath = 1;
};

// The remembered cut-off choice of Setting.ini ("Ck_Cut", "RtCut").
RunOptions RunOptionsFromSettings(const MachineSettings& s, bool selection = false);

struct RunSummary {
  bool started = false;              // false: refused before anything moved, or nothing selected
  bool stopped = false;              // the stop was seen, or a controller call failed
  bool communicationFailed = false;  // "0024" was shown
  bool cutOff = false;               // the paper was cut off
  int32_t pathsRun = 0;      // paths cut by this run, those passed over before fromPath not counted
  // Where a run that ended early got to: the 1-based number of the path in
  // progress (or about to start) and its layer argument; 0 when every path was cut.
  int32_t pathInProgress = 0;
  int16_t layerInProgress = 0;
  int32_t pathsSkipped = 0;  // paths with all points equal
  double cutLength = 0;      // mm streamed with a tool down
  std::vector<std::string> messageKeys;  // MSGBOX keys shown, in order
};

class JobRun {
 public:
  JobRun(AxisnetApi& axisnet, CYdkz& ydkz, MachineSettings& settings, const CCutLayer& cutLayers,
         const CLayerMap& layerMap, RunHost& host);

  // The whole job: checks, runs every path through the controller, cuts
  // the paper off when asked and returns the head to the origin. An error
  // thrown on the way (a value beyond the controller's range) is raised again
  // once the tool is up and the head is back; a call while running does nothing.
  RunSummary Run(kw::pathcore::CPathObj& doc, const RunOptions& options);
  bool Running() const { return running_; }

  // The depth of tool 0 pen, 1 knife, 2 half-cut one step deeper or
  // shallower in the settings (not written to Setting.ini); a lowered tool
  // follows at once.
  void ToolAdd(int tool);
  void ToolDec(int tool);
  int16_t ToolDownState() const { return state_.toolDown; }

  // General output 0 drives the suction and is active low.
  void SetSuction(bool on);
  bool SuctionOn();

 private:
  bool Refused(kw::pathcore::CPathObj& doc, const RunOptions& options);
  // The layer map's order and kinds, as the work-data request takes them.
  struct LayerOrder {
    std::vector<int16_t> sort, type;
  };

  // Every path through the controller; an error thrown on the way, if any.
  std::exception_ptr PlayWorkData(kw::pathcore::CPathObj& doc, const RunOptions& options);
  // Tool up and head at the origin; a return that fails twice counts as a
  // failed link.
  void LeaveMachineAtOrigin();
  void FollowWithLoweredTool();
  RunSummary Summary() const;

  AxisnetApi& axisnet_;
  CYdkz& ydkz_;
  MachineSettings& s_;
  const CCutLayer& cutLayers_;
  const CLayerMap& layerMap_;
  RunHost& host_;
  RunState state_;
  bool running_ = false;
  bool cutOff_ = false;
};

}  // namespace kw
