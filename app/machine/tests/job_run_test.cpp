#include "machine/job_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "run_test_setup.h"

namespace {

using Calls = std::vector<std::string>;
using Points = std::vector<std::pair<int, int>>;

void AddPath(kw::pathcore::CPathObj& doc, const std::vector<std::pair<float, float>>& points, int16_t layer = 0) {
  std::vector<float> X{0}, Y{0};
  for (const auto& [x, y] : points) X.push_back(x), Y.push_back(y);
  doc.AddPath(X, Y, layer);
  doc.ZL();
}

class JobRunTest : public kw::test::RunTestSetup {
 protected:
  kw::pathcore::CPathObj doc;
  kw::JobRun run{fake, ydkz, settings, cutLayers, layerMap, host};

  // The recorded calls after the last one equal to call.
  Calls CallsAfterLast(const std::string& call) const {
    const auto it = std::find(fake.calls.rbegin(), fake.calls.rend(), call);
    return Calls(it.base(), fake.calls.end());
  }
  bool HeadAtOrigin() const { return fake.positions[0] == 0 && fake.positions[1] == 0 && fake.positions[3] == 0; }
};

TEST_F(JobRunTest, RunsEveryPathSkipsCoincidentOnesAndReturnsToOrigin) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  AddPath(doc, {{-10, 5}, {-10, 5}, {-10, 5}});
  AddPath(doc, {{-30, 20}, {-30, 30}, {-20, 30}});
  const kw::RunSummary summary = run.Run(doc, {});
  EXPECT_TRUE(summary.started);
  EXPECT_FALSE(summary.stopped);
  EXPECT_EQ(summary.pathsRun, 2);
  EXPECT_EQ(summary.pathsSkipped, 1);
  EXPECT_DOUBLE_EQ(summary.cutLength, 30);
  EXPECT_TRUE(summary.messageKeys.empty());
  EXPECT_EQ(fake.batches, (std::vector<Points>{{{-5000, 1000}, {-4000, 1000}},
                                               {{-3000, 2000}, {-3000, 3000}, {-2000, 3000}}}));
  EXPECT_TRUE(HeadAtOrigin());
  ASSERT_EQ(host.progress.size(), 2u);
  EXPECT_EQ(host.progress.back().pathsDone, 2);
  EXPECT_EQ(host.progress.back().pathsTotal, 3);
  EXPECT_EQ(doc.Events(), nullptr);  // the host's sink is given back
}

