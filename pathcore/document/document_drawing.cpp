// The document draws itself: every visible object in its pen, marks and the
// direction arrow on the selection, engraving outlines filled, bitmaps
// stretched into their frames, and on request the empty moves between paths.
#include <algorithm>
#include <span>
#include <vector>

#include "pathcore/canvas.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/view_mapping.h"
#include "geometry/point_geometry.h"

namespace kw::pathcore {
namespace {

constexpr size_t kChunkPoints = 5000;        // points per polyline call
constexpr double kArrowShaft = 30;           // pixels
constexpr double kArrowStroke = 15;          // pixels
constexpr double kArrowSpread = 20;          // degrees either side of the backward direction
constexpr float kArrowSegment = 0.05f;       // mm; the first segment longer than this sets the arrow
constexpr float kVisibleMove = 0.01f;        // mm; shorter moves get no arrow head
// Paths of up to this many points are mapped into a buffer on the stack: a
// big drawing is mostly short paths, and an allocation each would cost more
// than drawing them.
constexpr size_t kStackPoints = 16;

// Room for a short path's points, left uninitialised: they are all written
// before anything reads them.
union StackPoints {
  StackPoints() {}
  CanvasPoint points[kStackPoints];
};
const CanvasBrush kMarkBrush{Rgb(255, 255, 0), false};

struct DrawPens {
  std::vector<CanvasPen> layer;  // by layer, clamped to the colour table
  CanvasPen selected, current, move;
};

// A point at `distance` pixels from (x, y) in the direction `degrees`
// (counter-clockwise, Y up on screen), placed as the document places points.
CanvasPoint Toward(int32_t x, int32_t y, double distance, double degrees) {
  float px = static_cast<float>(x + distance), py = static_cast<float>(-y);
  PlaceOnCircle(px, py, x, -y, degrees);
  return {kw::N(px), kw::N(-py)};
}

void Stroke(Canvas& c, CanvasPoint from, CanvasPoint to) {
  c.MoveTo(from.x, from.y);
  c.LineTo(to.x, to.y);
}

// Two strokes at the tip pointing back against `degrees`.
void ArrowHead(Canvas& c, CanvasPoint tip, double degrees) {
  const double back = degrees + 180;
  Stroke(c, tip, Toward(tip.x, tip.y, kArrowStroke, back - kArrowSpread));
  Stroke(c, tip, Toward(tip.x, tip.y, kArrowStroke, back + kArrowSpread));
}

// Direction of the screen vector a -> b in degrees, Y up.
double ScreenAngle(CanvasPoint a, CanvasPoint b) { return PointAngle(b.x, -b.y, a.x, -a.y); }

void ChunkedPolyline(Canvas& c, std::span<const CanvasPoint> pts) {
  if (pts.empty()) return;
  for (size_t start = 0;;) {
    const size_t count = std::min(kChunkPoints, pts.size() - start);
    c.MoveTo(pts[start].x, pts[start].y);
    c.Polyline(pts.subspan(start, count));
    if (start + count >= pts.size()) break;
    start += count - 1;  // the next chunk starts on this one's last point
  }
}

std::vector<CanvasPoint> MapRange(const ViewMapping& view, const std::vector<float>& xs, const std::vector<float>& ys,
                                  int32_t first, int32_t last) {
  std::vector<CanvasPoint> pts;
  pts.reserve(static_cast<size_t>(std::max(last - first + 1, 0)));
  for (int32_t i = first; i <= last; ++i) pts.push_back(view.Map(xs[i], ys[i]));
  return pts;
}

void MapInto(const ViewMapping& view, const std::vector<float>& xs, const std::vector<float>& ys, int32_t first,
             std::span<CanvasPoint> pts) {
  for (size_t i = 0; i < pts.size(); ++i) pts[i] = view.Map(xs[first + i], ys[first + i]);
}

}  // namespace

void CPathObj::Draw(Canvas& hdc, int32_t MoveColor, std::vector<int32_t>& CutColor, int32_t SColor, int32_t SaColor,
                    float ScaleLeft, float ScaleTop, float ScaleWidth, float ScaleHeight, float Width, float Height,
                    double Wc) {
  (void)Wc;
  if (S.PointN == 0) return;
  const ViewMapping view(hdc, ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight, Width, Height);
  DrawPens pens;
  for (const int32_t color : CutColor) pens.layer.push_back({static_cast<uint32_t>(color), 1, kPenSolid});
  if (pens.layer.empty()) pens.layer.push_back({0, 1, kPenSolid});
  pens.selected = {static_cast<uint32_t>(SColor), 2, kPenSolid};
  pens.current = {static_cast<uint32_t>(SaColor), 2, kPenSolid};
  pens.move = {static_cast<uint32_t>(MoveColor), 1, kPenSolid};
  const CanvasTools remembered = hdc.Tools();
  hdc.SetPen(pens.layer[0]);

  const double right = static_cast<double>(ScaleLeft) + ScaleWidth, bottom = view.bottomY;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    const bool visible = S.ObjXmax[k] >= ScaleLeft && S.ObjXmin[k] <= right && S.ObjYmax[k] >= bottom &&
                         S.ObjYmin[k] <= ScaleTop;
    if (visible) DrawObject(hdc, view, k, pens.layer, pens.selected, pens.current);
  }
  if (S.SMove) DrawMoves(hdc, view, pens.move, ScaleLeft, right, ScaleTop, bottom);
  hdc.SetBrush(remembered.brush);
  hdc.SetPen(remembered.pen);
}

