#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recent_files.h"

namespace {

using Names = std::vector<std::string>;

Names Added(Names names, std::initializer_list<const char*> added) {
  for (const char* name : added) kw::AddRecentFile(names, name);
  return names;
}

TEST(RecentFiles, NewestComeFirstAndTheFifthDropsTheOldest) {
  EXPECT_EQ(Added({}, {"a", "b", "c"}), (Names{"c", "b", "a"}));
  EXPECT_EQ(Added({}, {"a", "b", "c", "d", "e"}), (Names{"e", "d", "c", "b"}));
}

TEST(RecentFiles, AListedNameMovesToTheTopAndTheOthersKeepTheirOrder) {
  const Names full{"d", "c", "b", "a"};
  EXPECT_EQ(Added(full, {"b"}), (Names{"b", "d", "c", "a"})) << "the third moves up, four stay";
  EXPECT_EQ(Added(full, {"a"}), (Names{"a", "d", "c", "b"}));
  EXPECT_EQ(Added(full, {"d"}), full);
  EXPECT_EQ(Added({"b", "a"}, {"a"}), (Names{"a", "b"})) << "a short list does not grow";
}

TEST(RecentFiles, NamesCompareExactly) {
  EXPECT_EQ(Added({}, {"/p/A.plt", "/p/a.plt"}), (Names{"/p/a.plt", "/p/A.plt"}));
  EXPECT_EQ(Added({}, {"/p/a.plt", "/p/a.plt "}).size(), 2u);
}

}  // namespace
