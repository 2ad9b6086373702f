#include "support/file_replace.h"

#include "support/buffered_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kw {

bool WriteFileReplacing(const std::filesystem::path& file, std::span<const uint8_t> bytes) {
  auto temporary = file;
  temporary += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    // Whatever stands in the temporary's place and could not be opened is not ours to remove.
    if (!out.is_open()) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(temporary, ec);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, file, ec);
  if (!ec) return true;
  std::filesystem::remove(temporary, ec);
  return false;
}

bool WriteFileReplacing(const std::filesystem::path& file, std::string_view text) {
  return WriteFileReplacing(file, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& file) {
  BufferedFile in;
  if (!in.Open(file.string())) return std::nullopt;
  std::vector<uint8_t> bytes;
  for (auto window = in.Window(); !window.empty(); window = in.Window()) {
    bytes.insert(bytes.end(), window.begin(), window.end());
    in.Advance(window.size());
  }
  if (in.Failed()) return std::nullopt;
  return bytes;
}

}  // namespace kw
