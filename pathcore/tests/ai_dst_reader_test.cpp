#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "import_test_support.h"
#include "import/ai.h"
#include "import/dst.h"

namespace {

using kw::test::TempDrawing;

struct AiRecorder : kw::pathcore::CAiEvents {
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, int16_t Layer) override {
    EXPECT_EQ(Layer, 0);
    xs.push_back(X);
    ys.push_back(Y);
  }
  std::vector<std::vector<double>> xs, ys;
};

AiRecorder ReadAi(const std::string& text, int16_t* result = nullptr) {
  const TempDrawing file(text, ".ai");
  AiRecorder rec;
  kw::pathcore::CAi ai;
  ai.SetEvents(&rec);
  const int16_t r = ai.AiInput(file.Path());
  if (result) *result = r;
  return rec;
}

TEST(AiReader, FilledPathInsideALayerInMillimetres) {
  const auto rec = ReadAi("%AI5_BeginLayer\r\n100 200 m\r\n200 200 l\r\n200 300 L\r\ns\r\n%AI5_EndLayer--\r\n");
  ASSERT_EQ(rec.xs.size(), 1u);
  ASSERT_EQ(rec.xs[0].size(), 3u);
  EXPECT_DOUBLE_EQ(rec.xs[0][0], 35.2778483334722);
  EXPECT_DOUBLE_EQ(rec.ys[0][0], 70.5556966669444);
  EXPECT_DOUBLE_EQ(rec.ys[0][2], 300 * kw::pathcore::CAi::kMmPerPoint);
}

TEST(AiReader, OnlyClosingPaintInsideLayersRaisesAPath) {
  EXPECT_TRUE(ReadAi("%AI5_BeginLayer\n0 0 m\n10 0 l\nS\n%AI5_EndLayer--\n").xs.empty());
  EXPECT_TRUE(ReadAi("0 0 m\n10 0 l\ns\n%AI5_BeginLayer\n%AI5_EndLayer--\n").xs.empty());
  EXPECT_TRUE(ReadAi("%AI5_BeginLayer\n%AI5_EndLayer--\n0 0 m\n10 0 l\nf\n").xs.empty());
  // Lines may end in CR alone or LF alone too.
  EXPECT_EQ(ReadAi("%AI5_BeginLayer\r0 0 m\r10 0 l\rf\r").xs.size(), 1u);
}

TEST(AiReader, CurvesAreFlattenedToTheirEndPoint) {
  // A control polygon on a straight line adds only its end point.
  auto rec = ReadAi("%AI5_BeginLayer\n0 0 m\n10 0 20 0 30 0 c\ns\n");
  ASSERT_EQ(rec.xs.size(), 1u);
  EXPECT_EQ(rec.xs[0].size(), 2u);
  // A real bend is split until each piece is flat; all points lie on the curve side.
  rec = ReadAi("%AI5_BeginLayer\n0 0 m\n0 100 100 100 100 0 C\ns\n");
  ASSERT_EQ(rec.xs.size(), 1u);
  EXPECT_GT(rec.xs[0].size(), 10u);
  EXPECT_DOUBLE_EQ(rec.xs[0].back(), 100 * kw::pathcore::CAi::kMmPerPoint);
  for (double y : rec.ys[0]) EXPECT_GE(y, 0);
}

TEST(AiReader, FieldsMissingFilesAndJunk) {
  EXPECT_EQ(kw::pathcore::AiField("1.5 -2 x7 m", 1), 1.5);
  EXPECT_EQ(kw::pathcore::AiField("1.5 -2 x7 m", 2), -2);
  EXPECT_EQ(kw::pathcore::AiField("1.5 -2 x7 m", 3), 0);
  EXPECT_EQ(kw::pathcore::AiField("1.5 m", 5), 0);
  int16_t result = 0;
  ReadAi("", &result);
  EXPECT_EQ(result, 0);
  kw::pathcore::CAi ai;
  EXPECT_EQ(ai.AiInput("/nonexistent/kw.ai"), -1);
  std::string junk = "%AI5_BeginLayer\n" + std::string(3'000'000, '9') + " m\n";
  for (int i = 0; i < 100000; ++i) junk += static_cast<char>(i % 256);
  junk += "\n1e999 1e999 l\n0 0 1e300 1e300 -1e300 5 c\ns\n";
  EXPECT_LE(ReadAi(junk).xs.size(), 1u);
}