TEST_F(JobRunTest, JobOutsideTheTravelIsRefusedBeforeAnythingMoves) {
  struct Case {
    std::vector<std::pair<float, float>> path;
    std::string key;
  };
  const std::vector<Case> cases{
      {{{-1200, 10}, {-1100, 10}}, "0004"},
      {{{-10, 10}, {1, 10}}, "0005"},
      {{{-10, -1}, {-20, 5}}, "0006"},
      {{{-10, 10}, {-10, 900}}, "0007"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Reset();
    kw::pathcore::CPathObj job;
    AddPath(job, c.path);
    const kw::RunSummary summary = run.Run(job, {});
    EXPECT_FALSE(summary.started);
    EXPECT_EQ(summary.messageKeys, Calls{c.key});
    EXPECT_EQ(host.messages, Calls{c.key});
    EXPECT_TRUE(fake.calls.empty());
  }
  Reset();
  AddPath(doc, {{-1199.5f, 0}, {0, 899.5f}});  // the edges that are still inside
  EXPECT_TRUE(run.Run(doc, {}).started);
}

TEST_F(JobRunTest, CutOffLineOutsideTheTravelIsRefused) {
  settings.CutOffsetY = 5;
  AddPath(doc, {{-50, 10}, {-40, 30}});
  doc.SelAll();
  doc.ZLSelLmt();
  kw::RunOptions options{.selection = false, .cutOff = true, .feed = 865};  // 865 + 30 + 5 reaches 900
  EXPECT_EQ(run.Run(doc, options).messageKeys, Calls{"0022"});
  options.selection = true;
  EXPECT_EQ(run.Run(doc, options).messageKeys, Calls{"0023"});
  EXPECT_TRUE(fake.calls.empty());
  options.feed = 864;
  EXPECT_TRUE(run.Run(doc, options).started);
}

TEST_F(JobRunTest, PaperCutOffFeedsLowersTheKnifeAndCutsAcross) {
  settings.CutOffsetX = -3;
  settings.CutOffsetY = 5;
  cutLayers.Speed(1, 80);
  AddPath(doc, {{-50, 10}, {-40, 20}});
  const kw::RunSummary summary = run.Run(doc, {.selection = false, .cutOff = true, .feed = 100});
  EXPECT_TRUE(summary.cutOff);
  EXPECT_EQ(CallsAfterLast("BatchEnd"), (Calls{
                                            "Pmove(4,-200,1200,120000,15000)",   // pen up after the path
                                            "Pmove(1,4000,1200,120000,15000)",   // X to 0
                                            "Pmove(2,10500,1200,120000,15000)",  // 100 + 20 - 20 + 5 mm
                                            "Pmove(4,500,1200,120000,15000)",    // knife down
                                            "Pmove(1,-120300,1200,120000,8000)",  // across at layer 1's speed
                                            "Pmove(4,-500,1200,120000,15000)",   // then home
                                            "Pmove(1,120300,1200,120000,15000)",
                                            "Pmove(2,-12500,1200,120000,15000)",
                                        }));
  EXPECT_TRUE(HeadAtOrigin());
}

TEST_F(JobRunTest, StopInTheMiddleOfAPathLiftsSkipsTheCutOffAndReturns) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  AddPath(doc, {{-30, 10}, {-20, 10}, {-20, 20}, {-30, 20}});
  AddPath(doc, {{-10, 10}, {-5, 10}});
  int begins = 0;
  fake.afterCall = [&](const std::string& call) {
    if (call.rfind("BatchBegin", 0) == 0 && ++begins == 2) host.stop = true;
  };
  const kw::RunSummary summary = run.Run(doc, {.selection = false, .cutOff = true, .feed = 10});
  EXPECT_TRUE(summary.started);
  EXPECT_TRUE(summary.stopped);
  EXPECT_FALSE(summary.cutOff);
  EXPECT_EQ(summary.pathsRun, 1);
  EXPECT_EQ(begins, 2);
  EXPECT_TRUE(fake.CallsStartingWith("SetBufOk").size() == 1u);
  EXPECT_TRUE(HeadAtOrigin());
}

// Where a run ended early is the path it left unfinished, with its layer,
// counted among the paths that move as the progress counts them; a run from
// there passes over the paths before it without moving and cuts the rest.
TEST_F(JobRunTest, AStoppedRunSaysWhereItStoppedAndARunFromThereCutsTheRest) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  AddPath(doc, {{-10, 5}, {-10, 5}});  // no motion: not counted
  AddPath(doc, {{-30, 10}, {-20, 10}, {-20, 20}});
  AddPath(doc, {{-10, 10}, {-5, 10}});
  int begins = 0;
  fake.afterCall = [&](const std::string& call) {
    if (call.rfind("BatchBegin", 0) == 0 && ++begins == 2) host.stop = true;
  };
  const kw::RunSummary stopped = run.Run(doc, {});
  EXPECT_TRUE(stopped.stopped);
  EXPECT_EQ(stopped.pathsRun, 1);
  EXPECT_EQ(stopped.pathInProgress, 2);
  EXPECT_EQ(stopped.layerInProgress, 0);

  Reset();
  const kw::RunSummary resumed = run.Run(doc, {.fromPath = 2});
  EXPECT_FALSE(resumed.stopped);
  EXPECT_EQ(resumed.pathsRun, 2);
  EXPECT_EQ(resumed.pathInProgress, 0);
  EXPECT_EQ(fake.batches, (std::vector<Points>{{{-3000, 1000}, {-2000, 1000}, {-2000, 2000}},
                                               {{-1000, 1000}, {-500, 1000}}}));
  ASSERT_FALSE(host.progress.empty());
  EXPECT_EQ(host.progress.front().pathsDone, 2);  // the progress counts on from the paths already cut
  EXPECT_EQ(host.progress.back().pathsDone, 3);
  EXPECT_TRUE(HeadAtOrigin());
}

