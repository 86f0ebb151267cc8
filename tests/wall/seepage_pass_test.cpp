// The seepage passes of the designs: each accepted tip sets the method's gradient and
// recomputes the pressures; a recomputed wall that turns the wrong way ends the design
// with the routine's rotation message.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressures.h"
#include "rankine_fixture.h"
#include "support/soil_setup.h"
#include "wall/wall.h"
#include "wall/wall_internal.h"

namespace {

// The problem the seepage passes recompute: water at the ground on both sides, no head
// difference, and no soil retained above the left ground. Its pressures push nothing.
void LevelGroundProblem(double top, double anchor) {
  WallTopElev = top;
  AnchorElev = anchor;
  RunMode = "D";
  for (int side = 1; side <= 2; ++side) {
    support::LevelGround(side, 0);
    SoilDataType(side) = "S";
    PressureMethod(side) = "C";
    NumSoilLayers(side) = 1;
    support::SandLayer(side, 1, 30, 0, 0, 120, 120);
    for (int m = 1; m <= 2; ++m) FSActiveUsed(side, 1, m) = FSPassiveUsed(side, 1, m) = 1;
    NumLineLoads(side) = NumUniformLoads(side) = NumStripLoads(side) = 0;
    NumRampLoads(side) = NumTriangularLoads(side) = NumVariablePoints(side) = 0;
  }
  WaterDataType = "E";
  SeepageOption = "A";
  WaterUnitWeight = 62.4;
  WaterElev(1) = WaterElev(2) = 0;
  SeepageElev = 0;
  SeepageGradientLimit = 0.5;
  SeepageBottomElev(1) = SeepageBottomElev(2) = -1000;
}

class SeepagePass : public ::testing::Test {
 protected:
  void SetUp() override { InitPassiveCoefficientTables(); }
  platform::ScopedServices services;
};

// The gradient a design tip gives: the head over the path down the right face to the tip
// and up the left face to x while that is within the limit; the limit once the path is
// too short for it, and still the limit when the tip is at or above the middle of the
// seepage elevation and x, where no path is left. The flow's bottom follows the gradient
// used, whatever an earlier trial left there.
TEST_F(SeepagePass, TheGradientOfATipRisesToItsLimitAndStaysThere) {
  WaterElev(1) = 12;
  WaterElev(2) = -4;  // x: below the left ground at 4
  SurfaceElev(2, 1) = 4;
  SeepageElev = -3;
  SeepageGradientLimit = 0.5;
  const double head = 16, x = -4;
  struct Case {
    double tip, gradient;
  };
  for (const Case c : {Case{-30, head / 53}, Case{-11.5, 0.5}, Case{-3.5, 0.5}, Case{2.57, 0.5}, Case{14, 0.5}}) {
    SCOPED_TRACE(c.tip);
    SeepageBottomElev(1) = 999;
    SetSeepageForTip(1, c.tip);
    EXPECT_NEAR(SeepageGradient(1), c.gradient, 1e-12);
    EXPECT_NEAR(SeepageBottomElev(1), (SeepageElev + x - head / c.gradient) / 2, 1e-9);
  }
  // Soil in front lighter than water puts the limit below 0: no flow at all.
  SeepageGradientLimit = 60 / 62.4 - 1;
  for (const double tip : {-30.0, 2.57}) {
    SCOPED_TRACE(tip);
    SeepageBottomElev(1) = 999;
    SetSeepageForTip(1, tip);
    EXPECT_EQ(SeepageGradient(1), 0);
    EXPECT_EQ(SeepageBottomElev(1), 999);
  }
  SeepageTipElev(1) = -std::numeric_limits<double>::infinity();
}

TEST_F(SeepagePass, CantileverRotationAfterARecomputation) {
  RankineSand sand;
  sand.Apply();  // the first pass: a wall in sand
  CheckWallRotation();
  LevelGroundProblem(10, 0);  // what the seepage pass recomputes
  services.boxes.expect(platform::Answer::OK);
  DesignCantileverWall();
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(services.boxes.boxes().size(), 1u);
  EXPECT_EQ(services.boxes.boxes()[0].title, "QUELDAR");
  EXPECT_EQ(services.boxes.boxes()[0].text,
            "CONDITIONS ENCOUNTERED WHERE IMPENDING ROTATION OF\nCANTILEVER WALL IS CLOCKWISE.  OR DRIVING FORCES OF THE\n"
            "RETAINED SOIL ABOVE THE LEFT SIDE SURFACE ARE ZERO.\n\n     UNABLE TO CONTINUE.");
  // No head difference: the gradient is 0 and the bottom is left as it was.
  EXPECT_EQ(SeepageGradient(1), 0);
  EXPECT_EQ(SeepageBottomElev(1), -1000);
}

TEST_F(SeepagePass, AnchoredRotationAfterARecomputation) {
  for (int m = 1; m <= 2; ++m) {
    SCOPED_TRACE(m);
    RankineSand sand;
    sand.top = 20;
    sand.anchor = 18;
    sand.Apply();
    CheckWallRotation();
    int anchorIndex = 0;
    FindAnchorIndex(anchorIndex);
    LevelGroundProblem(20, 18);
    services.boxes.clear();
    services.boxes.expect(platform::Answer::OK);
    if (m == 1)
      DesignFreeEarthWall(anchorIndex);
    else
      DesignFixedEarthWall(anchorIndex);
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].text,
              "CONDITIONS ENCOUNTERED WHERE ANCHORED WALL TENDS\nTO ROTATE COUNTERCLOCKWISE ABOUT ANCHOR OR\n"
              "ANCHOR FORCE IS COMPRESSION.\n\n     UNABLE TO CONTINUE.");
  }
}

}  // namespace
