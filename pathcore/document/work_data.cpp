// The host-facing work-data requests and the layer census they start with.
#include "document/work_data_request.h"

namespace kw::pathcore {
namespace {

WorkDataRequest::LayerPlan Plan(int16_t LayerCount, const std::vector<int16_t>& LayerSort,
                                const std::vector<int16_t>& LayerType, float OffsetX, float OffsetY, float R,
                                int16_t Angle) {
  return {LayerCount, &LayerSort, &LayerType, OffsetX, OffsetY, R, Angle};
}

}  // namespace

int16_t CPathObj::GetWorkDat(double Xk, double Yk) {
  WorkDataRequest(*this, Xk, Yk).AllObjects();
  return 0;
}

int16_t CPathObj::GetWorkDat_Layer(double Xk, double Yk, int16_t LayerCount, std::vector<int16_t>& LayerSort,
                                   std::vector<int16_t>& LayerType, float& OffsetX, float& OffsetY, float& R,
                                   int16_t Angle) {
  WorkDataRequest(*this, Xk, Yk).ByLayers(Plan(LayerCount, LayerSort, LayerType, OffsetX, OffsetY, R, Angle), false);
  return 0;
}

int16_t CPathObj::GetWorkDat_Layer_Sel(double Xk, double Yk, int16_t LayerCount, std::vector<int16_t>& LayerSort,
                                       std::vector<int16_t>& LayerType, float& OffsetX, float& OffsetY, float& R,
                                       int16_t Angle) {
  WorkDataRequest(*this, Xk, Yk).ByLayers(Plan(LayerCount, LayerSort, LayerType, OffsetX, OffsetY, R, Angle), true);
  return 0;
}

int16_t CPathObj::GetObjLayer(int16_t LayerCount, std::vector<bool>& LayerUse) {
  const int16_t count = LayerCount < 0 ? 0 : LayerCount;
  LayerUse.assign(static_cast<size_t>(count) + 1, false);
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    // Layers the table does not have (and negative ones) go to layer 0.
    if (S.ObjLayer[k] > count || S.ObjLayer[k] < 0) S.ObjLayer[k] = 0;
    LayerUse[S.ObjLayer[k]] = true;
  }
  return 0;
}

}  // namespace kw::pathcore
