#include <gtest/gtest.h>

#include <unistd.h>

#include "pathcore/document/app_path.h"

namespace {

TEST(AppPath, DefaultsToTheExecutableFolderAndCanBeOverridden) {
  const auto original = pathcore::AppPath();
  EXPECT_TRUE(std::filesystem::exists(original / "pathcore_tests"));
  pathcore::SetAppPath("/tmp/somewhere");
  EXPECT_EQ(pathcore::AppPath(), std::filesystem::path("/tmp/somewhere"));
  pathcore::SetAppPath({});
  EXPECT_EQ(pathcore::AppPath(), original);
  EXPECT_EQ(pathcore::InstancePrefix(), std::to_string(getpid()));
}

}  // namespace
