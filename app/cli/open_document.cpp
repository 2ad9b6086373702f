#include "open_document.h"

#include <cstdio>

namespace kw::cli {

bool OpenDocument(kw::pathcore::CPathObj& doc, LayerTables& tables, const ProcessArgs& process,
                  const ImportOptions& import, const char* command) {
  const ImportFile importFile = [&import, &tables](kw::pathcore::CPathObj& d, const std::string& file,
                                                    std::string& e) { return ImportFiles(d, tables, {file}, import, e); };
  std::string error;
  if (RunProcess(doc, process, importFile, error)) return true;
  std::fprintf(stderr, "kerfwright-cli %s: %s\n", command, error.c_str());
  return false;
}

}  // namespace kw::cli
