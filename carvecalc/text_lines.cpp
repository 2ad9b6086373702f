#include "carvecalc/text_lines.h"

namespace carvecalc {

bool TextLines::Next(std::string& line) {
  line.clear();
  std::streambuf* buf = in_.rdbuf();
  int c = buf->sbumpc();
  if (c == std::char_traits<char>::eof()) return false;
  while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
    if (line.size() < max_) line.push_back(static_cast<char>(c));
    c = buf->sbumpc();
  }
  // CR LF is one line end.
  if (c == '\r' && buf->sgetc() == '\n') buf->sbumpc();
  return true;
}

}  // namespace carvecalc
