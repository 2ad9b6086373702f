#include "document/monochrome_bitmap.h"

#include <array>
#include <cstdlib>
#include <span>

namespace kw::pathcore {
namespace {

constexpr uint32_t kHeadersSize = 14 + 40;  // bytes before the data bytes in the file
constexpr uint32_t kUncompressed = 0;       // BI_RGB

bool IsMonochrome(const BitmapInfoHeader& info) {
  return info.biBitCount == 1 && info.biCompression == kUncompressed && info.biWidth > 0 && info.biHeight != 0 &&
         info.biHeight != INT32_MIN && info.biSize >= 40;
}

// The stored data-byte count is a formula that falls a few bytes short of the
// last row for some widths; like the import, which read zeros past the end of
// the file, bytes beyond the data read as 0.
uint8_t ByteAt(std::span<const uint8_t> data, uint64_t i) { return i < data.size() ? data[i] : 0; }

// The two palette entries as 0xRRGGBB.
std::array<uint32_t, 2> ReadPalette(std::span<const uint8_t> data, const BitmapInfoHeader& info) {
  const uint64_t at = info.biSize - 40;  // a larger info header pushes the colour table back
  std::array<uint32_t, 2> palette{};
  for (uint64_t i = 0; i < 2; ++i) {
    const uint64_t e = at + 4 * i;
    palette[i] = (uint32_t{ByteAt(data, e + 2)} << 16) | (uint32_t{ByteAt(data, e + 1)} << 8) | ByteAt(data, e);
  }
  return palette;
}

// The record must carry about the bytes its header asks for; this also bounds
// the picture's size by the size of the data actually held.
bool DataCoversHeader(const BmpInfoRecord& record) {
  const auto& info = record.InfoHeader;
  const double asked = (static_cast<double>(info.biWidth) + 31.0) / 8.0 * std::abs(static_cast<double>(info.biHeight));
  return asked <= static_cast<double>(record.Data.size()) + 2.0;
}

}  // namespace

std::optional<BmpPicture> DecodeMonochromeBitmap(const BmpInfoRecord& record) {
  const auto& info = record.InfoHeader;
  if (!IsMonochrome(info) || record.FileHeader.bfOffBits < kHeadersSize || !DataCoversHeader(record)) {
    return std::nullopt;
  }
  const std::span<const uint8_t> data(record.Data);
  const auto palette = ReadPalette(data, info);
  const uint64_t width = static_cast<uint64_t>(info.biWidth);
  const uint64_t height = static_cast<uint64_t>(std::llabs(info.biHeight));
  const uint64_t stride = (width + 31) / 32 * 4;  // rows are padded to 32 bits
  const uint64_t rows = record.FileHeader.bfOffBits - kHeadersSize;
  BmpPicture picture;
  picture.Width = info.biWidth;
  picture.Height = static_cast<int32_t>(height);
  picture.Rgb.resize(width * height);
  const bool bottomUp = info.biHeight > 0;
  for (uint64_t row = 0; row < height; ++row) {
    const uint64_t y = bottomUp ? height - 1 - row : row;
    for (uint64_t x = 0; x < width; ++x) {
      const int bit = (ByteAt(data, rows + row * stride + x / 8) >> (7 - x % 8)) & 1;
      picture.Rgb[y * width + x] = palette[bit];
    }
  }
  return picture;
}

}  // namespace kw::pathcore
