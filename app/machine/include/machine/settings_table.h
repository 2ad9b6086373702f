// Every key of "Setting.ini" in file order, bound to its member of a
// MachineSettings, with the moment of the program that writes it back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "machine/machine_settings.h"

namespace kw {

// Who writes a key back to the file; everything else only reads it.
enum class SettingWriter {
  SaveSettings,  // options dialog, tool depth buttons, main window unload
  MainWindow,    // main window unload: geometry, jog and work speed boxes
  RunDialog,     // run dialog unload: paper feed and cut-off box
  LanguageMenu,  // choosing a language
  ReadOnly,      // the maintenance password
};

using SettingRef = std::variant<float*, int16_t*, int32_t*, bool*, std::string*>;

struct SettingEntry {
  std::string_view section;
  std::string key;  // per-index keys carry their index: "Sgdc0"
  SettingRef value;
  SettingWriter writer;
};

// The fixed keys of the tables bound to s, in file order. The recent-file
// names depend on Mrui and are bound separately.
std::vector<SettingEntry> SettingEntries(MachineSettings& s);

// MruName0 .. MruName<n-1>, bound to s.MruName (which must hold n names).
std::vector<SettingEntry> RecentFileEntries(MachineSettings& s);

// Every key bound to s, the recent-file names right after their count.
std::vector<SettingEntry> AllSettingEntries(MachineSettings& s);

// The text a key is written with: numbers in their default text form,
// Booleans as "True" or "False".
std::string SettingText(const SettingRef& value);

// Converts a text into the key's type and stores it; an error text when the
// text does not convert (the value is then left as it was).
std::optional<std::string> AssignSetting(const SettingRef& value, std::string_view text);

}  // namespace kw
