// Hpgl2Input of the document, and the second reading of PLT files the PLT
// scanner takes nothing from: the HP-GL/2 reader's polylines become paths in
// millimetres, placed by pen as the PLT import places them.
#include <filesystem>
#include <vector>

#include "hpglscan/hpgl2_reader.h"
#include "pathcore/path_obj.h"
#include "document/imported_path.h"
#include "document/path_store.h"
#include "document/plt_pen_layers.h"

namespace kw::pathcore {

namespace {

// False when the file cannot be opened.
bool ReadHpgl2Into(PathStore& s, const std::string& FileName, const std::string& CutLayer) {
  s.CutPenName = CutLayer;
  const PltPenLayers layers(CutLayer);
  std::vector<double> x, y;
  return kw::hpglscan::ReadHpgl2File(FileName, [&](std::span<const double> X, std::span<const double> Y, int32_t Pen) {
    const auto layer = layers.LayerOf(Pen);
    if (!layer) return;
    x.resize(X.size());
    y.resize(Y.size());
    for (size_t i = 0; i < X.size(); ++i) x[i] = PlotterUnitsToMm(X[i]);
    for (size_t i = 0; i < Y.size(); ++i) y[i] = PlotterUnitsToMm(Y[i]);
    AppendImportedPath(s, x, y, *layer);
  });
}

}  // namespace

int16_t CPathObj::Hpgl2Input(const std::string& FileName, const std::string& CutLayer) {
  const bool opened = ReadHpgl2Into(S, FileName, CutLayer);
  if (!opened && events_) events_->Message("打开失败！");
  S.ZL();
  return opened ? 0 : -1;
}

int16_t CPathObj::PltInputOrHpgl2(const std::string& FileName, const std::string& CutLayer, bool& ReadAsHpgl2) {
  ReadAsHpgl2 = false;
  const int32_t before = Count();
  const int16_t result = PltInput(FileName, CutLayer);
  // A file PltInput could not open has been reported once already.
  std::error_code ec;
  if (Count() != before || !std::filesystem::is_regular_file(FileName, ec)) return result;
  ReadAsHpgl2 = ReadHpgl2Into(S, FileName, CutLayer);
  S.ZL();
  return result;
}

}  // namespace kw::pathcore
