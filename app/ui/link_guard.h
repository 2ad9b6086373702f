// The window's way to the controller library: every call passes through, but
// once a call has failed for want of an answer, the link counts as lost and
// the calls that would ask the controller again fail at once instead of each
// waiting out its time-outs with the window standing still. Opening the
// port for a new connection clears the loss.
#pragma once

#include <atomic>

#include "machine/axisnet_api.h"

namespace kw {

// A reply time-out and resend count short enough for an operator waiting at
// the window: a controller that stops answering is given up within a second.
inline constexpr unsigned kWindowReplyTimeoutMs = 250;
inline constexpr short kWindowResends = 3;

class LinkGuard final : public AxisnetApi {
 public:
  explicit LinkGuard(AxisnetApi& library) : library_(library) {}

#define KW_LINK_GUARD_DECLARE(result, name, params, args) result name params override;
  KW_AXISNET_FUNCTIONS(KW_LINK_GUARD_DECLARE)
#undef KW_LINK_GUARD_DECLARE

  bool Lost() const { return lost_; }
  // The window's time-outs on the open link.
  void UseWindowTiming();

 private:
  template <typename Call>
  auto Asked(Call call);

  AxisnetApi& library_;
  std::atomic<bool> lost_{false};
};

}  // namespace kw
