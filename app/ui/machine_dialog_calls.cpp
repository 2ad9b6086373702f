#include "machine_dialog_calls.h"

#include "frm_main.h"
#include "link_guard.h"
#include "machine/homing_sequence.h"
#include "machine/job_run.h"
#include "machine/layer_tables.h"
#include "machine/machine_settings.h"
#include "window_run_host.h"

namespace kw {

// TEMPORARY stand-in for the run dialog FRun: runs the job at once with the
// remembered cut-off choice, the window as host. To be replaced by showing
// FRun modally with its SelMode set.
void ShowRunDialog(frmMain& window, bool selMode) {
  WindowRunHost host(window, window.Guard());
  JobRun run(window.Guard(), window.Ydkz(), Settings(), CutLayers(), LayerMap(), host);
  run.Run(window.MainDoc(), RunOptionsFromSettings(Settings(), selMode));
}

// TEMPORARY stand-in for the homing dialog FGoHome: homes at once, the window
// as host. To be replaced by showing FGoHome modally.
void ShowHomingDialog(frmMain& window) {
  WindowRunHost host(window, window.Guard());
  GoHome(window.Ydkz(), Settings(), host);
}

}  // namespace kw
