#include <gtest/gtest.h>

#include <fstream>

#include "process_command.h"
#include "testsupport/temp_app_path.h"

namespace {

using kw::cli::EditOp;

class ProcessCommandTest : public kw::test::TempAppPath {
 protected:
  // Stands in for the drawing import: a file "sq*.plt" gives an open square.
  static bool FakeImport(kw::pathcore::CPathObj& doc, const std::string& file, std::string& error) {
    if (file.find("sq") == std::string::npos) {
      error = file + ": cannot be read";
      return false;
    }
    kw::test::Add(doc, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0.02f}});
    kw::test::Add(doc, {{20, 0}, {30, 0}});
    doc.ZL();
    return true;
  }
  std::vector<std::string> Args(std::initializer_list<std::string> words) { return words; }
};

TEST_F(ProcessCommandTest, OperationListsAreCheckedBeforeAnythingRuns) {
  std::string error;
  const auto steps = kw::cli::ParseOps("selall,hb:0.05,autofb:0.5,bak,undo,redo", error);
  ASSERT_TRUE(steps);
  ASSERT_EQ(steps->size(), 6u);
  EXPECT_EQ((*steps)[1].op, EditOp::Hb);
  EXPECT_EQ((*steps)[2].tolerance, 0.5);
  for (const char* bad : {"selall,explode", "hb", "hb:", "hb:x", "selall:1", "selall,,del"}) {
    EXPECT_FALSE(kw::cli::ParseOps(bad, error)) << bad;
  }
  EXPECT_EQ(error, "unknown operation \"\"");
  EXPECT_TRUE(kw::cli::ParseOps("", error));
}

TEST_F(ProcessCommandTest, ArgumentsNeedFilesAndOps) {
  std::string error;
  const auto args = Args({"a.plt", "--ops", "selall,del", "b.img", "--save-image", "out.img"});
  const auto parsed = kw::cli::ParseProcessArgs(args, error);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->files, (std::vector<std::string>{"a.plt", "b.img"}));
  EXPECT_EQ(parsed->saveImage, "out.img");
  EXPECT_FALSE(kw::cli::ParseProcessArgs(Args({"a.plt"}), error));
  EXPECT_FALSE(kw::cli::ParseProcessArgs(Args({"--ops", "selall"}), error));
  EXPECT_FALSE(kw::cli::ParseProcessArgs(Args({"a.plt", "--ops"}), error));
  EXPECT_FALSE(kw::cli::ParseProcessArgs(Args({"a.plt", "--ops", "zap"}), error));
  EXPECT_FALSE(kw::cli::ParseProcessArgs(Args({"a.plt", "--ops", "selall", "--fast"}), error));
}

TEST_F(ProcessCommandTest, ImportEditSaveAndLoadTheImageAgain) {
  std::string error;
  const auto image = (Folder() / "out.img").string();
  const auto dat = (Folder() / "out.txt").string();
  auto args = kw::cli::ParseProcessArgs(
      Args({"sq.plt", "--ops", "selall,hb:0.05,autofb:0.05,bak,undo,redo,dasan", "--save-image", image,
            "--save-dat", dat}),
      error);
  ASSERT_TRUE(args) << error;
  kw::pathcore::CPathObj doc;
  ASSERT_TRUE(kw::cli::RunProcess(doc, *args, FakeImport, error)) << error;
  EXPECT_EQ(doc.Count(), 6);  // the closed square as five segments, and the other segment
  EXPECT_EQ(doc.SelCount(), 6);
  EXPECT_TRUE(std::filesystem::exists(dat));
  kw::pathcore::CPathObj again;
  args->files = {image};
  args->steps.clear();
  ASSERT_TRUE(kw::cli::RunProcess(again, *args, FakeImport, error)) << error;
  EXPECT_EQ(again.Count(), 6);
}

TEST_F(ProcessCommandTest, UnreadableInputsAndOutputsAreErrors) {
  std::string error;
  kw::pathcore::CPathObj doc;
  kw::cli::ProcessArgs args;
  args.files = {"nothing.dxf"};
  EXPECT_FALSE(kw::cli::RunProcess(doc, args, FakeImport, error));
  EXPECT_EQ(error, "nothing.dxf: cannot be read");
  const auto junk = (Folder() / "junk.img").string();
  std::ofstream(junk) << "\x02\0\0\0 not an image";
  args.files = {junk};
  EXPECT_FALSE(kw::cli::RunProcess(doc, args, FakeImport, error));
  EXPECT_EQ(error, junk + ": not a document image");
  args.files = {"sq.plt"};
  args.saveImage = (Folder() / "no" / "out.img").string();
  EXPECT_FALSE(kw::cli::RunProcess(doc, args, FakeImport, error));
}

}  // namespace
