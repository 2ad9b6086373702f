// Importing drawing files into one document, as the program's File Import
// does: the kind follows the file name's ending. A project (.rpt) loads as
// File Open loads it, the document and both layer tables.
#pragma once

#include <string>
#include <vector>

#include "machine/cut_layer.h"
#include "machine/layer_map.h"
#include "pathcore/path_obj.h"

namespace CLI {
class App;
}

namespace kw::cli {

struct ImportOptions {
  std::string dxfCutLayer = "切割";  // the program's default cut layer name
  std::string pltCutPen = "4";       // the program's default cut pen
};

// The layer tables of a command's job: the program's defaults, unless a
// project brought its own.
struct LayerTables {
  kw::CCutLayer cutLayers;
  kw::CLayerMap layerMap;
};

// --dxf-cut-layer NAME and --plt-cut-pen TEXT into options.
void AddImportOptions(CLI::App& command, ImportOptions& options);

// Imports every file in order. On the first file that cannot be read it
// stops with a one-line message naming the file in error and returns false.
// The libraries' own messages are given in the user's language.
bool ImportFiles(kw::pathcore::CPathObj& doc, LayerTables& tables, const std::vector<std::string>& files,
                 const ImportOptions& options, std::string& error);

}  // namespace kw::cli
