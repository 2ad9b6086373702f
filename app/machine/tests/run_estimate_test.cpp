// The time estimate of a run: single moves, whole jobs, the time left, and
// the paths the estimate looks at against those the run really streams.
#include "machine/run_estimate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "run_test_setup.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

TEST(MoveSeconds, RampsUpCruisesAndRampsDownOrTurnsBackEarly) {
  // 10 -> 110 mm/s at 1000 mm/s² takes 0.1 s and 6 mm each way; 88 mm cruise at 110 mm/s.
  EXPECT_DOUBLE_EQ(kw::MoveSeconds(100, 10, 1000, 110), 1.0);
  EXPECT_DOUBLE_EQ(kw::MoveSeconds(-100, 10, 1000, 110), 1.0);
  // 4 mm: up to sqrt(10² + 1000 × 4) mm/s over the first 2 mm, the same down.
  EXPECT_NEAR(kw::MoveSeconds(4, 10, 1000, 110), 2 * (std::sqrt(4100.0) - 10) / 1000, 1e-12);
  // No ramp: no acceleration, or a speed not above the start speed.
  EXPECT_DOUBLE_EQ(kw::MoveSeconds(50, 10, 0, 100), 0.5);
  EXPECT_DOUBLE_EQ(kw::MoveSeconds(50, 100, 1000, 20), 0.5);
  EXPECT_EQ(kw::MoveSeconds(0, 10, 1000, 110), 0);
  EXPECT_GT(kw::MoveSeconds(1, 0, 0, 0), 100);  // a speed of 0 is slow, not a division by zero
}

// 100 pulses per mm, no ramps, so every move is distance ÷ speed.
class RunEstimateTest : public kw::test::RunTestSetup {
 protected:
  RunEstimateTest() {
    settings.SMin = {1, 1, 1};
    settings.Acc = {0, 0, 0};
    settings.MoveSpeed = {100, 20, 10};
    settings.BufAcc = {0, 0};
    settings.ZPos_Up = 0;
    settings.ZPosMin_Pen = settings.ZPosMax_Pen = -5;
    settings.ZPosMin_Cut = settings.ZPosMax_Cut = -10;
    kw::ComputeToolHeights(settings);
    cutLayers.Speed(0, 25);
    cutLayers.Speed(1, 50);
  }
  // A pen path from (-20, 10) to (-60, 40) mm: 50 mm.
  const std::vector<kw::PlannedPath> penPath{{{0, -2000, -6000}, {0, 1000, 4000}, 0}};
};

TEST_F(RunEstimateTest, APathIsTravelToolDownCutAndToolUpAndTheRunEndsAtTheOrigin) {
  const kw::RunEstimate e = kw::EstimateRun(penPath, settings, cutLayers, {}, {}, 40);
  ASSERT_EQ(e.pathSeconds.size(), 1u);
  // Travel X 0.2 s beside Y 0.5 s, Z down 0.5 s, cut 2 s, Z up 0.5 s.
  EXPECT_DOUBLE_EQ(e.pathSeconds[0], 0.5 + 0.5 + 2 + 0.5);
  // Back from (-60, 40): X 0.6 s beside Y 2 s.
  EXPECT_DOUBLE_EQ(e.finishSeconds, 2);
  EXPECT_DOUBLE_EQ(e.TotalSeconds(), 5.5);
  EXPECT_DOUBLE_EQ(e.axisSeconds, 0.2 + 0.5 + 0.5 + 2 + 0.5 + 0.6 + 2);
}

TEST_F(RunEstimateTest, PaperCutOffFeedsLowersTheKnifeAndCutsAcrossBeforeTheWayBack) {
  settings.WorkRect[0] = 100;
  const kw::RunEstimate e = kw::EstimateRun(penPath, settings, cutLayers, {.cutOff = true, .feed = 10}, {}, 40);
  // X 60 mm to 0 (0.6 s) beside Y 10 mm of feed (0.5 s); knife down 10 mm (1 s); 100 mm across at
  // layer 1's 50 mm/s (2 s); knife up (1 s); back from (-100, 50): Y 2.5 s.
  EXPECT_DOUBLE_EQ(e.finishSeconds, 0.6 + 1 + 2 + 1 + 2.5);
}

