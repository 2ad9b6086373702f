// The language of what the command line prints: the one the window would
// speak, chosen by LanguageI of Setting.ini or, before the user ever chose
// one, by the desktop's locale.
#pragma once

#include "machine/machine_settings.h"

namespace kw::cli {

// Keeps s.LanguageI to the language files beside the program, as the
// window's language menu does.
void KeepLanguageToFiles(kw::MachineSettings& s);

// The process settings' language from the program folder's Setting.ini.
void UseProgramLanguage();

}  // namespace kw::cli
