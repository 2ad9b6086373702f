#include "machine/language_files.h"

#include <fstream>

#include "machine/profile_file.h"
#include "machine/settings_file.h"
#include "pathcore/file_locations.h"

namespace kw {

bool FileExists(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) return false;
  return std::ifstream(file).is_open();
}

std::filesystem::path LanguageFile(int n) {
  return kw::pathcore::CurrentFileLocations().languages / ("Language" + std::to_string(n) + ".sys");
}

std::vector<LanguageEntry> FindLanguages() {
  std::vector<LanguageEntry> found;
  for (int16_t n = 0; n <= kLastLanguageNumber; ++n) {
    const auto file = LanguageFile(n);
    if (!FileExists(file)) break;
    found.push_back({n, ReadIni(file, "Language", "Name", "Unknown language")});
  }
  return found;
}

int16_t ClampLanguage(int16_t languageI, const std::vector<LanguageEntry>& found) {
  const int16_t highest = found.empty() ? int16_t{0} : found.back().number;
  if (languageI > highest) return highest;
  return languageI < 0 ? int16_t{0} : languageI;
}

LanguageMenu BuildLanguageMenu(MachineSettings& s) {
  LanguageMenu menu;
  menu.entries = FindLanguages();
  s.LanguageI = ClampLanguage(s.LanguageI, menu.entries);
  menu.ticked = s.LanguageI;
  return menu;
}

LanguageMenu ChooseLanguage(MachineSettings& s, int16_t n) {
  s.LanguageI = n;
  WriteIni(SettingsFile(), "Beamforge5", "LanguageI", std::to_string(n));
  return BuildLanguageMenu(s);
}

std::string LanguageText(std::string_view section, std::string_view key) {
  return ReadIni(LanguageFile(Settings().LanguageI), section, key, "");
}

std::string MessageText(std::string_view key) { return LanguageText("MSGBOX", key); }

std::string CodeText(std::string_view key) { return LanguageText("CODE", key); }

std::string ControlKey(std::string_view name, std::optional<int> index) {
  std::string key(name);
  if (index) key += std::to_string(*index);
  return key;
}

std::string ControlCaption(std::string_view form, std::string_view name, std::optional<int> index) {
  return LanguageText(form, ControlKey(name, index));
}

std::string FormTitle(std::string_view form) { return LanguageText(form, "Title"); }

}  // namespace kw
