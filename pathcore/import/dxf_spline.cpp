// The SPLINE reader: the control points become a clamped uniform B-spline.
#include <algorithm>

#include "geometry/bspline.h"
#include "import/dxf.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

namespace {
constexpr int32_t kSplineOrder = 4;
constexpr int32_t kSplineIntervals = 100;
constexpr int32_t kCountUnknown = -1;
}  // namespace

// A spline of two or three control points is drawn with the order that many
// points allow (a straight line, a quadratic arc), since order 4 needs four;
// one with fewer than two control points is dropped. Writers that leave out
// the control point count (73) get all control points of the entity.
void Cdxf::ReadSpline() {
  std::string layer;
  if (!SeekLayerAndGate("AcDbSpline", layer)) return;
  DxfPair pair;
  if (!SeekInEntity("70", pair)) return DropAt(pair);
  const bool closed = (kw::N(DxfNumber(pair.value)) & 1) != 0;
  int32_t m = kCountUnknown;
  do {
    if (!NextInEntity(pair, false)) return;
  } while (pair.code != "73" && pair.code != "10");
  if (pair.code == "73") {
    m = kw::N(DxfNumber(pair.value));
    if (m > 0 && !SeekInEntity("10", pair)) return DropAt(pair);
  }
  std::vector<float> cx, cy;
  if (m != 0 && !ReadControlPoints(m, pair, cx, cy)) return;
  const auto count = static_cast<int32_t>(cx.size());
  if (count < 2) return;
  std::vector<float> outX, outY;
  BSplineCurve(cx, cy, count - 1, std::min(count, kSplineOrder), outX, outY, kSplineIntervals);
  DxfPolylineBuilder p(Flatten(), PointsLeft());
  for (size_t i = 0; i < outX.size(); ++i) p.AddPoint(outX[i], outY[i]);
  if (closed) p.AddPoint(p.X[1], p.Y[1]);
  Flatten() ? RaisePolyLine(p, layer) : RaisePolyObj(p);
}

// From the first 10 (in pair): m control points, or all of the entity when
// m is unknown. False when a 10 is not followed by 20, which drops the spline.
bool Cdxf::ReadControlPoints(int32_t m, DxfPair& pair, std::vector<float>& cx, std::vector<float>& cy) {
  for (;;) {
    cx.push_back(static_cast<float>(DxfNumber(pair.value)));
    in_.ReadPair(pair);
    if (pair.code != "20") return DropAt(pair), false;
    cy.push_back(static_cast<float>(DxfNumber(pair.value)));
    if (!NextInEntity(pair, false)) return true;  // its 30, or the end
    if (static_cast<int32_t>(cx.size()) == m) return true;
    if (!SeekInEntity("10", pair)) return DropAt(pair), true;
  }
}

}  // namespace kw::pathcore
