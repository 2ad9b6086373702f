#include "machine/axisnet_binding.h"

#include <gtest/gtest.h>

#include "machine_test_support.h"

namespace {

class AxisnetBindingTest : public kw::test::ProgramFolderTest {};

// The stub library lies in a folder of its own under the real library's name.
TEST_F(AxisnetBindingTest, LibraryInTheProgramFolderIsBoundByName) {
  kw::pathcore::SetAppPath(KW_AXISNET_STUB_DIR);
  kw::AxisnetLibrary library;
  EXPECT_EQ(library.GetLinkStatus(), 7);
  EXPECT_EQ(library.OpenPort("127.0.0.1", 1234), 0);
  EXPECT_EQ(library.OpenPort("127.0.0.1", 1235), -1);
  int p[4] = {9, 9, 9, 9};
  EXPECT_EQ(library.GetPosDev(&p[0], &p[1], &p[2], &p[3]), 0);
  EXPECT_EQ(p[0] + 10 * p[1] + 100 * p[2] + 1000 * p[3], 1 - 20 + 300 - 4000);
  EXPECT_EQ(library.SetLmtMode(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2), 1 + 32);
  EXPECT_EQ(library.Pmove(4, 3, 2, 1, 5), 43215);
}

TEST_F(AxisnetBindingTest, MissingEntryPointIsAClearErrorOnItsFirstCall) {
  kw::pathcore::SetAppPath(KW_AXISNET_STUB_DIR);
  kw::AxisnetLibrary library;
  uint8_t key = 0;
  short value = 0;
  try {
    library.GetJoyData(&key, &value);
    FAIL() << "no error";
  } catch (const kw::AxisnetMissing& e) {
    EXPECT_NE(std::string(e.what()).find("GetJoyData"), std::string::npos);
  }
  EXPECT_EQ(library.GetLinkStatus(), 7);  // the rest stays usable
}

TEST_F(AxisnetBindingTest, MissingLibraryIsAClearErrorOnEveryCall) {
  kw::AxisnetLibrary library("libkw-no-such-controller-link.so");
  EXPECT_THROW(library.LinkConnect(), kw::AxisnetMissing);
  try {
    library.ClosePort();
    FAIL() << "no error";
  } catch (const kw::AxisnetMissing& e) {
    EXPECT_NE(std::string(e.what()).find("libkw-no-such-controller-link.so"), std::string::npos);
  }
}

TEST_F(AxisnetBindingTest, UnloadableFileInTheProgramFolderIsReported) {
  kw::test::WriteFile(InFolder("libaxisnet.so"), "not a library");
  kw::AxisnetLibrary library;
  EXPECT_THROW(library.GetLinkStatus(), kw::AxisnetMissing);
}

}  // namespace
