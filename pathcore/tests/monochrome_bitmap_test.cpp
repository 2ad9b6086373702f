#include <gtest/gtest.h>

#include "image_test_support.h"
#include "document/monochrome_bitmap.h"

namespace {

using kw::pathcore::DecodeMonochromeBitmap;

TEST(MonochromeBitmapTest, PaletteColoursAndRowOrder) {
  auto record = kw::test::CheckerBitmap(9, 2);
  record.Data[0] = 0x10, record.Data[1] = 0x20, record.Data[2] = 0x30;  // entry 0: blue, green, red
  const auto bottomUp = DecodeMonochromeBitmap(record);
  ASSERT_TRUE(bottomUp);
  EXPECT_EQ(bottomUp->Width, 9);
  EXPECT_EQ(bottomUp->Rgb[0], 0x302010u);   // (0, 0) from the top: even, entry 0
  EXPECT_EQ(bottomUp->Rgb[8], 0x302010u);   // bit 0 of the row's second byte
  EXPECT_EQ(bottomUp->Rgb[9], 0xFFFFFFu);   // (0, 1)
  record.InfoHeader.biHeight = -2;  // top-down: the stored rows swap places
  const auto topDown = DecodeMonochromeBitmap(record);
  ASSERT_TRUE(topDown);
  EXPECT_EQ(topDown->Rgb[0], 0xFFFFFFu);
}

TEST(MonochromeBitmapTest, OtherFormatsAndShortDataAreRefused) {
  const auto good = kw::test::CheckerBitmap(16, 4);
  auto colour = good;
  colour.InfoHeader.biBitCount = 24;
  EXPECT_FALSE(DecodeMonochromeBitmap(colour));
  auto packed = good;
  packed.InfoHeader.biCompression = 1;
  EXPECT_FALSE(DecodeMonochromeBitmap(packed));
  auto empty = good;
  empty.InfoHeader.biWidth = 0;
  EXPECT_FALSE(DecodeMonochromeBitmap(empty));
  auto huge = good;
  huge.InfoHeader.biHeight = 1 << 30;  // asks for far more rows than the data holds
  EXPECT_FALSE(DecodeMonochromeBitmap(huge));
}

TEST(MonochromeBitmapTest, RowsMissingAtTheEndReadAsZero) {
  auto record = kw::test::CheckerBitmap(8, 4);
  record.Data.resize(record.Data.size() - 4);  // the top row, as the data-byte formula can leave it
  const auto picture = DecodeMonochromeBitmap(record);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Rgb[1], 0x000000u);  // top row, odd x: its byte is gone
  EXPECT_EQ(picture->Rgb[8 + 0], 0xFFFFFFu);
}

}  // namespace
