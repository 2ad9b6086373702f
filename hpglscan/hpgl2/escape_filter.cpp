#include "escape_filter.h"

#include <algorithm>
#include <cctype>

namespace kw::hpglscan {

namespace {
constexpr int kEsc = 0x1B;
constexpr size_t kPjlLineLimit = 256;  // longer PJL lines are only read past
bool IsLowerParameter(int c) { return c >= 0x60 && c <= 0x7E; }
}  // namespace

int EscapeFilter::NextHpglByte() {
  for (;;) {
    if (inPcl_) SkipPcl();
    const int c = in_.Get();
    if (c != kEsc) return c;
    Escape();
  }
}

// PCL text and raster data are read past up to the next escape; PJL lines
// may hand over to HP-GL/2 without one.
void EscapeFilter::SkipPcl() {
  bool lineStart = true;
  while (inPcl_) {
    const int c = in_.Get();
    if (c == kEnd) return;
    if (c == kEsc) {
      Escape();
    } else if (lineStart && c == '@') {
      if (PjlLineEntersHpgl()) inPcl_ = false;
      lineStart = true;  // the PJL line was read through its end
      continue;
    }
    lineStart = c == '\n' || c == '\r' || c == kEsc;
  }
}

bool EscapeFilter::PjlLineEntersHpgl() {
  std::string line;
  for (int c = in_.Get(); c != kEnd && c != '\n'; c = in_.Get()) {
    if (line.size() < kPjlLineLimit) line.push_back(static_cast<char>(std::toupper(c)));
  }
  return line.find("ENTER") != std::string::npos && line.find("LANGUAGE") != std::string::npos &&
         line.find("HPGL") != std::string::npos;
}

// ESC X (two bytes), or ESC group [kind] value parameter ... final, where the
// lower-case parameters chain further values of the same group.
void EscapeFilter::Escape() {
  const int group = in_.Get();
  if (group < 0x21 || group > 0x2F) return;  // a two-byte escape, or a stray ESC
  int c = in_.Get();
  if (group != '%' && IsLowerParameter(c)) c = in_.Get();
  for (;;) {
    const double value = EscapeValue(c);
    if (group == '%') {
      if (c == 'A' || c == 'X') inPcl_ = true;
      if (c == 'B') inPcl_ = false;
      return;
    }
    if (c == 'W' || c == 'w') SkipBinary(value);
    if (!IsLowerParameter(c)) return;  // an upper-case final, or a broken escape
    c = in_.Get();
  }
}

// The escape's number, starting at next; next is left on the byte after it.
double EscapeFilter::EscapeValue(int& next) {
  bool negative = false;
  if (next == '+' || next == '-') {
    negative = next == '-';
    next = in_.Get();
  }
  double value = 0;
  while (next >= '0' && next <= '9') {
    value = std::min(value * 10 + (next - '0'), 1e12);
    next = in_.Get();
  }
  if (next == '.') {
    next = in_.Get();
    while (next >= '0' && next <= '9') next = in_.Get();
  }
  return negative ? -value : value;
}

// Raster and font data follow their escape as a counted run of bytes.
void EscapeFilter::SkipBinary(double count) {
  for (double i = 0; i < count; ++i) {
    if (in_.Get() == kEnd) return;
  }
}

}  // namespace kw::hpglscan