// A stop seen between two paths leaves the next one as the path to go on from.
TEST_F(JobRunTest, AStopBetweenPathsPointsAtTheNextPath) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  AddPath(doc, {{-30, 10}, {-20, 10}}, 1);
  struct StopOnFirstProgress : kw::test::ScriptedHost {
    void Progress(const kw::RunProgress& p) override { stop = true, ScriptedHost::Progress(p); }
  } stopping;
  kw::JobRun stoppingRun(fake, ydkz, settings, cutLayers, layerMap, stopping);
  const kw::RunSummary summary = stoppingRun.Run(doc, {});
  EXPECT_EQ(summary.pathsRun, 1);
  EXPECT_EQ(summary.pathInProgress, 2);
  EXPECT_EQ(summary.layerInProgress, 1);
}

TEST_F(JobRunTest, DroppedLinkShowsCommunicationErrorAndEnds) {
  AddPath(doc, {{-50, 10}, {-40, 10}, {-40, 20}});
  AddPath(doc, {{-30, 10}, {-20, 10}});
  fake.failFunction = "BatchCmdAdd";
  fake.failAt = 2;
  fake.dropLink = true;
  const kw::RunSummary summary = run.Run(doc, {.selection = false, .cutOff = true, .feed = 10});
  EXPECT_TRUE(summary.communicationFailed);
  EXPECT_TRUE(summary.stopped);
  EXPECT_FALSE(summary.cutOff);
  EXPECT_EQ(summary.messageKeys, Calls{"0024"});
  EXPECT_EQ(summary.pathsRun, 0);
  EXPECT_EQ(summary.pathInProgress, 1);  // the run can go on from the path the link was lost in
}

// A move whose reply was lost is resent and carried out a second time: the
// travel and the tool heights are read back and put right before the tool
// goes on, and the head still ends at the origin.
TEST_F(JobRunTest, MovesCarriedOutTwiceAreCorrectedBeforeTheToolGoesOn) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  AddPath(doc, {{-30, 20}, {-20, 20}});
  int moves = 0;
  std::vector<std::array<int, 3>> atBegin;  // X, Y, Z pulses when each batch began
  fake.afterCall = [&](const std::string& call) {
    if (call.rfind("BatchBegin", 0) == 0) atBegin.push_back({fake.positions[0], fake.positions[1], fake.positions[3]});
    int axis = 0, distance = 0;
    if (std::sscanf(call.c_str(), "Pmove(%d,%d", &axis, &distance) == 2 && ++moves % 3 == 1)
      fake.positions[axis - 1] += distance;
  };
  const kw::RunSummary summary = run.Run(doc, {});
  EXPECT_FALSE(summary.stopped);
  EXPECT_EQ(summary.pathsRun, 2);
  const int pen = 200;  // pulses: the pen's 2 mm
  EXPECT_EQ(atBegin, (std::vector<std::array<int, 3>>{{-5000, 1000, pen}, {-3000, 2000, pen}}));
  EXPECT_TRUE(HeadAtOrigin());
}

