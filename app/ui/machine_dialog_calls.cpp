#include "machine_dialog_calls.h"

#include "dialogs/f_go_home.h"
#include "dialogs/f_run.h"
#include "frm_main.h"
#include "link_guard.h"

namespace kw {

void ShowRunDialog(frmMain& window, bool selMode) {
  // Through the window's guard, so that a lost controller ends the run's waits at once.
  FRun dialog(window.MainDoc(), window.Guard(), &window);
  dialog.SetSelMode(selMode);
  dialog.exec();
}

void ShowHomingDialog(frmMain& window) { ShowGoHome(&window, window.Ydkz()); }

}  // namespace kw
