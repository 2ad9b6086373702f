// Whole-file reads and writes for the document's own files. A write goes to a
// temporary file beside the target and is renamed over it only when complete,
// so a failed save leaves the old file intact.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kw {

// True when the whole of `bytes` is now the content of `file`.
bool WriteFileReplacing(const std::filesystem::path& file, std::span<const uint8_t> bytes);
bool WriteFileReplacing(const std::filesystem::path& file, std::string_view text);

// The whole content of `file`, or nothing when it cannot be read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& file);

}  // namespace kw
