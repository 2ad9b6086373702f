// Helpers shared by the document tests: the common test helpers plus ways to
// reach the document's storage.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "document/library_state.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "document/path_obj_internals.h"
#include "testsupport/temp_app_path.h"

namespace kw::test {

// The editing tests: a private program folder, English progress texts, and
// a way to select objects.
class EditingTest : public TempAppPath {
 protected:
  void SetUp() override {
    TempAppPath::SetUp();
    kw::pathcore::SetLibraryLanguage(1);
  }
  void TearDown() override {
    kw::pathcore::SetLibraryLanguage(0);
    TempAppPath::TearDown();
  }
  void Select(kw::pathcore::CPathObj& doc, std::initializer_list<int32_t> objects);
};

inline kw::pathcore::PathStore& StoreOf(kw::pathcore::CPathObj& doc) { return kw::pathcore::CPathObjInternals::Store(doc); }

// The points of object k as (x, y) pairs.
inline std::vector<std::pair<float, float>> PointsOf(const kw::pathcore::PathStore& s, int32_t k) {
  std::vector<std::pair<float, float>> out;
  for (int32_t i = s.ObjStart[k]; i <= s.LastPointOf(k); ++i) out.emplace_back(s.PointX[i], s.PointY[i]);
  return out;
}

inline void EditingTest::Select(kw::pathcore::CPathObj& doc, std::initializer_list<int32_t> objects) {
  for (int32_t k : objects) StoreOf(doc).ObjSel[k] = 1;
}

// The messages a document raised, in order.
struct MessageList : kw::pathcore::CPathObjEvents {
  void Message(const std::string& Text) override { texts.push_back(Text); }
  std::vector<std::string> texts;
};

// The import tests: a private program folder and a document whose messages are kept.
class ImportedDocument : public TempAppPath {
 protected:
  void SetUp() override {
    TempAppPath::SetUp();
    doc_.SetEvents(&messages_);
  }
  // The layers of the objects, in order.
  std::vector<int16_t> Layers() {
    const auto& s = StoreOf(doc_);
    return {s.ObjLayer.begin() + 1, s.ObjLayer.end()};
  }

  kw::pathcore::CPathObj doc_;
  MessageList messages_;
};

}  // namespace kw::test
