#include "document/document_image.h"

#include <tuple>

#include "document/bitmap_record_io.h"
#include "document/monochrome_bitmap.h"
#include "support/byte_reader.h"
#include "support/byte_writer.h"

namespace kw::pathcore {
namespace {

constexpr int32_t kFormatMark = 1;

// Thrown for counts that contradict each other; handled like a truncation.
struct InconsistentImage {};

void Check(bool ok) {
  if (!ok) throw InconsistentImage{};
}

// ---- writer ----------------------------------------------------------------

template <typename T, typename Put>
void WriteArray(const std::vector<T>& v, int32_t upper, Put put) {
  for (int32_t i = 0; i <= upper; ++i) put(v[static_cast<size_t>(i)]);
}

void WritePoints(kw::ByteWriter& out, const PathStore& s) {
  out.I32(s.PointN);
  out.I32(s.PointCap);
  if (s.PointN <= 0) return;
  WriteArray(s.PointX, s.PointCap, [&](float v) { out.F32(v); });
  WriteArray(s.PointY, s.PointCap, [&](float v) { out.F32(v); });
}

void WriteObjects(kw::ByteWriter& out, const PathStore& s) {
  out.I32(s.ObjN);
  if (s.ObjN <= 0) return;
  const int32_t n = s.ObjN;
  WriteArray(s.ObjSel, n, [&](int32_t v) { out.I32(v); });
  WriteArray(s.ObjType, n, [&](uint8_t v) { out.U8(v); });
  WriteArray(s.ObjKey, n, [&](int32_t v) { out.I32(v); });
  WriteArray(s.ObjLayer, n, [&](int16_t v) { out.I16(v); });
  WriteArray(s.ObjStart, n, [&](int32_t v) { out.I32(v); });
  for (const auto* box : {&s.ObjXmax, &s.ObjYmax, &s.ObjXmin, &s.ObjYmin, &s.ObjXc, &s.ObjYc, &s.ObjSx, &s.ObjSy,
                          &s.ObjEx, &s.ObjEy}) {
    WriteArray(*box, n, [&](float v) { out.F32(v); });
  }
}

void WriteOutlines(kw::ByteWriter& out, const PathStore& s) {
  out.I32(s.DkPointN);
  if (s.DkPointN > 0) {
    WriteArray(s.DkX, s.DkPointN, [&](float v) { out.F32(v); });
    WriteArray(s.DkY, s.DkPointN, [&](float v) { out.F32(v); });
  }
  out.I32(s.DkN);
  if (s.DkN > 0) {
    WriteArray(s.DkStart, s.DkN, [&](int32_t v) { out.I32(v); });
    WriteArray(s.DkKey, s.DkN, [&](int32_t v) { out.I32(v); });
  }
}

void WriteBitmaps(kw::ByteWriter& out, const PathStore& s) {
  out.I32(s.BmpN);
  if (s.BmpN <= 0) return;
  for (int32_t b = 1; b <= s.BmpN; ++b) WriteBitmapRecord(out, s.BmpInfo[static_cast<size_t>(b)]);
  WriteArray(s.BmpKey, s.BmpN, [&](int32_t v) { out.I32(v); });
}

void WriteTail(kw::ByteWriter& out, const PathStore& s) {
  out.I32(s.KeyN);
  if (s.KeyN > 0) WriteArray(s.KeyUsed, s.KeyN, [&](uint8_t v) { out.Bool16(v != 0); });
  for (double bound : {s.Xmax, s.Ymax, s.Xmin, s.Ymin}) out.F64(bound);
  out.Bytes(s.DocGuid);
  out.I16(s.VerNumber);
}

// ---- reader ----------------------------------------------------------------

// Reads elements 0..upper; the length is checked before anything is allocated.
template <typename T, typename Get>
std::vector<T> ReadArray(kw::ByteReader& in, int32_t upper, uint64_t elementSize, Get get) {
  const uint64_t count = static_cast<uint64_t>(upper) + 1;
  in.Require(count, elementSize);
  std::vector<T> v(count);
  for (auto& e : v) e = get();
  return v;
}

std::vector<float> ReadSingles(kw::ByteReader& in, int32_t upper) {
  return ReadArray<float>(in, upper, 4, [&] { return in.F32(); });
}
std::vector<int32_t> ReadLongs(kw::ByteReader& in, int32_t upper) {
  return ReadArray<int32_t>(in, upper, 4, [&] { return in.I32(); });
}

// Runs of `starts` 1..n must begin at 1, rise strictly and stay within 1..pointN.
void CheckRuns(const std::vector<int32_t>& starts, int32_t n, int32_t pointN) {
  if (n == 0) return;
  Check(starts[1] == 1);
  for (int32_t k = 2; k <= n; ++k) Check(starts[k] > starts[k - 1]);
  Check(starts[n] <= pointN);
}

void ReadPoints(kw::ByteReader& in, PathStore& s) {
  s.PointN = in.I32();
  s.PointCap = in.I32();
  Check(s.PointN >= 0 && s.PointCap >= s.PointN && s.PointCap < INT32_MAX);
  if (s.PointN > 0) {
    s.PointX = ReadSingles(in, s.PointCap);
    s.PointY = ReadSingles(in, s.PointCap);
  } else {
    // Without points the capacity is only a reservation, and a corrupt one could
    // ask for gigabytes of zeros: the document starts from an empty store's.
    s.PointCap = 0;
    s.PointX.assign(1, 0.0f);
    s.PointY.assign(1, 0.0f);
  }
}

void ReadObjects(kw::ByteReader& in, PathStore& s) {
  s.ObjN = in.I32();
  Check(s.ObjN >= 0 && s.ObjN < INT32_MAX);
  Check(s.ObjN == 0 ? s.PointN == 0 : s.ObjN <= s.PointN);
  s.ResizeObjects(0);
  if (s.ObjN == 0) return;
  const int32_t n = s.ObjN;
  in.Require(static_cast<uint64_t>(n) + 1, 4 + 1 + 4 + 2 + 4 + 10 * 4);  // every per-object field
  s.ObjSel = ReadLongs(in, n);
  s.ObjType = ReadArray<uint8_t>(in, n, 1, [&] { return in.U8(); });
  s.ObjKey = ReadLongs(in, n);
  s.ObjLayer = ReadArray<int16_t>(in, n, 2, [&] { return in.I16(); });
  s.ObjStart = ReadLongs(in, n);
  for (auto* box : {&s.ObjXmax, &s.ObjYmax, &s.ObjXmin, &s.ObjYmin, &s.ObjXc, &s.ObjYc, &s.ObjSx, &s.ObjSy,
                    &s.ObjEx, &s.ObjEy}) {
    *box = ReadSingles(in, n);
  }
  CheckRuns(s.ObjStart, n, s.PointN);
}

void ReadOutlines(kw::ByteReader& in, PathStore& s) {
  s.DkPointN = in.I32();
  Check(s.DkPointN >= 0 && s.DkPointN < INT32_MAX);
  s.DkX = s.DkPointN > 0 ? ReadSingles(in, s.DkPointN) : std::vector<float>(1);
  s.DkY = s.DkPointN > 0 ? ReadSingles(in, s.DkPointN) : std::vector<float>(1);
  s.DkN = in.I32();
  Check(s.DkN >= 0 && s.DkN < INT32_MAX);
  Check(s.DkN == 0 ? s.DkPointN == 0 : s.DkN <= s.DkPointN);
  s.DkStart = s.DkN > 0 ? ReadLongs(in, s.DkN) : std::vector<int32_t>(1);
  s.DkKey = s.DkN > 0 ? ReadLongs(in, s.DkN) : std::vector<int32_t>(1);
  CheckRuns(s.DkStart, s.DkN, s.DkPointN);
}

void ReadBitmaps(kw::ByteReader& in, PathStore& s) {
  s.BmpN = in.I32();
  Check(s.BmpN >= 0 && s.BmpN < INT32_MAX);
  constexpr uint64_t kSmallestRecord = 14 + 40 + 16;
  in.Require(static_cast<uint64_t>(s.BmpN), kSmallestRecord);
  s.BmpInfo.assign(static_cast<size_t>(s.BmpN) + 1, BmpInfoRecord{});
  s.BmpPic.assign(static_cast<size_t>(s.BmpN) + 1, BmpPicture{});
  for (int32_t b = 1; b <= s.BmpN; ++b) {
    auto& record = s.BmpInfo[static_cast<size_t>(b)];
    record = ReadBitmapRecord(in);
    auto picture = DecodeMonochromeBitmap(record);
    Check(picture.has_value());  // the picture could not be loaded
    s.BmpPic[static_cast<size_t>(b)] = std::move(*picture);
  }
  s.BmpKey = s.BmpN > 0 ? ReadLongs(in, s.BmpN) : std::vector<int32_t>(1);
}

void ReadTail(kw::ByteReader& in, PathStore& s) {
  s.KeyN = in.I32();
  Check(s.KeyN >= 0 && s.KeyN < INT32_MAX);
  s.KeyUsed = s.KeyN > 0 ? ReadArray<uint8_t>(in, s.KeyN, 2, [&] { return static_cast<uint8_t>(in.Bool16()); })
                         : std::vector<uint8_t>(1);
  s.Xmax = in.F64();
  s.Ymax = in.F64();
  s.Xmin = in.F64();
  s.Ymin = in.F64();
  const auto guid = in.Bytes(s.DocGuid.size());
  std::copy(guid.begin(), guid.end(), s.DocGuid.begin());
  s.VerNumber = in.I16();
}

// Moves the fields the image carries from `loaded` into `s`.
void TakeImageFields(PathStore& s, PathStore&& loaded) {
  s.PointN = loaded.PointN;
  s.PointCap = loaded.PointCap;
  s.PointX = std::move(loaded.PointX);
  s.PointY = std::move(loaded.PointY);
  s.ObjN = loaded.ObjN;
  auto source = std::tie(loaded.ObjStart, loaded.ObjSel, loaded.ObjType, loaded.ObjKey, loaded.ObjLayer,
                         loaded.ObjXmax, loaded.ObjYmax, loaded.ObjXmin, loaded.ObjYmin, loaded.ObjXc, loaded.ObjYc,
                         loaded.ObjSx, loaded.ObjSy, loaded.ObjEx, loaded.ObjEy);
  auto target = std::tie(s.ObjStart, s.ObjSel, s.ObjType, s.ObjKey, s.ObjLayer, s.ObjXmax, s.ObjYmax, s.ObjXmin,
                         s.ObjYmin, s.ObjXc, s.ObjYc, s.ObjSx, s.ObjSy, s.ObjEx, s.ObjEy);
  target = std::move(source);
  s.DkPointN = loaded.DkPointN;
  s.DkN = loaded.DkN;
  s.DkX = std::move(loaded.DkX);
  s.DkY = std::move(loaded.DkY);
  s.DkStart = std::move(loaded.DkStart);
  s.DkKey = std::move(loaded.DkKey);
  s.BmpN = loaded.BmpN;
  s.BmpInfo = std::move(loaded.BmpInfo);
  s.BmpPic = std::move(loaded.BmpPic);
  s.BmpKey = std::move(loaded.BmpKey);
  s.KeyN = loaded.KeyN;
  s.KeyUsed = std::move(loaded.KeyUsed);
  s.Xmax = loaded.Xmax;
  s.Ymax = loaded.Ymax;
  s.Xmin = loaded.Xmin;
  s.Ymin = loaded.Ymin;
  s.DocGuid = loaded.DocGuid;
  s.VerNumber = loaded.VerNumber;
}

}  // namespace

std::vector<uint8_t> WriteDocumentImage(const PathStore& s) {
  kw::ByteWriter out;
  out.Reserve(98 + 8 * (static_cast<size_t>(s.PointCap) + 1) + 55 * (static_cast<size_t>(s.ObjN) + 1));
  out.I32(kFormatMark);
  WritePoints(out, s);
  WriteObjects(out, s);
  WriteOutlines(out, s);
  WriteBitmaps(out, s);
  WriteTail(out, s);
  return out.Take();
}

ImageLoad LoadDocumentImage(std::span<const uint8_t> image, PathStore& s) {
  kw::ByteReader in(image);
  PathStore loaded;
  try {
    if (in.I32() != kFormatMark) return ImageLoad::WrongFormat;
    ReadPoints(in, loaded);
    ReadObjects(in, loaded);
    ReadOutlines(in, loaded);
    ReadBitmaps(in, loaded);
    ReadTail(in, loaded);
  } catch (const kw::ReadPastEnd&) {
    return ImageLoad::Invalid;
  } catch (const InconsistentImage&) {
    return ImageLoad::Invalid;
  }
  TakeImageFields(s, std::move(loaded));
  return ImageLoad::Loaded;
}

}  // namespace kw::pathcore
