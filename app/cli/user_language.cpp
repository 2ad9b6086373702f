#include "user_language.h"

#include "machine/language_files.h"
#include "machine/settings_file.h"

namespace kw::cli {

void KeepLanguageToFiles(kw::MachineSettings& s) { s.LanguageI = kw::ClampLanguage(s.LanguageI, kw::FindLanguages()); }

void UseProgramLanguage() {
  kw::MachineSettings& s = kw::Settings();
  s.LanguageI = kw::LoadSettings(kw::SettingsFile()).settings.LanguageI;
  KeepLanguageToFiles(s);
}

}  // namespace kw::cli
