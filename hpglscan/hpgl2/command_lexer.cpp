#include "command_lexer.h"

#include <algorithm>

namespace kw::hpglscan {

namespace {
bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
char Upper(int c) { return static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c); }
constexpr int kFractionDigits = 9;  // finer fractions are below any plotter's step
}  // namespace

std::optional<Mnemonic> CommandLexer::NextMnemonic() {
  while (NextNumber()) {
  }
  for (;;) {
    int c = in_.Get();
    while (c != kEnd && !IsLetter(c)) c = in_.Get();
    if (c == kEnd) return std::nullopt;
    if (!IsLetter(in_.Peek())) continue;  // a lone letter is junk
    commandEnded_ = false;
    return Mnemonic{Upper(c), Upper(in_.Get())};
  }
}

std::optional<double> CommandLexer::NextNumber() {
  while (!commandEnded_) {
    const int c = in_.Peek();
    if (c == kEnd || IsLetter(c)) break;
    in_.Get();
    if (c == ';') break;
    if (IsDigit(c) || c == '.' || ((c == '-' || c == '+') && (IsDigit(in_.Peek()) || in_.Peek() == '.'))) {
      return ReadNumber(c);
    }
  }
  commandEnded_ = true;
  return std::nullopt;
}

// Digits with an optional sign and fraction; huge values are held at the
// limit. The byte after the number stays unread: it may be the next mnemonic.
double CommandLexer::ReadNumber(int first) {
  const bool negative = first == '-';
  bool fraction = first == '.';
  double value = IsDigit(first) ? first - '0' : 0;
  double scale = 1;
  int fractionDigits = 0;
  while (IsDigit(in_.Peek()) || (!fraction && in_.Peek() == '.')) {
    const int c = in_.Get();
    if (c == '.') {
      fraction = true;
    } else if (!fraction) {
      value = std::min(value * 10 + (c - '0'), kLimit);
    } else if (fractionDigits++ < kFractionDigits) {
      value += (c - '0') * (scale /= 10);
    }
  }
  value = std::min(value, kLimit);
  return negative ? -value : value;
}

int CommandLexer::TakeCharacterArgument() {
  const int c = in_.Get();
  if (c == ';' || c == kEnd) commandEnded_ = true;
  return c;
}

void CommandLexer::SkipQuoted() {
  while (in_.Peek() == ' ' || in_.Peek() == ',') in_.Get();
  if (in_.Peek() != '"') return;
  in_.Get();
  for (int c = in_.Get(); c != kEnd && c != '"'; c = in_.Get()) {
  }
}

void CommandLexer::SkipThrough(int terminator) {
  for (int c = in_.Get(); c != kEnd && c != terminator; c = in_.Get()) {
  }
  commandEnded_ = true;
}

}  // namespace kw::hpglscan
