#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "hpglscan/c_plt.h"

namespace {

struct Polyline {
  int32_t sp = 0;
  std::vector<int32_t> x, y;
  bool operator==(const Polyline&) const = default;
};

// Records every event with the points fetched inside it.
class Recorder : public kw::hpglscan::CPltEvents {
 public:
  explicit Recorder(kw::hpglscan::CPlt& plt) : plt_(plt) {}
  void OutPolyline(int32_t Count, int32_t SP) override {
    Polyline p{SP, std::vector<int32_t>(Count), std::vector<int32_t>(Count)};
    plt_.GetXYData(p.x, p.y);
    lines.push_back(p);
  }
  std::vector<Polyline> lines;

 private:
  kw::hpglscan::CPlt& plt_;
};

class PltScan : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(path_); }

  std::vector<Polyline> Scan(const std::string& text, int32_t* res = nullptr) {
    std::ofstream(path_, std::ios::binary) << text;
    kw::hpglscan::CPlt plt;
    Recorder rec(plt);
    plt.Connect(&rec);
    int32_t r = 0;
    plt.OpenFile(path_.string(), r);
    if (res) *res = r;
    return rec.lines;
  }
  // Leaves the process-wide pen at 0 so each case starts from the same pen.
  void ResetPen() { Scan("SP0;"); }

  std::filesystem::path path_ =
      std::filesystem::temp_directory_path() / ("kw_plt_" + std::to_string(::getpid()) + ".plt");
};

TEST_F(PltScan, PenUpThenPenDownListGivesOnePolyline) {
  const auto lines = Scan("IN;SP1;PU100,200;PD300,200,300,400;PU;");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (Polyline{1, {100, 300, 300}, {200, 200, 400}}));
}

TEST_F(PltScan, PenChangeSplitsButReselectingTheSamePenDoesNot) {
  auto lines = Scan("SP1;PU0,0;PD10,0;SP2;PD20,0;");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (Polyline{1, {0, 10}, {0, 0}}));
  EXPECT_EQ(lines[1], (Polyline{2, {20}, {0}}));

  lines = Scan("SP1;PD10,10;SP1;PD20,20;");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (Polyline{1, {10, 20}, {10, 20}}));
}

TEST_F(PltScan, AbsoluteMovesFollowThePenState) {
  ResetPen();
  const auto lines = Scan("PU0,0;PA5,5;PD;PA9,9;");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (Polyline{0, {5, 9}, {5, 9}}));
}

TEST_F(PltScan, SeparatorsDecideWhereAListEnds) {
  ResetPen();
  EXPECT_EQ(Scan("PD10,10 20,20;"), (std::vector<Polyline>{{0, {10}, {10}}}));
  EXPECT_EQ(Scan("PD10,10 ,20,20;"), (std::vector<Polyline>{{0, {10, 20}, {10, 20}}}));
  EXPECT_EQ(Scan("PD10,10,\r\n20,20;"), (std::vector<Polyline>{{0, {10}, {10}}}));
  EXPECT_EQ(Scan("PD10.5,20;"), (std::vector<Polyline>{{0, {10}, {5}}}));
  // A letter right after x ends the command and acts itself.
  EXPECT_EQ(Scan("PD1,1,7U;PD2,2;"), (std::vector<Polyline>{{0, {1}, {1}}, {0, {2}, {2}}}));
}

TEST_F(PltScan, FileEndingInsideACommandEndsNormally) {
  ResetPen();
  EXPECT_EQ(Scan("PU5,5;PD6,6;PU"), (std::vector<Polyline>{{0, {5, 6}, {5, 6}}}));
  EXPECT_EQ(Scan("PU5,5;PD6,6;PD"), (std::vector<Polyline>{{0, {5, 6}, {5, 6}}}));
  EXPECT_EQ(Scan("PU5,5;PA7,8"), (std::vector<Polyline>{{0, {7}, {8}}}));
  EXPECT_EQ(Scan("PD5,5,6"), (std::vector<Polyline>{{0, {5}, {5}}}));
  EXPECT_TRUE(Scan("").empty());
}

TEST_F(PltScan, LowerCaseAndOtherCommandsProduceNothing) {
  ResetPen();
  EXPECT_TRUE(Scan("in;pu0,0;pd10,10;").empty());
  EXPECT_TRUE(Scan("IN;IP0,0,4000,4000;SC0,100,0,100;LT;VS10;").empty());
}

