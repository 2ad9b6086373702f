#include <gtest/gtest.h>

#include <fstream>

#include "app/cli/process_command.h"
#include "doc_test_support.h"

namespace {

using kwcli::EditOp;

class ProcessCommandTest : public kwtest::TempAppPath {
 protected:
  // Stands in for the drawing import: a file "sq*.plt" gives an open square.
  static bool FakeImport(pathcore::CPathObj& doc, const std::string& file, std::string& error) {
    if (file.find("sq") == std::string::npos) {
      error = file + ": cannot be read";
      return false;
    }
    kwtest::Add(doc, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0.02f}});
    kwtest::Add(doc, {{20, 0}, {30, 0}});
    doc.ZL();
    return true;
  }
  std::vector<std::string> Args(std::initializer_list<std::string> words) { return words; }
};

TEST_F(ProcessCommandTest, OperationListsAreCheckedBeforeAnythingRuns) {
  std::string error;
  const auto steps = kwcli::ParseOps("selall,hb:0.05,autofb:0.5,bak,undo,redo", error);
  ASSERT_TRUE(steps);
  ASSERT_EQ(steps->size(), 6u);
  EXPECT_EQ((*steps)[1].op, EditOp::Hb);
  EXPECT_EQ((*steps)[2].tolerance, 0.5);
  for (const char* bad : {"selall,explode", "hb", "hb:", "hb:x", "selall:1", "selall,,del"}) {
    EXPECT_FALSE(kwcli::ParseOps(bad, error)) << bad;
  }
  EXPECT_EQ(error, "unknown operation \"\"");
  EXPECT_TRUE(kwcli::ParseOps("", error));
}

TEST_F(ProcessCommandTest, ArgumentsNeedFilesAndOps) {
  std::string error;
  const auto args = Args({"a.plt", "--ops", "selall,del", "b.img", "--save-image", "out.img"});
  const auto parsed = kwcli::ParseProcessArgs(args, error);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->files, (std::vector<std::string>{"a.plt", "b.img"}));
  EXPECT_EQ(parsed->saveImage, "out.img");
  EXPECT_FALSE(kwcli::ParseProcessArgs(Args({"a.plt"}), error));
  EXPECT_FALSE(kwcli::ParseProcessArgs(Args({"--ops", "selall"}), error));
  EXPECT_FALSE(kwcli::ParseProcessArgs(Args({"a.plt", "--ops"}), error));
  EXPECT_FALSE(kwcli::ParseProcessArgs(Args({"a.plt", "--ops", "zap"}), error));
  EXPECT_FALSE(kwcli::ParseProcessArgs(Args({"a.plt", "--ops", "selall", "--fast"}), error));
}

TEST_F(ProcessCommandTest, ImportEditSaveAndLoadTheImageAgain) {
  std::string error;
  const auto image = (Folder() / "out.img").string();
  const auto dat = (Folder() / "out.txt").string();
  auto args = kwcli::ParseProcessArgs(
      Args({"sq.plt", "--ops", "selall,hb:0.05,autofb:0.05,bak,undo,redo,dasan", "--save-image", image,
            "--save-dat", dat}),
      error);
  ASSERT_TRUE(args) << error;
  pathcore::CPathObj doc;
  ASSERT_TRUE(kwcli::RunProcess(doc, *args, FakeImport, error)) << error;
  EXPECT_EQ(doc.Count(), 6);  // the closed square as five segments, and the other segment
  EXPECT_EQ(doc.SelCount(), 6);
  EXPECT_TRUE(std::filesystem::exists(dat));
  pathcore::CPathObj again;
  args->files = {image};
  args->steps.clear();
  ASSERT_TRUE(kwcli::RunProcess(again, *args, FakeImport, error)) << error;
  EXPECT_EQ(again.Count(), 6);
}

TEST_F(ProcessCommandTest, UnreadableInputsAndOutputsAreErrors) {
  std::string error;
  pathcore::CPathObj doc;
  kwcli::ProcessArgs args;
  args.files = {"nothing.dxf"};
  EXPECT_FALSE(kwcli::RunProcess(doc, args, FakeImport, error));
  EXPECT_EQ(error, "nothing.dxf: cannot be read");
  const auto junk = (Folder() / "junk.img").string();
  std::ofstream(junk) << "\x02\0\0\0 not an image";
  args.files = {junk};
  EXPECT_FALSE(kwcli::RunProcess(doc, args, FakeImport, error));
  EXPECT_EQ(error, junk + ": not a document image");
  args.files = {"sq.plt"};
  args.saveImage = (Folder() / "no" / "out.img").string();
  EXPECT_FALSE(kwcli::RunProcess(doc, args, FakeImport, error));
}

}  // namespace
