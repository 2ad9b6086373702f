#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "image_test_support.h"
#include "document/bitmap_record_io.h"
#include "support/byte_reader.h"

namespace {

using kw::test::Add;
using kw::test::FillDocument;
using kw::test::ImageOf;
using kw::test::StoreOf;

class DocumentImageTest : public kw::test::TempAppPath {};

TEST_F(DocumentImageTest, NewDocumentImageIsTheNinetyEightByteSkeleton) {
  kw::pathcore::CPathObj doc;
  doc.VerNumber(-2);
  std::vector<uint8_t> image(3, 0xAA);
  int32_t size = -1;
  doc.GetBin(image, size);
  ASSERT_EQ(size, 98);
  ASSERT_EQ(image.size(), 98u);
  kw::ByteReader in(image);
  EXPECT_EQ(in.I32(), 1);                                  // format mark
  for (int field = 0; field < 7; ++field) EXPECT_EQ(in.I32(), 0);  // PointN .. KeyN
  for (int bound = 0; bound < 4; ++bound) EXPECT_EQ(in.F64(), 0.0);
  std::vector<uint8_t> guid(32);
  doc.GetGUID(guid);
  const auto stored = in.Bytes(32);
  EXPECT_TRUE(std::equal(guid.begin(), guid.end(), stored.begin()));
  EXPECT_EQ(in.I16(), -2);
  EXPECT_TRUE(in.AtEnd());
}

// Found by fuzzing: a 13-byte image asked for gigabytes of zeroed points.
TEST_F(DocumentImageTest, ReservedCapacityOfAnEmptyImageIsNotAllocated) {
  kw::pathcore::CPathObj empty;
  std::vector<uint8_t> image;
  int32_t size = 0;
  empty.GetBin(image, size);
  const int32_t huge = 2'000'000'000;
  std::memcpy(image.data() + 8, &huge, sizeof huge);  // the point capacity after the mark and PointN

  kw::pathcore::CPathObj doc;
  ASSERT_EQ(doc.SetBin(image, size), 0);
  EXPECT_EQ(StoreOf(doc).PointCap, 0);
  EXPECT_EQ(StoreOf(doc).PointX.size(), 1u);
  Add(doc, {{1, 2}, {3, 4}}, 1);
  EXPECT_EQ(doc.Count(), 1);
}

TEST_F(DocumentImageTest, PointArraysAreWrittenToTheirCapacity) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{1, 2}, {3, 4}, {5, 6}}, 7);
  const auto image = ImageOf(doc);
  // 98 + two arrays of 1001 Singles + the 2-element per-object arrays:
  // Long, Byte, Long, Integer, Long and ten Singles each.
  EXPECT_EQ(image.size(), 98u + 2 * 1001 * 4 + 2 * (4 + 1 + 4 + 2 + 4 + 40));
  kw::ByteReader in(image);
  in.Skip(4);
  EXPECT_EQ(in.I32(), 3);
  EXPECT_EQ(in.I32(), 1000);
  EXPECT_EQ(in.F32(), 0.0f);  // element 0
  EXPECT_EQ(in.F32(), 1.0f);
  in.Skip(4 * 999);  // the rest of PointX
  in.Skip(4 * 3);    // PointY(0..2)
  EXPECT_EQ(in.F32(), 6.0f);
  in.Skip(4 * 997);
  EXPECT_EQ(in.I32(), 1);  // ObjN
  EXPECT_EQ(in.I32(), 0);  // ObjSel(0)
  EXPECT_EQ(in.I32(), 0);  // ObjSel(1)
  in.Skip(2 + 8);          // ObjType, ObjKey
  in.Skip(2);
  EXPECT_EQ(in.I16(), 7);  // ObjLayer(1)
}

