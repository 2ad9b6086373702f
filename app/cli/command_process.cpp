// kerfwright-cli process: imports the files (or loads document images),
// applies the listed operations in order and prints the document summary.
#include <cstdio>

#include "commands.h"
#include "open_document.h"
#include "document_summary.h"
#include "import_files.h"
#include "process_command.h"

namespace kw::cli {
namespace {

// Options of this command that the shared parser does not know.
struct Extras {
  bool order = false;
  ImportOptions import;
};

std::vector<std::string> TakeExtras(const std::vector<std::string>& args, Extras& extras, std::string& error) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--order") {
      extras.order = true;
    } else if (args[i] == "--dxf-cut-layer" || args[i] == "--plt-cut-pen") {
      if (i + 1 == args.size()) error = args[i] + " needs a value";
      else (args[i] == "--dxf-cut-layer" ? extras.import.dxfCutLayer : extras.import.pltCutPen) = args[++i];
    } else {
      rest.push_back(args[i]);
    }
  }
  return rest;
}

}  // namespace

int RunProcessCommand(const std::vector<std::string>& args) {
  Extras extras;
  std::string error;
  const auto rest = TakeExtras(args, extras, error);
  const auto parsed = error.empty() ? ParseProcessArgs(rest, error) : std::nullopt;
  if (!parsed) {
    std::fprintf(stderr, "kerfwright-cli process: %s\n", error.c_str());
    return 2;
  }
  kw::pathcore::CPathObj doc;
  if (!OpenDocument(doc, *parsed, extras.import, "process")) return 1;
  std::printf("%s\n", SummaryJson(doc, extras.order).c_str());
  return 0;
}

}  // namespace kw::cli
