// Documents with every kind of stored data, for the image and undo tests.
#pragma once

#include <vector>

#include "doc_test_support.h"
#include "document/bitmap_store.h"
#include "document/outline_store.h"

namespace kw::test {

// A 1-bit bitmap record of width x height pixels: white palette entry 1,
// pixel (x, y) from the top set when (x + y) is odd.
inline kw::pathcore::BmpInfoRecord CheckerBitmap(int32_t width, int32_t height) {
  kw::pathcore::BmpInfoRecord r;
  r.FileHeader.bfType = 0x4D42;
  r.FileHeader.bfOffBits = 14 + 40 + 8;
  r.InfoHeader.biSize = 40;
  r.InfoHeader.biWidth = width;
  r.InfoHeader.biHeight = height;
  r.InfoHeader.biPlanes = 1;
  r.InfoHeader.biBitCount = 1;
  r.Data = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
  const int32_t stride = (width + 31) / 32 * 4;
  for (int32_t row = 0; row < height; ++row) {  // bottom row first
    const int32_t y = height - 1 - row;
    std::vector<uint8_t> bits(static_cast<size_t>(stride), 0);
    for (int32_t x = 0; x < width; ++x) {
      if ((x + y) % 2 == 1) bits[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    r.Data.insert(r.Data.end(), bits.begin(), bits.end());
  }
  r.WidthMm = static_cast<float>(width) / 10;
  r.HeightMm = static_cast<float>(height) / 10;
  r.WidthPx = width;
  r.HeightPx = height;
  return r;
}

// Adds a bitmap entry with its frame, as the bitmap import leaves them.
inline void AddBitmap(kw::pathcore::CPathObj& doc, const kw::pathcore::BmpInfoRecord& record) {
  auto& s = StoreOf(doc);
  ++s.BmpN;
  s.BmpInfo.push_back(record);
  s.BmpPic.emplace_back();
  s.BmpKey.push_back(s.AllocKey());
  const float w = record.WidthMm, h = record.HeightMm;
  Add(doc, {{0, 0}, {w, 0}, {w, -h}, {0, -h}, {0, 0}});
  s.ObjType[s.ObjN] = kw::pathcore::kBitmapFrame;
  s.ObjKey[s.ObjN] = s.BmpKey[s.BmpN];
}

// Three cut paths on layers 0..2, an engraving frame with two outlines, a
// bitmap and a key table longer than KeyN, with a selection: every image field is non-trivial.
inline void FillDocument(kw::pathcore::CPathObj& doc) {
  auto& s = StoreOf(doc);
  Add(doc, {{0, 0}, {10, 0}, {10, 5}}, 0);
  Add(doc, {{1, 1}, {2, 3}}, 1);
  Add(doc, {{-4, 2}, {-1, 7}, {3, 3}, {-4, 2}}, 2);
  const int32_t key = s.AllocKey();
  const Path1 a({{20, 20}, {22, 20}, {22, 22}, {20, 20}}), b({{21, 21}, {21.5f, 21}});
  kw::pathcore::StoreOutline(s, key, a.X, a.Y);
  kw::pathcore::StoreOutline(s, key, b.X, b.Y);
  Add(doc, {{20, 22}, {22, 22}, {22, 20}, {20, 20}, {20, 22}});
  s.ObjType[s.ObjN] = kw::pathcore::kEngraveFrame;
  s.ObjKey[s.ObjN] = key;
  AddBitmap(doc, CheckerBitmap(40, 3));
  s.FreeKey(s.AllocKey());  // the table's storage now runs past KeyN
  s.ObjSel[2] = 1;
  s.ObjSel[3] = 2;
  doc.VerNumber(1234);
  doc.ZL();
}

inline std::vector<uint8_t> ImageOf(kw::pathcore::CPathObj& doc) {
  std::vector<uint8_t> bytes;
  int32_t size = 0;
  doc.GetBin(bytes, size);
  return bytes;
}

}  // namespace kw::test
