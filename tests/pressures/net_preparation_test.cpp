#include "fixture.h"

namespace pressures_test {
namespace {

class NetTest : public PressureTest {
 protected:
  void SetUp() override {
    PressureTest::SetUp();
    SurfaceElev(1, 1) = 10;  // 10 ft retained, dredge at 0
  }
};

// Dry sand, Ka 1/3 on the right and Kp 3 on the left, 100 pcf: below the dredge the
// net pressure is 100 (10 + d) / 3 - 300 d, zero at d = 1.25.
TEST_F(NetTest, ZeroPointBetweenGridPointsAndTheResultantAboveIt) {
  Solve();
  ASSERT_EQ(AbortRun, 0);
  const int z = ZeroPressIndex;
  EXPECT_NEAR(GridElev(z), -1.25, 1e-12);
  EXPECT_EQ(NetPressureA(z, 1), 0);
  EXPECT_NEAR(GridElev(z - 1), -1, 1e-12);
  EXPECT_NEAR(GridElev(z + 1), -2, 1e-12);
  // Triangle to the dredge: 1666.67 lb at 2/3 of 10 ft; then 333.33 psf to 0 over 1.25 ft.
  const double f1 = 1000.0 / 3 * 10 / 2, f2 = 1000.0 / 3 * 1.25 / 2;
  EXPECT_NEAR(NetForceAbove, f1 + f2, 1e-9);
  EXPECT_NEAR(NetMomentAbove, f1 * 20 / 3 + f2 * (10 + 1.25 / 3), 1e-8);
  // The reversed diagram: right passive minus left active.
  const int p = PointAt(-5);
  EXPECT_NEAR(NetPressureP(p, 1), 3 * 1500 - 500.0 / 3, 1e-9);
  EXPECT_NEAR(NetPressureA(p, 1), 1500.0 / 3 - 3 * 500, 1e-9);
}

// A layer of 1e9 pcf deep behind the wall changes nothing above it: every pressure there
// is judged against the pressures of its own point, so the Rankine values and the zero
// point of the sand alone stand (Ka 1/3, Kp 3, 100 pcf: zero at 1.25 ft below the dredge).
TEST_F(NetTest, AHeavyLayerDeepBehindTheWallLeavesThePressuresAboveIt) {
  NumSoilLayers(1) = 2;
  LayerBottomElev(1, 1) = -4;
  SandLayer(1, 2, 30, 0, 0, 1e9, 1e9);
  Solve();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(ActivePressure(1, PointAt(0), 1), 1000.0 / 3, 1e-9);
  EXPECT_NEAR(ActivePressure(1, PointAt(-2), 1), 1200.0 / 3, 1e-9);
  EXPECT_NEAR(ActivePressure(1, PointAt(-4), 2), 1400.0 / 3, 1e-9);
  EXPECT_NEAR(PassivePressure(2, PointAt(-2), 1), 600, 1e-9);
  EXPECT_NEAR(ActivePressure(1, PointAt(-5), 1), (1400 + 1e9) / 3, 1e-6);
  EXPECT_NEAR(GridElev(ZeroPressIndex), -1.25, 1e-12);
  const double f1 = 1000.0 / 3 * 10 / 2, f2 = 1000.0 / 3 * 1.25 / 2;
  EXPECT_NEAR(NetForceAbove, f1 + f2, 1e-9);
}

TEST_F(NetTest, HorizontalLoadsAddToTheResultant) {
  NumHorizDistPoints = 2;
  HorizDistElev(1) = 5;
  HorizDistLoad(1) = 100;
  HorizDistElev(2) = 2;
  HorizDistLoad(2) = 100;
  NumHorizLineLoads = 2;
  HorizLineElev(1) = 6;
  HorizLineLoad(1) = 500;
  HorizLineElev(2) = -20;  // below the zero point: not counted
  HorizLineLoad(2) = 700;
  Solve();
  ASSERT_EQ(AbortRun, 0);
  const double f1 = 1000.0 / 3 * 10 / 2, f2 = 1000.0 / 3 * 1.25 / 2;
  EXPECT_NEAR(NetForceAbove, f1 + f2 + 300 + 500, 1e-9);
  EXPECT_NEAR(NetMomentAbove, f1 * 20 / 3 + f2 * (10 + 1.25 / 3) + 300 * 6.5 + 500 * 4, 1e-8);
  // The load starts just below 5 and ends just above 2.
  EXPECT_NEAR(NetPressureA(PointAt(5), 1) - NetPressureA(PointAt(5), 2), 100, 1e-9);
  EXPECT_NEAR(NetPressureA(PointAt(2), 2) - NetPressureA(PointAt(2), 1), 100, 1e-9);
}

TEST_F(NetTest, ZeroAtTheDredgePointSetsTheIndex) {
  SandLayer(2, 1, 0, 0, 1000, 100, 120);  // passive 2000 psf at the dredge
  ZeroPressIndex = 77;
  // A line load at the zero point's own elevation is not above it; one a hair higher is.
  NumHorizLineLoads = 2;
  HorizLineElev(1) = 0;
  HorizLineLoad(1) = 700;
  HorizLineElev(2) = 0.001;
  HorizLineLoad(2) = 300;
  Solve();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(ZeroPressIndex, PointAt(0));
  const double active = 1000.0 / 3 * 10 / 2;
  EXPECT_NEAR(NetForceAbove, active + 300, 1e-9);
  EXPECT_NEAR(NetMomentAbove, active * 20 / 3 + 300 * 9.999, 1e-8);
}

TEST_F(NetTest, NoSignChangeStopsWithAbortRunTwo) {
  SoilDataType(2) = "C";
  LayerKa(2, 1) = 0.2;
  LayerKp(2, 1) = 0.2;
  Solve();
  EXPECT_EQ(AbortRun, 2);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].title, "INVALID NET ACTIVE PRESSURE DISTRIBUTION");
  EXPECT_EQ(boxes.boxes()[0].text,
            "NET ACTIVE PRESSURE DOES NOT CHANGE SIGN\n     IN THE EMBEDDED DEPTH AS REQUIRED "
            "BY\n     CLASSICAL METHODS.\n\n                        UNABLE TO CONTINUE.");
  EXPECT_EQ(boxes.boxes()[0].buttons, 0);
}

