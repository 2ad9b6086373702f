// kerfwright-cli info: imports the files into one document and prints its
// counts, bounds, lengths and layer census as one JSON object.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "document_summary.h"
#include "import_files.h"
#include "input_files.h"

namespace kw::cli {
namespace {

struct InfoArgs {
  ImportOptions options;
  std::vector<std::string> files;
};

int RunInfo(const InfoArgs& args) {
  kw::pathcore::CPathObj doc;
  LayerTables tables;
  std::string error;
  if (!ImportFiles(doc, tables, args.files, args.options, error)) {
    std::fprintf(stderr, "kerfwright-cli info: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", SummaryJson(doc).c_str());
  return 0;
}

}  // namespace

Command AddInfo(CLI::App& program) {
  auto args = std::make_shared<InfoArgs>();
  auto* command = program.add_subcommand(
      "info", "JSON summary of the drawings imported as one document");
  AddInputFiles(*command, args->files, kDrawingFilesHelp);
  AddImportOptions(*command, args->options);
  return {command, [args] { return RunInfo(*args); }};
}

}  // namespace kw::cli
