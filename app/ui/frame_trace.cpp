#include "frame_trace.h"

#include "machine/machine_moves.h"
#include "machine/machine_wait.h"
#include "machine/run_checks.h"

namespace kw {
namespace {

class Trace {
 public:
  Trace(CYdkz& ydkz, const MachineSettings& s, RunHost& host) : ydkz_(ydkz), s_(s), host_(host) {}

  // Each step waits for X and Y first; the first one does not.
  bool To(double x, double y) { return Ok(TravelTo(ydkz_, s_, x, y)); }
  bool By(int16_t axis, double distance) {
    return Still() && Ok(TravelBy(ydkz_, s_, axis, static_cast<float>(distance)));
  }
  bool BackToOrigin() { return Still() && To(0, 0) && Still(); }

 private:
  bool Ok(int16_t result) const { return result == 0; }
  bool Still() { return WaitForMask(ydkz_, host_, kMaskXY) == WaitEnd::Still; }

  CYdkz& ydkz_;
  const MachineSettings& s_;
  RunHost& host_;
};

}  // namespace

std::string FrameTraceRefusal(const kw::pathcore::CPathObj& doc, const MachineSettings& s) {
  SafeRect r;
  doc.GetSafeRect(s.CutOffsetX, s.CutOffsetY, r.Xmin, r.Xmax, r.Ymin, r.Ymax);
  return WorkAreaRefusal(r, s);
}

TraceEnd TraceFrame(CYdkz& ydkz, const MachineSettings& s, const kw::pathcore::CPathObj& doc, RunHost& host) {
  const double width = doc.Xmax() - doc.Xmin(), height = doc.Ymax() - doc.Ymin();
  Trace trace(ydkz, s, host);
  const bool done = trace.To(doc.Xmax(), doc.Ymin()) && trace.By(kAxisX, -width) && trace.By(kAxisY, height) &&
                    trace.By(kAxisX, width) && trace.By(kAxisY, -height) && trace.BackToOrigin();
  return done ? TraceEnd::Done : TraceEnd::Failed;
}

}  // namespace kw
