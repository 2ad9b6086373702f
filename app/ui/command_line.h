// The program's command line: a drawing to open, or a drawing handed over by
// a drawing program's export ("corelout FILE", "autocadout FILE"), or the
// word "debug" that shows the debug menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw {

struct CommandLineRequest {
  bool debug = false;   // show the debug menu
  std::string file;     // open this file; empty: nothing to open
  int16_t openMode = 0; // 0 plain open, 1 CorelDRAW hand-over, 2 AutoCAD hand-over
};

// The arguments after the program name, joined by blanks into one line the
// way the rules read it: a file name with blanks arrives as one name.
std::string JoinArguments(const std::vector<std::string>& arguments);

CommandLineRequest ReadCommandLine(const std::string& line);

}  // namespace kw
