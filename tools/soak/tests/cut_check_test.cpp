// The soak's judge of a cut: it must accept what a sound run leaves and catch
// the ways a faulty link or run spoils a cut.
#include <gtest/gtest.h>

#include "cut_check.h"

namespace {

using kw::axissim::PathSample;
using kw::soak::CompareCut;
using kw::soak::Polyline;
using kw::soak::ToolDownStretches;

constexpr double kUp = -533;

TEST(ToolDownStretches, SplitsWhereTheToolLiftsAndDropsRepeatedPoints) {
  const std::vector<PathSample> samples{
      {0, 0, 0, 0},       {1, -100, 50, 0},      {2, -100, 50, kUp},  {3, -100, 50, -2133},
      {4, -200, 50, -2133}, {5, -200, 50, -2133}, {6, -200, 50, kUp}, {7, -300, 80, kUp},
      {8, -300, 80, -3200}, {9, -300, 90, -3200}, {10, -300, 90, -1000}, {11, 0, 0, 0}};
  const auto stretches = ToolDownStretches(samples, kUp);
  ASSERT_EQ(stretches.size(), 2u);
  ASSERT_EQ(stretches[0].size(), 2u);
  EXPECT_EQ(stretches[0][1].x, -200);
  // A tool on its way up, still below the lifted height, is still down.
  ASSERT_EQ(stretches[1].size(), 2u);
  EXPECT_EQ(stretches[1][1].y, 90);
}

const std::vector<Polyline> kStreamed{{{-100, 50}, {-200, 50}, {-200, 150}}, {{-300, 80}, {-300, 90}}};

TEST(CompareCut, AcceptsTheWholeJobAndAStopOnTheWay) {
  EXPECT_EQ(CompareCut(kStreamed, kStreamed, false), "");
  const std::vector<Polyline> stoppedMidway{{{-100, 50}, {-200, 50}, {-200, 99}}};
  EXPECT_EQ(CompareCut(stoppedMidway, kStreamed, true), "");
  // Lowered at the next path's start, then stopped before its batch began.
  const std::vector<Polyline> lowered{kStreamed[0], kStreamed[1], {{-400, 10}}};
  EXPECT_EQ(CompareCut(lowered, kStreamed, true), "");
  // A lift carried out twice, corrected, dips the tool where it was lifted.
  const std::vector<Polyline> redipped{kStreamed[0], {{-200, 150}}, kStreamed[1]};
  EXPECT_EQ(CompareCut(redipped, kStreamed, false), "");
  const std::vector<Polyline> dippedBefore{kStreamed[0], {{-300, 80}}, kStreamed[1]};
  EXPECT_EQ(CompareCut(dippedBefore, kStreamed, false), "");
  // A travel that stopped a fraction of a pulse short, next to a point one
  // pulse on: two points on both sides.
  const std::vector<Polyline> streamedClose{{{-3925, 5440}, {-3926, 5439}, {-3000, 5000}}};
  const std::vector<Polyline> cutClose{{{-3924.8, 5440}, {-3926, 5439}, {-3000, 5000}}};
  EXPECT_EQ(CompareCut(cutClose, streamedClose, false), "");
}

TEST(CompareCut, CatchesWhatAFaultyLinkOrRunLeaves) {
  // A finished job that ended early: records lost on the way.
  const std::vector<Polyline> shortened{kStreamed[0], {{-300, 80}}};
  EXPECT_NE(CompareCut(shortened, kStreamed, false), "");
  // The tool lowered where the path does not start (a move carried out twice).
  const std::vector<Polyline> displaced{{{-110, 50}, {-200, 50}, {-200, 150}}, kStreamed[1]};
  EXPECT_NE(CompareCut(displaced, kStreamed, false), "");
  // A stop may shorten only the last path cut, not one before it.
  const std::vector<Polyline> gap{{{-100, 50}, {-200, 50}}, kStreamed[1]};
  EXPECT_NE(CompareCut(gap, kStreamed, true), "");
  // A stop's last point must lie on the path's next segment.
  const std::vector<Polyline> strayed{{{-100, 50}, {-150, 80}}};
  EXPECT_NE(CompareCut(strayed, kStreamed, true), "");
  // A record taken twice cuts a point nobody streamed.
  const std::vector<Polyline> repeated{{{-100, 50}, {-200, 50}, {-200, 150}, {-200, 50}}, kStreamed[1]};
  EXPECT_NE(CompareCut(repeated, kStreamed, false), "");
  // A cut with no streamed path behind it.
  const std::vector<Polyline> extra{kStreamed[0], kStreamed[1], {{-5, 5}, {-6, 6}}};
  EXPECT_NE(CompareCut(extra, kStreamed, true), "");
  // A dip anywhere else is a hole nobody asked for.
  const std::vector<Polyline> stray{kStreamed[0], {{-150, 150}}, kStreamed[1]};
  EXPECT_NE(CompareCut(stray, kStreamed, false), "");
}

}  // namespace
