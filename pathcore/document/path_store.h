// The storage of a path document and the primitive operations on one object
// that every document operation is built from. Objects are numbered 1..ObjN
// and points 1..PointN; element 0 of every array belongs to nothing, so the
// algorithms read as they are written.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/bitmap_store.h"

namespace kw::pathcore {

// Object kinds.
enum ObjKind : uint8_t { kCutPath = 0, kEngraveFrame = 1, kBitmapFrame = 2, kDrillPath = 3 };

// Selection states.
enum SelState : int32_t { kUnselected = 0, kSelected = 1, kCurrent = 2 };

struct PathStore {
  static constexpr int32_t kPointCapStep = 1000;  // points added to the capacity at a time

  // Shared point arrays, 0..PointCap, millimetres.
  int32_t PointN = 0;
  int32_t PointCap = 0;
  std::vector<float> PointX = std::vector<float>(1);
  std::vector<float> PointY = std::vector<float>(1);

  // Per-object arrays, 0..ObjN, always resized together.
  int32_t ObjN = 0;
  std::vector<int32_t> ObjStart = std::vector<int32_t>(1);  // index of the first point
  std::vector<int32_t> ObjSel = std::vector<int32_t>(1);    // SelState
  std::vector<uint8_t> ObjType = std::vector<uint8_t>(1);   // ObjKind
  std::vector<int32_t> ObjKey = std::vector<int32_t>(1);    // frame key, 0 for paths
  std::vector<int16_t> ObjLayer = std::vector<int16_t>(1);
  std::vector<float> ObjXmax = std::vector<float>(1), ObjYmax = std::vector<float>(1);  // mm
  std::vector<float> ObjXmin = std::vector<float>(1), ObjYmin = std::vector<float>(1);  // mm
  std::vector<float> ObjXc = std::vector<float>(1), ObjYc = std::vector<float>(1);      // mm, box centre
  std::vector<float> ObjSx = std::vector<float>(1), ObjSy = std::vector<float>(1);      // mm, first point
  std::vector<float> ObjEx = std::vector<float>(1), ObjEy = std::vector<float>(1);      // mm, last point

  // Engraving outline store: outlines moved out of the object list under a key.
  int32_t DkPointN = 0;
  int32_t DkN = 0;
  std::vector<float> DkX = std::vector<float>(1), DkY = std::vector<float>(1);  // 0..DkPointN, mm
  std::vector<int32_t> DkStart = std::vector<int32_t>(1);                      // 0..DkN
  std::vector<int32_t> DkKey = std::vector<int32_t>(1);                        // 0..DkN

  // Bitmap store, 0..BmpN.
  int32_t BmpN = 0;
  std::vector<BmpInfoRecord> BmpInfo = std::vector<BmpInfoRecord>(1);
  std::vector<BmpPicture> BmpPic = std::vector<BmpPicture>(1);
  std::vector<int32_t> BmpKey = std::vector<int32_t>(1);

  // Key table: KeyUsed holds at least 0..KeyN; key 0 is never given out.
  int32_t KeyN = 0;
  std::vector<uint8_t> KeyUsed = std::vector<uint8_t>(1);

  // Document bounds (recomputed by ZL) and selection bounds (by ZLSelLmt), mm.
  double Xmax = 0, Ymax = 0, Xmin = 0, Ymin = 0;
  double SelXmax = 0, SelYMax = 0, SelXMin = 0, SelYMin = 0;
  int32_t SelCount = 0;

  // Other document members.
  bool SMove = false;
  int16_t DocBakCount = 0;
  int16_t DocBaki = 0;
  int16_t VerNumber = 0;
  int32_t TreeScale = 20;                       // grid steps per mm for nesting
  std::array<uint8_t, 32> DocGuid{};            // ANSI hexadecimal digits
  std::string CutLayerName;
  std::string CutPenName;
  std::vector<std::string> DocBakFiles = std::vector<std::string>(1);  // 0..DocBakCount

