// How far a jog button moves an axis: to the work area's edge or by the
// step, or, without a home reference, a fixed length in its direction.
#pragma once

#include <optional>

namespace kw {

enum class JogMode { ToLimit = 0, Step = 1 };

inline constexpr float kUnhomedJog = 50;  // mm, a held button's move without a home reference

struct JogRequest {
  int axis = 0;       // 0 X, 1 Y, 2 Z
  int direction = 1;  // -1 the minus button, +1 the plus button
  bool homed = false;
  JogMode mode = JogMode::ToLimit;
  float step = 0;      // mm, the step box
  float position = 0;  // mm, where the axis stands
  float width = 0;     // mm, the work area: X runs from -width to 0
  float height = 0;    // mm, Y runs from 0 to height
};

// The signed distance of the move; nothing when the button has nothing to
// do (Z while homed, or an axis already at or beyond the edge it heads for).
std::optional<float> JogDistance(const JogRequest& r);

}  // namespace kw
