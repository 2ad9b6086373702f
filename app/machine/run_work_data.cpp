#include "machine/run_work_data.h"

#include "machine/layer_count.h"
#include "machine/path_runner.h"

namespace kw {
namespace {

inline constexpr int16_t kKnifeAngle = 1;  // allowed direction-class change, sixteenths of a turn

}  // namespace

void RequestRunWorkData(kw::pathcore::CPathObj& doc, const MachineSettings& s, const CLayerMap& layerMap,
                        bool selection) {
  std::vector<int16_t> sort, type;
  layerMap.GetSort(sort);
  layerMap.GetType(type);
  float offsetX = s.CutOffsetX, offsetY = s.CutOffsetY, r = s.CutR;
  const double kx = PulsesPerMm(s, 0), ky = PulsesPerMm(s, 1);
  if (selection)
    doc.GetWorkDat_Layer_Sel(kx, ky, kLayerCount, sort, type, offsetX, offsetY, r, kKnifeAngle);
  else
    doc.GetWorkDat_Layer(kx, ky, kLayerCount, sort, type, offsetX, offsetY, r, kKnifeAngle);
}

}  // namespace kw
