// The path count a DXF import should give, read independently of our reader
// by ezdxf (dxf_entity_count.py), and the check of the document against it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "doc_test_support.h"

namespace kw::test {

inline bool HaveIndependentDxfCount() { return std::string_view(KW_PYTHON3).find("NOTFOUND") == std::string_view::npos; }

// The count printed by the ezdxf script: a number, or "refused".
inline std::string IndependentDxfCount(const std::filesystem::path& file) {
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

// The files of one folder, sorted, so failures name them in a stable order.
inline std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder, ec)) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Each file imports to the independent count, or is refused with one message.
inline void ExpectDxfImportsMatchTheIndependentCount(const std::vector<std::filesystem::path>& files) {
  for (const auto& file : files) {
    SCOPED_TRACE(file.filename().string());
    const std::string expected = IndependentDxfCount(file);
    ASSERT_FALSE(expected.empty()) << "the counting script failed";
    kw::pathcore::CPathObj doc;
    MessageList messages;
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

}  // namespace kw::test
