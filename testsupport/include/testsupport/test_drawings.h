// Where the tests find their drawings: the ones we wrote, under testdata/,
// and the third-party corpus, which stays outside the repository and is given
// to the build as KW_CORPUS_DIR.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace kw::test {

// One of our drawings by its path under testdata/, e.g. "dxf/plate_r12.dxf".
std::string OwnDrawing(std::string_view relative);

// The corpus folder, or an empty path when the build was given none.
std::filesystem::path CorpusDir();

}  // namespace kw::test

// Ends the current test as skipped when the build was given no corpus.
#define KW_SKIP_WITHOUT_CORPUS()                                                      \
  do {                                                                                \
    if (kw::test::CorpusDir().empty())                                                  \
      GTEST_SKIP() << "KW_CORPUS_DIR not set: third-party corpus tests skipped";      \
  } while (0)
