// Importing a monochrome bitmap as a bitmap frame: the file's headers and
// data bytes go to the bitmap store, a rectangle of its size in millimetres
// hangs from the origin towards -Y.
#include <algorithm>

#include "document/bitmap_record_io.h"
#include "support/file_replace.h"
#include "document/monochrome_bitmap.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "support/byte_reader.h"
#include "support/round_half_even.h"

namespace kw::pathcore {
namespace {

constexpr int32_t kDefaultPixelsPerMm = 10;
constexpr size_t kHeadersSize = 14 + 40;  // bytes

// True when the file holds every pixel row its headers describe.
bool HoldsItsPixelRows(const BmpInfoRecord& r, size_t fileSize) {
  const auto& info = r.InfoHeader;
  if (info.biWidth <= 0 || info.biHeight <= 0 || r.FileHeader.bfOffBits < kHeadersSize) return false;
  const uint64_t stride = (static_cast<uint64_t>(info.biWidth) * info.biBitCount + 31) / 32 * 4;
  return r.FileHeader.bfOffBits + stride * static_cast<uint64_t>(info.biHeight) <= fileSize;
}

// The record of a 1-bit bitmap file, or nothing when the file is another kind
// or is shorter than its headers say. The stored data bytes follow the record
// formula, which asks for a little more than the rows of most files hold: the
// part past the end of the file is stored as zeros.
std::optional<BmpInfoRecord> ReadMonochromeFile(const std::vector<uint8_t>& bytes) {
  BmpInfoRecord record;
  try {
    kw::ByteReader in(bytes);
    record.FileHeader = ReadFileHeader(in);
    record.InfoHeader = ReadInfoHeader(in);
  } catch (const kw::ReadPastEnd&) {
    return std::nullopt;
  }
  if (record.InfoHeader.biBitCount != 1 || !HoldsItsPixelRows(record, bytes.size())) return std::nullopt;
  const int64_t count = BitmapDataByteCount(record.InfoHeader);
  if (count < 0) return std::nullopt;
  record.Data.assign(static_cast<size_t>(count), 0);
  const size_t available = std::min<size_t>(static_cast<size_t>(count), bytes.size() - kHeadersSize);
  std::copy_n(bytes.begin() + kHeadersSize, available, record.Data.begin());
  return record;
}

}  // namespace

void CPathObj::BmpInput(const std::string& FileName) {
  const auto bytes = ReadWholeFile(FileName);
  if (!bytes) return;
  auto record = ReadMonochromeFile(*bytes);
  if (!record) return;
  auto picture = DecodeMonochromeBitmap(*record);
  if (!picture) return;
  int32_t perMm = kw::N(record->InfoHeader.biXPelsPerMeter / 1000.0);
  if (perMm == 0) perMm = kDefaultPixelsPerMm;
  record->WidthMm = static_cast<float>(record->InfoHeader.biWidth) / static_cast<float>(perMm);
  record->HeightMm = static_cast<float>(record->InfoHeader.biHeight) / static_cast<float>(perMm);
  record->WidthPx = record->InfoHeader.biWidth;
  record->HeightPx = record->InfoHeader.biHeight;
  const float W = record->WidthMm, H = record->HeightMm;

  ++S.BmpN;
  const auto size = static_cast<size_t>(S.BmpN) + 1;
  S.BmpInfo.resize(size);
  S.BmpPic.resize(size);
  S.BmpKey.resize(size);
  S.BmpInfo[S.BmpN] = std::move(*record);
  S.BmpPic[S.BmpN] = std::move(*picture);
  S.BmpKey[S.BmpN] = S.AllocKey();
  const std::vector<float> X{0, 0, W, W, 0, 0}, Y{0, 0, 0, -H, -H, 0};
  S.AddPath(X, Y, 0);
  S.ObjType[S.ObjN] = kBitmapFrame;
  S.ObjKey[S.ObjN] = S.BmpKey[S.BmpN];
  S.ZL();
}

}  // namespace kw::pathcore
