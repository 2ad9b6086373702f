#include "machine/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "machine/profile_file.h"
#include "machine_test_support.h"

namespace {

using kw::MachineSettings;
using kw::SettingWriter;

std::string Printed(const MachineSettings& s) {
  std::ostringstream out;
  kw::PrintSettings(out, s);
  return out.str();
}

// Gives every key a value different from its default and from every other key.
MachineSettings EveryKeyChanged() {
  MachineSettings s;
  s.Mrui = 2;
  s.MruName = {"/home/op/a.rpt", "b.plt"};
  int n = 0;
  for (const auto& e : kw::SettingEntries(s)) {
    ++n;
    if (e.key == "Mrui") continue;
    std::string text = std::to_string(n) + ".25";
    if (std::holds_alternative<bool*>(e.value)) text = "False";
    if (std::holds_alternative<int16_t*>(e.value) || std::holds_alternative<int32_t*>(e.value))
      text = std::to_string(n + 1);
    if (std::holds_alternative<std::string*>(e.value)) text = "text " + std::to_string(n) + " 切";
    EXPECT_FALSE(kw::AssignSetting(e.value, text)) << e.key;
  }
  return s;
}

// On a Chinese desktop the language defaults to 0, as every other key to its
// member's default.
class SettingsFileTest : public kw::test::ProgramFolderTest {
 protected:
  kw::test::LocaleEnvironment chineseDesktop_{nullptr, nullptr, "zh_CN.UTF-8", nullptr};
};

TEST_F(SettingsFileTest, MissingFileGivesExactlyTheDefaults) {
  const auto loaded = kw::LoadSettings(InFolder("Setting.ini"));
  EXPECT_TRUE(loaded.problems.empty());
  EXPECT_EQ(Printed(loaded.settings), Printed(MachineSettings{}));
  const std::string text = Printed(loaded.settings);
  EXPECT_TRUE(text.starts_with("Beamforge5/LanguageI = 0\nKerfwright/HbWc = 0.05\n"));
  EXPECT_NE(text.find("Kerfwright/AutoLayout = True\n"), std::string::npos);
  EXPECT_NE(text.find("Kerfwright/DxfCutStr = 切割\n"), std::string::npos);
  EXPECT_NE(text.find("Kerfwright/CloseVal0 = 0.5\nKerfwright/CloseVal1 = 2\n"), std::string::npos);
  EXPECT_NE(text.find("Kerfwright/Mcs2 = 6400\n"), std::string::npos);
  EXPECT_NE(text.find("Kerfwright/ControllerAddress = 192.168.0.100\n"
                      "Kerfwright/ControllerPort = 1001\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("Settings/MainHeight = 6500\nRtCut/RtCut = 0\nCk_Cut/Ck_Cut = 0\n"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 70);
}

TEST_F(SettingsFileTest, EveryKeySurvivesARoundTrip) {
  const auto file = InFolder("Setting.ini");
  const MachineSettings changed = EveryKeyChanged();
  for (auto w : {SettingWriter::SaveSettings, SettingWriter::MainWindow, SettingWriter::RunDialog,
                 SettingWriter::LanguageMenu}) {
    ASSERT_TRUE(kw::SaveSettingsOf(file, changed, w));
  }
  ASSERT_TRUE(kw::WriteIni(file, "Kerfwright", "Password", changed.Password));
  const auto loaded = kw::LoadSettings(file);
  EXPECT_TRUE(loaded.problems.empty());
  EXPECT_EQ(Printed(loaded.settings), Printed(changed));
  EXPECT_EQ(loaded.settings.MruName, changed.MruName);
}

TEST_F(SettingsFileTest, SaveSettingsWritesOnlyItsOwnKeys) {
  const auto file = InFolder("Setting.ini");
  kw::test::WriteFile(file, "[Kerfwright]\nJogSpeed=55\nHbWc=9\n");
  MachineSettings s;
  s.HbWc = 0.5f;
  s.JogSpeed = "77";
  ASSERT_TRUE(kw::SaveSettings(file, s));
  const std::string text = kw::test::ReadFile(file);
  EXPECT_TRUE(text.starts_with("[Kerfwright]\nJogSpeed=55\nHbWc=0.5\nFbWc=0.05\nAutoLayout=True\n"));
  EXPECT_EQ(text.find("Password"), std::string::npos);
  EXPECT_EQ(text.find("LanguageI"), std::string::npos);
  EXPECT_EQ(text.find("MainLeft"), std::string::npos);
}

TEST_F(SettingsFileTest, OddCaseCommentsMissingSectionsAndJunkValues) {
  const auto file = InFolder("Setting.ini");
  kw::test::WriteFile(file,
                    "; machine 3\n[KERFWRIGHT]\nhbwc = 1.5\n; Sgdc0=1\nSgdc1=abc\nMcs0=99999999999\n"
                    "autolayout=false\nZPosVal_Pen= 3.5 \nMrui=-1\nMruName0=x\nCutR=1e39\n"
                    "garbage line\nZPosMax_Pen=2\n");
  const auto loaded = kw::LoadSettings(file);
  const MachineSettings& s = loaded.settings;
  EXPECT_FLOAT_EQ(s.HbWc, 1.5f);
  EXPECT_FLOAT_EQ(s.Sgdc[0], 24.0f);
  EXPECT_FLOAT_EQ(s.Sgdc[1], 24.0f);
  EXPECT_EQ(s.Mcs[0], 6400);
  EXPECT_FALSE(s.AutoLayout);
  EXPECT_EQ(s.ZPosVal_Pen, 4);  // halves go to even
  EXPECT_EQ(s.Mrui, 0);
  EXPECT_TRUE(s.MruName.empty());
  EXPECT_FLOAT_EQ(s.CutR, 0.25f);
  EXPECT_FLOAT_EQ(s.ZPosMax_Pen, 2.0f);
  EXPECT_EQ(s.LanguageI, 0);
  EXPECT_FLOAT_EQ(s.MainWidth, 6500.0f);
  ASSERT_EQ(loaded.problems.size(), 4u);
  EXPECT_EQ(loaded.problems[0], "Kerfwright/CutR: \"1e39\" out of range; default 0.25 kept");
  EXPECT_EQ(loaded.problems[1], "Kerfwright/Sgdc1: \"abc\" not a number; default 24 kept");
  EXPECT_NE(loaded.problems[2].find("Kerfwright/Mcs0"), std::string::npos);
  EXPECT_NE(loaded.problems[3].find("Kerfwright/Mrui"), std::string::npos);
}

TEST_F(SettingsFileTest, BooleansAcceptNumbersAndAnyLetterCase) {
  const auto file = InFolder("Setting.ini");
  for (const auto& [text, expected] : std::vector<std::pair<std::string, bool>>{
           {"TRUE", true}, {"false", false}, {"-1", true}, {"0", false}, {"1", true}}) {
    ASSERT_TRUE(kw::WriteIni(file, "Kerfwright", "AutoLayout", text));
    EXPECT_EQ(kw::LoadSettings(file).settings.AutoLayout, expected) << text;
  }
  ASSERT_TRUE(kw::WriteIni(file, "Kerfwright", "AutoLayout", "yes"));
  const auto loaded = kw::LoadSettings(file);
  EXPECT_TRUE(loaded.settings.AutoLayout);
  EXPECT_EQ(loaded.problems.size(), 1u);
}

TEST_F(SettingsFileTest, ProcessSettingsComeFromTheProgramFolder) {
  kw::test::WriteFile(InFolder("Setting.ini"), "[Kerfwright]\nControllerPort=4000\nMrui=1\nMruName0=a.rpt\n");
  EXPECT_TRUE(kw::LoadSettings().empty());
  EXPECT_EQ(kw::Settings().ControllerPort, 4000);
  EXPECT_EQ(kw::Settings().MruName, std::vector<std::string>{"a.rpt"});
  kw::Settings().ControllerPort = 4001;
  ASSERT_TRUE(kw::SaveSettings());
  EXPECT_EQ(kw::ReadIni(InFolder("Setting.ini"), "Kerfwright", "ControllerPort", ""), "4001");
  kw::Settings() = MachineSettings{};
}

TEST(ToolHeights, StepsDivideTheRangeIntoTenths) {
  MachineSettings s;
  s.ZPosMin_Pen = 1;
  s.ZPosMax_Pen = 3;
  s.ZPosVal_Pen = 5;
  s.ZPosMin_Cut = -2;
  s.ZPosMax_Cut = -7;
  s.ZPosVal_Cut = 10;
  s.ZPosMin_HalfCut = 4;
  s.ZPosMax_HalfCut = 9;
  kw::ComputeToolHeights(s);
  EXPECT_FLOAT_EQ(s.ZPen, 2.0f);
  EXPECT_FLOAT_EQ(s.ZCut, -7.0f);
  EXPECT_FLOAT_EQ(s.ZHalfCut, 4.0f);
}

}  // namespace

namespace {

class SettingAssignmentTest : public kw::test::ProgramFolderTest {};

TEST_F(SettingAssignmentTest, OneAssignmentIsWrittenWhenItsValueFitsTheKey) {
  const auto file = InFolder("Setting.ini");
  EXPECT_EQ(kw::WriteSettingAssignment(file, "Kerfwright/ControllerAddress=127.0.0.1"), std::nullopt);
  EXPECT_EQ(kw::WriteSettingAssignment(file, "kerfwright/sgdc2=12.5"), std::nullopt);
  EXPECT_EQ(kw::WriteSettingAssignment(file, "Custom/Any=a=b"), std::nullopt);
  const auto loaded = kw::LoadSettings(file);
  EXPECT_EQ(loaded.settings.ControllerAddress, "127.0.0.1");
  EXPECT_FLOAT_EQ(loaded.settings.Sgdc[2], 12.5f);
  EXPECT_EQ(kw::ReadIni(file, "Custom", "Any", ""), "a=b");
}

TEST_F(SettingAssignmentTest, MalformedOrMistypedAssignmentsWriteNothing) {
  const auto file = InFolder("Setting.ini");
  EXPECT_TRUE(kw::WriteSettingAssignment(file, "Kerfwright/Mcs0=lots"));
  EXPECT_TRUE(kw::WriteSettingAssignment(file, "Kerfwright/AutoLayout=maybe"));
  EXPECT_TRUE(kw::WriteSettingAssignment(file, "ControllerPort=1"));
  EXPECT_TRUE(kw::WriteSettingAssignment(file, "Kerfwright/=1"));
  EXPECT_TRUE(kw::WriteSettingAssignment(file, "Kerfwright/ControllerPort"));
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
