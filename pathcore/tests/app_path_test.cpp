#include <gtest/gtest.h>

#include <unistd.h>

#include "pathcore/app_path.h"

namespace {

TEST(AppPath, DefaultsToTheExecutableFolderAndCanBeOverridden) {
  const auto original = kw::pathcore::AppPath();
  EXPECT_TRUE(std::filesystem::exists(original / "pathcore_tests"));
  kw::pathcore::SetAppPath("/tmp/somewhere");
  EXPECT_EQ(kw::pathcore::AppPath(), std::filesystem::path("/tmp/somewhere"));
  kw::pathcore::SetAppPath({});
  EXPECT_EQ(kw::pathcore::AppPath(), original);
  EXPECT_EQ(kw::pathcore::InstancePrefix(), std::to_string(getpid()));
}

}  // namespace
