// The hand pendant: its 16-bit button word (a cleared bit is a pressed
// button, -1 none) becomes a key code that the main window handles like a
// key press, and a held button sends its code only once.
#pragma once

#include <cstdint>
#include <optional>

namespace kw {

// The key codes the pendant sends; negative, so they never meet a real key.
enum PendantKey : int {
  kPendantStopXY = -3,
  kPendantXMinus = -4,
  kPendantXPlus = -5,
  kPendantYPlus = -6,
  kPendantYMinus = -7,
  kPendantGoHome = -8,
  kPendantNothing9 = -9,
  kPendantLift = -10,
  kPendantCutHeight = -11,
  kPendantHalfCutHeight = -12,
  kPendantPenHeight = -13,
  kPendantJogToLimit = -14,
  kPendantJogStep = -15,
  kPendantNothing16 = -16,
  kPendantNothing17 = -17,
};

// The code of a button word; nothing for a word of no button or of several.
std::optional<int> PendantKeyCode(int16_t word);

// True for the codes -3..-17.
bool IsPendantKey(int code);

// The last button word read, and what a new reading sends.
class PendantState {
 public:
  // result and key are the pendant call's result and key byte: either
  // non-zero means the reading is no button word, which releases X and Y
  // once. Otherwise a word that differs from the last one sends its code.
  std::optional<int> Read(int result, uint8_t key, int16_t word);
  int16_t Last() const { return last_; }

 private:
  int16_t last_ = -1;
};

}  // namespace kw
