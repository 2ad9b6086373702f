#include "machine/profile_file.h"

#include <fstream>
#include <system_error>

#include "support/file_replace.h"
#include "support/basic_text.h"

namespace kw {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A UTF-8 byte-order mark on the first line is not part of its text.
std::string_view WithoutBom(std::string_view line) {
  if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  return line;
}

std::optional<std::string_view> SectionOf(std::string_view line) {
  line = Trim(WithoutBom(line));
  if (!line.starts_with('[')) return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> KeyOf(std::string_view line) {
  line = WithoutBom(line);
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = Trim(line.substr(0, eq));
  if (key.empty()) return std::nullopt;
  return KeyLine{key, Trim(line.substr(eq + 1))};
}

// The largest prefix of at most limit bytes that does not split a UTF-8 character.
std::string_view CutAtCharacter(std::string_view s, size_t limit) {
  if (s.size() <= limit) return s;
  size_t n = limit;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return s.substr(0, n);
}

// What the profile reader hands back: the trimmed value (from the file: without
// one pair of enclosing quotes), cut to the buffer, then trimmed again by the caller's rule.
std::string CleanValue(std::string_view value, bool fromFile) {
  value = Trim(value);
  if (fromFile && value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  value = CutAtCharacter(value, kProfileValueLimit);
  const size_t nul = value.find('\0');
  if (nul != std::string_view::npos) value = value.substr(0, nul);
  return std::string(Trim(value));
}

// A line break inside a value would start a new line of the file, so it
// becomes a blank; the value ends at a NUL as the C interface would end it.
std::string OneLineValue(std::string_view value) {
  value = value.substr(0, value.find('\0'));
  std::string out(value);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

bool OnOneLine(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string KeyText(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + OneLineValue(value);
}

}  // namespace

ProfileText ProfileText::Load(const std::filesystem::path& file) {
  ProfileText text;
  std::ifstream in(file, std::ios::binary);
  if (!in) return text;
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    const bool crlf = !line.empty() && line.back() == '\r';
    if (crlf) line.pop_back();
    if (first && crlf) text.eol_ = "\r\n";
    first = false;
    text.lines_.push_back(std::move(line));
  }
  return text;
}

std::optional<size_t> ProfileText::FindSection(std::string_view section) const {
  const std::string_view wanted = Trim(section);
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionOf(lines_[i]);
    if (name && EqualsNoCase(*name, wanted)) return i;
  }
  return std::nullopt;
}

size_t ProfileText::SectionEnd(size_t header) const {
  size_t i = header + 1;
  while (i < lines_.size() && !SectionOf(lines_[i])) ++i;
  return i;
}

std::optional<std::string> ProfileText::Get(std::string_view section, std::string_view key) const {
  const auto header = FindSection(section);
  if (!header) return std::nullopt;
  const std::string_view wanted = Trim(key);
  const size_t end = SectionEnd(*header);
  for (size_t i = *header + 1; i < end; ++i) {
    const auto line = KeyOf(lines_[i]);
    if (line && EqualsNoCase(line->key, wanted)) return CleanValue(line->value, true);
  }
  return std::nullopt;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool WritableNames(std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  return !section.empty() && !key.empty() && OnOneLine(section) && OnOneLine(key) &&
         section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
         key.front() != '[' && key.front() != ';';
}

bool ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!WritableNames(section, key)) return false;
  const std::string_view wantedKey = Trim(key);
  const auto header = FindSection(section);
  if (!header) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(Trim(section)) + "]");
    lines_.push_back(KeyText(wantedKey, value));
    return true;
  }
  const size_t end = SectionEnd(*header);
  size_t insertAt = *header + 1;
  for (size_t i = *header + 1; i < end; ++i) {
    const auto line = KeyOf(lines_[i]);
    if (!line) continue;
    if (EqualsNoCase(line->key, wantedKey)) {
      lines_[i] = KeyText(line->key, value);  // the file's own spelling of the key stays
      return true;
    }
    insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), KeyText(wantedKey, value));
  return true;
}

bool ProfileText::Save(const std::filesystem::path& file) const {
  std::string text;
  for (const auto& line : lines_) text += line + eol_;
  return kw::WriteFileReplacing(file, text);  // a failed write leaves the old file intact
}

std::string ReadIni(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view defaultText) {
  const auto value = ProfileText::Load(file).Get(section, key);
  return value ? *value : CleanValue(defaultText, false);
}

double ReadIniNumber(const std::filesystem::path& file, std::string_view section,
                     std::string_view key, std::string_view defaultText) {
  return Val(ReadIni(file, section, key, defaultText));
}

bool WriteIni(const std::filesystem::path& file, std::string_view section, std::string_view key,
              std::string_view value) {
  auto text = ProfileText::Load(file);
  return text.Set(section, key, value) && text.Save(file);
}

}  // namespace kw
