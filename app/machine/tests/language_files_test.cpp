#include "machine/language_files.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "machine/profile_file.h"
#include "machine_test_support.h"

namespace {

using kw::test::WriteFile;

class LanguageFilesTest : public kw::test::ProgramFolderTest {
 protected:
  void AddLanguage(int n, const std::string& name) {
    WriteFile(kw::LanguageFile(n), "[Language]\nName=" + name + "\n[MSGBOX]\n0016=bad " + name +
                                       "\n[FRun]\nTitle=Run " + name + "\nCToolAdd0=deeper\n");
  }
  void TearDown() override {
    kw::Settings() = kw::MachineSettings{};
    kw::test::ProgramFolderTest::TearDown();
  }
};

TEST_F(LanguageFilesTest, DiscoveryStopsAtTheFirstGap) {
  AddLanguage(0, "Zero");
  AddLanguage(2, "Two");
  const auto found = kw::FindLanguages();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].name, "Zero");
}

TEST_F(LanguageFilesTest, LanguageNumberIsClampedToTheLastFile) {
  AddLanguage(0, "Zero");
  WriteFile(kw::LanguageFile(1), "[MSGBOX]\n");
  kw::MachineSettings s;
  s.LanguageI = 5;
  const auto menu = kw::BuildLanguageMenu(s);
  ASSERT_EQ(menu.entries.size(), 2u);
  EXPECT_EQ(menu.entries[1].name, "Unknown language");
  EXPECT_EQ(menu.ticked, 1);
  EXPECT_EQ(s.LanguageI, 1);
}

TEST_F(LanguageFilesTest, NoFilesGiveNoEntriesAndLanguageZero) {
  std::filesystem::create_directory(kw::LanguageFile(0));  // a folder is not a file
  kw::MachineSettings s;
  s.LanguageI = 3;
  EXPECT_TRUE(kw::BuildLanguageMenu(s).entries.empty());
  EXPECT_EQ(s.LanguageI, 0);
  EXPECT_EQ(kw::ClampLanguage(-4, {{0, "x"}, {1, "y"}}), 0);
  EXPECT_EQ(kw::ClampLanguage(20, {}), 0);
}

TEST_F(LanguageFilesTest, ChoosingALanguageStoresItAndTextsFollowIt) {
  AddLanguage(0, "Zero");
  AddLanguage(1, "One");
  auto& s = kw::Settings();
  const auto menu = kw::ChooseLanguage(s, 1);
  EXPECT_EQ(menu.ticked, 1);
  EXPECT_EQ(kw::ReadIni(InFolder("Setting.ini"), "Beamforge5", "LanguageI", ""), "1");
  EXPECT_EQ(kw::MessageText("0016"), "bad One");
  EXPECT_EQ(kw::MessageText("0099"), "");
  EXPECT_EQ(kw::ControlCaption("frun", "CToolAdd", 0), "deeper");
  EXPECT_EQ(kw::ControlCaption("FRun", "CToolAdd"), "");
  EXPECT_EQ(kw::FormTitle("FRun"), "Run One");
}

// The files shipped beside the program carry every message and code text.
TEST_F(LanguageFilesTest, ShippedFilesHaveEveryMessageAndCodeKey) {
  for (int n : {0, 1}) {
    std::filesystem::copy_file(std::filesystem::path(KW_LANG_DIR) / ("Language" + std::to_string(n) + ".sys"),
                               kw::LanguageFile(n));
  }
  const auto found = kw::FindLanguages();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].name, "简体中文");
  EXPECT_EQ(found[1].name, "English");
  std::vector<std::string> messages;
  for (int k = 1; k <= 24; ++k) {
    if (k == 14 || k == 15) continue;
    char key[8];
    std::snprintf(key, sizeof key, "%04d", k);
    messages.push_back(key);
  }
  for (int16_t n : {0, 1}) {
    kw::Settings().LanguageI = n;
    for (const auto& key : messages) EXPECT_FALSE(kw::MessageText(key).empty()) << n << " " << key;
    for (int k = 0; k <= 9; ++k) EXPECT_FALSE(kw::CodeText("000" + std::to_string(k)).empty()) << n << " " << k;
  }
}

}  // namespace
