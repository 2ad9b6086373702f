// Line-by-line reading of a text file of any size or content. A line ends at
// CR, LF or CR LF; overlong lines are cut to their first kMaxLineChars.
#pragma once

#include <string>

#include "support/buffered_file.h"

namespace pathcore {

class TextLineReader {
 public:
  // No operator or number of a drawing needs more; the rest is read past.
  static constexpr size_t kMaxLineChars = 65536;

  bool Open(const std::string& path) { return file_.Open(path); }
  // False at the end of the file (or after a read error).
  bool ReadLine(std::string& out) {
    out.clear();
    int c = file_.Get();
    if (c == kw::BufferedFile::kEnd) return false;
    while (c != kw::BufferedFile::kEnd && c != '\r' && c != '\n') {
      if (out.size() < kMaxLineChars) out.push_back(static_cast<char>(c));
      c = file_.Get();
    }
    if (c == '\r' && file_.Peek() == '\n') file_.Get();
    return true;
  }
  bool Failed() const { return file_.Failed(); }

 private:
  kw::BufferedFile file_;
};

}  // namespace pathcore
