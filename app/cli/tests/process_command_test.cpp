#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

#include "input_files.h"
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
  // The arguments after "process" as kerfwright-cli parses them; nothing and
  // the parser's message when they are refused.
  static std::optional<kw::cli::ProcessArgs> Parse(std::vector<std::string> words, std::string& error) {
    CLI::App command;
    kw::cli::ProcessArgs args;
    kw::cli::AddDocumentOptions(command, args, true);
    std::reverse(words.begin(), words.end());  // CLI11 takes the words last first
    try {
      command.parse(words);
    } catch (const CLI::ParseError& e) {
      error = e.what();
      return std::nullopt;
    }
    return args;
  }
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

TEST_F(ProcessCommandTest, NumbersInTheListAreCheckedByKind) {
  std::string error;
  const auto steps = kw::cli::ParseOps("scale:2:-1.5:1,array:10:5e-1:3:2,selx:7,setstartp:1:2:0.5", error);
  ASSERT_TRUE(steps) << error;
  EXPECT_EQ((*steps)[0].args, (std::vector<double>{2, -1.5, 1}));
  EXPECT_EQ((*steps)[1].args, (std::vector<double>{10, 0.5, 3, 2}));
  const std::pair<const char*, const char*> refused[] = {
      {"hb:0.05x", "hb:0.05x: \"0.05x\" is not a number"},
      {"hb:0x10", "hb:0x10: \"0x10\" is not a number"},
      {"hb:nan", "hb:nan: \"nan\" is not a number"},
      {"hb: 1", "hb: 1: \" 1\" is not a number"},
      {"mirror:1.5", "mirror:1.5: \"1.5\" is not a whole number"},
      {"mirror:40000", "mirror:40000: 40000 is out of range (-32768..32767)"},
      {"array:1:1:2:-32769", "array:1:1:2:-32769: -32769 is out of range (-32768..32767)"},
      {"move:1e39:0", "move:1e39:0: 1e39 is out of range (-3.402823E+38..3.402823E+38)"},
      {"selx:0", "selx:0: 0 is out of range (1..2147483647)"},
      {"hb", "hb needs 1 number: hb:TOL (got \"hb\")"},
      {"scale:1:1", "scale needs 3 numbers: scale:SX:SY:REF (got \"scale:1:1\")"},
      {"selall:1", "selall takes no numbers (got \"selall:1\")"},
      {"weedbox:0", "weedbox:0: 0 is not more than 0"},
      {"weedlines:-2.5", "weedlines:-2.5: -2.5 is not more than 0"},
      {"weedlines:5mm", "weedlines:5mm: \"5mm\" is not a number"},
      {"weedbox", "weedbox needs 1 number: weedbox:MARGIN (got \"weedbox\")"},
  };
  for (const auto& [list, message] : refused) {
    EXPECT_FALSE(kw::cli::ParseOps(list, error)) << list;
    EXPECT_EQ(error, message);
  }
}

TEST_F(ProcessCommandTest, EveryOperationHasOneHelpLineTheParserAccepts) {
  std::istringstream help(kw::cli::OperationsHelp());
  int lines = 0;
  for (std::string line; std::getline(help, line); ++lines) {
    std::istringstream words(line);
    std::string usage;
    words >> usage;  // "hb:TOL": each placeholder after the name becomes a 1
    std::string entry = usage.substr(0, usage.find(':'));
    for (auto n = std::count(usage.begin(), usage.end(), ':'); n > 0; --n) entry += ":1";
    std::string error;
    EXPECT_TRUE(kw::cli::ParseOps(entry, error)) << line << ": " << error;
    EXPECT_GT(line.size(), usage.size() + 20) << "no description: " << line;
  }
  EXPECT_EQ(lines, 36);
}

