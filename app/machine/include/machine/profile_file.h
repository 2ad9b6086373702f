// The profile file module: "Setting.ini" and the language files are profile
// texts of section lines ("[name]") and key lines ("key=value"). Sections and
// keys match without regard to ASCII case, every other line survives a write
// untouched, and a file is created by its first write.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// Longest value a read hands back, in bytes: the reader's buffer of 4096
// characters keeps one for the terminating NUL.
inline constexpr size_t kProfileValueLimit = 4095;

// One profile file held as its lines, so that many keys can be read or changed
// with a single pass over the disk.
class ProfileText {
 public:
  // A missing or unreadable file gives an empty text.
  static ProfileText Load(const std::filesystem::path& file);

  // The cleaned value of the first matching key of the first matching
  // section; nothing when either is absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Replaces the key's value in place, or adds the key at the end of its
  // section, or adds the section at the end of the text. False, and nothing
  // changed, for a name that could not be read back as written (see
  // WritableNames).
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // Writes a temporary file beside the target and renames it over the target,
  // so a failed write leaves the old file as it was. False on failure.
  bool Save(const std::filesystem::path& file) const;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::optional<size_t> FindSection(std::string_view section) const;
  size_t SectionEnd(size_t header) const;

  std::vector<std::string> lines_;  // without their line ends
  std::string eol_ = "\n";          // the line end the file already uses
};

// Names and the words True and False compare without regard to ASCII case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// True when a section and key can be written and found again: both not
// empty, on one line, the section without "]", the key without "=" and not
// starting like a section or comment line.
bool WritableNames(std::string_view section, std::string_view key);

// Reads a value as text: trimmed of blanks, at most kProfileValueLimit bytes;
// the default (trimmed the same way) when the section or key is missing.
std::string ReadIni(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view defaultText);

// The numeric read: the leading number of the value (0 when there is none).
double ReadIniNumber(const std::filesystem::path& file, std::string_view section,
                     std::string_view key, std::string_view defaultText);

// Writes one value; false when the names are not writable or the file could
// not be written.
bool WriteIni(const std::filesystem::path& file, std::string_view section, std::string_view key,
              std::string_view value);

}  // namespace kw
