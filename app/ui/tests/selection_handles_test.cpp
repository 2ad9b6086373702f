#include "selection_handles.h"

#include <gtest/gtest.h>

#include "view_status_text.h"

namespace {

using kw::Frame;

const Frame kFrame{10, 30, 0, 10};  // left, right, bottom, top: 20 x 10 mm

TEST(SelectionHandles, TheCentreWinsOverlappingHandlesAndCornersComeLast) {
  EXPECT_EQ(kw::HandleAt(kFrame, 20, 5, 1), kw::kCentre);
  EXPECT_EQ(kw::HandleAt(kFrame, 30.5, 5, 1), kw::kRightMiddle);
  EXPECT_EQ(kw::HandleAt(kFrame, 10, 10, 1), kw::kTopLeft);
  EXPECT_EQ(kw::HandleAt(kFrame, 30, 0, 1), kw::kBottomRight);
  EXPECT_FALSE(kw::HandleAt(kFrame, 15, 5, 1));
  // A frame smaller than the tolerance: every handle is in reach, the centre is found first.
  EXPECT_EQ(kw::HandleAt(Frame{0, 1, 0, 1}, 1, 1, 5), kw::kCentre);
  // The test is strict: exactly the tolerance away is no hit.
  EXPECT_FALSE(kw::HandleAt(kFrame, 31, 5, 1));
}

TEST(SelectionHandles, DropsGiveTheFactorsAndFixedCornersOfTheTable) {
  // The right-middle handle dragged one width further doubles the width, the left side fixed.
  const auto right = kw::ScaleOfDrop(kFrame, kw::kRightMiddle, 50, 7);
  EXPECT_DOUBLE_EQ(right.kx, 2);
  EXPECT_DOUBLE_EQ(right.ky, 1);
  EXPECT_EQ(right.center, 3);
  EXPECT_FALSE(right.corner);
  const auto topLeft = kw::ScaleOfDrop(kFrame, kw::kTopLeft, 0, 20);  // out by half a width and a height
  EXPECT_DOUBLE_EQ(topLeft.kx, 1.5);
  EXPECT_DOUBLE_EQ(topLeft.ky, 2);
  EXPECT_EQ(topLeft.center, 4);
  EXPECT_TRUE(topLeft.corner);
  EXPECT_EQ(kw::ScaleOfDrop(kFrame, kw::kTopMiddle, 0, 5).center, 3);
  EXPECT_EQ(kw::ScaleOfDrop(kFrame, kw::kTopRight, 0, 5).center, 3);
  EXPECT_EQ(kw::ScaleOfDrop(kFrame, kw::kLeftMiddle, 0, 5).center, 2);
  EXPECT_EQ(kw::ScaleOfDrop(kFrame, kw::kBottomLeft, 0, 5).center, 2);
  EXPECT_EQ(kw::ScaleOfDrop(kFrame, kw::kBottomMiddle, 0, 5).center, 1);
  const auto bottomRight = kw::ScaleOfDrop(kFrame, kw::kBottomRight, 20, 5);
  EXPECT_DOUBLE_EQ(bottomRight.kx, 0.5);
  EXPECT_DOUBLE_EQ(bottomRight.ky, 0.5);
  EXPECT_EQ(bottomRight.center, 1);
}

TEST(SelectionHandles, AFlatSelectionKeepsFactorOneAcrossItsFlatAxis) {
  const Frame flat{0, 10, 5, 5};
  const auto s = kw::ScaleOfDrop(flat, kw::kTopRight, 20, 9);
  EXPECT_DOUBLE_EQ(s.kx, 2);
  EXPECT_DOUBLE_EQ(s.ky, 1);
}

TEST(SelectionHandles, ThePreviewFrameFollowsTheDraggedSideOrTheWholeFrame) {
  const Frame g = kw::DraggedFrame(kFrame, kw::kBottomLeft, 5, -5, 0, 0);
  EXPECT_EQ(g.left, 5);
  EXPECT_EQ(g.bottom, -5);
  EXPECT_EQ(g.right, 30);
  EXPECT_EQ(g.top, 10);
  const Frame moved = kw::DraggedFrame(kFrame, kw::kCentre, 25, 7, 20, 5);
  EXPECT_EQ(moved.left, 15);
  EXPECT_EQ(moved.right, 35);
  EXPECT_EQ(moved.bottom, 2);
  EXPECT_EQ(moved.top, 12);
}

TEST(ViewStatusText, PanelsUseThePatternsOfThePositionAndSize) {
  EXPECT_EQ(kw::PositionText(12.5, -3.25), "X:012.500  Y:-003.250");
  EXPECT_EQ(kw::PositionText(1234.5678, 0), "X:1234.568  Y:000.000");
  EXPECT_EQ(kw::SizeText(120, 0.5), "Width:120.000  Height:.500");
  EXPECT_EQ(kw::SizeText(0, 0), "Width:.000  Height:.000");
  EXPECT_EQ(kw::FormatFixed(-0.0001, 3, 3), "000.000");
}

}  // namespace
