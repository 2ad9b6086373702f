#include "document/bitmap_record_io.h"

#include <algorithm>
#include <cmath>

#include "support/round_half_even.h"

namespace kw::pathcore {
namespace {

void WriteFileHeader(kw::ByteWriter& out, const BitmapFileHeader& h) {
  out.U16(h.bfType);
  out.U32(h.bfSize);
  out.U16(h.bfReserved1);
  out.U16(h.bfReserved2);
  out.U32(h.bfOffBits);
}

void WriteInfoHeader(kw::ByteWriter& out, const BitmapInfoHeader& h) {
  out.U32(h.biSize);
  out.I32(h.biWidth);
  out.I32(h.biHeight);
  out.U16(h.biPlanes);
  out.U16(h.biBitCount);
  out.U32(h.biCompression);
  out.U32(h.biSizeImage);
  out.I32(h.biXPelsPerMeter);
  out.I32(h.biYPelsPerMeter);
  out.U32(h.biClrUsed);
  out.U32(h.biClrImportant);
}

}  // namespace

BitmapFileHeader ReadFileHeader(kw::ByteReader& in) {
  BitmapFileHeader h;
  h.bfType = in.U16();
  h.bfSize = in.U32();
  h.bfReserved1 = in.U16();
  h.bfReserved2 = in.U16();
  h.bfOffBits = in.U32();
  return h;
}

BitmapInfoHeader ReadInfoHeader(kw::ByteReader& in) {
  BitmapInfoHeader h;
  h.biSize = in.U32();
  h.biWidth = in.I32();
  h.biHeight = in.I32();
  h.biPlanes = in.U16();
  h.biBitCount = in.U16();
  h.biCompression = in.U32();
  h.biSizeImage = in.U32();
  h.biXPelsPerMeter = in.I32();
  h.biYPelsPerMeter = in.I32();
  h.biClrUsed = in.U32();
  h.biClrImportant = in.U32();
  return h;
}


int64_t BitmapDataByteCount(const BitmapInfoHeader& info) {
  const double rowBytes = (static_cast<double>(info.biWidth) + 31.0) / 8.0;
  return kw::N64(rowBytes * static_cast<double>(info.biHeight) - 1.0) + 1;
}

void WriteBitmapRecord(kw::ByteWriter& out, const BmpInfoRecord& record) {
  WriteFileHeader(out, record.FileHeader);
  WriteInfoHeader(out, record.InfoHeader);
  const int64_t count = std::max<int64_t>(BitmapDataByteCount(record.InfoHeader), 0);
  const size_t kept = std::min(record.Data.size(), static_cast<size_t>(count));
  out.Bytes(std::span<const uint8_t>(record.Data.data(), kept));
  for (int64_t i = static_cast<int64_t>(kept); i < count; ++i) out.U8(0);
  out.F32(record.WidthMm);
  out.F32(record.HeightMm);
  out.I32(record.WidthPx);
  out.I32(record.HeightPx);
}

BmpInfoRecord ReadBitmapRecord(kw::ByteReader& in) {
  BmpInfoRecord record;
  record.FileHeader = ReadFileHeader(in);
  record.InfoHeader = ReadInfoHeader(in);
  const int64_t count = BitmapDataByteCount(record.InfoHeader);
  if (count < 0) throw kw::ReadPastEnd();
  const auto data = in.Bytes(static_cast<uint64_t>(count));
  record.Data.assign(data.begin(), data.end());
  record.WidthMm = in.F32();
  record.HeightMm = in.F32();
  record.WidthPx = in.I32();
  record.HeightPx = in.I32();
  return record;
}

}  // namespace kw::pathcore
