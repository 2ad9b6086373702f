#include "machine/run_preparation.h"

#include <cmath>

#include "machine/machine_moves.h"
#include "support/basic_text.h"

namespace kw {

bool LiftAndCheckHomeReference(CYdkz& ydkz, const MachineSettings& s) {
  MoveZTo(ydkz, s, s.ZPos_Up);
  int16_t mark = 0;
  return ydkz.GetPCMarkB(mark) == 0 && mark != 0;
}

int PrepareRun(kw::pathcore::CPathObj& doc, CCutLayer& cutLayers, const MachineSettings& s, bool autoLayout) {
  float speeds[3];
  for (int i = 0; i < 3; ++i) {
    // A speed of 0 would leave the knife standing in the material.
    const double speed = Val(s.WorkSpeed[i]);
    if (!(speed > 0) || !std::isfinite(float(speed))) return i;
    speeds[i] = static_cast<float>(speed);
  }
  for (int16_t i = 0; i < 3; ++i) {
    cutLayers.Speed(i, speeds[i]);
    cutLayers.ProLong(i, s.CloseVal[i]);
  }
  if (autoLayout) {
    doc.SelAll();
    doc.Hb(s.HbWc);
    doc.AutoTree();
    doc.CancelSel();
  }
  return -1;
}

}  // namespace kw
