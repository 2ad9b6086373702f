#include <gtest/gtest.h>

#include "support/byte_reader.h"
#include "support/byte_writer.h"

namespace {

TEST(ByteIo, WritesLittleEndianAndReadsBack) {
  kw::ByteWriter w;
  w.I32(1);
  w.I16(-2);
  w.F32(1.5f);
  w.F64(-0.25);
  w.Bool16(true);
  w.U8(0xAB);
  const auto& b = w.Data();
  ASSERT_EQ(b.size(), 4u + 2 + 4 + 8 + 2 + 1);
  EXPECT_EQ(b[0], 1);
  EXPECT_EQ(b[3], 0);
  EXPECT_EQ(b[4], 0xFE);
  EXPECT_EQ(b[5], 0xFF);
  EXPECT_EQ(b[18], 0xFF);  // True is -1

  kw::ByteReader r(b);
  EXPECT_EQ(r.I32(), 1);
  EXPECT_EQ(r.I16(), -2);
  EXPECT_EQ(r.F32(), 1.5f);
  EXPECT_EQ(r.F64(), -0.25);
  EXPECT_TRUE(r.Bool16());
  EXPECT_EQ(r.U8(), 0xAB);
  EXPECT_TRUE(r.AtEnd());
}

TEST(ByteIo, ReadPastTheEndThrowsAndKeepsPosition) {
  const std::vector<uint8_t> data{1, 2, 3};
  kw::ByteReader r(data);
  EXPECT_THROW(r.I32(), kw::ReadPastEnd);
  EXPECT_EQ(r.Position(), 0u);
  EXPECT_EQ(r.I16(), 0x0201);
  EXPECT_THROW(r.Bytes(2), kw::ReadPastEnd);
  EXPECT_EQ(r.U8(), 3);
  EXPECT_THROW(r.U8(), kw::ReadPastEnd);
}

TEST(ByteIo, CountChecksDoNotOverflow) {
  const std::vector<uint8_t> data(16);
  kw::ByteReader r(data);
  EXPECT_TRUE(r.CanRead(4, 4));
  EXPECT_FALSE(r.CanRead(5, 4));
  EXPECT_FALSE(r.CanRead(UINT64_MAX, 8));
  EXPECT_THROW(r.Require(UINT64_MAX / 2, 4), kw::ReadPastEnd);
}

}  // namespace
