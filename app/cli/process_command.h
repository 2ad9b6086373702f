// The "process" command of kerfwright-cli: load drawings or document images
// into one document, apply a list of editing operations in order, and save
// the result. The command's main prints the document summary afterwards.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "edit_ops.h"
#include "pathcore/path_obj.h"

namespace CLI {
class App;
}

namespace kw::cli {

// Applies the steps in order; false with a message at the first one that
// cannot do its work (weeding without anything to weed).
bool ApplyOps(kw::pathcore::CPathObj& doc, std::span<const EditStep> steps, std::string& error);

struct ProcessArgs {
  std::vector<std::string> files;
  std::vector<EditStep> steps;
  std::string saveImage;  // empty: none
  std::string saveDat;    // empty: none
};

// FILE... (required, a project only first) and --ops LIST into args; a bad operation list is a
// usage error of the parse. process requires --ops, other commands do not.
void AddDocumentOptions(CLI::App& command, ProcessArgs& args, bool opsRequired);

// Imports one drawing file into the document; false with a message when it cannot.
using ImportFile = std::function<bool(kw::pathcore::CPathObj& doc, const std::string& file, std::string& error)>;

// Loads every file (".img" as a document image, anything else, projects
// included, through importFile), applies the steps and writes the requested outputs. False
// with a message at the first failure.
bool RunProcess(kw::pathcore::CPathObj& doc, const ProcessArgs& args, const ImportFile& importFile, std::string& error);

}  // namespace kw::cli
