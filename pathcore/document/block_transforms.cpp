// Transforms of the selection as one block, placing the whole job, and the
// area a job covers.
#include <algorithm>
#include <cmath>
#include <optional>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "support/round_half_even.h"

namespace kw::pathcore {
namespace {

struct BlockBox {
  double xmin, xmax, ymin, ymax;  // mm
};

bool IsSelectedCutPath(const PathStore& s, int32_t k) { return s.ObjSel[k] > 0 && s.ObjType[k] == kCutPath; }

// The union of the boxes of the selected cut paths, started from the first one.
std::optional<BlockBox> SelectedCutPathBox(const PathStore& s) {
  std::optional<BlockBox> box;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (!IsSelectedCutPath(s, k)) continue;
    if (!box) {
      box = BlockBox{s.ObjXmin[k], s.ObjXmax[k], s.ObjYmin[k], s.ObjYmax[k]};
      continue;
    }
    box->xmin = std::min<double>(box->xmin, s.ObjXmin[k]);
    box->xmax = std::max<double>(box->xmax, s.ObjXmax[k]);
    box->ymin = std::min<double>(box->ymin, s.ObjYmin[k]);
    box->ymax = std::max<double>(box->ymax, s.ObjYmax[k]);
  }
  return box;
}

// The reference point of scaling and rotation by its code.
void ReferencePoint(const BlockBox& b, int16_t code, double& cx, double& cy) {
  switch (code) {
    case 0: cx = b.xmin + (b.xmax - b.xmin) / 2, cy = b.ymin + (b.ymax - b.ymin) / 2; return;
    case 1: cx = b.xmin, cy = b.ymax; return;
    case 2: cx = b.xmax, cy = b.ymax; return;
    case 3: cx = b.xmin, cy = b.ymin; return;
    case 4: cx = b.xmax, cy = b.ymin; return;
    default: cx = 0, cy = 0; return;
  }
}

template <typename Transform>
void ForSelectedCutPaths(PathStore& s, Transform&& transform) {
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    if (!IsSelectedCutPath(s, k)) continue;
    transform(k);
    s.RefreshObj(k);
  }
}

void Widen(float& xmin, float& xmax, float& ymin, float& ymax, float bxmin, float bxmax, float bymin, float bymax) {
  xmin = std::min(xmin, bxmin);
  xmax = std::max(xmax, bxmax);
  ymin = std::min(ymin, bymin);
  ymax = std::max(ymax, bymax);
}

}  // namespace

void CPathObj::Block_Scale(double Bl_X, double Bl_Y, int16_t Center) {
  const auto box = SelectedCutPathBox(S);
  if (!box) return;
  double cx = 0, cy = 0;
  ReferencePoint(*box, Center, cx, cy);
  const auto fx = static_cast<float>(cx), fy = static_cast<float>(cy);
  ForSelectedCutPaths(S, [&](int32_t k) { S.ScaleObj(k, Bl_X, Bl_Y, fx, fy); });
  S.ZL();
}

void CPathObj::Block_Spin(double Angle, int16_t Center) {
  const int32_t a = kw::N(Angle) % 360;  // whole degrees; the remainder keeps the angle's sign
  const auto box = SelectedCutPathBox(S);
  if (!box) return;
  double cx = 0, cy = 0;
  ReferencePoint(*box, Center, cx, cy);
  ForSelectedCutPaths(S, [&](int32_t k) { S.RotateObj(k, cx, cy, a); });
  S.ZL();
}

void CPathObj::Block_Move(float Distance_X, float Distance_Y) {
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] <= 0 || (S.ObjType[k] != kCutPath && S.ObjType[k] != kBitmapFrame)) continue;
    S.TranslateObj(k, Distance_X, Distance_Y);
    S.RefreshObj(k);
  }
  S.ZL();
}

