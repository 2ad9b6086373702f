// Every drawing of the shared corpus imports without a fault; DXF path counts
// agree with an independent count made with ezdxf.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "doc_test_support.h"

namespace {

namespace fs = std::filesystem;

struct Messages : kw::pathcore::CPathObjEvents {
  void Message(const std::string& Text) override { texts.push_back(Text); }
  std::vector<std::string> texts;
};

std::vector<fs::path> CorpusFiles(const char* kind) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(fs::path(KW_CORPUS_DIR) / kind, ec)) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The count printed by the ezdxf script: a number, or "refused".
std::string ExpectedDxf(const fs::path& file) {
  const std::string command =
      std::string(KW_PYTHON3) + " " + KW_DXF_COUNT_SCRIPT + " '" + file.string() + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string out;
  char buf[256];
  while (std::fgets(buf, sizeof buf, pipe.get())) out += buf;
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

class Corpus : public kw::test::TempAppPath {};

TEST_F(Corpus, DxfPathCountsMatchAnIndependentCount) {
  const auto files = CorpusFiles("dxf");
  ASSERT_FALSE(files.empty());
  if (std::string(KW_PYTHON3).find("NOTFOUND") != std::string::npos) GTEST_SKIP() << "no python3 with ezdxf";
  for (const auto& file : files) {
    SCOPED_TRACE(file.filename().string());
    const std::string expected = ExpectedDxf(file);
    ASSERT_FALSE(expected.empty()) << "the counting script failed";
    kw::pathcore::CPathObj doc;
    Messages messages;
    doc.SetEvents(&messages);
    EXPECT_EQ(doc.DxfInput(file.string(), "0"), 0);
    if (expected == "refused") {
      EXPECT_EQ(messages.texts.size(), 1u);
      EXPECT_EQ(doc.Count(), 0);
    } else {
      EXPECT_TRUE(messages.texts.empty());
      EXPECT_EQ(std::to_string(doc.Count()), expected);
    }
  }
}

TEST_F(Corpus, PltAiAndDstFilesImportCleanly) {
  kw::pathcore::CPathObj doc;
  Messages messages;
  doc.SetEvents(&messages);
  int32_t files = 0;
  for (const auto& file : CorpusFiles("plt")) doc.PltInput(file.string(), "1"), ++files;
  const int32_t pltPaths = doc.Count();
  for (const auto& file : CorpusFiles("ai")) doc.AiInput(file.string()), ++files;
  for (const auto& file : CorpusFiles("dst")) doc.DstInput(file.string()), ++files;
  EXPECT_GE(files, 12);
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_GT(pltPaths, 30000);  // the fabric nesting file alone has 31,833
  EXPECT_GT(doc.Count(), pltPaths);  // the DST designs add their stitch runs
  const auto& s = kw::test::StoreOf(doc);
  for (int32_t k = 1; k <= s.ObjN; ++k) ASSERT_GE(s.PointCountOf(k), 2);
}

}  // namespace
