#include <gtest/gtest.h>

#include <fstream>

#include "doc_test_support.h"
#include "support/byte_writer.h"
#include "testsupport/test_drawings.h"

namespace {

using kw::test::StoreOf;

// A bottom-up bitmap file of the given bit count, palette black/white for 1 bit.
std::vector<uint8_t> BitmapFile(int32_t width, int32_t height, uint16_t bits, int32_t pelsPerMeter) {
  const uint32_t palette = bits == 1 ? 8 : 0;
  const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
  const uint32_t offset = 14 + 40 + palette;
  kw::ByteWriter w;
  w.U16(0x4D42);
  w.U32(offset + stride * static_cast<uint32_t>(height));
  w.U16(0), w.U16(0);
  w.U32(offset);
  w.U32(40), w.I32(width), w.I32(height), w.U16(1), w.U16(bits), w.U32(0), w.U32(stride * height);
  w.I32(pelsPerMeter), w.I32(pelsPerMeter), w.U32(0), w.U32(0);
  if (bits == 1) w.U32(0x000000), w.U32(0xFFFFFF);
  for (uint32_t i = 0; i < stride * static_cast<uint32_t>(height); ++i) w.U8(i % 3 == 0 ? 0xF0 : 0x00);
  return w.Take();
}

class BitmapInputTest : public kw::test::TempAppPath {
 protected:
  std::string Write(const std::vector<uint8_t>& bytes, const std::string& name = "b.bmp") {
    const auto path = (Folder() / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }
};

TEST_F(BitmapInputTest, AOneBitBitmapBecomesAFrameOfItsSizeInMillimetres) {
  kw::pathcore::CPathObj doc;
  doc.BmpInput(Write(BitmapFile(200, 100, 1, 12000)));
  ASSERT_EQ(doc.Count(), 1);
  const auto& s = StoreOf(doc);
  EXPECT_EQ(s.ObjType[1], kw::pathcore::kBitmapFrame);
  EXPECT_NEAR(s.ObjXmax[1], 16.667, 1e-3);
  EXPECT_NEAR(s.ObjYmin[1], -8.333, 1e-3);
  EXPECT_EQ(s.ObjXmin[1], 0);
  EXPECT_EQ(s.ObjYmax[1], 0);
  EXPECT_EQ(s.BmpN, 1);
  EXPECT_EQ(s.ObjKey[1], s.BmpKey[1]);
  EXPECT_EQ(s.BmpPic[1].Width, 200);
  EXPECT_NEAR(doc.Ymin(), -8.333, 1e-3);
  doc.BmpInput(Write(BitmapFile(200, 100, 1, 0), "zero.bmp"));  // no resolution: 10 pixels per mm
  EXPECT_EQ(StoreOf(doc).ObjXmax[2], 20);
  EXPECT_NE(StoreOf(doc).BmpKey[2], StoreOf(doc).BmpKey[1]);
}

TEST_F(BitmapInputTest, OtherBitmapsAndShortFilesAddNothing) {
  kw::pathcore::CPathObj doc;
  doc.BmpInput(Write(BitmapFile(20, 10, 24, 12000)));
  doc.BmpInput(Write(BitmapFile(20, 10, 8, 12000), "pal8.bmp"));
  auto truncated = BitmapFile(200, 100, 1, 12000);
  truncated.resize(300);
  doc.BmpInput(Write(truncated, "short.bmp"));
  doc.BmpInput(Write({'B', 'M', 1, 2}, "tiny.bmp"));
  doc.BmpInput((Folder() / "missing.bmp").string());
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_EQ(StoreOf(doc).BmpN, 0);
  EXPECT_EQ(StoreOf(doc).KeyN, 0);
}

TEST_F(BitmapInputTest, CorpusBitmapsImportOnlyWhenMonochrome) {
  KW_SKIP_WITHOUT_CORPUS();
  const std::string dir = (kw::test::CorpusDir() / "bmp").string() + "/";
  const std::vector<std::pair<std::string, int>> files{{"bmpsuite_pal1.bmp", 1}, {"pillow_eps_1.bmp", 1},
                                                       {"bmpsuite_pal8topdown.bmp", 0}, {"bmpsuite_rgb24.bmp", 0},
                                                       {"bmpsuite_bad_shortfile.bmp", 0}};
  for (const auto& [name, paths] : files) {
    kw::pathcore::CPathObj doc;
    doc.BmpInput(dir + name);
    EXPECT_EQ(doc.Count(), paths) << name;
  }
}

}  // namespace
