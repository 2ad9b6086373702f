// The readers of entities with a fixed set of group codes: lines, circles,
// arcs and ellipses.
#include <algorithm>
#include <array>

#include "import/dxf.h"
#include "import/dxf_flatten.h"

namespace kw::pathcore {

// Skips to the layer and the gate marker, then takes each wanted code the
// first time it comes; the last code ends the entity. The end of the file
// ends it quietly, without an event.
bool Cdxf::ReadCodes(std::string_view gate, std::initializer_list<std::string_view> codes, double* values,
                     std::string& layer) {
  if (!SeekLayerAndGate(gate, layer, true)) return false;
  std::array<bool, 8> taken{};
  const std::string_view last = *(codes.end() - 1);
  DxfPair pair;
  do {
    if (!NextInEntity(pair, true)) return false;
    const auto it = std::find_if(codes.begin(), codes.end(), [&](std::string_view c) { return SameText(pair.code, c); });
    const auto i = static_cast<size_t>(it - codes.begin());
    if (it != codes.end() && !taken[i]) {
      taken[i] = true;
      values[i] = DxfNumber(pair.value);
    }
  } while (!SameText(pair.code, last));
  return std::all_of(taken.begin(), taken.begin() + codes.size(), [](bool t) { return t; });
}

// An XLINE comes here too: its base point and its 11/21 pair are the two ends.
void Cdxf::ReadLineEntity(std::string_view gate) {
  double v[4] = {};
  std::string layer;
  if (!ReadCodes(gate, {"10", "20", "11", "21"}, v, layer)) return;
  CountPoints(2);
  if (events_) events_->OutLine(v[0], v[1], v[2], v[3], layer);
}

void Cdxf::ReadCircle() {
  double v[3] = {};
  std::string layer;
  if (!ReadCodes(format_ == Format::kMarkers ? "AcDbCircle" : "", {"10", "20", "40"}, v, layer)) return;
  if (OutArcCircleMode) {
    if (events_) events_->OutCircle(v[0], v[1], v[2], layer);
    return;
  }
  if (!(v[2] > 0)) return;
  DxfPolylineBuilder p(true, PointsLeft());
  FlattenCircle(v[0], v[1], v[2], p);
  RaisePolyLine(p, layer);
}

void Cdxf::ReadArc() {
  double v[5] = {};
  std::string layer;
  if (!ReadCodes(format_ == Format::kMarkers ? "AcDbCircle" : "", {"10", "20", "40", "50", "51"}, v, layer)) return;
  if (OutArcCircleMode) {
    if (events_) events_->OutArc(v[0], v[1], v[2], v[3], v[4], layer);
    return;
  }
  if (!(v[2] > 0)) return;
  DxfPolylineBuilder p(true, PointsLeft());
  FlattenArc(v[0], v[1], v[2], v[3], v[4], p);
  RaisePolyLine(p, layer);
}

void Cdxf::ReadEllipse() {
  double v[7] = {};
  std::string layer;
  if (!ReadCodes("AcDbEllipse", {"10", "20", "11", "21", "40", "41", "42"}, v, layer)) return;
  DxfPolylineBuilder p(true, PointsLeft());
  FlattenEllipse(v[0], v[1], v[2], v[3], v[4], v[5], v[6], p);
  if (OutEllipseMode == 0) return RaisePolyLine(p, layer);
  DxfPolylineBuilder arcs(false);
  FitArcsThroughTriples(p, arcs);
  RaisePolyObj(arcs);
}

}  // namespace kw::pathcore
