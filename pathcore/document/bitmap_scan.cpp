// Scan lines of a bitmap frame: each stored bitmap resampled to the line
// density and read row by row from the top, burn-on and burn-off positions
// where pixels change.
#include "document/bitmap_resample.h"
#include "document/work_data_request.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

void WorkDataRequest::BitmapScan(int32_t k) {
  const ScanSettings set = AskScanLayer(k);
  if (!set.Enabled || set.Dpi <= 0) return;
  const int32_t X0 = kw::N(-S.Xmin * Xk_), Y0 = kw::N(-S.Ymax * Yk_);
  const double s = set.Dpi / 25.4;  // pixels per mm
  const int32_t W = kw::N((S.ObjXmax[k] - S.ObjXmin[k]) * s), H = kw::N((S.ObjYmax[k] - S.ObjYmin[k]) * s);
  const int32_t PL = kw::N(S.ObjXmin[k] * s), PT = kw::N(S.ObjYmax[k] * s);
  auto xOf = [&](int64_t column) { return kw::N(Xk_ * static_cast<double>(PL + column) / s + X0); };

  ScanLineList lines(set);
  std::vector<int32_t> crossings;
  for (int32_t b = 1; b <= S.BmpN; ++b) {
    if (S.BmpKey[b] != S.ObjKey[k]) continue;
    const Bitmap24 image = Resample24(S.BmpPic[b], W, H);
    if (image.Width != W || image.Height != H || image.Blue.empty()) return;  // no 24-bit result: no event at all
    for (int32_t r = H - 1; r >= 0; --r) {
      crossings.clear();
      bool on = false;
      for (int32_t c = 0; c < W; ++c) {
        const uint8_t blue = image.Blue[static_cast<size_t>(r) * static_cast<size_t>(W) + static_cast<size_t>(c)];
        const bool burn = set.BmpMode ? blue < 128 : blue >= 128;
        if (burn != on) crossings.push_back(xOf(c)), on = burn;
      }
      if (on) crossings.push_back(xOf(W - 1));
      lines.Append(crossings, kw::N(Yk_ * static_cast<double>(PT + r - H + 1) / s + Y0));
    }
  }
  auto out = lines.Finish();
  events_->OutScanLine(out, S.ObjLayer[k]);
}

}  // namespace kw::pathcore
