// The document of a command that works on drawings: its files imported (or
// loaded as document images or a project) and its operations applied.
#pragma once

#include "import_files.h"
#include "process_command.h"

namespace kw::cli {

// A project among the files fills tables. False after printing
// "kerfwright-cli COMMAND: reason" on stderr.
bool OpenDocument(kw::pathcore::CPathObj& doc, LayerTables& tables, const ProcessArgs& process,
                  const ImportOptions& import, const char* command);

}  // namespace kw::cli
