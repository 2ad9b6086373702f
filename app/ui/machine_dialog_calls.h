// The two machine dialogs the panel opens: the run dialog and the homing
// dialog, both modal over the main window.
#pragma once

namespace kw {

class frmMain;

// The run dialog for the whole job, or with selMode for the selection only.
void ShowRunDialog(frmMain& window, bool selMode);

// The homing dialog; it homes the machine as soon as it is shown.
void ShowHomingDialog(frmMain& window);

}  // namespace kw
