// PltInput of the document: the PLT scanner's polylines in plotter units
// become paths in millimetres, on layer 1 when drawn with the cut pen.
#include "hpglscan/c_plt.h"
#include "pathcore/path_obj.h"
#include "document/imported_path.h"
#include "document/path_store.h"
#include "document/plt_pen_layers.h"

namespace kw::pathcore {

namespace {

class PltSink : public kw::hpglscan::CPltEvents {
 public:
  PltSink(kw::hpglscan::CPlt& plt, PathStore& s) : plt_(plt), s_(s), layers_(s.CutPenName) {}

  void OutPolyline(int32_t Count, int32_t SP) override {
    const auto layer = layers_.LayerOf(SP);
    if (Count < 2 || !layer) return;
    std::vector<int32_t> xs(static_cast<size_t>(Count)), ys(static_cast<size_t>(Count));
    plt_.GetXYData(xs, ys);
    std::vector<double> x(xs.size()), y(ys.size());
    for (size_t i = 0; i < xs.size(); ++i) {
      x[i] = PlotterUnitsToMm(xs[i]);
      y[i] = PlotterUnitsToMm(ys[i]);
    }
    AppendImportedPath(s_, x, y, *layer);
  }

 private:
  kw::hpglscan::CPlt& plt_;
  PathStore& s_;
  PltPenLayers layers_;
};

}  // namespace

int16_t CPathObj::PltInput(const std::string& FileName, const std::string& CutLayer) {
  kw::hpglscan::CPlt plt;
  S.CutPenName = CutLayer;
  PltSink sink(plt, S);
  plt.Connect(&sink);
  int32_t Res = 0;
  plt.OpenFile(FileName, Res);
  if (Res != 0 && events_) events_->Message("打开失败！");
  S.ZL();
  return 0;
}

}  // namespace kw::pathcore