TEST_F(RunEstimateTest, TheLayerChoosesToolHeightAndRampOfTheCut) {
  settings.TSMin = {10, 20};
  settings.BufAcc = {500, 800};
  settings.ZPosMin_HalfCut = settings.ZPosMax_HalfCut = -3;
  kw::ComputeToolHeights(settings);
  cutLayers.Speed(2, 40);
  cutLayers.Speed(5, 60);
  const std::vector<int32_t> X{0, 0, -5000}, Y{0, 0, 0};  // 50 mm along X from the origin
  for (int16_t layer : {0, 1, 2, 5}) {
    SCOPED_TRACE(layer);
    const kw::RunEstimate e = kw::EstimateRun({{X, Y, layer}}, settings, cutLayers, {}, {}, 0);
    const double zDown[] = {0.5, 1, 0.3, 0}, zUp[] = {0.5, 1, 0.3, 0};
    const int i = layer == 5 ? 3 : layer;
    const double cut = layer == 0   ? kw::MoveSeconds(50, 10, 500, 25)
                       : layer == 5 ? 50.0 / 60  // no batch values for other layers: no ramp
                                    : kw::MoveSeconds(50, 20, 800, cutLayers.Speed(layer));
    EXPECT_NEAR(e.pathSeconds[0], zDown[i] + cut + zUp[i], 1e-12);
  }
}

// The controller ramps every streamed line up from the start speed and down
// to it again, so a path's corners cost time: a 10 mm square is four ramps,
// not one ramp over 40 mm.
TEST_F(RunEstimateTest, EveryLineOfACutIsItsOwnRamp) {
  settings.TSMin = {10, 20};
  settings.BufAcc = {500, 800};
  const std::vector<int32_t> X{0, 0, -1000, -1000, 0, 0}, Y{0, 0, 0, 1000, 1000, 0};
  const kw::RunEstimate e = kw::EstimateRun({{X, Y, 0}}, settings, cutLayers, {}, {}, 0);
  const double zDownAndUp = 0.5 + 0.5;
  EXPECT_NEAR(e.pathSeconds[0], zDownAndUp + 4 * kw::MoveSeconds(10, 10, 500, 25), 1e-12);
  EXPECT_GT(4 * kw::MoveSeconds(10, 10, 500, 25), kw::MoveSeconds(40, 10, 500, 25) + 0.05);
}

// A run resumed from a later path goes straight from where the head is to
// that path; the paths before it take no time, so the time left still counts
// down by path number.
TEST_F(RunEstimateTest, AResumedRunCountsFromItsFirstPath) {
  const kw::PlannedPath second{{0, -1000, -2000}, {0, 1000, 1000}, 0};
  const kw::RunEstimate full = kw::EstimateRun({penPath[0], second}, settings, cutLayers, {}, {}, 40);
  const kw::RunEstimate resumed =
      kw::EstimateRun({penPath[0], second}, settings, cutLayers, {.fromPath = 2}, {}, 40);
  const kw::RunEstimate alone = kw::EstimateRun({second}, settings, cutLayers, {}, {}, 40);
  ASSERT_EQ(resumed.pathSeconds.size(), 2u);
  EXPECT_EQ(resumed.pathSeconds[0], 0);
  EXPECT_DOUBLE_EQ(resumed.pathSeconds[1], alone.pathSeconds[0]);
  EXPECT_DOUBLE_EQ(resumed.TotalSeconds(), alone.TotalSeconds());
  EXPECT_LT(resumed.TotalSeconds(), full.TotalSeconds());
  EXPECT_DOUBLE_EQ(resumed.SecondsLeft(1, 0), resumed.TotalSeconds());
  // Before the first progress report the clock already runs down the first path cut.
  EXPECT_DOUBLE_EQ(resumed.SecondsLeft(0, 0.25), resumed.TotalSeconds() - 0.25);
}

