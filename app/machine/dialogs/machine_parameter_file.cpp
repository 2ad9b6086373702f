#include "dialogs/machine_parameter_file.h"

#include <string_view>

#include "machine/profile_file.h"
#include "machine/settings_table.h"

namespace kw {
namespace {

constexpr std::string_view kSection = "Kerfwright";

std::vector<std::string> Indexed(const char* key, int count) {
  std::vector<std::string> keys;
  for (int i = 0; i < count; ++i) keys.push_back(key + std::to_string(i));
  return keys;
}

std::vector<std::string> BuildKeys() {
  std::vector<std::string> keys;
  for (const char* axisKey : {"Sgdc", "Mcs", "SMax", "SMin", "Acc", "HSpeed", "Cspeed", "MoveSpeed"}) {
    for (std::string& key : Indexed(axisKey, 3)) keys.push_back(std::move(key));
  }
  for (const char* pairKey : {"WorkRect", "BufAcc", "TSMin"}) {
    for (std::string& key : Indexed(pairKey, 2)) keys.push_back(std::move(key));
  }
  for (const char* key : {"LaserMin", "LaserMax", "StartTime", "EndTime"}) keys.emplace_back(key);
  return keys;
}

// The parameter keys bound to s, in file order.
std::vector<SettingEntry> ParameterEntries(MachineSettings& s) {
  std::vector<SettingEntry> found;
  const auto all = SettingEntries(s);
  for (const std::string& key : MachineParameterKeys()) {
    for (const SettingEntry& entry : all) {
      if (entry.key == key) found.push_back(entry);
    }
  }
  return found;
}

}  // namespace

const std::vector<std::string>& MachineParameterKeys() {
  static const std::vector<std::string> keys = BuildKeys();
  return keys;
}

bool WriteMachineParameterFile(const std::filesystem::path& file, const MachineSettings& s) {
  MachineSettings copy = s;
  ProfileText text;
  for (const SettingEntry& entry : ParameterEntries(copy)) text.Set(kSection, entry.key, SettingText(entry.value));
  return text.Save(file);
}

std::optional<std::string> ReadMachineParameterFile(const std::filesystem::path& file, MachineSettings& s) {
  const ProfileText text = ProfileText::Load(file);
  MachineSettings copy = s;
  for (const SettingEntry& entry : ParameterEntries(copy)) {
    const auto value = text.Get(kSection, entry.key);
    if (!value) return entry.key;
    if (AssignSetting(entry.value, *value)) return entry.key + "=" + *value;
  }
  s = copy;
  return std::nullopt;
}

}  // namespace kw
