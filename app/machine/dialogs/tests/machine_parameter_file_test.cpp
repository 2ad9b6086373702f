// Parameter files on their own: every parameter survives a write and a read,
// and a file that is not one (or lacks a value) is refused without changing
// anything.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "dialogs/machine_parameter_file.h"
#include "machine/profile_file.h"
#include "machine/settings_file.h"
#include "machine/settings_table.h"
#include "testsupport/temp_app_path.h"

namespace {

using kw::MachineSettings;

// Gives every parameter of s a value of its own: 1.5, 2.5, ... (whole numbers for integers).
void Distinct(MachineSettings& s) {
  double next = 1.5;
  for (const auto& key : kw::MachineParameterKeys()) {
    for (const auto& entry : kw::SettingEntries(s)) {
      if (entry.key == key) {
        ASSERT_FALSE(kw::AssignSetting(entry.value, std::to_string(next)));
      }
    }
    next += 1;
  }
}

std::string Values(MachineSettings s) {
  std::string text;
  for (const auto& key : kw::MachineParameterKeys()) {
    for (const auto& entry : kw::SettingEntries(s)) {
      if (entry.key == key) text += key + "=" + kw::SettingText(entry.value) + " ";
    }
  }
  return text;
}

using ParameterFile = kw::test::TempAppPath;

TEST_F(ParameterFile, EveryParameterSurvivesAWriteAndARead) {
  MachineSettings written;
  Distinct(written);
  const auto file = Folder() / "machine.Les";
  ASSERT_TRUE(kw::WriteMachineParameterFile(file, written));
  EXPECT_EQ(kw::ReadIni(file, "Kerfwright", "Mcs1", ""), "6");  // 5.5: the integer rounds half to even
  EXPECT_EQ(kw::ReadIni(file, "Kerfwright", "EndTime", ""), "34.5");
  MachineSettings read;
  EXPECT_EQ(kw::ReadMachineParameterFile(file, read), std::nullopt);
  EXPECT_EQ(Values(read), Values(written));
  EXPECT_EQ(kw::MachineParameterKeys().size(), 34u);
}

TEST_F(ParameterFile, ASettingIniReadsAsAParameterFile) {
  MachineSettings other;
  other.SMax[2] = 77;
  const auto file = Folder() / "Setting.ini";
  ASSERT_TRUE(kw::SaveSettings(file, other));
  MachineSettings read;
  EXPECT_EQ(kw::ReadMachineParameterFile(file, read), std::nullopt);
  EXPECT_EQ(read.SMax[2], 77);
}

TEST_F(ParameterFile, AFileWithoutEveryNumberIsRefusedAndChangesNothing) {
  MachineSettings good;
  Distinct(good);
  const auto file = Folder() / "bad.Les";
  struct Case {
    const char* what;
    std::function<void()> spoil;
    std::string problem;
  };
  const Case cases[] = {
      {"a key missing", [&] { std::ofstream(file) << "[Kerfwright]\nSgdc0=1\n"; }, "Sgdc1"},
      {"a value not a number",
       [&] {
         kw::WriteMachineParameterFile(file, good);
         kw::WriteIni(file, "Kerfwright", "Acc2", "fast");
       },
       "Acc2=fast"},
      {"another kind of file", [&] { std::ofstream(file) << "\x89PNG\r\n\x1a\n binary"; }, "Sgdc0"},
      {"no file at all", [&] { std::filesystem::remove(file); }, "Sgdc0"},
  };
  for (const Case& c : cases) {
    c.spoil();
    MachineSettings s;
    const std::string before = Values(s);
    EXPECT_EQ(kw::ReadMachineParameterFile(file, s).value_or("read"), c.problem) << c.what;
    EXPECT_EQ(Values(s), before) << c.what;
  }
}

}  // namespace
