// kerfwright-cli info: imports the files into one document and prints its
// counts, bounds, lengths and layer census as one JSON object.
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "import_files.h"
#include "document_summary.h"

namespace kw::cli {

namespace {

struct InfoArgs {
  ImportOptions options;
  std::vector<std::string> files;
};

bool ParseInfoArgs(const std::vector<std::string>& args, InfoArgs& out, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--dxf-cut-layer" || a == "--plt-cut-pen") {
      if (i + 1 == args.size()) return error = a + " needs a value", false;
      (a == "--dxf-cut-layer" ? out.options.dxfCutLayer : out.options.pltCutPen) = args[++i];
    } else {
      out.files.push_back(a);
    }
  }
  if (out.files.empty()) error = "no file given";
  return !out.files.empty();
}

}  // namespace

int RunInfo(const std::vector<std::string>& args) {
  InfoArgs parsed;
  std::string error;
  if (!ParseInfoArgs(args, parsed, error)) {
    std::fprintf(stderr, "kerfwright-cli info: %s\n", error.c_str());
    return 2;
  }
  kw::pathcore::CPathObj doc;
  if (!ImportFiles(doc, parsed.files, parsed.options, error)) {
    std::fprintf(stderr, "kerfwright-cli info: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", SummaryJson(doc).c_str());
  return 0;
}

}  // namespace kw::cli
