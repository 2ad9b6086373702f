// The main window's transform commands: scale, rotate, move, array and mirror
// the selected paths through their dialogs. Every field is read as a whole
// number before anything changes; a field that does not read as one is named
// in a message and the drawing stays as it was.
#pragma once

#include <cstdint>
#include <string_view>

namespace kw {

class frmMain;

// Runs the transform of the named control (munScale, mnuSpin, mnuMove, mnuZl,
// mnuMirror); false when the name is not one of them. Nothing happens while
// nothing is selected; an accepted transform ends with the selection's bounds
// and CommitEdit.
bool RunTransform(frmMain& window, std::string_view name);

// The scale dialog for a drag on a handle of the selection with Ctrl held:
// it opens with the factors kx and ky, fixed point center (the Center code of
// Block_Scale: 0 the centre, 1 top-left, 2 top-right, 3 bottom-left,
// 4 bottom-right) and, when lock, the lock boxes ticked. On OK the selection
// is scaled and its bounds recomputed; the caller then runs CommitEdit.
// Returns true when nothing was scaled because the dialog was cancelled or a
// field was refused, false otherwise (also when nothing is selected).
bool ScaleWithDialog(frmMain& window, double kx, double ky, int16_t center, bool lock);

}  // namespace kw
