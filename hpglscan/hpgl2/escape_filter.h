// The HP-GL/2 bytes of a plot file: escape sequences are taken out, and so is
// everything between a switch to PCL or PJL (ESC%0A, ESC%-12345X) and the
// switch back (ESC%-1B, ESC%1B, or a PJL "ENTER LANGUAGE" line naming HP-GL).
#pragma once

#include <string>

#include "byte_source.h"

namespace kw::hpglscan {

class EscapeFilter {
 public:
  static constexpr int kEnd = ByteSource::kEnd;
  explicit EscapeFilter(ByteSource& in) : in_(in) {}

  int Get() {
    const int c = Peek();
    ahead_ = kNone;
    return c;
  }
  int Peek() {
    if (ahead_ == kNone) ahead_ = NextHpglByte();
    return ahead_;
  }

 private:
  static constexpr int kNone = -2;

  int NextHpglByte();
  void Escape();
  void SkipPcl();
  bool PjlLineEntersHpgl();
  double EscapeValue(int& next);
  void SkipBinary(double count);

  ByteSource& in_;
  int ahead_ = kNone;
  bool inPcl_ = false;
};

}  // namespace kw::hpglscan
