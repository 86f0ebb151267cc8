#include <algorithm>
#include <limits>

#include "fixture.h"

namespace pressures_test {
namespace {

// Coulomb's trial wedges behind a vertical wall under a level surface, solved by the
// force polygon of each trial plane and searched numerically: the horizontal
// coefficient K cos(delta) that the program's pressures carry.
double WedgeCoefficient(double phiDeg, double deltaDeg, bool passive) {
  const double phi = phiDeg * kDeg, delta = deltaDeg * kDeg;
  const double H = 1, gamma = 1;
  double best = passive ? 1e300 : -1e300;
  for (int n = 1; n < 200000; ++n) {
    const double rho = n * (1.5707963267948966 / 200000);  // plane angle from horizontal
    const double W = 0.5 * gamma * H * H / std::tan(rho);
    // Unit directions on the wedge: wall force P (dx, dy), plane reaction R (rx, ry).
    const double s = passive ? -1 : 1;
    const double dx = std::cos(delta), dy = s * std::sin(delta);
    const double rx = -std::sin(rho) + s * std::tan(phi) * std::cos(rho);
    const double ry = std::cos(rho) + s * std::tan(phi) * std::sin(rho);
    // P d + R r = (0, W)
    const double det = dx * ry - dy * rx;
    const double P = (0 * ry - W * rx) / det;
    const double R = (dx * W - dy * 0) / det;
    if (R <= 0 || P <= 0) continue;
    best = passive ? std::min(best, P) : std::max(best, P);
  }
  return 2 * best * std::cos(delta) / (gamma * H * H);
}

using CoulombTest = PressureTest;

// Pressures 10 ft below the ground on each side, both diagrams.
struct Case {
  double phi, delta;
};

TEST_F(CoulombTest, ClosedFormsMatchCoulombTrialWedges) {
  for (Case c : {Case{30, 0}, Case{30, 15}, Case{36, 12}, Case{20, 10}}) {
    SetUp();
    SandLayer(1, 1, c.phi, c.delta, 0, 100, 120);
    PrepareSolution();
    ComputeCoulombPressures(1, 1);
    ASSERT_EQ(AbortRun, 0);
    const int p = PointAt(-10);
    const double ka = WedgeCoefficient(c.phi, c.delta, false);
    const double kp = WedgeCoefficient(c.phi, c.delta, true);
    EXPECT_NEAR(ActivePressure(1, p, 1), ka * 1000, 1e-3 * ka * 1000) << c.phi << "/" << c.delta;
    EXPECT_NEAR(PassivePressure(1, p, 2), kp * 1000, 1e-3 * kp * 1000) << c.phi << "/" << c.delta;
  }
}

TEST_F(CoulombTest, RankineSandAndTheFactorsOfSafetyOnTangents) {
  FSActive = 1.0;
  FSPassive = 1.5;
  PrepareSolution();
  ComputeCoulombPressures(2, 1);
  const int p = PointAt(-10);
  EXPECT_NEAR(ActivePressure(2, p, 1), 1000.0 / 3, 1e-9);
  // Developed angle atan(tan 30 / 1.5); Rankine Kp of it.
  const double phiP = std::atan(std::tan(30 * kDeg) / 1.5);
  const double kp = (1 + std::sin(phiP)) / (1 - std::sin(phiP));
  EXPECT_NEAR(PassivePressure(2, p, 1), kp * 1000, 1e-6);
  // Above the ground there is no pressure; at the ground the value above is 0.
  EXPECT_EQ(ActivePressure(2, PointAt(5), 1), 0);
  EXPECT_EQ(PassivePressure(2, PointAt(0), 2), 0);
}

// The passive table for wall friction above half the friction angle: the tabulated Kp
// at the angle, times the factor for the ratio delta/phi interpolated in the table.
TEST_F(CoulombTest, TableBranchForLargeWallFriction) {
  struct T {
    double phi, delta, expectedKp;
  };
  // phi 30 delta 30: ratio 1, factor 1, Kp 6.48.
  // phi 30 delta 20: ratio 2/3, columns 0.6 and 0.7 of the 30-degree row (0.811, 0.878).
  const double r = 20.0 / 30.0;
  const double f30 = ((0.7 - r) * 0.811 + (r - 0.6) * 0.878) / 0.1;
  // phi 24 delta 16: ratio 2/3 between rows 20 (0.901, 0.939) and 25 (0.860, 0.912),
  // Kp 4.01 at 24 degrees.
  const double f20 = ((0.7 - r) * 0.901 + (r - 0.6) * 0.939) / 0.1;
  const double f25 = ((0.7 - r) * 0.860 + (r - 0.6) * 0.912) / 0.1;
  const double f24 = ((24 - 20) * f25 + (25 - 24) * f20) / 5;
  // phi 42 delta 24: ratio 4/7, columns 0.5 and 0.6 between rows 40 (0.592, 0.682) and
  // 45 (0.500, 0.600), Kp 22.16 at 42 degrees.
  const double r2 = 24.0 / 42.0;
  const double f40 = ((0.6 - r2) * 0.592 + (r2 - 0.5) * 0.682) / 0.1;
  const double f45 = ((0.6 - r2) * 0.500 + (r2 - 0.5) * 0.600) / 0.1;
  const double f42 = ((42 - 40) * f45 + (45 - 42) * f40) / 5;
  // Up to 10 degrees the factor runs from 1 at 0 degrees to row 10 at 10 degrees.
  // phi 8 delta 4.4: ratio 0.55 (0.946, 0.962), Kp 1.49 at 8 degrees.
  const double f10a = ((0.6 - 0.55) * 0.946 + (0.55 - 0.5) * 0.962) / 0.1;
  // phi 4 delta 3: ratio 0.75, columns 0.7 and 1.0 (0.978, 1.0) over 0.3; Kp between
  // 1.0 at 0 and 1.33 at 6 degrees.
  const double f10b = ((1.0 - 0.75) * 0.978 + (0.75 - 0.7) * 1.0) / 0.3;
  for (T c : {T{30, 30, 6.48}, T{30, 20, 6.48 * f30}, T{24, 16, 4.01 * f24},
              T{42, 24, 22.16 * f42}, T{8, 4.4, 1.49 * (8 * f10a + 2) / 10},
              T{4, 3, (1 + 0.33 * 4 / 6) * (4 * f10b + 6) / 10}}) {
    SetUp();
    SandLayer(1, 1, c.phi, c.delta, 0, 100, 120);
    PrepareSolution();
    ComputeCoulombPressures(1, 1);
    ASSERT_EQ(AbortRun, 0);
    EXPECT_NEAR(PassivePressure(1, PointAt(-10), 1), c.expectedKp * std::cos(c.delta * kDeg) * 1000,
                1e-6)
        << c.phi << "/" << c.delta;
  }
}

TEST_F(CoulombTest, FortyFiveDegreesInTheTableTakesItsLastEntry) {
  SandLayer(1, 1, 45, 45, 0, 100, 120);
  PrepareSolution();
  ComputeCoulombPressures(1, 1);
  EXPECT_NEAR(PassivePressure(1, PointAt(-1), 1), 33.0 * std::cos(45 * kDeg) * 100, 1e-6);
}

TEST_F(CoulombTest, DevelopedAngleAbove45InTheTableStops) {
  SandLayer(1, 1, 40, 40, 0, 100, 120);
  FSPassive = 0.5;  // atan(tan 40 / 0.5) = 59 degrees
  PrepareSolution();
  ComputeCoulombPressures(1, 1);
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text,
            "Calculated angle of internal friction is greater\n     45 degrees.  Unable to continue.");
  EXPECT_EQ(boxes.boxes()[0].buttons, 48);
  EXPECT_EQ(boxes.boxes()[0].title, "QUELDAR");
  for (int p = 1; p <= NumGridPoints; ++p) EXPECT_EQ(PassivePressure(1, p, 1), 0);
}

TEST_F(CoulombTest, ZeroOrNegativeFactorAndInfiniteClosedFormStopWithoutNaN) {
  struct F {
    double phi, delta, fsa, fsp;
  };
  // A factor of 0; a negative factor; a closed form whose denominator is negative
  // (phiP = atan(10) = 84.3 degrees, deltaP = 41.2 degrees).
  for (F c : {F{30, 0, 0, 1}, F{30, 0, 1, -1}, F{45, 5, 1, 0.1}}) {
    SetUp();
    SandLayer(1, 1, c.phi, c.delta, 0, 100, 120);
    FSActive = c.fsa;
    FSPassive = c.fsp;
    PrepareSolution();
    ComputeCoulombPressures(1, 1);
    EXPECT_EQ(AbortRun, 1) << c.fsa << " " << c.fsp;
    EXPECT_EQ(boxes.boxes().size(), 1u);
    for (int p = 1; p <= NumGridPoints; ++p) {
      ASSERT_TRUE(std::isfinite(ActivePressure(1, p, 1)));
      ASSERT_TRUE(std::isfinite(PassivePressure(1, p, 1)));
    }
  }
}

TEST_F(CoulombTest, ClayCutOffInsertsTheZeroPoint) {
  // phi 0, c 525: active -1050 + 100 d, passive 1050 + 100 d; zero at d = 10.5.
  SandLayer(1, 1, 0, 0, 525, 100, 120);
  PrepareSolution();
  const int n = NumGridPoints;
  ComputeCoulombPressures(1, 1);
  ASSERT_EQ(NumGridPoints, n + 1);
  const int z = PointAt(-10.5);
  EXPECT_EQ(ActivePressure(1, z, 1), 0);
  EXPECT_EQ(ActivePressure(1, z, 2), 0);
  EXPECT_NEAR(PassivePressure(1, z, 1), 2100, 1e-9);
  EXPECT_NEAR(PassivePressure(1, z, 2), 2100, 1e-9);
  for (int p = PointAt(0); p < z; ++p) {
    EXPECT_EQ(ActivePressure(1, p, 1), 0);
    EXPECT_EQ(ActivePressure(1, p + 1, 2), 0);
  }
  EXPECT_NEAR(ActivePressure(1, z + 1, 2), 50, 1e-9);
  EXPECT_NEAR(PassivePressure(1, PointAt(0), 1), 1050, 1e-9);

  // With c 500 the zero falls on the point 10 ft down: nothing inserted.
  SetUp();
  SandLayer(1, 1, 0, 0, 500, 100, 120);
  PrepareSolution();
  ComputeCoulombPressures(1, 1);
  EXPECT_EQ(NumGridPoints, n);
  EXPECT_EQ(ActivePressure(1, PointAt(-10), 1), 0);
  EXPECT_NEAR(ActivePressure(1, PointAt(-11), 2), 100, 1e-9);
}

TEST_F(CoulombTest, LeftSideCutOffMovesTheRightSidesPressuresWithThePoint) {
  SandLayer(2, 1, 0, 0, 525, 100, 120);
  PrepareSolution();
  ComputeCoulombPressures(1, 1);
  const double rightAt11 = ActivePressure(1, PointAt(-11), 2);
  ComputeCoulombPressures(2, 1);
  const int z = PointAt(-10.5);
  EXPECT_NEAR(ActivePressure(1, z, 1), 100 * 10.5 / 3, 1e-9);  // Ka gamma d
  EXPECT_DOUBLE_EQ(ActivePressure(1, z + 1, 2), rightAt11);
}

TEST_F(CoulombTest, LayerBoundaryJumpsAndWaterTableBends) {
  // Right side: sand (phi 30) over clay-ish sand (phi 20, c 100) at -4; water at -2.
  NumSoilLayers(1) = 2;
  LayerBottomElev(1, 1) = -4;
  SandLayer(1, 2, 20, 0, 100, 110, 125);
  WaterDataType = "E";
  WaterElev(1) = -2;
  WaterElev(2) = -2;
  PrepareSolution();
  ComputeCoulombPressures(1, 1);
  const double ka1 = 1.0 / 3, ka2 = std::pow(std::tan(35 * kDeg), 2);
  const double sv4 = 100 * 2 + (120 - 62.4) * 2;  // effective stress at -4
  const int b = PointAt(-4);
  EXPECT_NEAR(ActivePressure(1, b, 2), ka1 * sv4, 1e-9);
  EXPECT_NEAR(ActivePressure(1, b, 1), ka2 * sv4 - 2 * 100 * std::sqrt(ka2), 1e-9);
  const int w = PointAt(-2);
  EXPECT_NEAR(ActivePressure(1, w, 1), ActivePressure(1, w, 2), 1e-9);
  EXPECT_NEAR(ActivePressure(1, PointAt(-3), 1), ka1 * (200 + 57.6), 1e-9);
}

TEST_F(CoulombTest, CoefficientSoilIsUsedAsGiven) {
  SoilDataType(1) = "C";
  LayerKa(1, 1) = 0.4;
  LayerKp(1, 1) = 2.5;
  LayerCohesion(1, 1) = 300;  // not used by coefficient soil
  FSActive = 2;
  PrepareSolution();
  ComputeCoulombPressures(1, 1);
  EXPECT_NEAR(ActivePressure(1, PointAt(-10), 1), 400, 1e-9);
  EXPECT_NEAR(PassivePressure(1, PointAt(-10), 1), 2500, 1e-9);
}

TEST_F(CoulombTest, UniformSurchargeOnClayCancelsTheCohesionAtTheSurface) {
  SandLayer(1, 1, 0, 0, 500, 100, 120);
  NumUniformLoads(1) = 1;
  UniformLoad(1) = 1000;
  PrepareSolution();
  const int n = NumGridPoints;
  ComputeCoulombPressures(1, 1);
  EXPECT_EQ(NumGridPoints, n);
  EXPECT_EQ(ActivePressure(1, PointAt(0), 1), 0);
  EXPECT_NEAR(PassivePressure(1, PointAt(0), 1), 2000, 1e-9);
  EXPECT_NEAR(ActivePressure(1, PointAt(-3), 1), 300, 1e-9);
}

// A left ground below the bottom of the upper layers (side word B copies the right
// side's layers): the strata start in the layer that holds soil below the surface.
TEST_F(CoulombTest, LayersAboveALowerGroundAreSkipped) {
  SurfaceElev(2, 1) = -5;
  NumSoilLayers(2) = 2;
  SandLayer(2, 1, 0, 0, 0, 100, 120);  // would give Kp 1
  LayerBottomElev(2, 1) = -2;          // above the left ground
  SandLayer(2, 2, 30, 0, 0, 100, 120);
  PrepareSolution();
  ComputeCoulombPressures(2, 1);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(PassivePressure(2, PointAt(-10), 1), 3 * 500, 1e-9);
  EXPECT_NEAR(ActivePressure(2, PointAt(-10), 1), 500.0 / 3, 1e-9);
  EXPECT_EQ(PassivePressure(2, PointAt(-5), 2), 0);
}

TEST_F(CoulombTest, CoulombSideClearsAStaleWedgeFootnote) {
  WedgeNoSolution(1, 2) = 1;
  WedgeMarkActive(2, 20) = "*";
  PrepareSolution();
  ComputeCoulombPressures(2, 1);
  EXPECT_EQ(WedgeNoSolution(1, 2), 0);
  EXPECT_EQ(WedgeMarkActive(2, 20), "");
}

// Seepage with a given gradient i = 0.2 from the right water (6) around the tip to the
// left ground (x = 0): the seepage bottom is (6 + 0 - 6 / 0.2) / 2 = -12.
void SeepageToMinusTwelve() {
  WallTopElev = 10;
  SurfaceElev(1, 1) = 10;
  WaterDataType = "E";
  WaterElev(1) = 6;
  WaterElev(2) = 0;
  SeepageOption = "G";
  SeepageElev = 6;
  SeepageGradient(1) = SeepageGradient(2) = 0.2;
}

// Down the right face the flow adds i gw to the submerged weight, up the left face it
// takes i gw off; below the bottom both sides are plainly submerged.
TEST_F(CoulombTest, SeepageMakesTheRightSoilHeavierAndTheLeftSoilLighter) {
  SeepageToMinusTwelve();
  PrepareSolution();
  ASSERT_DOUBLE_EQ(SeepageBottomElev(1), -12);
  ComputeCoulombPressures(1, 1);
  ComputeCoulombPressures(2, 1);
  ASSERT_EQ(AbortRun, 0);
  const double gw = 62.4, i = 0.2;
  auto rightStress = [&](double z) {
    double q = 100 * (10 - std::max(z, 6.0));                       // moist above the water
    q += (120 - (1 - i) * gw) * (6 - std::max(std::min(z, 6.0), -12.0));  // downward flow
    q += (120 - gw) * std::max(0.0, -12 - z);                       // below the bottom
    return q;
  };
  auto leftStress = [&](double z) {
    return (120 - (1 + i) * gw) * (0 - std::max(z, -12.0)) + (120 - gw) * std::max(0.0, -12 - z);
  };
  for (double z : {8.0, 6.0, 3.0, 0.0, -5.0, -12.0, -20.0}) {
    const int p = PointAt(z);
    EXPECT_NEAR(ActivePressure(1, p, 2), rightStress(z) / 3, 1e-6) << z;
    if (z <= 0) {
      EXPECT_NEAR(ActivePressure(2, p, 2), leftStress(z) / 3, 1e-6) << z;
      EXPECT_NEAR(PassivePressure(2, p, 2), leftStress(z) * 3, 1e-6) << z;
    }
  }
}

// The seepage bottom found again by arithmetic a rounding error off a layer bottom (here
// the left side's, at -12): one level, not a stratum of no depth over which the
// coefficients would be spread, which put numbers of 1E+19 into the pressures below.
TEST_F(CoulombTest, ASeepageBottomARoundingErrorOffALayerBottomIsThatBottom) {
  for (const double off : {std::nextafter(-12.0, 0.0), std::nextafter(-12.0, -1.0)}) {
    SetUp();
    SeepageToMinusTwelve();
    NumSoilLayers(2) = 2;
    LayerBottomElev(2, 1) = -12;
    SandLayer(2, 2, 30, 0, 0, 100, 120);
    PrepareSolution();
    SeepageBottomElev(1) = off;
    ComputeCoulombPressures(2, 1);
    ASSERT_EQ(AbortRun, 0);
    const double gw = 62.4, i = 0.2;
    auto leftStress = [&](double z) {
      return (120 - (1 + i) * gw) * (0 - std::max(z, -12.0)) + (120 - gw) * std::max(0.0, -12 - z);
    };
    for (double z : {-5.0, -12.0, -13.0, -20.0, -40.0}) {
      const int p = PointAt(z);
      for (int k = 1; k <= 2; ++k) {
        EXPECT_NEAR(ActivePressure(2, p, k), leftStress(z) / 3, 1e-6) << z << " k " << k;
        EXPECT_NEAR(PassivePressure(2, p, k), leftStress(z) * 3, 1e-6) << z << " k " << k;
      }
    }
  }
}

// The automatic gradient may rise to its limit, at which upward flow leaves the lightest
// soil in front without weight. That soil stops the pressures where a wall would stand
// on it: with no design tip, or reaching above the tip the gradient follows. Wholly below
// that tip it carries nothing onto the wall: it stops nothing and adds no stress.
TEST_F(CoulombTest, SoilLeftWithoutWeightStopsOnlyWhereTheWallStandsOnIt) {
  struct Case {
    double tip;
    bool stops;
  };
  const double noTip = -std::numeric_limits<double>::infinity();
  for (const Case c : {Case{noTip, true}, Case{-3, true}, Case{0, false}, Case{2, false}}) {
    SCOPED_TRACE(c.tip);
    SetUp();
    SeepageToMinusTwelve();
    const double limit = 120 / 62.4 - 1;  // (1 + limit) x 62.4 = the left soil's 120 pcf
    SeepageGradient(1) = SeepageGradient(2) = limit;
    PrepareSolution();
    const double bottom = (6 + 0 - 6 / limit) / 2;  // the flow turns up at -0.25
    ASSERT_NEAR(SeepageBottomElev(1), bottom, 1e-12);
    SeepageTipElev(1) = c.tip;
    ComputeCoulombPressures(2, 1);
    if (c.stops) {
      EXPECT_EQ(AbortRun, 1);
      ASSERT_EQ(boxes.boxes().size(), 1u);
      EXPECT_EQ(boxes.boxes()[0].title, "IMPROPER SOIL WEIGHT");
      continue;
    }
    ASSERT_EQ(AbortRun, 0);
    EXPECT_TRUE(boxes.boxes().empty());
    // No weight from the left ground at 0 down to the bottom, plainly submerged below it.
    auto leftStress = [&](double z) { return (120 - 62.4) * std::max(0.0, bottom - z); };
    for (double z : {0.0, -5.0, -12.0}) {
      const int p = PointAt(z);
      EXPECT_NEAR(ActivePressure(2, p, 2), leftStress(z) / 3, 1e-6) << z;
      EXPECT_NEAR(PassivePressure(2, p, 2), leftStress(z) * 3, 1e-6) << z;
    }
  }
  SeepageTipElev(1) = noTip;
}

TEST_F(CoulombTest, SeepageTooStrongForTheLeftSoilStops) {
  SandLayer(2, 1, 30, 0, 0, 100, 100);
  WaterDataType = "E";
  WaterElev(1) = 5;
  WaterElev(2) = 0;
  SeepageOption = "G";
  SeepageElev = 5;
  SeepageGradient(1) = 0.9;  // (1 + 0.9) * 62.4 > 100
  PrepareSolution();
  ComputeCoulombPressures(2, 1);
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].title, "IMPROPER SOIL WEIGHT");
  EXPECT_EQ(boxes.boxes()[0].text,
            "Seepage has resulted in negative or zero\n     effective unit weight of soil.\n\n"
            "UNABLE TO CONTINUE.");
}

}  // namespace
}  // namespace pressures_test