// The way back to the origin meets a controller that does not answer: once,
// and the return is tried again and arrives; for good, and the run reports
// the failed link instead of ending as if all went well.
TEST_F(JobRunTest, AReturnThatFailsIsTriedAgainAndReportedWhenTheLinkStaysDown) {
  for (const bool linkStaysDown : {false, true}) {
    Reset();
    kw::pathcore::CPathObj job;
    AddPath(job, {{-50, 10}, {-40, 10}});
    fake.afterCall = [&](const std::string& call) {
      if (call.rfind("Pmove(4,-200", 0) != 0) return;  // the lift after the path
      fake.failFunction = "GetPosDev";
      fake.failAt = 2;  // the lift's own read-back passes, the return's first read fails
      fake.dropLink = linkStaysDown;
    };
    const kw::RunSummary summary = run.Run(job, {});
    EXPECT_EQ(summary.pathsRun, 1);
    EXPECT_EQ(summary.communicationFailed, linkStaysDown);
    EXPECT_EQ(summary.stopped, linkStaysDown);
    EXPECT_EQ(summary.messageKeys, linkStaysDown ? Calls{"0024"} : Calls{});
    EXPECT_EQ(HeadAtOrigin(), !linkStaysDown);
  }
}

TEST_F(JobRunTest, SelectionRunCutsOnlyTheSelectedObjects) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  AddPath(doc, {{-30, 10}, {-20, 10}});
  EXPECT_FALSE(run.Run(doc, {.selection = true}).started);  // nothing selected: nothing happens
  EXPECT_TRUE(fake.calls.empty());

  doc.SelX(2, false);
  doc.ZLSelLmt();
  const kw::RunSummary summary = run.Run(doc, {.selection = true});
  EXPECT_EQ(summary.pathsRun, 1);
  EXPECT_EQ(fake.batches, (std::vector<Points>{{{-3000, 1000}, {-2000, 1000}}}));
}

TEST_F(JobRunTest, DepthButtonMovesALoweredToolAtOnce) {
  settings.ZPosMin_Pen = 1, settings.ZPosMax_Pen = 3, settings.ZPosVal_Pen = 5;  // 2 mm
  kw::ComputeToolHeights(settings);
  AddPath(doc, {{-50, 10}, {-40, 10}});
  bool pressed = false;
  host.onEvents = [&] {
    if (!pressed && run.ToolDownState() == kw::kPenDown) run.ToolAdd(0), pressed = true;
  };
  run.Run(doc, {});
  const Calls z = fake.CallsStartingWith("Pmove(4");
  EXPECT_EQ(z, (Calls{"Pmove(4,200,1200,120000,15000)", "Pmove(4,20,1200,120000,15000)",
                      "Pmove(4,-220,1200,120000,15000)", "Pmove(4,0,1200,120000,15000)"}));
  EXPECT_EQ(settings.ZPosVal_Pen, 6);
}

// The lift waits until the tool is really up: a depth button pressed on its
// way up must not send it down again.
TEST_F(JobRunTest, DepthButtonWhileTheToolLiftsLeavesItGoingUp) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  bool pressed = false;
  host.onEvents = [&] {
    if (!pressed && !fake.calls.empty() && fake.calls.back().rfind("Pmove(4,-200", 0) == 0) run.ToolAdd(0), pressed = true;
  };
  run.Run(doc, {});
  EXPECT_TRUE(pressed);
  EXPECT_EQ(fake.CallsStartingWith("Pmove(4"), (Calls{"Pmove(4,200,1200,120000,15000)", "Pmove(4,-200,1200,120000,15000)",
                                                       "Pmove(4,0,1200,120000,15000)"}));
}

TEST_F(JobRunTest, DepthButtonsStopAtTheirEndsAndMoveNothingWithTheToolUp) {
  settings.ZPosVal_Cut = 10;
  settings.ZPosVal_HalfCut = 0;
  run.ToolAdd(1);
  run.ToolDec(2);
  EXPECT_EQ(settings.ZPosVal_Cut, 10);
  EXPECT_EQ(settings.ZPosVal_HalfCut, 0);
  run.ToolDec(1);
  EXPECT_EQ(settings.ZPosVal_Cut, 9);
  EXPECT_FLOAT_EQ(settings.ZCut, 6.6f);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(JobRunTest, SuctionIsOutputZeroActiveLow) {
  run.SetSuction(true);
  EXPECT_TRUE(run.SuctionOn());
  run.SetSuction(false);
  EXPECT_FALSE(run.SuctionOn());
  EXPECT_EQ(fake.calls, (Calls{"SetGpOut(0,0)", "SetGpOut(0,1)"}));
}

}  // namespace

