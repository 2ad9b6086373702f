#include "machine/offset_test.h"

#include <optional>
#include <utility>

#include "machine/language_files.h"
#include "machine/machine_moves.h"
#include "machine/machine_wait.h"

namespace kw {

namespace {

inline constexpr float kArm = 20;      // mm, length of each stroke of a cross
inline constexpr float kSpacing = 100;  // mm, from the start point to a cross's centre

std::string Refusal(CYdkz& ydkz, const MachineSettings& s, float offsetX, float offsetY) {
  int16_t homed = 0;
  ydkz.GetPCMarkB(homed);
  if (homed == 0) return "0017";
  float x = 0, y = 0, z = 0;
  ydkz.GetPos(x, y, z);
  if (offsetX + x - kArm - kSpacing <= -s.WorkRect[0]) return "0018";
  if (offsetY + y + kArm >= s.WorkRect[1]) return "0019";
  if (offsetY + y - kArm < 0) return "0020";
  if (y - kArm < 0) return "0021";
  return {};
}

class Crosses {
 public:
  Crosses(CYdkz& ydkz, const MachineSettings& s, RunHost& host) : ydkz_(ydkz), s_(s), host_(host) {}

  // From the start point: a cross centred kSpacing to the left (shifted by
  // the offset when there is one), drawn at toolZ; it ends at the start
  // point plus the offset.
  void Draw(float toolZ, std::optional<std::pair<float, float>> offset) {
    if (offset)
      Move(offset->first - kSpacing - kArm / 2, offset->second);
    else
      Move(-kSpacing - kArm / 2, std::nullopt);
    Z(toolZ);
    Move(kArm, std::nullopt);  // horizontal stroke
    Z(s_.ZPos_Up);
    Move(-kArm / 2, kArm / 2);
    Z(toolZ);
    Move(std::nullopt, -kArm);  // vertical stroke
    Z(s_.ZPos_Up);
    Move(kSpacing, std::nullopt);
    Move(std::nullopt, kArm / 2);
  }

 private:
  void Move(std::optional<float> dx, std::optional<float> dy) {
    if (dx) TravelBy(ydkz_, s_, kAxisX, *dx);
    if (dy) TravelBy(ydkz_, s_, kAxisY, *dy);
    WaitForMask(ydkz_, host_, kMaskXY, {.holdWhilePaused = false, .stopEnds = false});
  }
  void Z(float height) {
    MoveZTo(ydkz_, s_, height);
    WaitForMask(ydkz_, host_, kMaskXYZ, {.holdWhilePaused = false, .stopEnds = false});
  }

  CYdkz& ydkz_;
  const MachineSettings& s_;
  RunHost& host_;
};

}  // namespace

std::string RunOffsetTest(CYdkz& ydkz, const MachineSettings& s, RunHost& host, float offsetX, float offsetY) {
  const std::string refusal = Refusal(ydkz, s, offsetX, offsetY);
  if (!refusal.empty()) {
    host.ShowMessage(refusal, MessageText(refusal));
    return refusal;
  }
  Crosses crosses(ydkz, s, host);
  crosses.Draw(s.ZPen, std::nullopt);
  crosses.Draw(s.ZCut, std::pair{offsetX, offsetY});
  return {};
}

}  // namespace kw
