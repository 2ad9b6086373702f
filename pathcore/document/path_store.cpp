#include "document/path_store.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "geometry/intersections.h"
#include "geometry/point_geometry.h"

namespace kw::pathcore {
namespace {

// The upper bound of a 1-based pair of arrays: the number of points they hold.
int32_t UpperBound(std::span<const float> X, std::span<const float> Y) {
  const size_t size = std::min(X.size(), Y.size());
  if (size == 0) return 0;
  if (size - 1 > static_cast<size_t>(std::numeric_limits<int32_t>::max())) throw std::length_error("path too long");
  return static_cast<int32_t>(size - 1);
}

}  // namespace

void PathStore::ResizeObjects(int32_t n) {
  ForEachObjArray(*this, [n](auto& v) { v.resize(static_cast<size_t>(n) + 1); });
}

void PathStore::EnsurePointCap(int32_t needed) {
  if (needed <= PointCap) return;
  const int64_t steps = (static_cast<int64_t>(needed) - PointCap + kPointCapStep - 1) / kPointCapStep;
  const int64_t cap = PointCap + steps * kPointCapStep;
  if (cap > std::numeric_limits<int32_t>::max() - 1) throw std::length_error("too many points");
  PointCap = static_cast<int32_t>(cap);
  PointX.resize(static_cast<size_t>(PointCap) + 1);
  PointY.resize(static_cast<size_t>(PointCap) + 1);
}

// Appends n points behind the last one and returns the index of the first.
int32_t PathStore::AppendPoints(std::span<const float> X, std::span<const float> Y, int32_t n) {
  if (n > std::numeric_limits<int32_t>::max() - PointN) throw std::length_error("too many points");
  EnsurePointCap(PointN + n);
  const int32_t first = PointN + 1;
  std::copy_n(X.begin() + 1, n, PointX.begin() + first);
  std::copy_n(Y.begin() + 1, n, PointY.begin() + first);
  PointN += n;
  return first;
}

void PathStore::AddPath(std::span<const float> X, std::span<const float> Y, int16_t LayerN) {
  const int32_t n = UpperBound(X, Y);
  if (n < 1) return;
  const int32_t first = AppendPoints(X, Y, n);
  ResizeObjects(ObjN + 1);
  ++ObjN;
  ObjStart[ObjN] = first;
  ObjType[ObjN] = kCutPath;
  ObjKey[ObjN] = 0;
  ObjLayer[ObjN] = LayerN;
  ObjSel[ObjN] = kUnselected;
  RefreshObj(ObjN);
}

void PathStore::ExtractPath(int32_t k, std::vector<float>& X, std::vector<float>& Y, uint8_t& Type,
                            int32_t& Key, int16_t& LayerN) const {
  const int32_t s = ObjStart[k];
  const int32_t n = PointCountOf(k);
  X.assign(static_cast<size_t>(n) + 1, 0.0f);
  Y.assign(static_cast<size_t>(n) + 1, 0.0f);
  std::copy_n(PointX.begin() + s, n, X.begin() + 1);
  std::copy_n(PointY.begin() + s, n, Y.begin() + 1);
  Type = ObjType[k];
  Key = ObjKey[k];
  LayerN = ObjLayer[k];
}

void PathStore::InsertPath(std::span<const float> X, std::span<const float> Y, uint8_t Type, int32_t Key,
                           int16_t LayerN, int32_t Before, int32_t After) {
  const int32_t n = UpperBound(X, Y);
  if (n < 1) return;  // an object always has a point
  const int32_t newN = ObjN + 1;
  int32_t pos = newN;
  if (Before >= 1 && Before < newN) pos = Before;
  else if (Before < 1 && After >= 1 && After + 1 < newN) pos = After + 1;

  if (pos == newN) {
    const int32_t first = AppendPoints(X, Y, n);
    ResizeObjects(newN);
    ObjN = newN;
    ObjStart[pos] = first;
  } else {
    if (n > std::numeric_limits<int32_t>::max() - PointN) throw std::length_error("too many points");
    EnsurePointCap(PointN + n);
    const int32_t s = ObjStart[pos];
    // One block move opens the gap for the new points.
    std::copy_backward(PointX.begin() + s, PointX.begin() + PointN + 1, PointX.begin() + PointN + n + 1);
    std::copy_backward(PointY.begin() + s, PointY.begin() + PointN + 1, PointY.begin() + PointN + n + 1);
    std::copy_n(X.begin() + 1, n, PointX.begin() + s);
    std::copy_n(Y.begin() + 1, n, PointY.begin() + s);
    PointN += n;
    ResizeObjects(newN);
    ObjN = newN;
    // Shifting leaves element pos as it was, so the position keeps its selection value.
    ForEachObjArray(*this, [pos, newN](auto& v) {
      std::copy_backward(v.begin() + pos, v.begin() + newN, v.begin() + newN + 1);
    });
    for (int32_t j = pos + 1; j <= newN; ++j) ObjStart[j] += n;
    ObjStart[pos] = s;
  }
  ObjType[pos] = Type;
  ObjKey[pos] = Key;
  ObjLayer[pos] = LayerN;
}

void PathStore::RemovePath(int32_t k) {
  const int32_t s = ObjStart[k];
  const int32_t count = PointCountOf(k);
  if (k < ObjN) {
    std::copy(PointX.begin() + s + count, PointX.begin() + PointN + 1, PointX.begin() + s);
    std::copy(PointY.begin() + s + count, PointY.begin() + PointN + 1, PointY.begin() + s);
    ForEachObjArray(*this, [k](auto& v) { v.erase(v.begin() + k); });
    for (int32_t j = k; j < ObjN; ++j) ObjStart[j] -= count;
  } else {
    ResizeObjects(ObjN - 1);
  }
  PointN -= count;
  --ObjN;
}

void PathStore::MovePath(int32_t From, int32_t To) {
  if (From < 1 || From > ObjN || To < 1 || To > ObjN) return;
  std::vector<float> X, Y;
  uint8_t type = 0;
  int32_t key = 0;
  int16_t layer = 0;
  ExtractPath(From, X, Y, type, key, layer);
  RemovePath(From);
  InsertPath(X, Y, type, key, layer, To, 0);
  RefreshObj(To);
}

void PathStore::SetBoxFromRange(int32_t k) {
  const int32_t s = ObjStart[k];
  const int32_t e = LastPointOf(k);
  float xmax = PointX[s], xmin = PointX[s], ymax = PointY[s], ymin = PointY[s];
  for (int32_t i = s + 1; i <= e; ++i) {
    xmax = std::max(xmax, PointX[i]);
    xmin = std::min(xmin, PointX[i]);
    ymax = std::max(ymax, PointY[i]);
    ymin = std::min(ymin, PointY[i]);
  }
  ObjXmax[k] = xmax;
  ObjXmin[k] = xmin;
  ObjYmax[k] = ymax;
  ObjYmin[k] = ymin;
  ObjXc[k] = xmin + (xmax - xmin) / 2.0f;
  ObjYc[k] = ymin + (ymax - ymin) / 2.0f;
}

void PathStore::RefreshObj(int32_t k) {
  const int32_t s = ObjStart[k];
  const int32_t e = LastPointOf(k);
  ObjSx[k] = PointX[s];
  ObjSy[k] = PointY[s];
  ObjEx[k] = PointX[e];
  ObjEy[k] = PointY[e];
  SetBoxFromRange(k);
}

void PathStore::ReversePath(int32_t k) {
  const int32_t s = ObjStart[k];
  const int32_t e = LastPointOf(k);
  std::reverse(PointX.begin() + s, PointX.begin() + e + 1);
  std::reverse(PointY.begin() + s, PointY.begin() + e + 1);
  std::swap(ObjSx[k], ObjEx[k]);
  std::swap(ObjSy[k], ObjEy[k]);
}

void PathStore::ScaleObj(int32_t k, double fx, double fy, float cx, float cy) {
  for (int32_t i = ObjStart[k]; i <= LastPointOf(k); ++i) {
    PointX[i] = static_cast<float>(cx + fx * (PointX[i] - cx));
    PointY[i] = static_cast<float>(cy + fy * (PointY[i] - cy));
  }
}

void PathStore::RotateObj(int32_t k, double cx, double cy, double angle) {
  for (int32_t i = ObjStart[k]; i <= LastPointOf(k); ++i) RotatePoint(PointX[i], PointY[i], cx, cy, angle);
}

void PathStore::TranslateObj(int32_t k, float dx, float dy) {
  for (int32_t i = ObjStart[k]; i <= LastPointOf(k); ++i) {
    PointX[i] += dx;
    PointY[i] += dy;
  }
}

void PathStore::MirrorObjX(int32_t k, float a) {
  for (int32_t i = ObjStart[k]; i <= LastPointOf(k); ++i) PointX[i] = a - (PointX[i] - a);
}

void PathStore::MirrorObjY(int32_t k, float a) {
  for (int32_t i = ObjStart[k]; i <= LastPointOf(k); ++i) PointY[i] = a - (PointY[i] - a);
}

bool PathStore::ObjHitByPoint(int32_t k, double X, double Y, double Wc) const {
  if (X - Wc > ObjXmax[k] || Y - Wc > ObjYmax[k] || X + Wc < ObjXmin[k] || Y + Wc < ObjYmin[k]) return false;
  for (int32_t i = ObjStart[k]; i < LastPointOf(k); ++i) {
    if (PointNearSegment(PointX[i], PointY[i], PointX[i + 1], PointY[i + 1], X, Y, Wc) == 0) return true;
  }
  return false;
}

bool PathStore::ObjHitByRect(int32_t k, double X1, double Y1, double X2, double Y2) const {
  const double xl = std::min(X1, X2), xh = std::max(X1, X2);
  const double yl = std::min(Y1, Y2), yh = std::max(Y1, Y2);
  if (xl == xh || yl == yh) return false;
  if (ObjXmax[k] < xl || ObjXmin[k] > xh || ObjYmax[k] < yl || ObjYmin[k] > yh) return false;
  for (int32_t i = ObjStart[k]; i < LastPointOf(k); ++i) {
    if (SegmentHitsRect(PointX[i], PointY[i], PointX[i + 1], PointY[i + 1], xl, yl, xh, yh) == 0) return true;
  }
  return false;
}

int32_t PathStore::AllocKey() {
  for (int32_t k = 1; k <= KeyN; ++k) {
    if (!KeyUsed[k]) {
      KeyUsed[k] = 1;
      return k;
    }
  }
  ++KeyN;
  KeyUsed.resize(static_cast<size_t>(KeyN) + 1);
  KeyUsed[KeyN] = 1;
  return KeyN;
}

void PathStore::FreeKey(int32_t k) {
  if (k < 1 || k > KeyN) return;
  KeyUsed[k] = 0;
  while (KeyN > 0 && !KeyUsed[KeyN]) --KeyN;
}

void PathStore::ZL() {
  if (PointN == 0) return;
  float xmax = PointX[1], xmin = PointX[1], ymax = PointY[1], ymin = PointY[1];
  for (int32_t i = 2; i <= PointN; ++i) {
    xmax = std::max(xmax, PointX[i]);
    xmin = std::min(xmin, PointX[i]);
    ymax = std::max(ymax, PointY[i]);
    ymin = std::min(ymin, PointY[i]);
  }
  Xmax = xmax;
  Xmin = xmin;
  Ymax = ymax;
  Ymin = ymin;
}

void PathStore::ZLSelLmt() {
  SelCount = 0;
  for (int32_t k = 1; k <= ObjN; ++k) {
    if (ObjSel[k] <= 0) continue;
    if (SelCount == 0) {
      SelXmax = ObjXmax[k];
      SelXMin = ObjXmin[k];
      SelYMax = ObjYmax[k];
      SelYMin = ObjYmin[k];
    } else {
      SelXmax = std::max<double>(SelXmax, ObjXmax[k]);
      SelXMin = std::min<double>(SelXMin, ObjXmin[k]);
      SelYMax = std::max<double>(SelYMax, ObjYmax[k]);
      SelYMin = std::min<double>(SelYMin, ObjYmin[k]);
    }
    ++SelCount;
  }
}

}  // namespace kw::pathcore