TEST(RunEstimateLeft, CountsDownThroughThePathInHandAndNeverBelowTheRest) {
  kw::RunEstimate e;
  e.pathSeconds = {3, 2};
  e.finishSeconds = 1;
  EXPECT_DOUBLE_EQ(e.TotalSeconds(), 6);
  EXPECT_DOUBLE_EQ(e.SecondsLeft(0, 1), 5);
  EXPECT_DOUBLE_EQ(e.SecondsLeft(0, 10), 3);  // a path taking longer than estimated
  EXPECT_DOUBLE_EQ(e.SecondsLeft(1, 0), 3);
  EXPECT_DOUBLE_EQ(e.SecondsLeft(2, 0.25), 0.75);
  EXPECT_DOUBLE_EQ(e.SecondsLeft(2, 5), 0);
  EXPECT_DOUBLE_EQ(e.SecondsLeft(7, 0), 1);
  EXPECT_DOUBLE_EQ(e.SecondsLeft(0, -1), 6);
}

Points PointsOf(const kw::PlannedPath& p) {
  Points points;
  for (size_t i = 1; i < p.X.size(); ++i) points.emplace_back(p.X[i], p.Y[i]);
  return points;
}

class PlannedPathsTest : public kw::test::RunTestSetup {
 protected:
  PlannedPathsTest() {
    auto add = [this](std::vector<float> X, std::vector<float> Y, int16_t layer) { doc.AddPath(X, Y, layer); };
    add({0, -50, -30, -30, -50, -50}, {0, 10, 10, 30, 30, 10}, 0);  // closed: overcut by ProLong
    add({0, -10, -10, -10}, {0, 5, 5, 5}, 0);                        // one place: no motion
    add({0, -80, -60, -60}, {0, 40, 40, 60}, 1);                     // the knife, after a lead stroke
    doc.ZL();
    cutLayers.ProLong(0, 2);
  }
  kw::pathcore::CPathObj doc;
};

TEST_F(PlannedPathsTest, AreThePathsTheRunStreamsAndLeaveTheDocumentAsItWas) {
  const int16_t version = doc.VerNumber();
  const std::vector<kw::PlannedPath> planned = kw::PlannedPaths(doc, settings, cutLayers, layerMap, false);
  EXPECT_EQ(doc.VerNumber(), version);
  kw::JobRun run(fake, ydkz, settings, cutLayers, layerMap, host);
  const kw::RunSummary summary = run.Run(doc, {});
  ASSERT_EQ(planned.size(), 3u);  // pen path, lead stroke, knife path
  ASSERT_EQ(fake.batches.size(), planned.size());
  for (size_t i = 0; i < planned.size(); ++i) EXPECT_EQ(PointsOf(planned[i]), fake.batches[i]) << i;
  EXPECT_EQ(planned[0].layer, 0);
  EXPECT_EQ(planned[2].layer, 1);
  EXPECT_EQ(PointsOf(planned[0]).size(), 6u);  // one more point: 2 mm along the first side again
  EXPECT_EQ(summary.pathsRun, 3);
}

TEST_F(PlannedPathsTest, ASelectionRunPlansOnlyTheSelectedPaths) {
  doc.PointSel(-70, 40, 0.5);
  doc.ZLSelLmt();
  const std::vector<kw::PlannedPath> planned = kw::PlannedPaths(doc, settings, cutLayers, layerMap, true);
  ASSERT_EQ(planned.size(), 2u);  // the lead stroke goes with the first tool layer
  EXPECT_EQ(planned[1].layer, 1);
  EXPECT_EQ(doc.SelCount(), 1);
}

}  // namespace