void CPathObj::DrawObject(Canvas& hdc, const ViewMapping& view, int32_t k, const std::vector<CanvasPen>& layerPens,
                          const CanvasPen& selectedPen, const CanvasPen& currentPen) {
  const int32_t sel = S.ObjSel[k];
  if (sel == kSelected) hdc.SetPen(selectedPen);
  else if (sel == kCurrent) hdc.SetPen(currentPen);
  else if (S.ObjType[k] == kCutPath) {
    const int32_t top = static_cast<int32_t>(layerPens.size()) - 1;
    hdc.SetPen(layerPens[std::clamp<int32_t>(S.ObjLayer[k], 0, top)]);
  }
  const int32_t first = S.ObjStart[k], last = S.LastPointOf(k);
  if (sel == kSelected || sel == kCurrent) {
    hdc.SetBrush(kMarkBrush);
    const CanvasPoint a = view.Map(S.ObjSx[k], S.ObjSy[k]), b = view.Map(S.ObjEx[k], S.ObjEy[k]);
    hdc.Ellipse(a.x - 4, a.y - 4, a.x + 4, a.y + 4);
    hdc.Rectangle(b.x - 2, b.y - 2, b.x + 2, b.y + 2);
  }
  if (sel == kCurrent) DrawDirectionArrow(hdc, view, first, last);
  const auto count = static_cast<size_t>(std::max(last - first + 1, 0));
  StackPoints onStack;
  std::vector<CanvasPoint> onHeap;
  if (count > kStackPoints) onHeap.resize(count);
  const std::span<CanvasPoint> own = count > kStackPoints ? std::span(onHeap) : std::span(onStack.points, count);
  MapInto(view, S.PointX, S.PointY, first, own);
  if (S.ObjType[k] == kEngraveFrame) DrawStoredOutlines(hdc, view, S.ObjKey[k]);
  if (S.ObjType[k] == kBitmapFrame) DrawStoredBitmaps(hdc, view, k);
  ChunkedPolyline(hdc, own);
}

void CPathObj::DrawDirectionArrow(Canvas& hdc, const ViewMapping& view, int32_t first, int32_t last) {
  for (int32_t i = first; i < last; ++i) {
    if (std::fabs(S.PointX[i + 1] - S.PointX[i]) <= kArrowSegment &&
        std::fabs(S.PointY[i + 1] - S.PointY[i]) <= kArrowSegment) {
      continue;
    }
    const CanvasPoint start = view.Map(S.PointX[first], S.PointY[first]);
    const double degrees = PointAngle(S.PointX[i + 1], S.PointY[i + 1], S.PointX[i], S.PointY[i]);
    const CanvasPoint tip = Toward(start.x, start.y, kArrowShaft, degrees);
    Stroke(hdc, start, tip);
    ArrowHead(hdc, tip, degrees);
    return;
  }
}