TEST_F(DocumentImageTest, RoundTripGivesTheSameBytesAndTheSameDocument) {
  kw::pathcore::CPathObj doc;
  FillDocument(doc);
  auto image = ImageOf(doc);
  kw::pathcore::CPathObj copy;
  ASSERT_EQ(copy.SetBin(image, 0), 0);
  EXPECT_EQ(ImageOf(copy), image);
  const auto& s = StoreOf(copy);
  EXPECT_EQ(copy.Count(), 5);
  EXPECT_EQ(s.ObjSel[3], 2);
  EXPECT_EQ(s.DkN, 2);
  EXPECT_EQ(s.KeyN, 2);  // written as 0..KeyN although the table held more
  EXPECT_EQ(copy.VerNumber(), 1234);
  std::vector<uint8_t> a(32), b(32);
  doc.GetGUID(a);
  copy.GetGUID(b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(copy.Ymax(), doc.Ymax());
}

TEST_F(DocumentImageTest, BitmapPictureIsRebuiltFromTheStoredBits) {
  kw::pathcore::CPathObj doc;
  FillDocument(doc);
  auto image = ImageOf(doc);
  kw::pathcore::CPathObj copy;
  ASSERT_EQ(copy.SetBin(image, 0), 0);
  const auto& pic = StoreOf(copy).BmpPic[1];
  ASSERT_EQ(pic.Width, 40);
  ASSERT_EQ(pic.Height, 3);
  EXPECT_EQ(pic.Rgb[0], 0x000000u);       // top-left: x + y even
  EXPECT_EQ(pic.Rgb[1], 0xFFFFFFu);
  EXPECT_EQ(pic.Rgb[40], 0xFFFFFFu);      // second row starts odd
  EXPECT_EQ(pic.Rgb[2 * 40 + 39], 0xFFFFFFu);
}

TEST_F(DocumentImageTest, DataByteCountFollowsTheFormulaEitherSideOfTheRealSize) {
  kw::pathcore::BitmapInfoHeader info;
  info.biWidth = 200, info.biHeight = 100;
  EXPECT_EQ(kw::pathcore::BitmapDataByteCount(info), 2887);  // N(2886.5) is 2886, halves to even
  info.biWidth = 193;                                    // 8 bytes short of palette and rows
  EXPECT_EQ(kw::pathcore::BitmapDataByteCount(info), 2800);
  info.biHeight = 0;
  EXPECT_EQ(kw::pathcore::BitmapDataByteCount(info), 0);
  info.biHeight = -4;
  EXPECT_LT(kw::pathcore::BitmapDataByteCount(info), 0);
}

TEST_F(DocumentImageTest, ShortBitmapRecordStillLoadsWithZeroRows) {
  // For a width of 33 the formula asks for fewer bytes than palette and rows take.
  kw::pathcore::CPathObj doc;
  kw::test::AddBitmap(doc, kw::test::CheckerBitmap(33, 8));
  auto image = ImageOf(doc);
  kw::pathcore::CPathObj copy;
  ASSERT_EQ(copy.SetBin(image, 0), 0);
  EXPECT_EQ(StoreOf(copy).BmpInfo[1].Data.size(), 64u);
  EXPECT_EQ(StoreOf(copy).BmpPic[1].Height, 8);
  EXPECT_EQ(ImageOf(copy), image);
}

TEST_F(DocumentImageTest, BitmapRecordsThatCannotBeDecodedOrReadAreRefused) {
  kw::pathcore::CPathObj source;
  kw::test::AddBitmap(source, kw::test::CheckerBitmap(16, 4));
  const auto image = ImageOf(source);
  // mark, PointN, PointCap, 2 x 1001 points, ObjN, 2 objects, DkPointN, DkN, BmpN, file header
  const size_t info = 12 + 8008 + 4 + 2 * 55 + 12 + 14;
  kw::ByteReader probe(std::span<const uint8_t>(image).subspan(info + 8));
  ASSERT_EQ(probe.I32(), 4);  // biHeight, so the offsets below are right
  kw::pathcore::CPathObj doc;
  const auto before = ImageOf(doc);
  auto deep = image;
  deep[info + 8 + 3] = 0x10;  // biHeight 268 million: the data bytes run past the image
  EXPECT_EQ(doc.SetBin(deep, 0), -1);
  auto colour = image;
  colour[info + 14] = 24;  // biBitCount: only 1-bit bitmaps are pictures
  EXPECT_EQ(doc.SetBin(colour, 0), -1);
  EXPECT_EQ(ImageOf(doc), before);
  auto fine = image;
  EXPECT_EQ(doc.SetBin(fine, 0), 0);
  EXPECT_EQ(StoreOf(doc).BmpN, 1);
}

TEST_F(DocumentImageTest, WrongFormatMarkLeavesTheDocumentAndReturnsZero) {
  kw::pathcore::CPathObj doc;
  FillDocument(doc);
  const auto before = ImageOf(doc);
  kw::pathcore::CPathObj other;
  auto image = ImageOf(other);
  image[0] = 2;
  EXPECT_EQ(doc.SetBin(image, static_cast<int32_t>(image.size())), 0);
  EXPECT_EQ(ImageOf(doc), before);
}

TEST_F(DocumentImageTest, LoadingKeepsSelectionBoundsAndCount) {
  kw::pathcore::CPathObj doc;
  FillDocument(doc);
  doc.ZLSelLmt();
  const double selXmax = doc.SelXmax();
  kw::pathcore::CPathObj empty;
  auto image = ImageOf(empty);
  ASSERT_EQ(doc.SetBin(image, 0), 0);
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_EQ(doc.SelCount(), 2);
  EXPECT_EQ(doc.SelXmax(), selXmax);
}

TEST_F(DocumentImageTest, EveryTruncationIsRefusedAndChangesNothing) {
  kw::pathcore::CPathObj source;
  FillDocument(source);
  const auto image = ImageOf(source);
  kw::pathcore::CPathObj doc;
  Add(doc, {{5, 5}, {6, 6}});
  const auto before = ImageOf(doc);
  for (size_t length = 0; length < image.size(); ++length) {
    std::vector<uint8_t> cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length));
    ASSERT_EQ(doc.SetBin(cut, 0), -1) << length;
  }
  EXPECT_EQ(ImageOf(doc), before);
}

