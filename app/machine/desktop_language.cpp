#include "machine/desktop_language.h"

#include <cstdlib>
#include <string_view>

namespace kw {
namespace {

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

}  // namespace

std::string DesktopLocaleName() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const auto value = Variable(name); !value.empty()) return std::string(value);
  }
  const auto languages = Variable("LANGUAGE");  // a priority list: "zh_CN:en"
  return std::string(languages.substr(0, languages.find(':')));
}

int16_t DesktopLanguage() {
  return DesktopLocaleName().starts_with("zh") ? kChineseLanguage : kEnglishLanguage;
}

}  // namespace kw
