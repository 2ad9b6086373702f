#include "machine/profile_file.h"

#include <gtest/gtest.h>

#include "machine_test_support.h"

namespace {

using kw::test::ReadFile;
using kw::test::WriteFile;

class ProfileFileTest : public kw::test::ProgramFolderTest {
 protected:
  std::filesystem::path Ini() const { return InFolder("Setting.ini"); }
};

TEST_F(ProfileFileTest, SectionsAndKeysMatchWithoutCaseAndValuesAreTrimmed) {
  WriteFile(Ini(), "; comment=1\n[kerfWRIGHT]\n  hbwc =  0.25  \nQuoted=\" a b \"\n");
  EXPECT_EQ(kw::ReadIni(Ini(), "Kerfwright", "HbWc", "9"), "0.25");
  EXPECT_EQ(kw::ReadIni(Ini(), "KERFWRIGHT", "quoted", ""), "a b");
  EXPECT_EQ(kw::ReadIni(Ini(), "Kerfwright", "Missing", "  dflt "), "dflt");
  EXPECT_EQ(kw::ReadIni(Ini(), "Other", "HbWc", "d"), "d");
  EXPECT_EQ(kw::ReadIni(Ini(), "", "; comment", "d"), "d");
}

TEST_F(ProfileFileTest, MissingFileGivesDefaultAndFirstWriteCreatesIt) {
  EXPECT_EQ(kw::ReadIni(Ini(), "A", "k", "x"), "x");
  EXPECT_FALSE(std::filesystem::exists(Ini()));
  ASSERT_TRUE(kw::WriteIni(Ini(), "A", "k", "1"));
  EXPECT_EQ(ReadFile(Ini()), "[A]\nk=1\n");
}

TEST_F(ProfileFileTest, NumericReadTakesTheLeadingNumber) {
  WriteFile(Ini(), "[A]\na=12.5mm\nb=mm\nc=-3E2\n");
  EXPECT_DOUBLE_EQ(kw::ReadIniNumber(Ini(), "A", "a", "0"), 12.5);
  EXPECT_DOUBLE_EQ(kw::ReadIniNumber(Ini(), "A", "b", "7"), 0.0);
  EXPECT_DOUBLE_EQ(kw::ReadIniNumber(Ini(), "A", "c", "0"), -300.0);
  EXPECT_DOUBLE_EQ(kw::ReadIniNumber(Ini(), "A", "none", "7"), 7.0);
}

TEST_F(ProfileFileTest, WriteKeepsOtherLinesAndTheFilesSpellingAndLineEnds) {
  WriteFile(Ini(), "; top\r\n[A]\r\nKey=old\r\n; inner\r\nz=1\r\n\r\n[B]\r\nx=2\r\n");
  ASSERT_TRUE(kw::WriteIni(Ini(), "a", "KEY", "new"));
  ASSERT_TRUE(kw::WriteIni(Ini(), "A", "added", "3"));
  ASSERT_TRUE(kw::WriteIni(Ini(), "C", "y", "4"));
  EXPECT_EQ(ReadFile(Ini()),
            "; top\r\n[A]\r\nKey=new\r\n; inner\r\nz=1\r\nadded=3\r\n\r\n[B]\r\nx=2\r\n"
            "\r\n[C]\r\ny=4\r\n");
}

TEST_F(ProfileFileTest, FirstOfDuplicateSectionsAndKeysWins) {
  WriteFile(Ini(), "[A]\nk=1\nk=2\n[A]\nk=3\n");
  EXPECT_EQ(kw::ReadIni(Ini(), "A", "k", ""), "1");
  ASSERT_TRUE(kw::WriteIni(Ini(), "A", "k", "9"));
  EXPECT_EQ(ReadFile(Ini()), "[A]\nk=9\nk=2\n[A]\nk=3\n");
}

TEST_F(ProfileFileTest, JunkLinesAreIgnoredButKept) {
  const std::string junk = "\xEF\xBB\xBF[A]\nno equals sign\n=novalue\n[broken\nk=v\n\x01\x02\n";
  WriteFile(Ini(), junk);
  EXPECT_EQ(kw::ReadIni(Ini(), "A", "k", ""), "v");
  EXPECT_EQ(kw::ReadIni(Ini(), "A", "", "d"), "d");
  ASSERT_TRUE(kw::WriteIni(Ini(), "A", "k", "w"));
  EXPECT_EQ(ReadFile(Ini()), "\xEF\xBB\xBF[A]\nno equals sign\n=novalue\n[broken\nk=w\n\x01\x02\n");
}

TEST_F(ProfileFileTest, ValuesAreCutToTheBufferWithoutSplittingACharacter) {
  std::string value(kw::kProfileValueLimit - 1, 'a');
  value += "\xE5\x88\x87";  // a three-byte character across the limit
  ASSERT_TRUE(kw::WriteIni(Ini(), "A", "k", value));
  EXPECT_EQ(kw::ReadIni(Ini(), "A", "k", ""), std::string(kw::kProfileValueLimit - 1, 'a'));
}

TEST_F(ProfileFileTest, LineBreaksInAValueCannotInjectLines) {
  ASSERT_TRUE(kw::WriteIni(Ini(), "A", "k", "x\n[B]\r\nk=evil"));
  EXPECT_EQ(kw::ReadIni(Ini(), "A", "k", ""), "x [B]  k=evil");
  EXPECT_EQ(kw::ReadIni(Ini(), "B", "k", "none"), "none");
}

TEST_F(ProfileFileTest, FailedWriteReportsAndLeavesNoTemporaryFile) {
  const auto inMissingFolder = InFolder("no/such/Setting.ini");
  EXPECT_FALSE(kw::WriteIni(inMissingFolder, "A", "k", "1"));
  EXPECT_TRUE(std::filesystem::is_empty(Folder()));
}

}  // namespace

namespace {

TEST(ProfileNames, NamesThatCouldNotBeFoundAgainAreRefused) {
  kw::ProfileText text;
  EXPECT_TRUE(text.Set(" A ", " k ", "1"));
  EXPECT_FALSE(text.Set("A]", "k", "1"));
  EXPECT_FALSE(text.Set("A", "k=2", "1"));
  EXPECT_FALSE(text.Set("A", ";k", "1"));
  EXPECT_FALSE(text.Set("A", "[k", "1"));
  EXPECT_FALSE(text.Set("A\nB", "k", "1"));
  EXPECT_FALSE(text.Set("", "k", "1"));
  EXPECT_FALSE(text.Set("A", "  ", "1"));
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{"[A]", "k=1"}));
}

}  // namespace
