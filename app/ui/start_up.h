// The program's start: settings, tool heights, the main window with its
// geometry, toolbars and language, then the command line.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kw {

class frmMain;

// Runs the start-up steps and returns the shown main window; arguments are
// the command line after the program's name.
std::unique_ptr<frmMain> StartUp(const std::vector<std::string>& arguments);

}  // namespace kw