// A loaded document must keep the storage invariants the operations rely on.
void ExpectConsistent(const kw::pathcore::PathStore& s) {
  ASSERT_GE(s.PointCap, s.PointN);
  ASSERT_EQ(s.PointX.size(), static_cast<size_t>(s.PointCap) + 1);
  ASSERT_EQ(s.ObjStart.size(), static_cast<size_t>(s.ObjN) + 1);
  ASSERT_EQ(s.ObjEy.size(), static_cast<size_t>(s.ObjN) + 1);
  for (int32_t k = 1; k <= s.ObjN; ++k) ASSERT_GE(s.PointCountOf(k), 1);
  ASSERT_EQ(s.DkX.size(), static_cast<size_t>(s.DkPointN) + 1);
  ASSERT_EQ(s.DkKey.size(), static_cast<size_t>(s.DkN) + 1);
  ASSERT_EQ(s.BmpPic.size(), static_cast<size_t>(s.BmpN) + 1);
  ASSERT_GE(s.KeyUsed.size(), static_cast<size_t>(s.KeyN) + 1);
}

void EditEverything(kw::pathcore::CPathObj& doc) {
  doc.SelAll();
  doc.DaSan();
  doc.Hb(0.5);
  doc.SmoothObj();
  doc.SetFb();
  doc.SetDkObj();
  doc.SelAll();
  doc.SetUnDkObj();
  auto image = ImageOf(doc);
  ASSERT_EQ(doc.SetBin(image, 0), 0);
  doc.SelInv();
  doc.DelObj();
}

TEST_F(DocumentImageTest, RandomByteFlipsNeverHalfLoadADocument) {
  kw::pathcore::CPathObj source;
  FillDocument(source);
  const auto image = ImageOf(source);
  std::mt19937 random(20261208);
  kw::pathcore::CPathObj doc;
  Add(doc, {{5, 5}, {6, 6}});
  auto before = ImageOf(doc);
  int refused = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    auto bent = image;
    const int flips = 1 + static_cast<int>(random() % 3);
    for (int f = 0; f < flips; ++f) {
      // Aim the flips at the counts, the used points and the tables behind the points.
      const size_t region = random() % 4;
      const size_t at = region == 0   ? random() % 16
                        : region == 1 ? 16 + random() % 64
                                      : 8008 + random() % (image.size() - 8008);
      bent[at] ^= static_cast<uint8_t>(1u << (random() % 8));
    }
    if (doc.SetBin(bent, 0) == -1) {
      ++refused;
      ASSERT_EQ(ImageOf(doc), before) << trial;
    } else {
      ExpectConsistent(StoreOf(doc));
      EditEverything(doc);  // whatever was accepted must survive every edit
      before = ImageOf(doc);
    }
  }
  EXPECT_GT(refused, 100);
}

}  // namespace
