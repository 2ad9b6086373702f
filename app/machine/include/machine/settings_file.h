// Loading and saving the settings of "Setting.ini" in the settings folder.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "machine/machine_settings.h"
#include "machine/settings_table.h"

namespace kw {

// "Setting.ini" in the settings folder: the program folder when it runs
// portable, the user's configuration folder when installed (FileLocations).
std::filesystem::path SettingsFile();

struct LoadedSettings {
  MachineSettings settings;
  // One line per value that did not convert: which key, what it held. The
  // key keeps its default, so a hand-edited file never stops the program.
  std::vector<std::string> problems;
};

// Every key of the tables: a missing file, section or key gives its default,
// except LanguageI, which then follows the desktop's locale (DesktopLanguage).
// The tool heights are left to ComputeToolHeights.
LoadedSettings LoadSettings(const std::filesystem::path& file);

// Writes the keys that the given moment of the program owns, in one rewrite
// of the file. False when the file could not be written.
bool SaveSettingsOf(const std::filesystem::path& file, const MachineSettings& s, SettingWriter writer);

// The keys the options dialog, the tool depth buttons and the main window's
// unload write back.
bool SaveSettings(const std::filesystem::path& file, const MachineSettings& s);

// The same for the process-wide settings and the program folder's file.
std::vector<std::string> LoadSettings();
bool SaveSettings();

// Writes one "SECTION/KEY=VALUE" through WriteIni (the headless front end's
// way to prepare a machine). A key of the tables must get a value of its
// type. Nothing on success, otherwise what went wrong.
std::optional<std::string> WriteSettingAssignment(const std::filesystem::path& file,
                                                  std::string_view assignment);

// Every setting as "section/key = value", one a line, in file order.
void PrintSettings(std::ostream& out, const MachineSettings& s);

}  // namespace kw
