#include "input_files.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kw::cli {

const char* const kDrawingFilesHelp =
    "drawings to import (dxf, plt, hpgl, hpg, hp2, ai, dst, svg, bmp); a project (.rpt) may come first: it opens as the "
    "document with its layer tables, and the drawings after it are added";

bool IsProjectFile(const std::string& file) {
  std::string ext = std::filesystem::path(file).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == ".rpt";
}

CLI::Option* AddInputFiles(CLI::App& command, std::vector<std::string>& files, const std::string& description) {
  auto* option = command.add_option_function<std::vector<std::string>>(
      "FILE",
      [&files](const std::vector<std::string>& given) {
        // A later project would throw away everything loaded before it.
        const auto late = std::find_if(given.begin() + (given.empty() ? 0 : 1), given.end(), IsProjectFile);
        if (late != given.end()) {
          throw CLI::ValidationError("FILE", *late + ": a project opens as the document, so only the first file may be one");
        }
        files = given;
      },
      description);
  return option->required();
}

}  // namespace kw::cli
