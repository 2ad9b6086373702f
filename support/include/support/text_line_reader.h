// Line-by-line reading of untrusted text of any size or content. A line ends
// at CR, LF or CR LF; an overlong line is cut to its first maxChars and the
// rest read past, so a file with no line breaks cannot exhaust memory.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "support/buffered_file.h"

namespace kw {

// No operator or number of a drawing needs more.
inline constexpr size_t kMaxLineChars = 65536;

// Reads the next line from any byte source whose Get() and Peek() return
// BufferedFile::kEnd at the end. False at the end of the input.
template <class Bytes>
bool ReadTextLine(Bytes& in, std::string& out, size_t maxChars = kMaxLineChars) {
  out.clear();
  int c = in.Get();
  if (c == BufferedFile::kEnd) return false;
  while (c != BufferedFile::kEnd && c != '\r' && c != '\n') {
    if (out.size() < maxChars) out.push_back(static_cast<char>(c));
    c = in.Get();
  }
  if (c == '\r' && in.Peek() == '\n') in.Get();
  return true;
}

// The bytes of a std::istream with the Get/Peek shape of BufferedFile.
class StreamBytes {
 public:
  explicit StreamBytes(std::istream& in) : buf_(in.rdbuf()) {}
  int Get() { return Byte(buf_->sbumpc()); }
  int Peek() { return Byte(buf_->sgetc()); }

 private:
  static int Byte(std::istream::int_type c) {
    return c == std::istream::traits_type::eof() ? BufferedFile::kEnd : static_cast<unsigned char>(c);
  }
  std::streambuf* buf_;
};

// The lines of a file, read through a buffer.
class TextLineReader {
 public:
  bool Open(const std::string& path) { return file_.Open(path); }
  // False at the end of the file (or after a read error).
  bool ReadLine(std::string& out) { return ReadTextLine(file_, out); }
  bool Failed() const { return file_.Failed(); }

 private:
  BufferedFile file_;
};

}  // namespace kw
