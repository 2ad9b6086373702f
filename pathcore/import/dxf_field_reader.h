// Field-by-field reading of an ASCII DXF file: a field is the text up to the
// next comma or line end with leading blanks skipped, or a quoted text; a pair
// is a group code field followed by a value field.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>

#include "support/buffered_file.h"

namespace kw::pathcore {

// A file error of the DXF reader, numbered as the original runtime numbered
// them so hosts can tell the cases apart.
class DxfFileError : public std::runtime_error {
 public:
  static constexpr int kCannotOpen = 53;
  static constexpr int kReadError = 57;
  static constexpr int kPastEnd = 62;
  // The runtime's "out of memory": a drawing with more points than a reader takes.
  static constexpr int kTooLarge = 7;

  explicit DxfFileError(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

struct DxfPair {
  std::string code;
  std::string value;
};

class DxfFieldReader {
 public:
  // Longest field text kept; the rest of a longer field is read past, since no
  // group code, name or number of a drawing comes near it.
  static constexpr size_t kMaxFieldChars = 65536;

  void Open(const std::string& path);  // throws DxfFileError
  void Close() { file_.Close(); }

  // True when nothing is left: no put-back field and no byte.
  bool AtEnd();
  // The next field; throws kPastEnd at the end of the file.
  void ReadField(std::string& out);
  // The next whole line (CR, LF or CR LF ends it); false at the end of the file.
  bool ReadLine(std::string& out);
  // The next pair; throws kPastEnd at the end of the file.
  void ReadPair(DxfPair& out);
  // The next pair, or false when the file ends first.
  bool TryReadPair(DxfPair& out);
  // Hands a pair back, to be read again field by field.
  void PutBack(const DxfPair& pair);

 private:
  int Get();
  bool ReadFieldInWindow(std::string& out);
  void ReadQuoted(std::string& out);
  void SkipToFieldEnd();
  void EatLineEnd(int c);

  kw::BufferedFile file_;
  std::deque<std::string> putBack_;
};

// Exact text comparison, cheap for the short group codes compared all the time.
inline bool SameText(const std::string& a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < b.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// The prefix number conversion of a field, with a fast path for plain numbers.
double DxfNumber(const std::string& text);

}  // namespace kw::pathcore
