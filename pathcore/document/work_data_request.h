// One work-data request: walks the document and hands it to the host as
// machine coordinates, object by object, through the document's events.
#pragma once

#include <cstdint>
#include <vector>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/scan_line_list.h"

namespace kw::pathcore {

class WorkDataRequest {
 public:
  WorkDataRequest(CPathObj& doc, double Xk, double Yk);

  // The whole document by kind, in list order.
  void AllObjects();

  struct LayerPlan {
    int16_t LayerCount = 0;
    const std::vector<int16_t>* LayerSort = nullptr;  // layer at each position 0..LayerCount
    const std::vector<int16_t>* LayerType = nullptr;  // 0 cut, 1 scan, 2 point, by layer
    float OffsetX = 0, OffsetY = 0;                   // mm, the second tool
    float R = 0;                                      // mm, knife offset of the second tool
    int16_t Angle = 0;                                // sixteenths of a turn
  };
  // Layer by layer in the plan's order; selectedOnly keeps to selected
  // objects and cut layers.
  void ByLayers(const LayerPlan& plan, bool selectedOnly);

 private:
  bool CutPath(int32_t k);                                      // true: cancelled
  bool ToolPath(std::vector<float> xs, std::vector<float> ys, int16_t p);  // points 1..m; true: cancelled
  bool KnifePath(int32_t k, const LayerPlan& plan, int16_t p);  // true: cancelled
  bool LeadStroke(const LayerPlan& plan, int16_t p);            // true: cancelled
  void ScanLayer(int16_t L, int32_t& c);
  void PointLayer(int16_t L, int32_t& c);
  void FrameScan(int32_t k);
  void BitmapScan(int32_t k);
  void DrillPoints(int32_t k);
  int32_t TemporaryFrame();
  ScanSettings AskScanLayer(int32_t k);
  void Progress(int32_t c);

  CPathObj& doc_;
  PathStore& S;
  CPathObjEvents* events_;
  double Xk_, Yk_;                 // machine units per mm
  int16_t knifeClass_ = 0;         // carried from path to path
  float knifeOffsetX_ = 0, knifeOffsetY_ = 0;
  bool leadDone_ = false;
};

}  // namespace kw::pathcore