struct DstRecorder : kw::pathcore::CDstEvents {
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y) override {
    xs.emplace_back(X.begin() + 1, X.end());
    ys.emplace_back(Y.begin() + 1, Y.end());
  }
  void OutEnd() override { ++ends; }
  std::vector<std::vector<double>> xs, ys;
  int ends = 0;
};

std::string DstFile(const std::vector<std::array<uint8_t, 3>>& records, const std::string& tail = "") {
  std::string bytes(512, '\x7f');  // the header is never read
  for (const auto& r : records) bytes.append(reinterpret_cast<const char*>(r.data()), 3);
  return bytes + tail;
}

constexpr std::array<uint8_t, 3> kStitchX1{0x01, 0x00, 0x03};
constexpr std::array<uint8_t, 3> kStitchY1{0x80, 0x00, 0x03};
constexpr std::array<uint8_t, 3> kJumpX9{0x04, 0x00, 0x83};

DstRecorder ReadDst(const std::string& bytes) {
  const TempDrawing file(bytes, ".dst");
  DstRecorder rec;
  kw::pathcore::CDst dst;
  dst.SetEvents(&rec);
  EXPECT_EQ(dst.DstInput(file.Path()), 0);
  return rec;
}

TEST(DstReader, JumpsSplitStitchRuns) {
  const auto rec = ReadDst(DstFile({kStitchX1, kStitchX1, kJumpX9, kStitchY1, kStitchY1}));
  ASSERT_EQ(rec.xs.size(), 2u);
  EXPECT_EQ(rec.xs[0], (std::vector<double>{0.1, 0.2}));
  EXPECT_EQ(rec.ys[0], (std::vector<double>{0, 0}));
  ASSERT_EQ(rec.xs[1].size(), 2u);
  EXPECT_DOUBLE_EQ(rec.xs[1][0], 1.1);
  EXPECT_DOUBLE_EQ(rec.ys[1][0], 0.1);
  EXPECT_DOUBLE_EQ(rec.ys[1][1], 0.2);
  EXPECT_EQ(rec.ends, 1);
}

TEST(DstReader, IsolatedStitchesShortFilesAndCutRecordsGiveNothingExtra) {
  EXPECT_TRUE(ReadDst(DstFile({kStitchX1, kJumpX9, kStitchX1, kJumpX9, kStitchX1})).xs.empty());
  EXPECT_TRUE(ReadDst("short").xs.empty());
  // A record cut short by the end of the file is ignored.
  const auto rec = ReadDst(DstFile({kStitchX1, kStitchX1}, std::string("\x01\x00", 2)));
  ASSERT_EQ(rec.xs.size(), 1u);
  EXPECT_EQ(rec.xs[0].size(), 2u);
  kw::pathcore::CDst dst;
  EXPECT_EQ(dst.DstInput("/nonexistent/kw.dst"), -1);
}

TEST(DstReader, RecordBitsFollowTheTajimaTable) {
  int32_t dx = 0, dy = 0;
  kw::pathcore::DstRecordMove(0xFF, 0x00, 0x00, dx, dy);
  EXPECT_EQ(std::pair(dx, dy), std::pair(0, 0));
  kw::pathcore::DstRecordMove(0x05, 0x04, 0x04, dx, dy);
  EXPECT_EQ(std::pair(dx, dy), std::pair(1 + 9 + 27 + 81, 0));
  kw::pathcore::DstRecordMove(0x50, 0x50, 0x10, dx, dy);
  EXPECT_EQ(std::pair(dx, dy), std::pair(0, -1 - 9 - 3 - 27 - 81));
  kw::pathcore::DstRecordMove(0x00, 0xA0, 0x20, dx, dy);
  EXPECT_EQ(std::pair(dx, dy), std::pair(0, 3 + 27 + 81));
}

}  // namespace
