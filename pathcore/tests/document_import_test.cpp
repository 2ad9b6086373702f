#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "doc_test_support.h"
#include "import_test_support.h"
#include "import/dxf_field_reader.h"

namespace {

using kw::test::DxfText;
using kw::test::StoreOf;
using kw::test::TempDrawing;

struct Messages : kw::pathcore::CPathObjEvents {
  void Message(const std::string& Text) override { texts.push_back(Text); }
  std::vector<std::string> texts;
};

class DocumentImport : public kw::test::TempAppPath {
 protected:
  void SetUp() override {
    TempAppPath::SetUp();
    doc_ = std::make_unique<kw::pathcore::CPathObj>();
    doc_->SetEvents(&messages_);
  }
  void TearDown() override {
    doc_.reset();
    TempAppPath::TearDown();
  }
  kw::pathcore::CPathObj& Doc() { return *doc_; }
  std::vector<int16_t> Layers() {
    const auto& s = StoreOf(Doc());
    return {s.ObjLayer.begin() + 1, s.ObjLayer.end()};
  }

  Messages messages_;

 private:
  std::unique_ptr<kw::pathcore::CPathObj> doc_;
};

TEST_F(DocumentImport, PltUnitsBecomeMillimetresAndThePenPicksTheLayer) {
  // The pen is reset first: it carries over between scans of the process.
  const TempDrawing plt("SP0;SP1;PU0,0;PD1016,0;SP2;PU0,0;PD0,2032;PU5,5;", ".plt");
  Doc().PltInput(plt.Path(), "2");
  ASSERT_EQ(Doc().Count(), 2);  // the lone pen-up move adds nothing
  EXPECT_FLOAT_EQ(Doc().ObjLong(), 25.4f + 50.8f);
  EXPECT_EQ(Layers(), (std::vector<int16_t>{0, 1}));
  EXPECT_DOUBLE_EQ(Doc().Ymax(), 50.8f);  // bounds recomputed

  Doc().PltInput(plt.Path(), " 1.0 ");
  EXPECT_EQ(Layers(), (std::vector<int16_t>{0, 1, 1, 0}));
  EXPECT_TRUE(messages_.texts.empty());
}

TEST_F(DocumentImport, PltWithoutANumericCutPenOrFileAppendsNothing) {
  const TempDrawing plt("SP1;PU0,0;PD10,10;", ".plt");
  Doc().PltInput(plt.Path(), "");
  Doc().PltInput(plt.Path(), "pen");
  EXPECT_EQ(Doc().Count(), 0);
  EXPECT_TRUE(messages_.texts.empty());
  Doc().PltInput("/nonexistent/kw.plt", "1");
  EXPECT_EQ(Doc().Count(), 0);
  EXPECT_EQ(messages_.texts, (std::vector<std::string>{"打开失败！"}));
}

TEST_F(DocumentImport, DxfCutLayerIsMatchedExactlyAndImportsAppend) {
  const TempDrawing dxf(DxfText("AC1009", {"  0", "LINE", "  8", "CUT", " 10", "1", " 20", "2", " 11", "4", " 21", "6",
                                           "  0", "LINE", "  8", "cut", " 10", "0", " 20", "0", " 11", "1", " 21", "0"}),
                        ".dxf");
  EXPECT_EQ(Doc().DxfInput(dxf.Path(), "CUT"), 0);
  EXPECT_EQ(Layers(), (std::vector<int16_t>{1, 0}));
  EXPECT_EQ(Doc().SubCount(), 2);  // two-point paths
  EXPECT_EQ(Doc().Xmax(), 4);
  EXPECT_EQ(Doc().Ymax(), 6);
  Doc().DxfInput(dxf.Path(), "cut");
  EXPECT_EQ(Layers(), (std::vector<int16_t>{1, 0, 0, 1}));
}

TEST_F(DocumentImport, DxfRefusalAndFailuresLeaveTheDocumentAsItWas) {
  const TempDrawing refused(DxfText("AC1021", {"  0", "LINE", "  8", "0", " 10", "0", " 20", "0", " 11", "1", " 21", "1"}),
                            ".dxf");
  EXPECT_EQ(Doc().DxfInput(refused.Path(), ""), 0);
  EXPECT_EQ(Doc().Count(), 0);
  ASSERT_EQ(messages_.texts.size(), 1u);

  kw::test::Add(Doc(), {{0, 0}, {1, 1}});
  const TempDrawing truncated(
      "  9\n$ACADVER\n  1\nAC1009\nENTITIES\n  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n  0\nPOLYLINE\n  8\n0\n",
      ".dxf");
  EXPECT_EQ(Doc().DxfInput(truncated.Path(), ""), kw::pathcore::DxfFileError::kPastEnd);
  EXPECT_EQ(Doc().Count(), 1);
  EXPECT_EQ(Doc().DxfInput("/nonexistent/kw.dxf", ""), kw::pathcore::DxfFileError::kCannotOpen);
}

TEST_F(DocumentImport, OverflowingCoordinatesAreNotAppended) {
  const TempDrawing dxf(DxfText("AC1009", {"  0", "LINE", "  8", "0", " 10", "1e39", " 20", "0", " 11", "1", " 21", "1",
                                           "  0", "LINE", "  8", "0", " 10", "0", " 20", "0", " 11", "1", " 21", "1"}),
                        ".dxf");
  Doc().DxfInput(dxf.Path(), "");
  EXPECT_EQ(Doc().Count(), 1);
  EXPECT_TRUE(std::isfinite(Doc().Xmax()));
}

TEST_F(DocumentImport, AiAndDstPathsAreAlwaysOnLayerZero) {
  const TempDrawing ai("%AI5_BeginLayer\n0 0 m\n72 0 l\nf\n", ".ai");
  Doc().AiInput(ai.Path());
  std::string dst(512, ' ');
  dst += std::string("\x01\x00\x03\x01\x00\x03", 6);
  const TempDrawing dstFile(dst, ".dst");
  Doc().DstInput(dstFile.Path());
  Doc().AiInput("/nonexistent/kw.ai");
  Doc().DstInput("/nonexistent/kw.dst");
  EXPECT_EQ(Layers(), (std::vector<int16_t>{0, 0}));
  EXPECT_NEAR(Doc().ObjLong(), 25.4 + 0.1, 1e-4);
}

TEST_F(DocumentImport, LengthsSumCutPathsAndTravelOverAllObjects) {
  EXPECT_EQ(Doc().ObjLong(), 0);
  EXPECT_EQ(Doc().MoveLong(), 0);
  kw::test::Add(Doc(), {{0, 0}, {3, 4}});
  Doc().ZL();
  EXPECT_FLOAT_EQ(Doc().MoveLong(), 4);  // from (Xmin, Ymax) = (0, 4) to (0, 0)
  kw::test::Add(Doc(), {{3, 10}, {3, 20}});
  StoreOf(Doc()).ObjType[2] = kw::pathcore::kDrillPath;
  Doc().ZL();
  EXPECT_FLOAT_EQ(Doc().ObjLong(), 5);
  EXPECT_FLOAT_EQ(Doc().MoveLong(), 20 + 6);
}

}  // namespace
