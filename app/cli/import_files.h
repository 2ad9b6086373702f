// Importing drawing files into one document, as the program's File Import
// does: the kind follows the file name's ending.
#pragma once

#include <string>
#include <vector>

#include "pathcore/path_obj.h"

namespace CLI {
class App;
}

namespace kw::cli {

struct ImportOptions {
  std::string dxfCutLayer = "切割";  // the program's default cut layer name
  std::string pltCutPen = "4";       // the program's default cut pen
};

// --dxf-cut-layer NAME and --plt-cut-pen TEXT into options.
void AddImportOptions(CLI::App& command, ImportOptions& options);

// Imports every file in order. On the first file that cannot be read it
// stops with a one-line message naming the file in error and returns false.
bool ImportFiles(kw::pathcore::CPathObj& doc, const std::vector<std::string>& files, const ImportOptions& options,
                 std::string& error);

}  // namespace kw::cli
