#include "machine/planned_paths.h"

#include "machine/path_runner.h"
#include "machine/prolong_adjust.h"
#include "machine/run_work_data.h"

namespace kw {
namespace {

class PathCollector : public kw::pathcore::CPathObjEvents {
 public:
  PathCollector(const CCutLayer& cutLayers, double kx) : cutLayers_(cutLayers), kx_(kx) {}

  void GetCutLayer(int16_t LayerN, bool& Enabled) override {
    (void)LayerN;
    Enabled = true;
  }
  void OutPath(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN, bool& CancelB) override {
    (void)CancelB;
    if (!PathMoves(X, Y, LayerN, cutLayers_)) return;
    AdjustPathEnds(X, Y, cutLayers_.ProLong(LayerN), kx_);
    paths.push_back({X, Y, LayerN});
  }

  std::vector<PlannedPath> paths;

 private:
  const CCutLayer& cutLayers_;
  double kx_;
};

// A request for work data may change the document (it counts requests, and
// engraving layers build and drop a temporary frame), so it goes to a copy.
void CopyDocument(kw::pathcore::CPathObj& from, kw::pathcore::CPathObj& to) {
  std::vector<uint8_t> image;
  int32_t size = 0;
  from.GetBin(image, size);
  to.SetBin(image, size);
}

}  // namespace

std::vector<PlannedPath> PlannedPaths(kw::pathcore::CPathObj& doc, const MachineSettings& s,
                                      const CCutLayer& cutLayers, const CLayerMap& layerMap, bool selection) {
  kw::pathcore::CPathObj copy;
  CopyDocument(doc, copy);
  PathCollector collector(cutLayers, PulsesPerMm(s, 0));
  copy.SetEvents(&collector);
  RequestRunWorkData(copy, s, layerMap, selection);
  return std::move(collector.paths);
}

}  // namespace kw