  // Working members of the ordering operations.
  std::vector<int32_t> RgnGridX, RgnGridY;                 // 0..PointN, grid steps; only while nesting
  std::vector<int32_t> OrderList = std::vector<int32_t>(1);  // 1..OrderN: old object indices in new order
  int32_t OrderN = 0;

  // ---- object ranges -------------------------------------------------------
  int32_t LastPointOf(int32_t k) const { return k == ObjN ? PointN : ObjStart[k + 1] - 1; }
  int32_t PointCountOf(int32_t k) const { return LastPointOf(k) - ObjStart[k] + 1; }

  // ---- growth --------------------------------------------------------------
  // Resizes every per-object array to 0..n, keeping contents.
  void ResizeObjects(int32_t n);
  // Raises PointCap in steps of 1000 until it holds `needed` points.
  void EnsurePointCap(int32_t needed);

  // ---- primitive object operations ----------------------------------------
  // X and Y hold the path at 1..n (n = upper bound); element 0 is not read.
  void AddPath(std::span<const float> X, std::span<const float> Y, int16_t LayerN);
  void ExtractPath(int32_t k, std::vector<float>& X, std::vector<float>& Y, uint8_t& Type,
                   int32_t& Key, int16_t& LayerN) const;
  void InsertPath(std::span<const float> X, std::span<const float> Y, uint8_t Type, int32_t Key,
                  int16_t LayerN, int32_t Before, int32_t After);
  void RemovePath(int32_t k);
  void MovePath(int32_t From, int32_t To);
  void RefreshObj(int32_t k);
  void ReversePath(int32_t k);

  // ---- per-object transforms (no refresh) ----------------------------------
  void ScaleObj(int32_t k, double fx, double fy, float cx, float cy);
  void RotateObj(int32_t k, double cx, double cy, double angle);
  void TranslateObj(int32_t k, float dx, float dy);
  void MirrorObjX(int32_t k, float a);  // about the vertical line x = a
  void MirrorObjY(int32_t k, float a);  // about the horizontal line y = a

  // ---- per-object hit tests ------------------------------------------------
  bool ObjHitByPoint(int32_t k, double X, double Y, double Wc) const;
  bool ObjHitByRect(int32_t k, double X1, double Y1, double X2, double Y2) const;

  // ---- keys and bounds -----------------------------------------------------
  int32_t AllocKey();
  void FreeKey(int32_t k);
  void ZL();
  void ZLSelLmt();

 private:
  int32_t AppendPoints(std::span<const float> X, std::span<const float> Y, int32_t n);
  void SetBoxFromRange(int32_t k);
};

// Applies f to the matching per-object arrays of two stores (or of one store
// twice), so that copying, shifting and reordering never forget one of them.
template <typename StoreA, typename StoreB, typename F>
void ForEachObjArrayPair(StoreA& a, StoreB& b, F&& f) {
  f(a.ObjStart, b.ObjStart);
  f(a.ObjSel, b.ObjSel);
  f(a.ObjType, b.ObjType);
  f(a.ObjKey, b.ObjKey);
  f(a.ObjLayer, b.ObjLayer);
  f(a.ObjXmax, b.ObjXmax);
  f(a.ObjYmax, b.ObjYmax);
  f(a.ObjXmin, b.ObjXmin);
  f(a.ObjYmin, b.ObjYmin);
  f(a.ObjXc, b.ObjXc);
  f(a.ObjYc, b.ObjYc);
  f(a.ObjSx, b.ObjSx);
  f(a.ObjSy, b.ObjSy);
  f(a.ObjEx, b.ObjEx);
  f(a.ObjEy, b.ObjEy);
}

// Applies f to every per-object array of one store.
template <typename Store, typename F>
void ForEachObjArray(Store& s, F&& f) {
  ForEachObjArrayPair(s, s, [&f](auto& v, auto&) { f(v); });
}

}  // namespace kw::pathcore