TEST_F(ProcessCommandTest, ArgumentsNeedFilesAndOps) {
  std::string error;
  const auto parsed = Parse({"a.plt", "--ops", "selall,del", "b.img"}, error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(parsed->files, (std::vector<std::string>{"a.plt", "b.img"}));
  EXPECT_EQ(parsed->steps.size(), 2u);
  EXPECT_FALSE(Parse({"a.plt"}, error));
  EXPECT_EQ(error, "--ops is required");
  EXPECT_FALSE(Parse({"--ops", "selall"}, error));
  EXPECT_EQ(error, "FILE is required");
  EXPECT_FALSE(Parse({"a.plt", "--ops"}, error));
  EXPECT_FALSE(Parse({"a.plt", "--ops", "zap"}, error));
  EXPECT_EQ(error, "--ops: unknown operation \"zap\"");
  EXPECT_FALSE(Parse({"a.plt", "--ops", "hb:0.05x"}, error));
  EXPECT_EQ(error, "--ops: hb:0.05x: \"0.05x\" is not a number");
  EXPECT_FALSE(Parse({"a.plt", "--ops", "selall", "--fast"}, error));
}

// A project replaces the document, so one after other files would drop them.
TEST_F(ProcessCommandTest, AProjectMayOnlyComeFirst) {
  std::string error;
  const auto parsed = Parse({"job.RPT", "--ops", "selall", "a.dxf", "b.plt"}, error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(parsed->files, (std::vector<std::string>{"job.RPT", "a.dxf", "b.plt"}));
  EXPECT_FALSE(Parse({"a.dxf", "job.rpt", "--ops", "selall"}, error));
  EXPECT_EQ(error, "FILE: job.rpt: a project opens as the document, so only the first file may be one");
  EXPECT_FALSE(Parse({"a.rpt", "b.rpt", "--ops", "selall"}, error));
  EXPECT_TRUE(kw::cli::IsProjectFile("dir.d/Job.Rpt"));
  EXPECT_FALSE(kw::cli::IsProjectFile("rpt"));
  EXPECT_FALSE(kw::cli::IsProjectFile("job.rpt.bak"));
  EXPECT_FALSE(kw::cli::IsProjectFile("jobrpt"));
}

TEST_F(ProcessCommandTest, ImportEditSaveAndLoadTheImageAgain) {
  std::string error;
  const auto image = (Folder() / "out.img").string();
  const auto dat = (Folder() / "out.txt").string();
  auto args = Parse({"sq.plt", "--ops", "selall,hb:0.05,autofb:0.05,bak,undo,redo,dasan"}, error);
  ASSERT_TRUE(args) << error;
  args->saveImage = image;
  args->saveDat = dat;
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

// The square and the segment of the fake import, boxed and weeded: the box
// and the lines are added and selected; without a box the lines are refused.
TEST_F(ProcessCommandTest, WeedingAddsTheBoxAndTheLinesOrSaysWhyNot) {
  std::string error;
  auto args = Parse({"sq.plt", "--ops", "weedbox:5,weedlines:4"}, error);
  ASSERT_TRUE(args) << error;
  kw::pathcore::CPathObj doc;
  ASSERT_TRUE(kw::cli::RunProcess(doc, *args, FakeImport, error)) << error;
  EXPECT_NEAR(doc.Xmin(), -5, 1e-4);
  EXPECT_NEAR(doc.Ymax(), 15, 1e-4);
  // Box -5..35 x -5..15: horizontal lines at y = -1, 3, 7, 11, vertical at x = -1, 3, ..., 31.
  EXPECT_GT(doc.Count(), 3 + 4 + 9);
  EXPECT_EQ(doc.SelCount(), doc.Count() - 3);
  EXPECT_EQ(doc.ObjLayer(3), 1);

  args = Parse({"sq.plt", "--ops", "selall,weedlines:4"}, error);
  ASSERT_TRUE(args) << error;
  kw::pathcore::CPathObj boxless;
  EXPECT_FALSE(kw::cli::RunProcess(boxless, *args, FakeImport, error));
  EXPECT_EQ(error.substr(0, error.find(':', 12)), "weedlines:4: no weed box");
  EXPECT_EQ(boxless.Count(), 2);
}

}  // namespace
