#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <stdexcept>
#include <vector>

#include "geometry/guid_text.h"

namespace {

TEST(GuidText, BracedUpperCaseVersion4TextThatChangesEveryCall) {
  const std::regex form("\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}");
  const std::string first = kw::pathcore::NewGuidText();
  EXPECT_TRUE(std::regex_match(first, form)) << first;
  EXPECT_NE(kw::pathcore::NewGuidText(), first);
}

TEST(GuidBytes, WritesExactly32HexDigitCodesAndRejectsShortBuffers) {
  std::vector<uint8_t> bytes(40, 0xEE);
  kw::pathcore::GuidBytes(bytes);
  for (size_t i = 0; i < 32; ++i) {
    EXPECT_TRUE(std::isxdigit(bytes[i]) && !std::islower(bytes[i])) << i << ": " << int{bytes[i]};
  }
  EXPECT_EQ(bytes[12], '4');  // the version digit, which proves no dash was written before it
  for (size_t i = 32; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0xEE);

  std::vector<uint8_t> tooShort(31, 0xEE);
  EXPECT_THROW(kw::pathcore::GuidBytes(tooShort), std::invalid_argument);
  EXPECT_EQ(tooShort, std::vector<uint8_t>(31, 0xEE));
}

}  // namespace