// A seepage bottom appended below the far points must not let the first far point
// stand in for a regular point of the zero search.
TEST_F(NetTest, FarPointsAreKnownByElevationNotPosition) {
  const double g[] = {10, 0, -1, -2, -50002, -100002, -200000};
  NumGridPoints = 7;
  for (int p = 1; p <= 7; ++p) GridElev(p) = g[p - 1];
  FarPointElev(1) = -50002;
  FarPointElev(2) = -100002;
  for (int p = 1; p <= 7; ++p) {
    for (int k = 1; k <= 2; ++k) {
      for (int s = 1; s <= 2; ++s) ActivePressure(s, p, k) = PassivePressure(s, p, k) = 0;
      NetWaterPressure(p, k) = 0;
      ActivePressure(1, p, k) = p <= 4 ? 100 : -100;
    }
  }
  ComputeNetPressures();
  EXPECT_EQ(AbortRun, 2);
  EXPECT_EQ(NumGridPoints, 7);
}

TEST_F(NetTest, ValueBelowTheZeroPointStillPositiveGetsAHalfwayPoint) {
  // Net pressure reaches 0 just above point -3 and jumps to +50 below it (a distributed
  // load that begins there), then falls: a halfway point goes in below.
  const double g[] = {10, 0, -1, -2, -3, -4, -50004, -100004};
  NumGridPoints = 8;
  for (int p = 1; p <= 8; ++p) GridElev(p) = g[p - 1];
  FarPointElev(1) = -50004;
  FarPointElev(2) = -100004;
  const double a[] = {0, 100, 60, 30, 0, -40, -40, -40};
  for (int p = 1; p <= 8; ++p) {
    for (int k = 1; k <= 2; ++k) {
      for (int s = 1; s <= 2; ++s) ActivePressure(s, p, k) = PassivePressure(s, p, k) = 0;
      NetWaterPressure(p, k) = 0;
      ActivePressure(1, p, k) = a[p - 1];
    }
  }
  SurfaceElev(1, 1) = 10;
  SurfaceElev(2, 1) = 0;
  NumHorizDistPoints = 2;
  HorizDistElev(1) = -3;
  HorizDistLoad(1) = 50;
  HorizDistElev(2) = -4;
  HorizDistLoad(2) = 50;
  ComputeNetPressures();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(ZeroPressIndex, 5);
  ASSERT_EQ(NumGridPoints, 9);
  EXPECT_DOUBLE_EQ(GridElev(6), -3.5);
  // Mean of 50 just below -3 and -40 + 50 just above -4.
  EXPECT_DOUBLE_EQ(NetPressureA(6, 1), 30);
  EXPECT_DOUBLE_EQ(NetPressureA(6, 2), 30);
}

