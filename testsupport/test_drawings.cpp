#include "testsupport/test_drawings.h"

namespace kw::test {

std::string OwnDrawing(std::string_view relative) {
  return (std::filesystem::path(KW_TESTDATA_DIR) / relative).string();
}

std::filesystem::path CorpusDir() { return KW_CORPUS_DIR; }

}  // namespace kw::test
