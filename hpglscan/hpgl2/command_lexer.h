// Splits HP-GL/2 into two-letter mnemonics and their numeric parameters,
// read one at a time so a command of a million pairs needs no buffer. Bytes
// that fit nowhere are read past.
#pragma once

#include <array>
#include <optional>

#include "escape_filter.h"

namespace kw::hpglscan {

using Mnemonic = std::array<char, 2>;

class CommandLexer {
 public:
  static constexpr int kEnd = EscapeFilter::kEnd;
  static constexpr double kLimit = 1073741823;  // parameters are held to the plotter's range, 2^30 - 1

  explicit CommandLexer(ByteSource& in) : in_(in) {}

  // The next command's mnemonic in upper case, after reading past what is left
  // of the current one; nothing at the end of the input.
  std::optional<Mnemonic> NextMnemonic();
  // The current command's next parameter; nothing once it has ended (at its
  // terminator, the next mnemonic or the end of the input).
  std::optional<double> NextNumber();
  // Fills up to values.size() parameters and returns how many were read.
  template <size_t N>
  size_t Numbers(std::array<double, N>& values) {
    size_t n = 0;
    while (n < N) {
      const auto v = NextNumber();
      if (!v) break;
      values[n++] = *v;
    }
    return n;
  }

  // The raw byte right after the mnemonic (DT's terminator, SM's symbol);
  // ';' and the end of the input end the command.
  int TakeCharacterArgument();
  // Label text through the label terminator (LB, BL, WD).
  void SkipLabel() { SkipThrough(labelTerminator_); }
  // A quoted string (CO, MG) through its closing quote.
  void SkipQuoted();
  // Encoded data (PE) through its ';'.
  void SkipEncoded() { SkipThrough(';'); }
  void SetLabelTerminator(int c) { labelTerminator_ = c; }

 private:
  void SkipThrough(int terminator);
  double ReadNumber(int first);

  EscapeFilter in_;
  bool commandEnded_ = true;
  int labelTerminator_ = 0x03;  // ETX until DT says otherwise
};

}  // namespace kw::hpglscan
