// The scale dialog opened for a handle drag made with Ctrl held: preset with
// the drag's factors and fixed corner, both axes locked for a corner handle.
#pragma once

#include <cstdint>

namespace kw {

class frmMain;

// Scales the selection as the dialog confirms; true when it was cancelled.
bool ScaleWithDialog(frmMain& window, double kx, double ky, int16_t Center, bool Lock);

}  // namespace kw
