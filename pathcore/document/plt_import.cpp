// PltInput of the document: the PLT scanner's polylines in plotter units
// become paths in millimetres, on layer 1 when drawn with the cut pen.
#include <charconv>
#include <optional>

#include "hpglscan/c_plt.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/imported_path.h"

namespace kw::pathcore {

namespace {

constexpr double kUnitsPerInch = 1016;
constexpr double kMmPerInch = 25.4;

// The whole text as a number, blanks around it allowed; nothing when the text
// is empty or not a number.
std::optional<double> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

class PltSink : public kw::hpglscan::CPltEvents {
 public:
  PltSink(kw::hpglscan::CPlt& plt, PathStore& s) : plt_(plt), s_(s), cutPen_(WholeNumber(s.CutPenName)) {}

  // Without a numeric cut pen no polyline can be given a layer, so none is added.
  void OutPolyline(int32_t Count, int32_t SP) override {
    if (Count < 2 || !cutPen_) return;
    std::vector<int32_t> xs(static_cast<size_t>(Count)), ys(static_cast<size_t>(Count));
    plt_.GetXYData(xs, ys);
    std::vector<double> x(xs.size()), y(ys.size());
    for (size_t i = 0; i < xs.size(); ++i) {
      x[i] = xs[i] / kUnitsPerInch * kMmPerInch;
      y[i] = ys[i] / kUnitsPerInch * kMmPerInch;
    }
    AppendImportedPath(s_, x, y, *cutPen_ == SP ? 1 : 0);
  }

 private:
  kw::hpglscan::CPlt& plt_;
  PathStore& s_;
  std::optional<double> cutPen_;
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
