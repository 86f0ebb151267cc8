#include "fixture.h"

namespace pressures_test {
namespace {

using WaterTest = PressureTest;

TEST_F(WaterTest, HydrostaticBetweenTheTwoWaterLevels) {
  WaterDataType = "E";
  WaterElev(1) = 4;
  WaterElev(2) = -3;
  PrepareSolution();
  const double gw = 62.4;
  for (int p = 1; p <= NumGridPoints; ++p) {
    const double z = GridElev(p);
    const double below = gw * std::max(0.0, 4 - z) - gw * std::max(0.0, -3 - z);
    EXPECT_NEAR(NetWaterPressure(p, 1), below, 1e-9) << z;
    if (p > 1) {
      EXPECT_NEAR(NetWaterPressure(p, 2), below, 1e-9) << z;
    }
  }
  EXPECT_NEAR(NetWaterPressure(NumGridPoints, 1), gw * 7, 1e-9);
}

TEST_F(WaterTest, WaterAboveTheWallTopStartsWithAJumpAtTheTop) {
  WaterDataType = "E";
  WaterElev(1) = 12;
  WaterElev(2) = -100;  // below the grid's regular points
  PrepareSolution();
  EXPECT_NEAR(NetWaterPressure(1, 1), 2 * 62.4, 1e-9);
  EXPECT_EQ(NetWaterPressure(1, 2), 0);
}

TEST_F(WaterTest, TableOfPressuresIsInterpolatedAndHeldBelowItsEnd) {
  WaterDataType = "P";
  NumWaterPressPoints = 2;
  WaterPressElev(1) = 10;
  WaterPressValue(1) = 0;
  WaterPressElev(2) = 0;
  WaterPressValue(2) = 500;
  PrepareSolution();
  EXPECT_NEAR(NetWaterPressure(PointAt(7), 1), 150, 1e-9);
  EXPECT_NEAR(NetWaterPressure(PointAt(0), 2), 500, 1e-9);
  EXPECT_NEAR(NetWaterPressure(NumGridPoints, 1), 500, 1e-9);
}

// A table may begin above the wall top (water standing above the wall): the grid starts
// at the top, which takes the table's value there, and the diagram jumps to it from 0.
TEST_F(WaterTest, TableBeginningAboveTheWallTopActsFromTheTop) {
  struct Case {
    std::vector<double> elev, value;
    double surface, deepest;  // hydrostatic from a water surface down to the deepest level
  };
  const double gw = 62.4;
  const std::vector<Case> cases = {
      {{12, 0}, {0, 12 * gw}, 12, 0},
      {{12, 10, 0}, {0, 2 * gw, 12 * gw}, 12, 0},
      {{11.5, 10.00005, -4}, {0, 1.49995 * gw, 15.5 * gw}, 11.5, -4},
      {{14, 12}, {0, 2 * gw}, 14, 12},  // the whole table above the wall
  };
  for (const Case& c : cases) {
    WaterDataType = "P";
    NumWaterPressPoints = static_cast<int>(c.elev.size());
    for (int j = 1; j <= NumWaterPressPoints; ++j) {
      WaterPressElev(j) = c.elev[static_cast<std::size_t>(j - 1)];
      WaterPressValue(j) = c.value[static_cast<std::size_t>(j - 1)];
    }
    PrepareSolution();
    ASSERT_EQ(GridElev(1), 10);
    EXPECT_EQ(NetWaterPressure(1, 2), 0) << c.elev[0];
    for (int p = 1; p <= NumGridPoints; ++p) {
      const double expected = gw * (c.surface - std::max(GridElev(p), c.deepest));
      EXPECT_NEAR(NetWaterPressure(p, 1), expected, 1e-6) << c.elev[0] << " at " << GridElev(p);
      if (p > 1) {
        EXPECT_NEAR(NetWaterPressure(p, 2), expected, 1e-6) << c.elev[0] << " at " << GridElev(p);
      }
    }
  }
}

// Given gradient i: the net water pressure loses gw i (Se - z) on the right face and
// gw i (x - z) on the left face down to the seepage bottom, where it reaches 0.
TEST_F(WaterTest, SeepageWithAGivenGradient) {
  WaterDataType = "E";
  WaterElev(1) = 6;
  WaterElev(2) = 0;
  SeepageOption = "G";
  SeepageElev = 6;
  SeepageGradient(1) = 0.2;
  PrepareSolution();
  const double gw = 62.4, i = 0.2;
  const double zb = (6 + 0 - 6 / i) / 2;  // -12
  EXPECT_DOUBLE_EQ(SeepageBottomElev(1), zb);
  for (double z : {3.0, 0.0, -5.0, -12.0, -20.0}) {
    const int p = PointAt(z);
    double expected = gw * (6 - z) - gw * std::max(0.0, 0 - z);
    if (z > zb - 1e-9) expected -= gw * i * (6 - z) + gw * i * std::max(0.0, 0 - z);
    if (z < zb) expected = 0;
    EXPECT_NEAR(NetWaterPressure(p, 1), expected, 1e-9) << z;
  }
  EXPECT_NEAR(NetWaterPressure(PointAt(-12), 1), 0, 1e-9);
}

// A gradient of head / (Se - x) loses the whole head on the right face between the
// seepage elevation and x: the seepage bottom is x itself, nothing flows up the left
// face, and below x the water pressures on the two faces balance.
TEST_F(WaterTest, SeepageBottomAtTheLeftSideLeavesNothingBelowIt) {
  WaterDataType = "E";
  WaterElev(1) = 8;
  WaterElev(2) = 4;  // standing water over the left ground at 0: x = 0
  SeepageOption = "G";
  SeepageElev = 8;
  SeepageGradient(1) = 0.5;  // 4 ft of head over 8 ft of path
  SandLayer(2, 1, 30, 0, 0, 100, 125);
  PrepareSolution();
  ASSERT_EQ(AbortRun, 0);
  ASSERT_EQ(SeepageBottomElev(1), 0);
  const double gw = 62.4, i = 0.5;
  for (double z : {6.0, 4.0, 2.0, 0.0}) {
    const double expected = gw * (8 - z) - gw * (4 - std::min(4.0, z)) - gw * i * (8 - z);
    EXPECT_NEAR(NetWaterPressure(PointAt(z), 1), expected, 1e-9) << z;
  }
  for (int p = PointAt(0) + 1; p <= NumGridPoints; ++p) {
    EXPECT_EQ(NetWaterPressure(p, 1), 0) << GridElev(p);
    EXPECT_EQ(NetWaterPressure(p, 2), 0) << GridElev(p);
  }
}

TEST_F(WaterTest, AMissingElevationIsNeverSoughtPastTheGrid) {
  WaterDataType = "E";
  WaterElev(1) = 4;
  WaterElev(2) = 0;
  PrepareSolution();
  WaterElev(1) = 4.5;  // no longer a grid point
  ComputeWaterPressures(1);
  // The right side's water is left out; the left side's is still there.
  EXPECT_NEAR(NetWaterPressure(PointAt(-10), 1), -62.4 * 10, 1e-9);
}

using SurchargeTest = PressureTest;

// Horizontal stress on a rigid wall from a vertical load q(x) on the surface, by
// integrating the elastic line-load kernel (2/pi) q x^2 z / (x^2 + z^2)^2 numerically.
double Integrated(double x1, double q1, double x2, double q2, double z) {
  const int n = 20000;
  const double h = (x2 - x1) / n;
  double sum = 0;
  for (int k = 0; k <= n; ++k) {
    const double x = x1 + k * h;
    const double q = q1 + (q2 - q1) * (x - x1) / (x2 - x1);
    const double f = 2 / 3.141592653589793 * q * x * x * z / std::pow(x * x + z * z, 2);
    sum += f * (k == 0 || k == n ? 1 : (k % 2 ? 4 : 2));
  }
  return sum * h / 3;
}

TEST_F(SurchargeTest, StripRampTriangleAndVariableLoads) {
  NumStripLoads(1) = 1;
  StripStartDist(1, 1) = 2;
  StripEndDist(1, 1) = 6;
  StripLoad(1, 1) = 300;
  NumTriangularLoads(2) = 1;
  TriStartDist(2, 1) = 1;
  TriPeakDist(2, 1) = 3;
  TriEndDist(2, 1) = 8;
  TriPeakLoad(2, 1) = 400;
  PrepareSolution();
  ComputeSurchargePressures(1);
  ComputeSurchargePressures(2);
  for (double z : {1.0, 4.0, 10.0}) {
    const int p = PointAt(-z);
    EXPECT_NEAR(SurchargePressure(1, p), Integrated(2, 300, 6, 300, z), 1e-6) << z;
    EXPECT_NEAR(SurchargePressure(2, p),
                Integrated(1, 0, 3, 400, z) + Integrated(3, 400, 8, 0, z), 1e-6)
        << z;
  }
  EXPECT_EQ(SurchargePressure(1, PointAt(0)), 0);
  EXPECT_EQ(SurchargePressure(1, PointAt(5)), 0);

  // A ramp rising from 2 to 5 ft, full load beyond: the full part by the closed form
  // of a load from the ramp's end to infinity, checked against a long integral.
  SetUp();
  NumRampLoads(1) = 1;
  RampStartDist(1) = 2;
  RampEndDist(1) = 5;
  RampLoad(1) = 200;
  PrepareSolution();
  ComputeSurchargePressures(1);
  const double z = 3;
  // Beyond 20000 ft the kernel is (2/pi) q z / x^2: its tail is (2/pi) q z / 20000.
  const double beyond = Integrated(5, 200, 50, 200, z) + Integrated(50, 200, 20000, 200, z) +
                        2 / 3.141592653589793 * 200 * z / 20000;
  EXPECT_NEAR(SurchargePressure(1, PointAt(-z)), Integrated(2, 0, 5, 200, z) + beyond, 1e-3);
}

TEST_F(SurchargeTest, LineLoadsByTheirTwoForms) {
  // Right ground 10 ft above the left: H = 10. x = 4 is within 0.4 H; x = 6 is not.
  SurfaceElev(1, 1) = 10;
  WallTopElev = 10;
  NumLineLoads(1) = 1;
  LineLoadDist(1, 1) = 4;
  LineLoad(1, 1) = 1000;
  PrepareSolution();
  ComputeSurchargePressures(1);
  const double n = 5.0 / 10;
  EXPECT_NEAR(SurchargePressure(1, PointAt(5)), 0.203 * 100 * n / std::pow(0.16 + n * n, 2), 1e-9);

  LineLoadDist(1, 1) = 6;
  ComputeSurchargePressures(1);
  const double x = 6, z = 5;
  EXPECT_NEAR(SurchargePressure(1, PointAt(5)),
              4 * 1000 / 3.14159265358979 * x * x * z / std::pow(x * x + z * z, 2), 1e-9);
}

TEST_F(SurchargeTest, VariableLoadWithTwoPointsAtOneDistance) {
  NumVariablePoints(1) = 3;
  VarLoadDist(1, 1) = 2;
  VarLoadValue(1, 1) = 0;
  VarLoadDist(1, 2) = 4;
  VarLoadValue(1, 2) = 300;
  VarLoadDist(1, 3) = 4;  // a vertical step down to 0
  VarLoadValue(1, 3) = 0;
  PrepareSolution();
  ComputeSurchargePressures(1);
  for (int p = 1; p <= NumGridPoints; ++p) ASSERT_TRUE(std::isfinite(SurchargePressure(1, p)));
  EXPECT_NEAR(SurchargePressure(1, PointAt(-3)), Integrated(2, 0, 4, 300, 3), 1e-6);
}

}  // namespace
}  // namespace pressures_test
