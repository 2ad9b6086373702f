#include "machine/run_checks.h"

namespace kw {

std::string WorkAreaRefusal(const SafeRect& r, const MachineSettings& s) {
  if (r.Xmin <= -s.WorkRect[0]) return "0004";
  if (r.Xmax > 0) return "0005";
  if (r.Ymin < 0) return "0006";
  if (r.Ymax >= s.WorkRect[1]) return "0007";
  return {};
}

std::string CutOffRefusal(float feed, double jobYmax, bool selection, const MachineSettings& s) {
  if (feed + jobYmax + s.CutOffsetY >= s.WorkRect[1]) return selection ? "0023" : "0022";
  return {};
}

}  // namespace kw
