#include "machine/run_preparation.h"

#include <gtest/gtest.h>

#include "run_test_setup.h"

namespace {

class RunPreparationTest : public kw::test::RunTestSetup {
 protected:
  kw::pathcore::CPathObj doc;

  void AddLine(float x1, float y1, float x2, float y2) {
    std::vector<float> X{0, x1, x2}, Y{0, y1, y2};
    doc.AddPath(X, Y, 1);
    doc.ZL();
  }
};

TEST_F(RunPreparationTest, WorkSpeedsAndClosingValuesGoToTheThreeToolLayers) {
  settings.WorkSpeed = {"120", "80.5", "60"};
  settings.CloseVal = {0.25f, 1.5f, -1};
  cutLayers.Speed(3, 33);
  EXPECT_EQ(kw::PrepareRun(doc, cutLayers, settings, false), -1);
  EXPECT_FLOAT_EQ(cutLayers.Speed(0), 120);
  EXPECT_FLOAT_EQ(cutLayers.Speed(1), 80.5f);
  EXPECT_FLOAT_EQ(cutLayers.Speed(2), 60);
  EXPECT_FLOAT_EQ(cutLayers.ProLong(0), 0.25f);
  EXPECT_FLOAT_EQ(cutLayers.ProLong(1), 1.5f);
  EXPECT_FLOAT_EQ(cutLayers.ProLong(2), -1);
  EXPECT_FLOAT_EQ(cutLayers.Speed(3), 33);  // the other layers keep theirs
}

TEST_F(RunPreparationTest, SpeedThatIsNotAPositiveNumberIsRefusedAndChangesNothing) {
  for (const std::string bad : {"", "-", "0", "-5", "abc"}) {
    settings.WorkSpeed = {"120", bad, "60"};
    EXPECT_EQ(kw::PrepareRun(doc, cutLayers, settings, false), 1) << bad;
    EXPECT_FLOAT_EQ(cutLayers.Speed(0), 50);
  }
}

TEST_F(RunPreparationTest, AutoLayoutJoinsTouchingPathsAndClearsTheSelection) {
  AddLine(-50, 10, -40, 10);
  AddLine(-40, 10, -40, 20);
  EXPECT_EQ(kw::PrepareRun(doc, cutLayers, settings, false), -1);
  EXPECT_EQ(doc.Count(), 2);
  EXPECT_EQ(kw::PrepareRun(doc, cutLayers, settings, true), -1);
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.SelCount(), 0);
}

TEST_F(RunPreparationTest, HomeCheckLiftsTheToolAndReadsTheMark) {
  fake.positions[3] = 300;
  fake.pcMarkB = 1;
  EXPECT_TRUE(kw::LiftAndCheckHomeReference(ydkz, settings));
  EXPECT_EQ(fake.calls, std::vector<std::string>{"Pmove(4,-300,1200,120000,15000)"});
  fake.pcMarkB = 0;
  EXPECT_FALSE(kw::LiftAndCheckHomeReference(ydkz, settings));
  fake.pcMarkB = 1;
  fake.failFunction = "GetPCMarkB";
  fake.failAt = 1;
  EXPECT_FALSE(kw::LiftAndCheckHomeReference(ydkz, settings));
}

}  // namespace
