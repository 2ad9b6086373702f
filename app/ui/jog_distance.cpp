#include "jog_distance.h"

#include <algorithm>
#include <cmath>

namespace kw {
namespace {

// The edge of the work area the button heads for.
float Limit(const JogRequest& r) {
  if (r.axis == 0) return r.direction < 0 ? -r.width : 0;
  return r.direction < 0 ? 0 : r.height;
}

}  // namespace

std::optional<float> JogDistance(const JogRequest& r) {
  if (!r.homed) return r.direction * (r.mode == JogMode::ToLimit ? kUnhomedJog : r.step);
  if (r.axis == 2) return std::nullopt;  // Z has its height buttons once homed
  const float remaining = Limit(r) - r.position;
  // At the edge, or outside the area: a move towards the edge would go the other way.
  if (!(remaining * static_cast<float>(r.direction) > 0)) return std::nullopt;
  if (r.mode == JogMode::ToLimit) return remaining;
  return r.direction * std::min(std::fabs(remaining), r.step);
}

}  // namespace kw
