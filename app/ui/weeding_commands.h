// The main window's weeding commands: the weed box around the selection (or
// the whole drawing) and the weed lines from the selected box inwards, each
// through its dialog. Fields are read as whole numbers before anything
// changes; what was added is the new selection and one undo step.
#pragma once

#include <string_view>

namespace kw {

class frmMain;

// Runs the weeding command of the named control (mnuWeedBox, mnuWeedLines);
// false when the name is not one of them.
bool RunWeeding(frmMain& window, std::string_view name);

}  // namespace kw
