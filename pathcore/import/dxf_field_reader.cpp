#include "import/dxf_field_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <span>

#include "support/basic_text.h"

namespace kw::pathcore {

namespace {
constexpr int kEnd = kw::BufferedFile::kEnd;
bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }
}  // namespace

DxfFileError::DxfFileError(int code)
    : std::runtime_error(code == kCannotOpen ? "file cannot be opened"
                         : code == kReadError ? "read error"
                         : code == kTooLarge  ? "far too large: too many points once its curves are flattened"
                                              : "unexpected end of file"),
      code_(code) {}

void DxfFieldReader::Open(const std::string& path) {
  putBack_.clear();
  if (!file_.Open(path)) throw DxfFileError(DxfFileError::kCannotOpen);
}

int DxfFieldReader::Get() {
  const int c = file_.Get();
  if (c == kEnd && file_.Failed()) throw DxfFileError(DxfFileError::kReadError);
  return c;
}

bool DxfFieldReader::AtEnd() {
  if (!putBack_.empty()) return false;
  const bool end = file_.AtEnd();
  if (end && file_.Failed()) throw DxfFileError(DxfFileError::kReadError);
  return end;
}

// A CR LF pair is one line end.
void DxfFieldReader::EatLineEnd(int c) {
  if (c == '\r' && file_.Peek() == '\n') file_.Get();
}

// The usual field: unquoted, whole inside the read-ahead block, with its
// line end there too. False (nothing taken) for every other case.
bool DxfFieldReader::ReadFieldInWindow(std::string& out) {
  const std::span<const uint8_t> w = file_.Window();
  size_t i = 0;
  while (i < w.size() && (w[i] == ' ' || w[i] == '\t')) ++i;
  if (i == w.size() || w[i] == '"') return false;
  size_t j = i;
  while (j < w.size() && w[j] != ',' && !IsLineEnd(w[j])) ++j;
  if (j + 1 >= w.size() || j - i > kMaxFieldChars) return false;
  out.assign(reinterpret_cast<const char*>(w.data()) + i, j - i);
  const size_t end = (w[j] == '\r' && w[j + 1] == '\n') ? j + 2 : j + 1;
  file_.Advance(end);
  return true;
}

void DxfFieldReader::ReadField(std::string& out) {
  out.clear();
  if (!putBack_.empty()) {
    out = std::move(putBack_.front());
    putBack_.pop_front();
    return;
  }
  if (ReadFieldInWindow(out)) return;
  if (file_.Window().empty()) {
    if (file_.Failed()) throw DxfFileError(DxfFileError::kReadError);
    throw DxfFileError(DxfFileError::kPastEnd);
  }
  while (file_.Peek() == ' ' || file_.Peek() == '\t') file_.Get();
  if (file_.Peek() == '"') {
    file_.Get();
    return ReadQuoted(out);
  }
  // Whole runs of the read-ahead block at a time: this is the hot loop of an import.
  for (;;) {
    const std::span<const uint8_t> w = file_.Window();
    if (w.empty()) {
      if (file_.Failed()) throw DxfFileError(DxfFileError::kReadError);
      return;
    }
    size_t i = 0;
    while (i < w.size() && w[i] != ',' && !IsLineEnd(w[i])) ++i;
    const size_t room = kMaxFieldChars - std::min(out.size(), kMaxFieldChars);
    out.append(reinterpret_cast<const char*>(w.data()), std::min(i, room));
    file_.Advance(i);
    if (i < w.size()) return EatLineEnd(Get());
  }
}

void DxfFieldReader::ReadQuoted(std::string& out) {
  int c = Get();
  while (c != kEnd && c != '"') {
    if (out.size() < kMaxFieldChars) out.push_back(static_cast<char>(c));
    c = Get();
  }
  if (c != kEnd) SkipToFieldEnd();
}

void DxfFieldReader::SkipToFieldEnd() {
  int c = Get();
  while (c != kEnd && c != ',' && !IsLineEnd(c)) c = Get();
  EatLineEnd(c);
}

bool DxfFieldReader::ReadLine(std::string& out) {
  out.clear();
  if (!putBack_.empty()) {
    out = std::move(putBack_.front());
    putBack_.pop_front();
    return true;
  }
  if (AtEnd()) return false;
  int c = Get();
  while (c != kEnd && !IsLineEnd(c)) {
    if (out.size() < kMaxFieldChars) out.push_back(static_cast<char>(c));
    c = Get();
  }
  EatLineEnd(c);
  return true;
}

void DxfFieldReader::ReadPair(DxfPair& out) {
  ReadField(out.code);
  ReadField(out.value);
}

bool DxfFieldReader::TryReadPair(DxfPair& out) {
  if (AtEnd()) return false;
  ReadField(out.code);
  if (AtEnd()) return false;
  ReadField(out.value);
  return true;
}

void DxfFieldReader::PutBack(const DxfPair& pair) {
  putBack_.push_back(pair.code);
  putBack_.push_back(pair.value);
}

namespace {

// A plain decimal whose digits fit in 53 bits with at most 22 decimals is an
// exact integer divided by an exact power of ten: one correctly rounded
// division gives the same double as a full conversion.
bool ExactDecimal(const std::string& text, double& out) {
  static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr uint64_t kLimit = (uint64_t{1} << 53) / 10;
  size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  uint64_t mantissa = 0;
  int decimals = 0;
  bool digits = false, point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9' && mantissa < kLimit && decimals < 22) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      decimals += point;
      digits = true;
    } else {
      return false;
    }
  }
  if (!digits) return false;
  const double v = static_cast<double>(mantissa) / kPow10[decimals];
  out = text[0] == '-' ? -v : v;
  return true;
}

}  // namespace

double DxfNumber(const std::string& text) {
  double value = 0;
  if (ExactDecimal(text, value)) return value;
  // Digits, sign and point only: from_chars reads exactly what Val would.
  bool plain = !text.empty();
  for (size_t i = 0; i < text.size() && plain; ++i) {
    const char c = text[i];
    plain = (c >= '0' && c <= '9') || c == '.' || (c == '-' && i == 0);
  }
  if (plain) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end == text.data() + text.size()) return value;
  }
  return kw::Val(text);
}

}  // namespace kw::pathcore
