#include <gtest/gtest.h>

#include "command_line.h"

namespace {

using kw::ReadCommandLine;

TEST(CommandLine, DebugShowsTheDebugMenuAndOpensNothing) {
  const auto request = ReadCommandLine("debug");
  EXPECT_TRUE(request.debug);
  EXPECT_TRUE(request.file.empty());
  EXPECT_TRUE(ReadCommandLine("debug now").debug) << "the line only has to begin with it";
}

TEST(CommandLine, DrawingProgramsHandOverTheRestOfTheLine) {
  const auto corel = ReadCommandLine("corelout /tmp/a b.plt");
  EXPECT_EQ(corel.file, "/tmp/a b.plt");
  EXPECT_EQ(corel.openMode, 1);
  EXPECT_FALSE(corel.debug);
  const auto autocad = ReadCommandLine("autocadout /tmp/plate.dxf");
  EXPECT_EQ(autocad.file, "/tmp/plate.dxf");
  EXPECT_EQ(autocad.openMode, 2);
}

TEST(CommandLine, AnyOtherLineIsAFileToOpenAndAnEmptyOneNothing) {
  const auto plain = ReadCommandLine("/tmp/plate.dxf");
  EXPECT_EQ(plain.file, "/tmp/plate.dxf");
  EXPECT_EQ(plain.openMode, 0);
  // Without the blank the word is no hand-over but a file name.
  EXPECT_EQ(ReadCommandLine("corelout").file, "corelout");
  EXPECT_EQ(ReadCommandLine("corelout").openMode, 0);
  const auto none = ReadCommandLine("");
  EXPECT_TRUE(none.file.empty());
  EXPECT_FALSE(none.debug);
}

TEST(CommandLine, ArgumentsJoinIntoOneLineSoANameWithBlanksStaysWhole) {
  EXPECT_EQ(kw::JoinArguments({"corelout", "/tmp/my", "plate.plt"}), "corelout /tmp/my plate.plt");
  EXPECT_EQ(ReadCommandLine(kw::JoinArguments({"/tmp/my", "plate.plt"})).file, "/tmp/my plate.plt");
  EXPECT_EQ(kw::JoinArguments({}), "");
}

}  // namespace
