#include "scale_with_dialog.h"

#include "frm_main.h"
#include "widgets/language_ui.h"

namespace kw {

bool ScaleWithDialog(frmMain& window, double, double, int16_t, bool) {
  window.ShowStatus(LanguageQTextOr("frmMain", "NotYet", "This command is not available yet."));
  return true;
}

}  // namespace kw
