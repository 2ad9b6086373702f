// The engraving library's readers. A reader that meets a fault records it in
// LastError, so any outcome is allowed as long as the records it leaves
// behind hold what their counts say.
#include <string>
#include <vector>

#include "carvecalc/carve_setup.h"
#include "carvecalc/carvecalc.h"
#include "fuzz/fuzz_targets.h"
#include "scratch_file.h"
#include "value_sink.h"

namespace kw::fuzz {
namespace {

namespace cc = kw::carvecalc;

// The scan conversion walks vertices 0..polycount-1, so a count past the
// stored vertices would be read out of bounds there.
void CheckPolylines(const std::vector<cc::polygonside>& polylines) {
  for (const auto& p : polylines) {
    if (p.polycount < 0 || static_cast<size_t>(p.polycount) > p.polyside.size()) __builtin_trap();
    for (int32_t i = 0; i < p.polycount; ++i) Keep(p.polyside[static_cast<size_t>(i)].X + p.polyside[static_cast<size_t>(i)].Y);
  }
}

void CheckDrawing(const cc::Drawing& d) {
  CheckPolylines(d.polylines);
  for (const auto& l : d.lines) Keep(l.X1 + l.Y1 + l.x2 + l.y2);
  for (const auto& c : d.circles) Keep(c.X + c.Y + c.R + c.Start + c.End);
  for (const auto& e : d.ellipses) Keep(e.xE + e.yE + e.aE + e.bE);
  Keep(static_cast<double>(d.entities.size()));
}

}  // namespace

void FuzzCarveDxf(Bytes input) {
  static ScratchFile file(".dxf");
  cc::Carvecalc calc;
  cc::Drawing d;
  calc.opendxf(file.Write(input), d.lines, d.polylines, d.circles, d.ellipses, d.entities);
  CheckDrawing(d);
}

void FuzzCarvePlt(Bytes input) {
  static ScratchFile file(".plt");
  cc::Carvecalc calc;
  cc::Drawing d;
  calc.Openplt(file.Write(input), d.polylines, d.entities);
  CheckDrawing(d);
}

// A DST file is first converted into a PLT file, which the PLT reader then takes.
void FuzzCarveDst(Bytes input) {
  static ScratchFile file(".dst");
  static ScratchFile converted(".plt");
  cc::Carvecalc calc;
  std::string source = file.Write(input);
  std::string target = converted.Name();
  calc.openDST(source, target);
  if (!calc.LastError().Ok()) return;
  cc::Drawing d;
  calc.Openplt(target, d.polylines, d.entities);
  CheckDrawing(d);
}

}  // namespace kw::fuzz
