// The PLT scanner and the HP-GL/2 reader.
#include <string_view>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "hpglscan/c_plt.h"
#include "hpglscan/hpgl2_reader.h"
#include "scratch_file.h"
#include "value_sink.h"

namespace kw::fuzz {
namespace {

// Copies each polyline out while the event runs, as the document does.
class CopyingSink : public kw::hpglscan::CPltEvents {
 public:
  explicit CopyingSink(const kw::hpglscan::CPlt& plt) : plt_(plt) {}
  void OutPolyline(int32_t Count, int32_t SP) override {
    if (Count <= 0) return;
    x_.assign(static_cast<size_t>(Count), 0);
    y_.assign(static_cast<size_t>(Count), 0);
    plt_.GetXYData(x_, y_);
    KeepAll(x_);
    KeepAll(y_);
    Keep(SP);
  }

 private:
  const kw::hpglscan::CPlt& plt_;
  std::vector<int32_t> x_, y_;
};

}  // namespace

void FuzzPlt(Bytes input) {
  static ScratchFile file(".plt");
  kw::hpglscan::CPlt plt;
  CopyingSink sink(plt);
  plt.Connect(&sink);
  int32_t res = 0;
  plt.OpenFile(file.Write(input), res);
  plt.Disconnect(&sink);
}

void FuzzHpgl2(Bytes input) {
  const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
  kw::hpglscan::ReadHpgl2Text(text, [](std::span<const double> X, std::span<const double> Y, int32_t Pen) {
    KeepAll(X);
    KeepAll(Y);
    Keep(Pen);
  });
}

}  // namespace kw::fuzz