void CPathObj::Block_Array(float Distance_X, float Distance_Y, int16_t Number_X, int16_t Number_Y) {
  std::vector<float> X, Y;
  uint8_t type = 0;
  int32_t key = 0;
  int16_t layer = 0;
  for (int16_t r = 0; r < Number_Y; ++r) {
    for (int16_t c = 0; c < Number_X; ++c) {
      if (r == 0 && c == 0) continue;
      const float dx = static_cast<float>(c) * Distance_X;
      const float dy = -static_cast<float>(r) * Distance_Y;
      // Copies are unselected, so each pass copies only the paths selected at the start.
      for (int32_t k = 1; k <= S.ObjN; ++k) {
        if (!IsSelectedCutPath(S, k)) continue;
        S.ExtractPath(k, X, Y, type, key, layer);
        for (size_t i = 1; i < X.size(); ++i) X[i] += dx, Y[i] += dy;
        S.AddPath(X, Y, layer);
      }
    }
  }
  S.ZL();
}

void CPathObj::Block_Mirror(int16_t Axis) {
  const auto box = SelectedCutPathBox(S);
  if (!box) return;
  const double xc = box->xmin + (box->xmax - box->xmin) / 2, yc = box->ymin + (box->ymax - box->ymin) / 2;
  const bool vertical = Axis >= 0 && Axis <= 2;
  double a = 0;
  switch (Axis) {
    case 0: a = xc; break;
    case 1: a = box->xmin; break;
    case 2: a = box->xmax; break;
    case 3: a = yc; break;
    case 4: a = box->ymax; break;
    case 5: a = box->ymin; break;
    default: a = 0; break;
  }
  const auto line = static_cast<float>(a);
  ForSelectedCutPaths(S, [&](int32_t k) {
    if (vertical) S.MirrorObjX(k, line);
    else S.MirrorObjY(k, line);
  });
  S.ZL();
}

int16_t CPathObj::SetPathPos(float X, float Y) {
  const float dx = X - static_cast<float>(S.Xmax);
  const float dy = Y - static_cast<float>(S.Ymin);
  if (std::fabs(dx) < 0.01f && std::fabs(dy) < 0.01f) return 0;
  for (int32_t i = 1; i <= S.PointN; ++i) S.PointX[i] += dx, S.PointY[i] += dy;
  for (int32_t i = 1; i <= S.DkPointN; ++i) S.DkX[i] += dx, S.DkY[i] += dy;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    S.ObjXmax[k] += dx, S.ObjXmin[k] += dx, S.ObjXc[k] += dx, S.ObjSx[k] += dx, S.ObjEx[k] += dx;
    S.ObjYmax[k] += dy, S.ObjYmin[k] += dy, S.ObjYc[k] += dy, S.ObjSy[k] += dy, S.ObjEy[k] += dy;
  }
  S.Xmax += dx, S.Xmin += dx;
  S.Ymax += dy, S.Ymin += dy;
  return 0;
}

int16_t CPathObj::GetSafeRect(float OffsetX, float OffsetY, float& Xmin, float& Xmax, float& Ymin,
                              float& Ymax) const {
  if (S.PointN == 0) return 0;
  Xmin = static_cast<float>(S.Xmin), Xmax = static_cast<float>(S.Xmax);
  Ymin = static_cast<float>(S.Ymin), Ymax = static_cast<float>(S.Ymax);
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjLayer[k] == 0) continue;
    Widen(Xmin, Xmax, Ymin, Ymax, S.ObjXmin[k] + OffsetX, S.ObjXmax[k] + OffsetX, S.ObjYmin[k] + OffsetY,
          S.ObjYmax[k] + OffsetY);
  }
  return 0;
}

int16_t CPathObj::GetSafeRect_Sel(float OffsetX, float OffsetY, float& Xmin, float& Xmax, float& Ymin,
                                  float& Ymax) const {
  if (S.PointN == 0) return 0;
  bool started = false;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjSel[k] <= 0) continue;
    if (!started) {
      Xmin = S.ObjXmin[k], Xmax = S.ObjXmax[k], Ymin = S.ObjYmin[k], Ymax = S.ObjYmax[k];
      started = true;
    }
    const float ox = S.ObjLayer[k] != 0 ? OffsetX : 0.0f, oy = S.ObjLayer[k] != 0 ? OffsetY : 0.0f;
    Widen(Xmin, Xmax, Ymin, Ymax, S.ObjXmin[k] + ox, S.ObjXmax[k] + ox, S.ObjYmin[k] + oy, S.ObjYmax[k] + oy);
  }
  return 0;
}

}  // namespace kw::pathcore
