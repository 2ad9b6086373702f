#include "pendant_keys.h"

namespace kw {

std::optional<int> PendantKeyCode(int16_t word) {
  switch (word) {
    case -1: return kPendantStopXY;
    case -257: return kPendantXMinus;
    case -129: return kPendantXPlus;
    case -513: return kPendantYPlus;
    case -65: return kPendantYMinus;
    case -17: return kPendantGoHome;
    case -33: return kPendantNothing9;
    case -2049: return kPendantLift;
    case -5: return kPendantCutHeight;
    case -9: return kPendantHalfCutHeight;
    case -1025: return kPendantPenHeight;
    case -3: return kPendantJogToLimit;
    case -4097: return kPendantJogStep;
    case -2: return kPendantNothing16;
    case -8193: return kPendantNothing17;
  }
  return std::nullopt;
}

bool IsPendantKey(int code) { return code <= kPendantStopXY && code >= kPendantNothing17; }

std::optional<int> PendantState::Read(int result, uint8_t key, int16_t word) {
  if (result != 0 || key != 0) {
    if (last_ == -1) return std::nullopt;
    last_ = -1;
    return kPendantStopXY;
  }
  if (word == last_) return std::nullopt;
  last_ = word;
  return PendantKeyCode(word);
}

}  // namespace kw