// Clay both sides (phi 0): the right active -450 + 100 d is cut off down to 4.5 ft
// below the top, where a point goes in; the left passive starts at 2c = 800 at the
// dredge, so the net diagram jumps there from +550 to -250 and the dredge is the zero
// point.
TEST_F(NetTest, ClayCutOffAndTheJumpAtTheDredge) {
  SandLayer(1, 1, 0, 0, 225, 100, 120);
  SandLayer(2, 1, 0, 0, 400, 100, 120);
  Solve();
  ASSERT_EQ(AbortRun, 0);
  const int cut = PointAt(5.5);
  EXPECT_EQ(ActivePressure(1, cut, 1), 0);
  EXPECT_EQ(ActivePressure(1, PointAt(6), 1), 0);
  const int D = PointAt(0);
  EXPECT_NEAR(NetPressureA(D, 2), 550, 1e-9);
  EXPECT_NEAR(NetPressureA(D, 1), -250, 1e-9);
  EXPECT_EQ(ZeroPressIndex, D);
  EXPECT_NEAR(NetForceAbove, 550 * 5.5 / 2, 1e-9);
  EXPECT_NEAR(NetMomentAbove, 550 * 5.5 / 2 * (4.5 + 5.5 * 2 / 3), 1e-8);
}

// Sand both sides, right water at 4, left water at the dredge (0), 100/120 pcf:
// below the dredge NetA(e) = (600 + 57.6 (4 - e)) / 3 + 172.8 e + 249.6 = 526.4 + 153.6 e.
TEST_F(NetTest, WaterOnBothSides) {
  WaterDataType = "E";
  WaterElev(1) = 4;
  WaterElev(2) = 0;
  Solve();
  ASSERT_EQ(AbortRun, 0);
  const double gs = 120 - 62.4;
  EXPECT_NEAR(NetPressureA(PointAt(-3), 1), 526.4 - 153.6 * 3, 1e-9);
  EXPECT_NEAR(NetPressureA(PointAt(2), 1), (600 + gs * 2) / 3 + 62.4 * 2, 1e-9);
  EXPECT_NEAR(GridElev(ZeroPressIndex), -526.4 / 153.6, 1e-9);
}

using PreparationTest = PressureTest;

TEST_F(PreparationTest, PressureMethodPerSide) {
  struct C {
    const char* what;
    int points2;
    double adhesion1, slope1, slopeLast;
    const char* soil;
    const char* m1;
    const char* m2;
  };
  for (C c : {C{"level, plain", 1, 0, 0, 0, "S", "C", "C"},
              C{"sloping left ground", 2, 0, 0, 0, "S", "C", "W"},
              C{"adhesion", 1, 50, 0, 0, "S", "W", "C"},
              C{"sloping upper bottom", 1, 0, 0.1, 0, "S", "W", "C"},
              C{"sloping last bottom", 1, 0, 0, 0.1, "S", "C", "C"},
              C{"coefficients with adhesion", 1, 50, 0, 0, "C", "C", "C"}}) {
    SetUp();
    NumSurfacePoints(2) = c.points2;
    SurfaceDist(2, 2) = 10;
    SurfaceElev(2, 2) = -2;
    SoilDataType(1) = c.soil;
    LayerKa(1, 1) = LayerKa(1, 2) = 0.3;
    LayerKp(1, 1) = LayerKp(1, 2) = 3;
    NumSoilLayers(1) = 2;
    LayerBottomElev(1, 1) = -5;
    SandLayer(1, 2, 30, 0, 0, 100, 120);
    LayerAdhesion(1, 1) = c.adhesion1;
    LayerBottomSlope(1, 1) = c.slope1;
    LayerBottomSlope(1, 2) = c.slopeLast;
    PrepareSolution();
    EXPECT_EQ(PressureMethod(1), c.m1) << c.what;
    EXPECT_EQ(PressureMethod(2), c.m2) << c.what;
  }
}

