// The language files Language0.sys .. Language20.sys in the program folder:
// which ones exist, which one is in use, and the texts they give to message
// boxes, run-time captions and the controls of each form.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "machine/machine_settings.h"

namespace kw {

inline constexpr int16_t kLastLanguageNumber = 20;

// True when the file can be opened for reading (a folder cannot).
bool FileExists(const std::filesystem::path& file);

// The program folder's "Language<n>.sys".
std::filesystem::path LanguageFile(int n);

struct LanguageEntry {
  int16_t number;
  std::string name;  // "Name" of section "Language"
};

// The language files numbered from 0 up, ending at the first number with no file.
std::vector<LanguageEntry> FindLanguages();

// A language number past the last file found falls back to that last one (0
// when there is none); a negative one to 0.
int16_t ClampLanguage(int16_t languageI, const std::vector<LanguageEntry>& found);

struct LanguageMenu {
  std::vector<LanguageEntry> entries;  // menu entries 0 .. n-1
  int16_t ticked = 0;                  // the entry of the language in use
};

// Finds the languages and clamps s.LanguageI to them (in memory only).
LanguageMenu BuildLanguageMenu(MachineSettings& s);

// The menu choice: stores LanguageI = n in "Setting.ini" and builds the menu again.
LanguageMenu ChooseLanguage(MachineSettings& s, int16_t n);

// A text of the language in use (the process settings' LanguageI); empty when missing.
std::string LanguageText(std::string_view section, std::string_view key);
std::string MessageText(std::string_view key);  // section "MSGBOX", "0001" ...
std::string CodeText(std::string_view key);     // section "CODE", "0000" ...

// The key of a control: its name, with its index appended for a member of a
// control array ("CToolAdd0").
std::string ControlKey(std::string_view name, std::optional<int> index = std::nullopt);

// The caption a form's control takes from the language in use; empty keeps
// the design caption. The form's own caption is key "Title".
std::string ControlCaption(std::string_view form, std::string_view name,
                           std::optional<int> index = std::nullopt);
std::string FormTitle(std::string_view form);

}  // namespace kw
