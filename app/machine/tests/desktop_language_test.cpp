#include "machine/desktop_language.h"

#include <gtest/gtest.h>

#include "machine/profile_file.h"
#include "machine/settings_file.h"
#include "machine_test_support.h"

namespace {

using kw::test::LocaleEnvironment;

TEST(DesktopLanguage, TheFirstSetVariableNamesTheLocale) {
  {
    LocaleEnvironment env("zh_TW.UTF-8", "de_DE", "fr_FR", "it");
    EXPECT_EQ(kw::DesktopLocaleName(), "zh_TW.UTF-8");
  }
  {
    LocaleEnvironment env("", "de_DE", "fr_FR", "it");  // empty counts as unset
    EXPECT_EQ(kw::DesktopLocaleName(), "de_DE");
  }
  {
    LocaleEnvironment env(nullptr, nullptr, "fr_FR", "it");
    EXPECT_EQ(kw::DesktopLocaleName(), "fr_FR");
  }
  {
    LocaleEnvironment env(nullptr, nullptr, nullptr, "zh_CN:en_GB");
    EXPECT_EQ(kw::DesktopLocaleName(), "zh_CN");
  }
  {
    LocaleEnvironment env(nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(kw::DesktopLocaleName(), "");
  }
}

TEST(DesktopLanguage, ChineseOnlyForAChineseLocale) {
  const std::vector<std::pair<const char*, int16_t>> cases{
      {"zh_CN.UTF-8", 0}, {"zh_TW", 0}, {"zh", 0},        {"en_US.UTF-8", 1},
      {"de_DE", 1},       {"C", 1},     {"C.UTF-8", 1},   {"POSIX", 1}};
  for (const auto& [lang, expected] : cases) {
    LocaleEnvironment env(nullptr, nullptr, lang, nullptr);
    EXPECT_EQ(kw::DesktopLanguage(), expected) << lang;
  }
  LocaleEnvironment cLocale("C", nullptr, "zh_CN.UTF-8", nullptr);  // LC_ALL=C overrides a Chinese LANG
  EXPECT_EQ(kw::DesktopLanguage(), kw::kEnglishLanguage);
  LocaleEnvironment none(nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(kw::DesktopLanguage(), kw::kEnglishLanguage);
}

class FirstStartLanguageTest : public kw::test::ProgramFolderTest {
 protected:
  std::filesystem::path File() const { return InFolder("Setting.ini"); }
  int16_t LoadedLanguage() const { return kw::LoadSettings(File()).settings.LanguageI; }
};

TEST_F(FirstStartLanguageTest, WithoutAStoredLanguageTheDesktopDecides) {
  {
    LocaleEnvironment english(nullptr, nullptr, "en_US.UTF-8", nullptr);
    EXPECT_EQ(LoadedLanguage(), kw::kEnglishLanguage);  // no file at all
  }
  kw::test::WriteFile(File(), "[Beamforge5]\n[Kerfwright]\nHbWc=0.1\n");
  LocaleEnvironment chinese(nullptr, "zh_CN.UTF-8", "en_US.UTF-8", nullptr);
  EXPECT_EQ(LoadedLanguage(), kw::kChineseLanguage);  // the section without the key
}

TEST_F(FirstStartLanguageTest, AStoredLanguageAlwaysWins) {
  kw::test::WriteFile(File(), "[Beamforge5]\nLanguageI=0\n");
  {
    LocaleEnvironment english(nullptr, nullptr, "en_US.UTF-8", nullptr);
    EXPECT_EQ(LoadedLanguage(), 0);
  }
  kw::test::WriteFile(File(), "[Beamforge5]\nLanguageI=1\n");
  LocaleEnvironment chinese("zh_CN.UTF-8", nullptr, nullptr, nullptr);
  EXPECT_EQ(LoadedLanguage(), 1);
}

TEST_F(FirstStartLanguageTest, AJunkValueKeepsTheDesktopsLanguage) {
  kw::test::WriteFile(File(), "[Beamforge5]\nLanguageI=Deutsch\n");
  LocaleEnvironment english(nullptr, nullptr, "en_GB.UTF-8", nullptr);
  const auto loaded = kw::LoadSettings(File());
  EXPECT_EQ(loaded.settings.LanguageI, kw::kEnglishLanguage);
  ASSERT_EQ(loaded.problems.size(), 1u);
  EXPECT_EQ(loaded.problems[0], "Beamforge5/LanguageI: \"Deutsch\" not a number; default 1 kept");
}

// Only the language menu stores a language: the desktop's guess is asked
// again on every start until the user chooses.
TEST_F(FirstStartLanguageTest, TheGuessIsNeverWrittenBack) {
  LocaleEnvironment english(nullptr, nullptr, "en_US.UTF-8", nullptr);
  const auto loaded = kw::LoadSettings(File());
  for (auto writer : {kw::SettingWriter::SaveSettings, kw::SettingWriter::MainWindow, kw::SettingWriter::RunDialog}) {
    ASSERT_TRUE(kw::SaveSettingsOf(File(), loaded.settings, writer));
  }
  EXPECT_EQ(kw::test::ReadFile(File()).find("LanguageI"), std::string::npos);
}

}  // namespace