// The wedge method needs strengths; coefficients would be weighed as K = 1. Whichever
// side has the second surface point, design or analysis, the preparation stops.
TEST_F(PreparationTest, CoefficientsWithASurfaceOfMoreThanOnePointAreRefused) {
  for (const char* mode : {"D", "A"}) {
    for (int side = 1; side <= 2; ++side) {
      SetUp();
      RunMode = mode;
      WallBottomElev = -15;
      SoilDataType(side) = "C";
      LayerKa(side, 1) = 0.333;
      LayerKp(side, 1) = 3.0;
      NumSurfacePoints(side) = 2;  // even a level second point
      SurfaceDist(side, 2) = 10;
      SurfaceElev(side, 2) = SurfaceElev(side, 1);
      PrepareSolution();
      EXPECT_EQ(AbortRun, 1) << mode << side;
      ASSERT_EQ(boxes.boxes().size(), 1u);
      EXPECT_EQ(boxes.boxes()[0].title, "IMPROPER SOIL DATA");
      EXPECT_EQ(boxes.boxes()[0].text,
                "The wedge method for a ground surface of more than\n"
                "     one point needs soil strengths, not coefficients.\n\nUNABLE TO CONTINUE.");
      EXPECT_EQ(boxes.boxes()[0].buttons, 0);
    }
  }
}

TEST_F(PreparationTest, FactorsOfSafetyByLayerThenSideThenControl) {
  FSActive = 1.1;
  FSPassive = 1.5;
  SideFSPassive(1) = 2.0;
  NumSoilLayers(2) = 2;
  LayerBottomElev(2, 1) = -5;
  SandLayer(2, 2, 30, 0, 0, 100, 120);
  LayerFSActive(2, 2) = 1.2;
  PrepareSolution();
  EXPECT_EQ(FSActiveUsed(1, 1, 1), 1.1);
  EXPECT_EQ(FSPassiveUsed(1, 1, 1), 2.0);
  EXPECT_EQ(FSActiveUsed(2, 1, 1), 1.1);
  EXPECT_EQ(FSActiveUsed(2, 2, 1), 1.2);
  EXPECT_EQ(FSPassiveUsed(2, 2, 2), 1.5);
  EXPECT_EQ(FSActiveUsed(2, 2, 2), 1.2);

  // Analysis leaves the factors and the marks to the search.
  RunMode = "A";
  FSActiveUsed(1, 1, 1) = 9;
  WedgeMarkActive(1, 3) = "*";
  PrepareSolution();
  EXPECT_EQ(FSActiveUsed(1, 1, 1), 9);
  EXPECT_EQ(WedgeMarkActive(1, 3), "*");
}

TEST_F(PreparationTest, SeepageGradientBottomAndLimit) {
  WaterDataType = "E";
  WaterElev(1) = 8;
  WaterElev(2) = 0;
  SeepageOption = "A";
  SeepageElev = 0;  // equal to x: L2 stays 0.9999
  SandLayer(2, 1, 30, 0, 0, 100, 62.4 * 1.5);
  PrepareSolution();
  EXPECT_EQ(SeepageGradient(1), 0.0001);
  EXPECT_EQ(SeepageGradient(2), 0.0001);
  EXPECT_DOUBLE_EQ(SeepageBottomElev(1), (0 + 0 - 8 / 0.0001) / 2);
  EXPECT_NEAR(SeepageGradientLimit, 0.5, 1e-12);

  // Analysis: head over the path down the right face and up the left face.
  RunMode = "A";
  WallBottomElev = -15;
  SeepageElev = 6;
  PrepareSolution();
  EXPECT_DOUBLE_EQ(SeepageGradient(1), 8.0 / (6 + 0 + 30));
  EXPECT_DOUBLE_EQ(SeepageBottomElev(1), -15);
  EXPECT_NEAR(SeepageGradientLimit, std::min(8.0 / 6, 0.5), 1e-12);
}

