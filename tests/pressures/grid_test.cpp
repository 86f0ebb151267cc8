#include "fixture.h"

namespace pressures_test {
namespace {

using GridTest = PressureTest;

TEST_F(GridTest, OneFootPointsDownToFiveTimesTheRetainedHeightThenTwoFarPoints) {
  BuildElevationGrid(1);
  // 10, 9, ..., -50 and the far points 50000 ft and 100000 ft below -50.
  ASSERT_EQ(NumGridPoints, 63);
  for (int p = 1; p <= 61; ++p) EXPECT_DOUBLE_EQ(GridElev(p), 11.0 - p);
  EXPECT_DOUBLE_EQ(GridElev(62), -50050);
  EXPECT_DOUBLE_EQ(GridElev(63), -100050);
  EXPECT_EQ(LastRegularGridPoint(), 61);
}

TEST_F(GridTest, AtMostTwoHundredOneFootPoints) {
  WallTopElev = 40;  // limit -200, but the one-foot points stop at -160
  BuildElevationGrid(1);
  EXPECT_DOUBLE_EQ(GridElev(1), 40);
  EXPECT_DOUBLE_EQ(GridElev(LastRegularGridPoint()), -160);
  EXPECT_EQ(NumGridPoints, 203);
}

// A layer dredged away on both sides ends above the wall: the grid still starts at the top.
TEST_F(GridTest, ALayerBottomAboveTheTopAddsNoPoint) {
  for (int side = 1; side <= 2; ++side) {
    NumSoilLayers(side) = 2;
    SandLayer(side, 2, 30, 0, 0, 100, 120);
    LayerBottomElev(side, 1) = 15;
  }
  BuildElevationGrid(1);
  EXPECT_DOUBLE_EQ(GridElev(1), 10);
  EXPECT_EQ(NumGridPoints, 63);
}

TEST_F(GridTest, SeedsAreKeptUnlessExactlyEqual) {
  NumSoilLayers(1) = 2;
  SandLayer(1, 2, 30, 0, 0, 100, 120);
  LayerBottomElev(1, 1) = -3;             // equals a one-foot point: once only
  NumHorizLineLoads = 2;
  HorizLineElev(1) = 0.3;
  HorizLineElev(2) = 0.30000000000000004; // not exactly equal: both stay
  HorizLineLoad(1) = HorizLineLoad(2) = 0;
  BuildElevationGrid(1);
  int at3 = 0, near03 = 0;
  for (int p = 1; p <= NumGridPoints; ++p) {
    if (GridElev(p) == -3) ++at3;
    if (std::fabs(GridElev(p) - 0.3) < 1e-12) ++near03;
    if (p > 1) {
      EXPECT_LT(GridElev(p), GridElev(p - 1));
    }
  }
  EXPECT_EQ(at3, 1);
  EXPECT_EQ(near03, 2);
}

// A one-foot point whose arithmetic misses a given level by rounding alone is that level:
// no grid interval of no length (17.1 - 15 steps is 2.1000000000000014).
TEST_F(GridTest, AOneFootPointOffAGivenLevelByRoundingIsThatLevel) {
  struct Case {
    double top, level, left;
  } cases[] = {{17.1, 2.1, 0}, {31.9, 12.9, 22.7}, {19.7, 4.7, 8.3}, {10, 0.3, 1.3}};
  for (const Case& c : cases) {
    SCOPED_TRACE("top " + std::to_string(c.top) + ", level " + std::to_string(c.level));
    WallTopElev = c.top;
    SurfaceElev(1, 1) = c.top;
    SurfaceElev(2, 1) = c.left;  // in the last case the dredge line minus one foot
    NumSoilLayers(1) = 2;
    SandLayer(1, 2, 30, 0, 0, 100, 120);
    LayerBottomElev(1, 1) = c.level;
    BuildElevationGrid(1);
    int atLevel = 0;
    for (int p = 1; p <= NumGridPoints; ++p) {
      if (GridElev(p) == c.level) ++atLevel;
      if (p > 1) {
        EXPECT_GT(GridElev(p - 1) - GridElev(p), 1e-6) << "points " << p - 1 << " and " << p;
      }
    }
    EXPECT_EQ(atLevel, 1);
  }
}

TEST_F(GridTest, ASeepageBottomARoundingErrorOffAPointIsThatPoint) {
  WallTopElev = 16.9;
  SurfaceElev(1, 1) = 16.9;
  WaterDataType = "E";
  SeepageOption = "A";
  SeepageGradient(1) = 0.3;
  for (double zb : {1.9000000000000004, 1.8999999999999977}) {  // either side of 16.9 - 15
    SeepageBottomElev(1) = zb;
    BuildElevationGrid(1);
    for (int p = 2; p <= NumGridPoints; ++p) {
      EXPECT_GT(GridElev(p - 1) - GridElev(p), 1e-6) << "points " << p - 1 << " and " << p;
    }
  }
  SeepageBottomElev(1) = 1.95;  // a bottom of its own is inserted
  BuildElevationGrid(1);
  EXPECT_NE(FirstGridPointAt(1.95), 0);
}

TEST_F(GridTest, SeepageBottomBelowTheFarPointsDoesNotPassForARegularPoint) {
  WaterDataType = "E";
  SeepageOption = "A";
  SeepageGradient(1) = 0.0001;
  SeepageBottomElev(1) = -200000;  // the design's first gradient puts it far below
  BuildElevationGrid(1);
  ASSERT_EQ(NumGridPoints, 64);
  EXPECT_DOUBLE_EQ(GridElev(64), -200000);
  EXPECT_EQ(LastRegularGridPoint(), 61);
  EXPECT_DOUBLE_EQ(GridElev(62), FarPointElev(1));
}

TEST_F(GridTest, InsertionMovesTheListedArraysAndTheMarksOfBothSides) {
  BuildElevationGrid(1);
  const int n = NumGridPoints;
  for (int p = 1; p <= n; ++p) {
    ActivePressure(1, p, 1) = 10.0 * p;       // value just below
    ActivePressure(1, p, 2) = 10.0 * p - 5;   // value just above
    PassivePressure(2, p, 1) = 1000 + p;      // not listed: keeps its indexing
    PassivePressure(2, p, 2) = 1000 + p;
  }
  WedgeMarkActive(1, 6) = "*";
  WedgeMarkPassive(2, 7) = "*";
  // Between point 5 (elevation 6) and point 6 (elevation 5), a quarter of the way down.
  ASSERT_TRUE(InsertGridPoint(5, 5.75, kMoveActive1));
  EXPECT_EQ(NumGridPoints, n + 1);
  EXPECT_DOUBLE_EQ(GridElev(6), 5.75);
  EXPECT_DOUBLE_EQ(GridElev(7), 5);
  // Segment from (5, below) = 50 to (old 6, above) = 55: 51.25 at a quarter.
  EXPECT_DOUBLE_EQ(ActivePressure(1, 6, 1), 51.25);
  EXPECT_DOUBLE_EQ(ActivePressure(1, 6, 2), 51.25);
  EXPECT_DOUBLE_EQ(ActivePressure(1, 7, 1), 60);
  EXPECT_DOUBLE_EQ(ActivePressure(1, 7, 2), 55);
  EXPECT_DOUBLE_EQ(PassivePressure(2, 7, 1), 1007);
  EXPECT_EQ(WedgeMarkActive(1, 6), "");
  EXPECT_EQ(WedgeMarkActive(1, 7), "*");
  EXPECT_EQ(WedgeMarkPassive(2, 8), "*");
  EXPECT_EQ(WedgeMarkPassive(2, 7), "");
  EXPECT_EQ(boxes.boxes().size(), 0u);
}

TEST_F(GridTest, APointBeyond301IsRefusedWithAMessage) {
  NumGridPoints = 301;
  for (int p = 1; p <= 301; ++p) GridElev(p) = 100.0 - p;
  ASSERT_FALSE(InsertGridPoint(10, 89.5, kMoveSide1 | kMoveNetWater));
  EXPECT_EQ(NumGridPoints, 301);
  EXPECT_DOUBLE_EQ(GridElev(11), 89);
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].title, "TOO MANY ELEVATIONS");
  EXPECT_EQ(boxes.boxes()[0].text,
            "The elevation grid needs more than 301 points.\n\nUNABLE TO CONTINUE.");
  EXPECT_EQ(boxes.boxes()[0].buttons, 0);
}

TEST_F(GridTest, LookupsStayInsideTheGrid) {
  BuildElevationGrid(1);
  EXPECT_EQ(FirstGridPointAt(0.5), 0);
  EXPECT_EQ(LastGridPointAt(-1e6), 0);
  EXPECT_EQ(FirstGridPointAt(0.00005), 11);
  EXPECT_EQ(FirstGridPointWithin(-0.0001), 11);
}

}  // namespace
}  // namespace pressures_test
