// Every drawing of the third-party corpus imports without a fault; DXF path
// counts agree with an independent count made with ezdxf.
#include <gtest/gtest.h>

#include "doc_test_support.h"
#include "dxf_independent_count.h"
#include "testsupport/test_drawings.h"

namespace {

using kw::test::FilesIn;

class Corpus : public kw::test::TempAppPath {};

TEST_F(Corpus, DxfPathCountsMatchAnIndependentCount) {
  KW_SKIP_WITHOUT_CORPUS();
  const auto files = FilesIn(kw::test::CorpusDir() / "dxf");
  ASSERT_FALSE(files.empty());
  if (!kw::test::HaveIndependentDxfCount()) GTEST_SKIP() << "no python3 with ezdxf";
  kw::test::ExpectDxfImportsMatchTheIndependentCount(files);
}

TEST_F(Corpus, PltAiAndDstFilesImportCleanly) {
  KW_SKIP_WITHOUT_CORPUS();
  kw::pathcore::CPathObj doc;
  kw::test::MessageList messages;
  doc.SetEvents(&messages);
  int32_t files = 0;
  for (const auto& file : FilesIn(kw::test::CorpusDir() / "plt")) doc.PltInput(file.string(), "1"), ++files;
  const int32_t pltPaths = doc.Count();
  for (const auto& file : FilesIn(kw::test::CorpusDir() / "ai")) doc.AiInput(file.string()), ++files;
  for (const auto& file : FilesIn(kw::test::CorpusDir() / "dst")) doc.DstInput(file.string()), ++files;
  EXPECT_GE(files, 12);
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_GT(pltPaths, 30000);  // the fabric nesting file alone has 31,833
  EXPECT_GT(doc.Count(), pltPaths);  // the DST designs add their stitch runs
  const auto& s = kw::test::StoreOf(doc);
  for (int32_t k = 1; k <= s.ObjN; ++k) ASSERT_GE(s.PointCountOf(k), 2);
}

}  // namespace
