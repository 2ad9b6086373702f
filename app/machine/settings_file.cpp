#include "machine/settings_file.h"

#include "machine/desktop_language.h"
#include "machine/profile_file.h"
#include "pathcore/file_locations.h"

namespace kw {
namespace {

std::string ProblemText(const SettingEntry& e, const std::string& text, const std::string& why,
                        const std::string& kept) {
  return std::string(e.section) + "/" + e.key + ": \"" + text + "\" " + why + "; default " + kept +
         " kept";
}

void LoadEntries(const ProfileText& file, const std::vector<SettingEntry>& entries,
                 std::vector<std::string>& problems) {
  for (const auto& e : entries) {
    const auto text = file.Get(e.section, e.key);
    if (!text) continue;
    if (const auto error = AssignSetting(e.value, *text))
      problems.push_back(ProblemText(e, *text, *error, SettingText(e.value)));
  }
}

// A negative count would size the list below zero: the value is junk.
void CheckRecentFileCount(MachineSettings& s, std::vector<std::string>& problems) {
  if (s.Mrui >= 0) return;
  problems.push_back("Kerfwright/Mrui: \"" + std::to_string(s.Mrui) +
                     "\" is negative; default 0 kept");
  s.Mrui = 0;
}

// The type check of a key of the tables; any value passes for another key
// (the recent-file names are text, so they need none).
std::optional<std::string> CheckType(std::string_view section, std::string_view key, std::string_view value) {
  MachineSettings scratch;
  for (const auto& e : SettingEntries(scratch)) {
    if (EqualsNoCase(e.section, section) && EqualsNoCase(e.key, key)) {
      if (auto error = AssignSetting(e.value, value)) return std::string(e.section) + "/" + e.key + ": " + *error;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path SettingsFile() { return kw::pathcore::SettingsFolder() / "Setting.ini"; }

LoadedSettings LoadSettings(const std::filesystem::path& file) {
  LoadedSettings loaded;
  MachineSettings& s = loaded.settings;
  // Until the language menu stores a choice, the program speaks the desktop's
  // language; the guess stays in memory and is never written back.
  s.LanguageI = DesktopLanguage();
  const auto text = ProfileText::Load(file);
  LoadEntries(text, SettingEntries(s), loaded.problems);
  CheckRecentFileCount(s, loaded.problems);
  s.MruName.assign(static_cast<size_t>(s.Mrui), "0");
  LoadEntries(text, RecentFileEntries(s), loaded.problems);
  return loaded;
}

bool SaveSettingsOf(const std::filesystem::path& file, const MachineSettings& s, SettingWriter writer) {
  MachineSettings copy = s;  // the table binds to a mutable object; saving changes nothing
  auto text = ProfileText::Load(file);
  for (const auto& e : AllSettingEntries(copy)) {
    if (e.writer == writer) text.Set(e.section, e.key, SettingText(e.value));
  }
  return text.Save(file);
}

bool SaveSettings(const std::filesystem::path& file, const MachineSettings& s) {
  return SaveSettingsOf(file, s, SettingWriter::SaveSettings);
}

std::vector<std::string> LoadSettings() {
  auto loaded = LoadSettings(SettingsFile());
  Settings() = std::move(loaded.settings);
  return std::move(loaded.problems);
}

bool SaveSettings() { return SaveSettings(SettingsFile(), Settings()); }

std::optional<std::string> WriteSettingAssignment(const std::filesystem::path& file,
                                                  std::string_view assignment) {
  const size_t eq = assignment.find('=');
  const size_t slash = assignment.substr(0, eq).find('/');
  if (eq == std::string_view::npos || slash == std::string_view::npos) return "expected SECTION/KEY=VALUE";
  const std::string_view section = assignment.substr(0, slash);
  const std::string_view key = assignment.substr(slash + 1, eq - slash - 1);
  const std::string_view value = assignment.substr(eq + 1);
  if (!WritableNames(section, key)) return "not a usable section and key: " + std::string(assignment.substr(0, eq));
  if (auto error = CheckType(section, key, value)) return error;
  if (!WriteIni(file, section, key, value)) return "cannot write " + file.string();
  return std::nullopt;
}

void PrintSettings(std::ostream& out, const MachineSettings& s) {
  MachineSettings copy = s;
  for (const auto& e : AllSettingEntries(copy)) out << e.section << "/" << e.key << " = " << SettingText(e.value) << "\n";
}

}  // namespace kw
