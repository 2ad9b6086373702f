// The readers of POLYLINE (with and without subclass markers) and LWPOLYLINE.
#include "import/dxf.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

namespace {
bool ClosedFlag(const std::string& value) { return (kw::N(DxfNumber(value)) & 1) != 0; }
}  // namespace

// The pairs up to the first code 0 give the layer and, after it, the closed
// flag; next receives that code-0 pair.
bool Cdxf::ReadPolylineHeader(std::string& layer, DxfPair& next) {
  bool layerSeen = false;
  bool closed = false;
  for (;;) {
    in_.ReadPair(next);
    if (next.code == "0") return closed;
    if (next.code == "8") {
      layer = next.value;
      layerSeen = true;
    } else if (next.code == "70" && layerSeen) {
      closed = ClosedFlag(next.value);
    }
  }
}

// Vertices carry 10, 20 and 30 in a row, and a 42 right after them is the
// bulge of the segment to the next vertex.
void Cdxf::ReadVertexPolyline() {
  std::string layer;
  DxfPair pair;
  const bool closed = ReadPolylineHeader(layer, pair);
  DxfPolylineBuilder p(Flatten(), PointsLeft());
  double bulge = 0;
  for (;;) {
    if (pair.code != "0") {
      in_.ReadPair(pair);
      continue;
    }
    if (pair.value == "SEQEND") break;
    if (pair.value != "VERTEX") {
      in_.PutBack(pair);  // no SEQEND: the next entity must still be read
      break;
    }
    if (!ReadPlainVertex(pair, p, bulge)) return;
  }
  if (closed && p.Count() > 0) p.AddBulgeVertex(p.X[1], p.Y[1], bulge);
  if (p.Count() > 0) RaisePolyLine(p, layer);
}

// One VERTEX up to the pair after its point (or its bulge), left in pair.
// False when the point lacks its 20 or 30, which drops the polyline.
bool Cdxf::ReadPlainVertex(DxfPair& pair, DxfPolylineBuilder& p, double& bulge) {
  if (!SeekInEntity("10", pair)) return true;  // a vertex without a point adds none
  const double x = DxfNumber(pair.value);
  in_.ReadPair(pair);
  if (pair.code != "20") return DropAt(pair), false;
  const double y = DxfNumber(pair.value);
  in_.ReadPair(pair);
  if (pair.code != "30") return DropAt(pair), false;
  p.AddBulgeVertex(x, y, bulge);
  in_.ReadPair(pair);
  bulge = 0;
  if (pair.code == "42") {
    bulge = DxfNumber(pair.value);
    in_.ReadPair(pair);
  }
  return true;
}

// Files with subclass markers: the header's own marker and dummy point are
// passed over; each VERTEX gives the 10/20 (and for 2D vertices the 42) that
// follow its "AcDb2dVertex" or "AcDb3dPolylineVertex" marker. Mesh and face
// records have other markers and give nothing.
void Cdxf::ReadMarkerPolyline() {
  std::string layer;
  DxfPair pair;
  const bool closed = ReadPolylineHeader(layer, pair);
  DxfPolylineBuilder p(Flatten(), PointsLeft());
  double pending = 0;
  for (;;) {
    if (pair.value == "SEQEND") break;
    if (pair.value != "VERTEX") {
      in_.PutBack(pair);
      break;
    }
    double x = 0, y = 0, bulge = 0;
    bool found = false;
    if (!ReadMarkerVertex(pair, x, y, bulge, found)) return DropAt(pair);
    if (!found) continue;
    p.AddBulgeVertex(x, y, pending);
    pending = bulge;
  }
  if (closed && p.Count() > 0) p.AddBulgeVertex(p.X[1], p.Y[1], pending);
  if (p.Count() > 0) RaisePolyLine(p, layer);
}

// Reads one VERTEX record up to the next code 0 (left in pair). False when the
// vertex has a 10 without a 20, which drops the polyline.
bool Cdxf::ReadMarkerVertex(DxfPair& pair, double& x, double& y, double& bulge, bool& found) {
  bool marker = false, is2d = false, gotX = false, gotY = false, gotBulge = false;
  for (;;) {
    in_.ReadPair(pair);
    if (pair.code == "0") break;
    if (pair.code == "100" && (pair.value == "AcDb2dVertex" || pair.value == "AcDb3dPolylineVertex")) {
      marker = true;
      is2d = pair.value == "AcDb2dVertex";
    } else if (!marker) {
      continue;
    } else if (pair.code == "10" && !gotX) {
      x = DxfNumber(pair.value);
      gotX = true;
    } else if (pair.code == "20" && !gotY) {
      y = DxfNumber(pair.value);
      gotY = true;
    } else if (pair.code == "42" && is2d && !gotBulge) {
      bulge = DxfNumber(pair.value);
      gotBulge = true;
    }
  }
  found = gotX && gotY;
  return gotX == gotY;
}

void Cdxf::ReadLwPolyline() {
  std::string layer;
  if (!SeekLayerAndGate("AcDbPolyline", layer)) return;
  DxfPair pair;
  if (!SeekInEntity("90", pair)) return DropAt(pair);
  const int32_t n = kw::N(DxfNumber(pair.value));
  if (!SeekInEntity("70", pair)) return DropAt(pair);
  const bool closed = ClosedFlag(pair.value);
  if (n < 1) return;  // nothing to read: leave the following pairs to the entity scan
  if (!SeekInEntity("10", pair)) return DropAt(pair);
  DxfPolylineBuilder p(Flatten(), PointsLeft());
  if (!ReadLwVertices(n, pair, p)) return;
  if (closed) CloseLwPolyline(p);
  Flatten() ? RaisePolyLine(p, layer) : RaisePolyObj(p);
}

// Vertices 1..n from the first 10 (in pair). A 42 after a vertex is the bulge
// of the segment to the next one. False drops the polyline.
bool Cdxf::ReadLwVertices(int32_t n, DxfPair& pair, DxfPolylineBuilder& p) {
  double pending = 0;
  for (int32_t i = 1;; ++i) {
    const double x = DxfNumber(pair.value);
    in_.ReadPair(pair);
    if (pair.code != "20") return DropAt(pair), false;
    const double y = DxfNumber(pair.value);
    if (i == n) return p.AddBulgeVertex(x, y, pending), true;
    in_.ReadPair(pair);
    if (pair.code == "42") {
      p.AddBulgeVertex(x, y, pending);
      pending = DxfNumber(pair.value);
      in_.ReadPair(pair);
    } else if (pair.code == "10") {
      p.AddBulgeVertex(x, y, pending);
      pending = 0;
    }
    // Fewer vertices than announced: the entity ends here.
    if (SameText(pair.code, "0")) return DropAt(pair), false;
    // Any other code (a width) is taken as the next x, which drops the polyline.
  }
}

// The pair after the last vertex decides: a 42 closes with that bulge;
// anything else goes back to the entity scan and the polyline closes straight.
void Cdxf::CloseLwPolyline(DxfPolylineBuilder& p) {
  DxfPair pair;
  in_.ReadPair(pair);
  if (pair.code == "42") return p.AddBulgeVertex(p.X[1], p.Y[1], DxfNumber(pair.value));
  in_.PutBack(pair);
  p.AddPoint(p.X[1], p.Y[1]);
}

}  // namespace kw::pathcore
