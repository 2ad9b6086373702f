#include "machine/cmd_record.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(CmdRecord, ValuesHighByteFirstWithSumBytes) {
  Bytes buf{0xAA, 0x20, 0, 0, 0, 0x21, 0, 0, 0, 0xBB};
  kw::PatchCmdRecord(buf, 1, 1024, 512);  // second, first
  EXPECT_EQ(buf, (Bytes{0xAA, 0x20, 0x02, 0x00, 0x22, 0x21, 0x04, 0x00, 0x25, 0xBB}));
  kw::PatchCmdRecord(buf, 1, -1, 0x7FFF);
  EXPECT_EQ(buf, (Bytes{0xAA, 0x20, 0x7F, 0xFF, 0x9E, 0x21, 0xFF, 0xFF, 0x1F, 0xBB}));
}

TEST(CmdRecord, RecordOutsideTheArrayChangesNothing) {
  Bytes buf(8, 0x11);
  kw::PatchCmdRecord(buf, 0, 3, 4);
  const Bytes before = buf;
  EXPECT_THROW(kw::PatchCmdRecord(buf, 1, 3, 4), std::out_of_range);
  EXPECT_THROW(kw::PatchCmdRecord(buf, -1, 3, 4), std::out_of_range);
  Bytes empty;
  EXPECT_THROW(kw::PatchCmdRecord(empty, 0, 3, 4), std::out_of_range);
  EXPECT_EQ(buf, before);
}

}  // namespace
