// kerfwright-cli info: imports the files into one document and prints its
// counts, bounds, lengths and layer census as one JSON object.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/import_files.h"
#include "app/cli/json_text.h"
#include "pathcore/document/path_obj_internals.h"

namespace kwcli {

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

std::string LayerCensus(const pathcore::PathStore& s) {
  std::map<int16_t, int32_t> counts{{0, 0}, {1, 0}};
  for (int32_t k = 1; k <= s.ObjN; ++k) ++counts[s.ObjLayer[k]];
  std::string text;
  for (const auto& [layer, n] : counts) {
    text += (text.empty() ? "\"" : ", \"") + std::to_string(layer) + "\": " + std::to_string(n);
  }
  return "{" + text + "}";
}

std::string InfoJson(const pathcore::CPathObj& doc) {
  const auto& s = pathcore::CPathObjInternals::Store(doc);
  return "{\"paths\": " + std::to_string(doc.Count()) + ", \"subpaths\": " + std::to_string(doc.SubCount()) +
         ", \"points\": " + std::to_string(s.PointN) + ", \"bounds\": {\"xmin\": " + JsonNumber(doc.Xmin()) +
         ", \"ymin\": " + JsonNumber(doc.Ymin()) + ", \"xmax\": " + JsonNumber(doc.Xmax()) +
         ", \"ymax\": " + JsonNumber(doc.Ymax()) + "}, \"cut_length_mm\": " + JsonNumberOfSingle(doc.ObjLong()) +
         ", \"travel_length_mm\": " + JsonNumberOfSingle(doc.MoveLong()) + ", \"layers\": " + LayerCensus(s) + "}";
}

}  // namespace

int RunInfo(const std::vector<std::string>& args) {
  InfoArgs parsed;
  std::string error;
  if (!ParseInfoArgs(args, parsed, error)) {
    std::fprintf(stderr, "kerfwright-cli info: %s\n", error.c_str());
    return 2;
  }
  pathcore::CPathObj doc;
  if (!ImportFiles(doc, parsed.files, parsed.options, error)) {
    std::fprintf(stderr, "kerfwright-cli info: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", InfoJson(doc).c_str());
  return 0;
}

}  // namespace kwcli
