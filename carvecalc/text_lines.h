// Line-by-line reading of untrusted text files: CR, LF and CR LF all end a
// line, and a line longer than the limit is cut, its rest skipped, so a file
// with no line breaks cannot exhaust memory.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace carvecalc {

class TextLines {
 public:
  explicit TextLines(std::istream& in, size_t maxLine = 65536) : in_(in), max_(maxLine) {}
  // The next line without its terminator; false at the end of the input.
  bool Next(std::string& line);

 private:
  std::istream& in_;
  size_t max_;
};

}  // namespace carvecalc