TEST_F(PltScan, PenCarriesOverToTheNextScanAndMayBeNegative) {
  Scan("SP4;");
  EXPECT_EQ(Scan("PU1,1;PD2,2;"), (std::vector<Polyline>{{4, {1, 2}, {1, 2}}}));
  EXPECT_EQ(Scan("SP-3;PD1,1;"), (std::vector<Polyline>{{-3, {1}, {1}}}));
  ResetPen();
}

TEST_F(PltScan, MissingFileSetsResAndRaisesNothing) {
  kw::hpglscan::CPlt plt;
  Recorder rec(plt);
  plt.Connect(&rec);
  int32_t res = 0;
  plt.OpenFile("/nonexistent/kw.plt", res);
  EXPECT_EQ(res, -1);
  plt.OpenFile(std::filesystem::temp_directory_path().string(), res = 0);
  EXPECT_EQ(res, -1);
  EXPECT_TRUE(rec.lines.empty());
}

TEST_F(PltScan, OverflowingCoordinatesWrapIn32Bits) {
  ResetPen();
  const auto lines = Scan("PD4294967297,-2147483649;");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (Polyline{0, {1}, {2147483647}}));
}

TEST_F(PltScan, JunkAndHugeLinesAreReadPast) {
  ResetPen();
  std::string junk(3'000'000, '7');
  for (size_t i = 0; i < junk.size(); i += 101) junk[i] = static_cast<char>(i % 256);
  const auto lines = Scan("PU1,1;PD2,2;" + junk + "PU;PD");
  ASSERT_GE(lines.size(), 1u);
  EXPECT_EQ(lines[0], (Polyline{0, {1, 2}, {1, 2}}));
}

// Every sink sees each event in connection order; GetXYData respects the room.
class Counter : public kw::hpglscan::CPltEvents {
 public:
  Counter(kw::hpglscan::CPlt& plt, std::vector<int>& order, int id) : plt_(plt), order_(order), id_(id) {}
  void OutPolyline(int32_t Count, int32_t) override {
    order_.push_back(id_);
    std::vector<int32_t> x(1, -7), y(1, -7);  // room for one point only
    plt_.GetXYData(x, y);
    first = x[0];
    EXPECT_EQ(Count, 3);
  }
  int32_t first = 0;

 private:
  kw::hpglscan::CPlt& plt_;
  std::vector<int>& order_;
  int id_;
};

TEST_F(PltScan, SinksRunInConnectionOrderAndRoomIsChecked) {
  std::ofstream(path_, std::ios::binary) << "PU9,9;PD1,1,2,2;";
  kw::hpglscan::CPlt plt;
  std::vector<int> order;
  Counter a(plt, order, 1), b(plt, order, 2);
  plt.Connect(&b);
  plt.Connect(&a);
  plt.Connect(&b);
  int32_t res = 0;
  plt.OpenFile(path_.string(), res);
  EXPECT_EQ(order, (std::vector<int>{2, 1}));
  EXPECT_EQ(a.first, 9);

  std::vector<int32_t> x(4, -1), y(4, -1);
  plt.GetXYData(x, y);  // outside an event nothing is pending
  EXPECT_EQ(x, (std::vector<int32_t>(4, -1)));
}

// The pending polyline is shared by the process, so a scan started from inside
// an event is refused instead of corrupting the running one.
class Reentrant : public kw::hpglscan::CPltEvents {
 public:
  Reentrant(kw::hpglscan::CPlt& plt, std::string path) : plt_(plt), path_(std::move(path)) {}
  void OutPolyline(int32_t Count, int32_t) override {
    plt_.OpenFile(path_, innerRes);
    std::vector<int32_t> x(Count), y(Count);
    plt_.GetXYData(x, y);
    xs.push_back(x);
  }
  int32_t innerRes = 0;
  std::vector<std::vector<int32_t>> xs;

 private:
  kw::hpglscan::CPlt& plt_;
  std::string path_;
};

TEST_F(PltScan, ScanFromInsideAnEventIsRefused) {
  std::ofstream(path_, std::ios::binary) << "PU1,1;PD2,2;PU3,3;PD4,4;";
  kw::hpglscan::CPlt plt;
  Reentrant sink(plt, path_.string());
  plt.Connect(&sink);
  int32_t res = 0;
  plt.OpenFile(path_.string(), res);
  EXPECT_EQ(res, 0);
  EXPECT_EQ(sink.innerRes, -1);
  EXPECT_EQ(sink.xs, (std::vector<std::vector<int32_t>>{{1, 2}, {3, 4}}));
}

}  // namespace