// The buoyancy limit of the gradient is the least saturated weight over the water's,
// whatever their size (a problem given in other force units).
TEST_F(PreparationTest, SeepageLimitWithHeavyUnitWeights) {
  WaterDataType = "E";
  WaterElev(1) = 8;
  WaterElev(2) = 0;
  SeepageOption = "A";
  SeepageElev = 0;
  WaterUnitWeight = 124800;
  SandLayer(2, 1, 30, 0, 0, 150000, 124800 * 1.5);
  PrepareSolution();
  EXPECT_NEAR(SeepageGradientLimit, 0.5, 1e-12);
}

TEST_F(PreparationTest, SeepageOnlyWithWaterElevations) {
  WaterDataType = "P";
  NumWaterPressPoints = 2;
  WaterPressElev(1) = 0;
  WaterPressValue(1) = 0;
  WaterPressElev(2) = -5;
  WaterPressValue(2) = 100;
  SeepageOption = "G";
  SeepageGradient(1) = 0.3;
  SeepageGradientLimit = -1;
  PrepareSolution();
  EXPECT_EQ(SeepageOption, "");
  EXPECT_EQ(SeepageGradientLimit, -1);
}

TEST_F(PreparationTest, AnalysisSeepagePathOfZeroLengthStops) {
  RunMode = "A";
  WaterDataType = "E";
  WaterElev(1) = 8;
  WaterElev(2) = -20;  // the left water below the wall bottom
  SeepageOption = "A";
  SeepageElev = 0;
  WallBottomElev = -10;  // 0 + (-20) - 2 (-10) = 0
  PrepareSolution();
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].title, "IMPROPER SEEPAGE PATH");
  EXPECT_EQ(boxes.boxes()[0].text,
            "Seepage path length is zero or negative\n     for the given wall bottom.\n\n"
            "UNABLE TO CONTINUE.");
  EXPECT_EQ(boxes.boxes()[0].buttons, 0);
}

// A seepage bottom above the left water or ground (x) has no path up the left face:
// the water walk would have nothing to end on. A given gradient steeper than
// head / (Se - x), or an analysis whose left water lies below the wall bottom, is refused.
TEST_F(PreparationTest, SeepageBottomAboveTheLeftSideIsRefused) {
  struct C {
    const char* mode;
    const char* option;
    double gradient, leftWater, wallBottom;
    const char* title;
    const char* text;
  };
  const C cases[] = {
      // head 5 over Se - x = 8: anything steeper than 0.625 ends above x (0.8: 0.875).
      {"D", "G", 0.8, 3, 0, "IMPROPER SEEPAGE GRADIENT",
       "Seepage gradient is too large for the path from\n     the seepage elevation to the "
       "left side.\n\nUNABLE TO CONTINUE."},
      // path 8 + (-12) - 2 (-10) = 16 > 0, but its bottom is the wall bottom, 2 ft above x.
      {"A", "A", 0, -12, -10, "IMPROPER SEEPAGE PATH",
       "Left-side water elevation lies below\n     the given wall bottom.\n\n"
       "UNABLE TO CONTINUE."},
  };
  for (const C& c : cases) {
    SetUp();
    SurfaceElev(1, 1) = 10;
    RunMode = c.mode;
    WallBottomElev = c.wallBottom;
    WaterDataType = "E";
    WaterElev(1) = 8;
    WaterElev(2) = c.leftWater;
    SeepageOption = c.option;
    SeepageElev = 8;
    SeepageGradient(1) = SeepageGradient(2) = c.gradient;
    SandLayer(2, 1, 30, 0, 0, 100, 135);
    PrepareSolution();
    EXPECT_EQ(AbortRun, 1) << c.title;
    ASSERT_EQ(boxes.boxes().size(), 1u) << c.title;
    EXPECT_EQ(boxes.boxes()[0].title, c.title);
    EXPECT_EQ(boxes.boxes()[0].text, c.text);
    EXPECT_EQ(boxes.boxes()[0].buttons, 0);
  }
  // The steepest gradient that still reaches x is accepted.
  SetUp();
  SurfaceElev(1, 1) = 10;
  WaterDataType = "E";
  WaterElev(1) = 8;
  WaterElev(2) = 3;
  SeepageOption = "G";
  SeepageElev = 8;
  SeepageGradient(1) = SeepageGradient(2) = 0.625;
  PrepareSolution();
  EXPECT_EQ(AbortRun, 0);
  EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
}  // namespace pressures_test
