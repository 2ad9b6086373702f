// Into the document: every path on the cut layer; a file that is no SVG is
// refused and adds nothing; the corpus's SVG files read without a fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "pathcore/path_obj.h"
#include "svg_test_support.h"

namespace {

using kw::pathcore::CPathObj;

TEST(SvgInput, PathsJoinTheDocumentOnTheCutLayer) {
  CPathObj doc;
  std::string error;
  ASSERT_TRUE(kw::svgimport::SvgInput(doc, kw::test::OwnDrawing("svg/transforms.svg"), error)) << error;
  ASSERT_EQ(doc.Count(), 3);
  for (int32_t k = 1; k <= doc.Count(); ++k) EXPECT_EQ(doc.ObjLayer(k), 1);
  EXPECT_NEAR(doc.Xmin(), 5, 1e-3);
  EXPECT_NEAR(doc.Xmax(), 40, 1e-3);
  EXPECT_NEAR(doc.Ymin(), 5, 1e-3);
  EXPECT_NEAR(doc.Ymax(), 30, 1e-3);
}

TEST(SvgInput, FileThatIsNoSvgIsRefusedAndAddsNothing) {
  CPathObj doc;
  std::string error;
  ASSERT_TRUE(kw::svgimport::SvgInput(doc, kw::test::OwnDrawing("svg/line.svg"), error));
  for (const char* name : {"svg/not_svg.svg", "text/not_a_drawing.txt", "dxf/line_r14.dxf"}) {
    SCOPED_TRACE(name);
    error.clear();
    EXPECT_FALSE(kw::svgimport::SvgInput(doc, kw::test::OwnDrawing(name), error));
    EXPECT_NE(error.find("not an SVG"), std::string::npos) << error;
    EXPECT_EQ(doc.Count(), 1);
  }
  EXPECT_FALSE(kw::svgimport::SvgInput(doc, kw::test::OwnDrawing("svg/no-such-file.svg"), error));
  EXPECT_EQ(error, "cannot be read");
}

TEST(SvgInput, GzippedFileIsRefusedRatherThanMisplaced) {
  const auto file = std::filesystem::temp_directory_path() / "kw_svgimport_gzipped.svg";
  std::ofstream(file, std::ios::binary) << "\x1f\x8b\x08" << std::string(20, '\0');
  CPathObj doc;
  std::string error;
  EXPECT_FALSE(kw::svgimport::SvgInput(doc, file.string(), error));
  EXPECT_NE(error.find("svgz"), std::string::npos) << error;
  EXPECT_EQ(doc.Count(), 0);
  std::filesystem::remove(file);
}

// Text scaled to a thousand kilometres, then 28,000 curves of 150 chords each:
// both refused rather than cut into millions of chords, and nothing added.
TEST(SvgInput, DrawingsFarTooLargeToCutAreRefused) {
  const auto file = std::filesystem::temp_directory_path() / "kw_svgimport_far_too_large.svg";
  const std::string head = R"(<svg xmlns="http://www.w3.org/2000/svg" width="60mm" height="40mm" viewBox="0 0 60 40">)";
  // Spread over 28 paths: a single path this long was not read whole.
  std::string manyCurves;
  for (int path = 0; path < 28; ++path) {
    manyCurves += R"(<path fill="none" stroke="black" d=")";
    for (int i = 0; i < 1'000; ++i) manyCurves += " M0,0 C100,300 200,300 300,0";
    manyCurves += R"("/>)";
  }
  const std::pair<std::string, std::string> cases[] = {
      {R"x(<text transform="scale(1e9)" font-size="20" fill="black">SSSS</text>)x", "over a kilometre"},
      {manyCurves, "points once its curves"}};
  for (const auto& [body, reason] : cases) {
    std::ofstream(file) << head << body << "</svg>";
    CPathObj doc;
    std::string error;
    EXPECT_FALSE(kw::svgimport::SvgInput(doc, file.string(), error));
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    EXPECT_EQ(doc.Count(), 0);
  }
  std::filesystem::remove(file);
}

// A path is cut short once the budget is spent, and the reader must then
// refuse the drawing: a lone point left at the cut still counts, so a second
// piece is never silently dropped.
TEST(SvgInput, APathPastThePointBudgetIsRefusedNotCutShort) {
  const auto file = std::filesystem::temp_directory_path() / "kw_svgimport_budget.svg";
  std::ofstream(file) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="20mm" height="20mm" viewBox="0 0 20 20">)"
                      << R"(<path fill="none" stroke="black" d="M0,0 L10,0 M5,5 L6,6"/></svg>)";
  std::vector<kw::svgimport::Polyline> paths;
  std::string error;
  EXPECT_FALSE(kw::svgimport::ReadSvg(file.string(), paths, error, 2));
  EXPECT_NE(error.find("over 2 points"), std::string::npos) << error;
  EXPECT_FALSE(kw::svgimport::ReadSvg(file.string(), paths, error, 3));
  ASSERT_TRUE(kw::svgimport::ReadSvg(file.string(), paths, error, 4)) << error;
  EXPECT_EQ(paths.size(), 2u);
  std::filesystem::remove(file);
}

// A page height past the range of doubles is no height, and a circle under
// transforms that overflow has no size: neither may reach the chord counts.
TEST(SvgInput, OverflowingSizesAndTransformsGiveOnlyFinitePoints) {
  const auto file = std::filesystem::temp_directory_path() / "kw_svgimport_overflow.svg";
  const char* const drawings[] = {
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="60mm" height="1e3840mm" viewBox="0 0 60 40">)"
      R"(<circle cx="30" cy="20" r="10" fill="none" stroke="black"/></svg>)",
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="60mm" height="40mm" viewBox="0 0 60 40">)"
      R"x(<g transform="scale(1e200)"><g transform="scale(1e200)">)x"
      R"(<circle cx="1" cy="1" r="1" fill="none" stroke="black"/></g></g></svg>)"};
  for (const char* drawing : drawings) {
    std::ofstream(file) << drawing;
    std::vector<kw::svgimport::Polyline> paths;
    std::string error;
    kw::svgimport::ReadSvg(file.string(), paths, error);
    for (const auto& line : paths)
      for (const auto& p : line) ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << drawing;
  }
  std::filesystem::remove(file);
}

TEST(SvgCorpus, EverySvgFileReadsWithoutAFault) {
  KW_SKIP_WITHOUT_CORPUS();
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kw::test::CorpusDir())) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (!entry.is_regular_file() || ext != ".svg") continue;
    SCOPED_TRACE(entry.path().string());
    CPathObj doc;
    std::string error;
    if (kw::svgimport::SvgInput(doc, entry.path().string(), error)) {
      EXPECT_TRUE(std::isfinite(doc.Xmin()) && std::isfinite(doc.Ymax()));
    } else {
      EXPECT_EQ(doc.Count(), 0);
    }
    ++files;
  }
  if (files == 0) GTEST_SKIP() << "the corpus holds no SVG file";
}

}  // namespace
