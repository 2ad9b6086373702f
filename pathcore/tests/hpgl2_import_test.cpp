// HP-GL/2 drawings of our own through the document: their paths in
// millimetres on the cut pen's layer, the second reading of PLT files the PLT
// scanner takes nothing from, and the corpus read at least as fully as the
// PLT scanner reads it.
#include <gtest/gtest.h>

#include <vector>

#include "doc_test_support.h"
#include "dxf_independent_count.h"  // FilesIn
#include "testsupport/test_drawings.h"

namespace {

using kw::test::OwnDrawing;
using kw::test::PointsOf;
using kw::test::StoreOf;
using Points = std::vector<std::pair<float, float>>;

class Hpgl2Import : public kw::test::ImportedDocument {
 protected:
  // The KiCad plot: a two-segment line and a circle of radius 0.5 mm about (1.25, 0) mm.
  void ExpectTheKiCadPlot() {
    ASSERT_EQ(doc_.Count(), 2);
    EXPECT_EQ(PointsOf(StoreOf(doc_), 1), (Points{{2.5f, 2.5f}, {12.5f, 2.5f}, {12.5f, 12.5f}}));
    const Points circle = PointsOf(StoreOf(doc_), 2);
    ASSERT_EQ(circle.size(), 73u);
    EXPECT_EQ(circle.front(), circle.back());
    EXPECT_EQ(circle.front(), (std::pair{1.75f, 0.0f}));
    EXPECT_EQ(Layers(), (std::vector<int16_t>{1, 1}));
    EXPECT_NEAR(doc_.Ymax(), 12.5, 1e-5);
    EXPECT_NEAR(doc_.Ymin(), -0.5, 1e-5);
    EXPECT_TRUE(messages_.texts.empty());
  }

};

TEST_F(Hpgl2Import, TheKiCadPlotGivesALineAndAClosedCircle) {
  EXPECT_EQ(doc_.Hpgl2Input(OwnDrawing("hpgl/kicad.hpgl"), "1"), 0);
  ExpectTheKiCadPlot();
}

TEST_F(Hpgl2Import, APltFileThePltScannerTakesNothingFromIsReadAgain) {
  bool again = false;
  EXPECT_EQ(doc_.PltInputOrHpgl2(OwnDrawing("hpgl/kicad.plt"), "1", again), 0);
  EXPECT_TRUE(again);
  ExpectTheKiCadPlot();
}

TEST_F(Hpgl2Import, APltFileThePltScannerReadsKeepsItsResult) {
  kw::pathcore::CPathObj plain;
  plain.PltInput(OwnDrawing("plt/pens.plt"), "1");
  bool again = true;
  doc_.PltInputOrHpgl2(OwnDrawing("plt/pens.plt"), "1", again);
  EXPECT_FALSE(again);
  ASSERT_EQ(doc_.Count(), plain.Count());
  for (int32_t k = 1; k <= doc_.Count(); ++k) EXPECT_EQ(PointsOf(StoreOf(doc_), k), PointsOf(StoreOf(plain), k));
  // An unopenable file is reported once, and not read again.
  doc_.PltInputOrHpgl2("/nonexistent/kw.plt", "1", again);
  EXPECT_FALSE(again);
  EXPECT_EQ(messages_.texts.size(), 1u);
}

TEST_F(Hpgl2Import, PensGoToLayersAsInThePltImport) {
  // Inside a PCL job: a 10 mm square with pen 1, a scaled 10 mm square at 50 mm with pen 2, a label.
  EXPECT_EQ(doc_.Hpgl2Input(OwnDrawing("hpgl/wrapped.hp2"), " 2 "), 0);
  ASSERT_EQ(doc_.Count(), 2);
  EXPECT_EQ(PointsOf(StoreOf(doc_), 1), (Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}));
  EXPECT_EQ(PointsOf(StoreOf(doc_), 2), (Points{{50, 50}, {60, 50}, {60, 60}, {50, 60}, {50, 50}}));
  EXPECT_EQ(Layers(), (std::vector<int16_t>{0, 1}));
  // A cut pen that is no number places no path.
  doc_.Hpgl2Input(OwnDrawing("hpgl/wrapped.hp2"), "pen");
  EXPECT_EQ(doc_.Count(), 2);
  EXPECT_EQ(doc_.Hpgl2Input("/nonexistent/kw.hpgl", "1"), -1);
  EXPECT_EQ(messages_.texts.size(), 1u);
}

TEST_F(Hpgl2Import, CorpusHpglFilesGiveAtLeastThePltScannersPaths) {
  KW_SKIP_WITHOUT_CORPUS();
  int32_t files = 0;
  for (const auto& file : kw::test::FilesIn(kw::test::CorpusDir() / "plt")) {
    const std::string ext = file.extension().string();
    if (ext != ".hpgl" && ext != ".hpg") continue;
    ++files;
    kw::pathcore::CPathObj scanned, read;
    scanned.PltInput(file.string(), "1");
    EXPECT_EQ(read.Hpgl2Input(file.string(), "1"), 0);
    EXPECT_GE(read.Count(), scanned.Count()) << file;
    for (int32_t k = 1; k <= read.Count(); ++k) ASSERT_GE(StoreOf(read).PointCountOf(k), 2) << file;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
