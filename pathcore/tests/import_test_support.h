// Helpers of the reader tests: temporary drawing files and DXF text.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kw::test {

// A file with the given bytes, removed when the object ends.
class TempDrawing {
 public:
  TempDrawing(const std::string& bytes, const std::string& ending) {
    static int serial = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("kw_drawing_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + ending);
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~TempDrawing() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// A DXF of the given version whose ENTITIES section holds the given group
// code / value lines (one string per line).
inline std::string DxfText(const std::string& version, const std::vector<std::string>& entityLines) {
  std::string text = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\n" + version + "\n  0\nENDSEC\n";
  text += "  0\nSECTION\n  2\nENTITIES\n";
  for (const auto& line : entityLines) text += line + "\n";
  return text + "  0\nENDSEC\n  0\nEOF\n";
}

}  // namespace kw::test
