// The language a first start takes from the desktop, read from the POSIX
// locale variables as the desktop's programs read them.
#pragma once

#include <cstdint>
#include <string>

namespace kw {

inline constexpr int16_t kChineseLanguage = 0;  // Language0.sys
inline constexpr int16_t kEnglishLanguage = 1;  // Language1.sys

// The locale that names the language of messages: the first set and
// non-empty of LC_ALL, LC_MESSAGES and LANG, else the first entry of
// LANGUAGE; empty when none is set.
std::string DesktopLocaleName();

// Chinese for a "zh" locale, English for any other ("C", "POSIX" and no
// locale at all included).
int16_t DesktopLanguage();

}  // namespace kw