namespace {

TEST_F(JobRunTest, ErrorInsideAPathLiftsTheToolReturnsAndIsRaisedAfterwards) {
  settings.ZPen = 1e9f;  // beyond the controller's 32-bit pulse counts
  AddPath(doc, {{-50, 10}, {-40, 10}});
  AddPath(doc, {{-30, 10}, {-20, 10}});
  EXPECT_THROW(run.Run(doc, {}), kw::ConversionOverflow);
  EXPECT_TRUE(fake.batches.empty());
  EXPECT_TRUE(HeadAtOrigin());
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(doc.Events(), nullptr);
}

}  // namespace

namespace {

TEST_F(JobRunTest, LayerMapDecidesOrderToolAndWhichLayersMove) {
  AddPath(doc, {{-50, 10}, {-40, 10}}, 0);
  AddPath(doc, {{-30, 10}, {-20, 10}}, 1);
  // Layer 1 at the first position: its paths come first, uncompensated, with the knife.
  layerMap.SortChange(0, 1);
  run.Run(doc, {});
  EXPECT_EQ(fake.batches, (std::vector<Points>{{{-3000, 1000}, {-2000, 1000}},     // layer 1, knife
                                               {{-2300, 800}, {-2000, 800}},       // lead stroke under the job
                                               {{-5000, 1000}, {-4000, 1000}}}));  // layer 0 at position 1
  // Position 1's paths carry layer argument 1, so the knife cuts all three.
  EXPECT_EQ(fake.CallsStartingWith("Pmove(4,500").size(), 3u);
  EXPECT_TRUE(fake.CallsStartingWith("Pmove(4,200").empty());
  // The progress counts the lead stroke from the first path on.
  auto totals = [&] {
    std::vector<std::pair<int32_t, int32_t>> seen;
    for (const kw::RunProgress& p : host.progress) seen.emplace_back(p.pathsDone, p.pathsTotal);
    return seen;
  };
  EXPECT_EQ(totals(), (std::vector<std::pair<int32_t, int32_t>>{{1, 3}, {2, 3}, {3, 3}}));

  // A point layer gets no answer from the run, so its paths make no motion and are not counted.
  Reset();
  layerMap.LayerType(0, 2);
  run.Run(doc, {});
  EXPECT_EQ(fake.batches, (std::vector<Points>{{{-3000, 1000}, {-2000, 1000}}}));
  EXPECT_EQ(totals(), (std::vector<std::pair<int32_t, int32_t>>{{1, 1}}));
}

}  // namespace

namespace {

// An error raised by the moves after the job must not leave the run marked as
// running, or every later start would silently do nothing.
TEST_F(JobRunTest, ErrorInTheMovesAfterTheJobLeavesTheRunReadyForTheNext) {
  AddPath(doc, {{-50, 10}, {-40, 10}});
  const kw::RunOptions cutOff{.selection = false, .cutOff = true, .feed = 100};
  cutLayers.Speed(1, 1e12f);  // the cross cut's speed is beyond the controller's range
  EXPECT_THROW(run.Run(doc, cutOff), kw::ConversionOverflow);
  EXPECT_FALSE(run.Running());
  cutLayers.Speed(1, 50);
  EXPECT_TRUE(run.Run(doc, cutOff).started);

  Reset();
  settings.ZPos_Up = 1e9f;  // lifting the tool to go home fails the same way
  EXPECT_THROW(run.Run(doc, {}), kw::ConversionOverflow);
  EXPECT_FALSE(run.Running());
  settings.ZPos_Up = 0;
  EXPECT_TRUE(run.Run(doc, {}).started);
}

}  // namespace
