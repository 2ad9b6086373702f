// The document of a command that works on drawings: its files imported (or
// loaded as document images) and its operations applied.
#pragma once

#include "app/cli/import_files.h"
#include "app/cli/process_command.h"

namespace kwcli {

// False after printing "kerfwright-cli COMMAND: reason" on stderr.
bool OpenDocument(pathcore::CPathObj& doc, const ProcessArgs& process, const ImportOptions& import,
                  const char* command);

}  // namespace kwcli