void CPathObj::DrawStoredOutlines(Canvas& hdc, const ViewMapping& view, int32_t key) {
  std::vector<CanvasPoint> pts;
  std::vector<int32_t> counts;
  for (int32_t j = 1; j <= S.DkN; ++j) {
    if (S.DkKey[j] != key) continue;
    const int32_t last = j == S.DkN ? S.DkPointN : S.DkStart[j + 1] - 1;
    const auto outline = MapRange(view, S.DkX, S.DkY, S.DkStart[j], last);
    pts.insert(pts.end(), outline.begin(), outline.end());
    counts.push_back(static_cast<int32_t>(outline.size()));
  }
  if (counts.size() == 1) hdc.Polygon(pts);
  else if (counts.size() > 1) hdc.PolyPolygon(pts, counts);
}

void CPathObj::DrawStoredBitmaps(Canvas& hdc, const ViewMapping& view, int32_t k) {
  const CanvasPoint corner = view.Map(S.ObjXmin[k], S.ObjYmax[k]);
  for (int32_t b = 1; b <= S.BmpN; ++b) {
    if (S.BmpKey[b] != S.ObjKey[k]) continue;
    const BmpInfoRecord& info = S.BmpInfo[b];
    hdc.StretchImage(corner.x, corner.y, kw::N(info.WidthMm * view.k), kw::N(info.HeightMm * view.k), S.BmpPic[b]);
  }
}

void CPathObj::DrawMoves(Canvas& hdc, const ViewMapping& view, const CanvasPen& pen, double left, double right,
                         double top, double bottom) {
  hdc.SetPen(pen);
  for (int32_t p = 2; p <= S.ObjN; ++p) {
    const double x1 = S.ObjEx[p - 1], y1 = S.ObjEy[p - 1], x2 = S.ObjSx[p], y2 = S.ObjSy[p];
    const bool outside = (x1 > right && x2 > right) || (x1 < left && x2 < left) || (y1 > top && y2 > top) ||
                         (y1 < bottom && y2 < bottom);
    if (outside) continue;
    const CanvasPoint from = view.Map(x1, y1), to = view.Map(x2, y2);
    Stroke(hdc, from, to);
    if (std::fabs(S.ObjSx[p] - S.ObjEx[p - 1]) > kVisibleMove || std::fabs(S.ObjSy[p] - S.ObjEy[p - 1]) > kVisibleMove) {
      ArrowHead(hdc, to, ScreenAngle(from, to));
    }
  }
}

void CPathObj::DrawRect(Canvas& hdc, int32_t Color, float ScaleLeft, float ScaleTop, float ScaleWidth,
                        float ScaleHeight, float Width, float Height, float X1, float Y1, float X2, float Y2, bool Fill,
                        int16_t DrawStyle) {
  const ViewMapping view(hdc, ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight, Width, Height);
  const std::vector<CanvasPoint> corners{view.Map(X1, Y1), view.Map(X2, Y1), view.Map(X2, Y2), view.Map(X1, Y2),
                                         view.Map(X1, Y1)};
  const CanvasTools remembered = hdc.Tools();
  hdc.SetPen({static_cast<uint32_t>(Color), 1, DrawStyle});
  hdc.SetBrush({static_cast<uint32_t>(Color), false});
  if (Fill) {
    hdc.Polygon(corners);
  } else {
    hdc.MoveTo(corners[0].x, corners[0].y);
    hdc.Polyline(corners);
  }
  hdc.SetPen(remembered.pen);
  hdc.SetBrush(remembered.brush);
}

}  // namespace kw::pathcore
