#include <cmath>

#include "wedge_fixture.h"

namespace pressures_test {
namespace {

class WedgePressuresTest : public WedgeTest {
 protected:
  void SetUp() override {
    WedgeTest::SetUp();
    LevelGroundBothSides();
  }
  // The right side's pressures by the given wedge method, after the set-up.
  void RightSide(const char* method) {
    PrepareSolution();
    PressureMethod(1) = method;
    ComputeWedgePressures(1, 1);
  }
  double A(double elev, int k) { return ActivePressure(1, PointAt(elev), k); }
  double P(double elev, int k) { return PassivePressure(1, PointAt(elev), k); }
};

TEST_F(WedgePressuresTest, DrySandGivesRankinePressuresByTheFixedSurface) {
  RightSide("F");
  ASSERT_EQ(AbortRun, 0);
  for (double d : {1.0, 7.0, 30.0}) {
    for (int k = 1; k <= 2; ++k) {
      EXPECT_NEAR(A(-d, k), 100 * d / 3, 1e-6) << d;
      EXPECT_NEAR(P(-d, k), 300 * d, 1e-6) << d;
    }
  }
  // No cohesion, no uniform load: the surface point keeps 0, and so does every point above.
  for (int p = 1; p <= PointAt(0); ++p) {
    for (int k = 1; k <= 2; ++k) {
      EXPECT_EQ(ActivePressure(1, p, k), 0);
      EXPECT_EQ(PassivePressure(1, p, k), 0);
    }
  }
  // Just below the last point belongs to no segment and holds nothing stale.
  EXPECT_EQ(ActivePressure(1, NumGridPoints, 1), 0);
}

struct ClayCase {
  double c;
  double zero;       // elevation where the active pressure reaches 0
  bool inserted;
};

TEST_F(WedgePressuresTest, ClayActiveCutOffAndTheSurfaceValues) {
  for (ClayCase cc : {ClayCase{525, -10.5, true}, ClayCase{500, -10, false}}) {
    SetUp();
    SandLayer(1, 1, 0, 0, cc.c, 100, 120);
    PrepareSolution();
    const int before = NumGridPoints;
    PressureMethod(1) = "F";
    ComputeWedgePressures(1, 1);
    ASSERT_EQ(AbortRun, 0);
    EXPECT_EQ(NumGridPoints, before + (cc.inserted ? 1 : 0)) << cc.c;
    // Forces 50 d^2 - 2 c d: active 100 d - 2 c below the zero, 0 above it.
    EXPECT_EQ(A(0, 1), 0);
    EXPECT_NEAR(P(0, 1), 2 * cc.c, 1e-9);
    EXPECT_EQ(P(0, 2), 0);
    for (int p = PointAt(0) + 1; GridElev(p) >= -30; ++p) {
      const double d = -GridElev(p);
      const double want = d <= -cc.zero ? 0 : 100 * d - 2 * cc.c;
      EXPECT_NEAR(ActivePressure(1, p, 2), want, 1e-6) << cc.c << " at " << GridElev(p);
      EXPECT_NEAR(PassivePressure(1, p, 2), 100 * d + 2 * cc.c, 1e-6) << cc.c << " at " << GridElev(p);
    }
    EXPECT_NEAR(A(cc.zero, 1), 0, 1e-9);
  }
}

// A clay whose wedge is in tension down to its bottom hands the sand below its weight,
// not its cohesion: the fixed surface's active pressure in the sand lies between Coulomb's
// with the sand's wall friction and Rankine's (the mean wall friction starts at the clay's
// 0), as on a Coulomb side whose clay diagram is cut off at zero.
TEST_F(WedgePressuresTest, ASandUnderAClayInTensionTakesTheClaysWeightNotItsCohesion) {
  Layers(1, {{-5, 0}});
  SandLayer(1, 1, 0, 0, 600, 100, 120);  // 100 x 5 - 2 x 600 < 0: tension to its bottom
  SandLayer(1, 2, 34, 23, 0, 110, 120);
  RightSide("F");
  ASSERT_EQ(AbortRun, 0);
  const double phi = 34 * kDeg, delta = 23 * kDeg;
  const double rankine = (1 - std::sin(phi)) / (1 + std::sin(phi));
  const double r = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
  const double coulomb = std::pow(std::cos(phi) / (1 + r), 2);  // horizontal, vertical wall
  for (int p = PointAt(-5); GridElev(p) >= -9; ++p) {
    const double sv = 500 + 110 * (-5 - GridElev(p));
    for (int k = 1; k <= 2; ++k) {
      if (GridElev(p) == -5 && k == 2) continue;  // the clay's side of its bottom
      EXPECT_GE(ActivePressure(1, p, k), 0.99 * coulomb * sv) << "at " << GridElev(p) << ", k " << k;
      EXPECT_LE(ActivePressure(1, p, k), 1.01 * rankine * sv) << "at " << GridElev(p) << ", k " << k;
    }
  }
}

TEST_F(WedgePressuresTest, UniformLoadAtTheSurfaceAndInTheForces) {
  NumUniformLoads(1) = 1;
  UniformLoad(1) = 200;
  RightSide("F");
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(A(0, 1), 200.0 / 3, 1e-9);
  EXPECT_NEAR(P(0, 1), 600, 1e-9);
  EXPECT_NEAR(A(-10, 1), (200 + 1000) / 3.0, 1e-6);
  EXPECT_NEAR(P(-10, 1), 3 * (200 + 1000), 1e-6);

  // A uniform load left from an earlier problem but not given now adds nothing at the
  // surface of a clay side.
  SetUp();
  NumUniformLoads(1) = 0;
  UniformLoad(1) = 5000;
  SandLayer(1, 1, 0, 0, 100, 100, 120);
  RightSide("F");
  EXPECT_EQ(A(0, 1), 0);
  EXPECT_NEAR(P(0, 1), 200, 1e-9);
}

TEST_F(WedgePressuresTest, SurfaceSlopesClippedToTheDevelopedAngles) {
  // Ground falling away more steeply than phi: the passive value uses -phi; ground
  // rising more steeply than phi: the active value uses +phi.
  const double phi = 30 * kDeg;
  NumUniformLoads(1) = 1;
  UniformLoad(1) = 100;
  for (double slopeDeg : {-40.0, 40.0}) {
    SetUp();
    NumUniformLoads(1) = 1;
    UniformLoad(1) = 100;
    Surface(1, {{0, 0}, {10, 10 * std::tan(slopeDeg * kDeg)}, {20, 10 * std::tan(slopeDeg * kDeg)}});
    RightSide("F");
    const int p0 = PointAt(0);
    if (slopeDeg < 0) {
      // Kp of a vertical wall under a slope of -phi without wall friction: r = 0.
      EXPECT_NEAR(PassivePressure(1, p0, 1), std::pow(std::cos(phi), 2) * 100, 1e-9);
    } else {
      EXPECT_NEAR(ActivePressure(1, p0, 1), std::pow(std::cos(phi), 2) * 100, 1e-9);
    }
  }
}

TEST_F(WedgePressuresTest, PassiveNeverBelowTheEffectiveVerticalStress) {
  // Wall friction beyond 45 - phi/2 turns the fixed-surface passive force negative; the
  // floor lifts it to the vertical stress, uniform load and submerged weight included.
  SandLayer(1, 1, 35, 30, 0, 100, 120);
  NumUniformLoads(1) = 1;
  UniformLoad(1) = 50;
  WaterDataType = "E";
  WaterElev(1) = WaterElev(2) = -5;
  RightSide("F");
  ASSERT_EQ(AbortRun, 0);
  for (double d : {1.0, 5.0, 8.0}) {
    const double sv = 50 + 100 * std::min(d, 5.0) + (120 - 62.4) * std::max(0.0, d - 5);
    EXPECT_NEAR(P(-d, 1), sv, 1e-9) << d;
    EXPECT_NEAR(P(-d, 2), sv, 1e-9) << d;
  }
}

TEST_F(WedgePressuresTest, SweepClipsNegativeForcesAndMarksMoveWithInsertedPoints) {
  SandLayer(1, 1, 0, 0, 525, 100, 120);
  RightSide("S");
  ASSERT_EQ(AbortRun, 0);
  // Near the surface the clay's forces are negative: they count as 0, so no negative
  // active pressure and no active pressure at all above the crack depth.
  for (int p = 1; p <= NumGridPoints; ++p) {
    EXPECT_GE(ActivePressure(1, p, 1), 0) << GridElev(p);
    EXPECT_GE(ActivePressure(1, p, 2), 0) << GridElev(p);
  }
  EXPECT_EQ(A(-5, 1), 0);
}

TEST_F(WedgePressuresTest, ImproperSurfaceSlopeForThePassiveCoefficient) {
  SandLayer(1, 1, 40, 40, 100, 100, 120);
  Surface(1, {{0, 0}, {10, 10 * std::tan(20 * kDeg)}, {20, 10 * std::tan(20 * kDeg)}});
  RightSide("F");
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].title, "IMPROPER SURFACE SLOPE");
  EXPECT_EQ(boxes.boxes()[0].buttons, 0);
  EXPECT_EQ(boxes.boxes()[0].text, "Passive pressure coefficient at the ground surface" + NewLine +
                                     "cannot be computed for this slope and wall friction." +
                                     NewLine + NewLine + "UNABLE TO CONTINUE.");
  for (int p = 1; p <= NumGridPoints; ++p) EXPECT_EQ(PassivePressure(1, p, 1), 0);
}

TEST_F(WedgePressuresTest, PointsBelowTheLastLayerBottomStayInTheLastLayer) {
  // A seepage bottom far below the far points, as a design's first automatic gradient
  // puts it: the tip and the passive floor keep the last layer's soil there.
  Layers(1, {{-5, 0}});
  PrepareSolution();
  GridElev(NumGridPoints + 1) = -300000;
  ++NumGridPoints;
  PressureMethod(1) = "S";
  ComputeWedgePressures(1, 1);
  ASSERT_EQ(AbortRun, 0);
  const double H = 300000;
  const double ka = std::tan(29 * kDeg) * std::tan(31 * kDeg);
  EXPECT_NEAR(WedgeActiveForce(NumGridPoints, 1), 100 * H * H / 2 * ka, 1e-6 * H * H);
  EXPECT_GE(PassivePressure(1, NumGridPoints, 2), 100 * H * (1 - 1e-12));
}

TEST_F(WedgePressuresTest, FactorOfSafetyOfZeroStopsTheSide) {
  PrepareSolution();
  FSPassiveUsed(1, 1, 1) = 0;
  PressureMethod(1) = "S";
  ComputeWedgePressures(1, 1);
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, "Factor of safety is zero or negative." + NewLine + "     Unable to continue.");
}

// A lower ground given the same layers as the retained side: layers lying wholly above
// the ground at the wall hold no soil and change nothing.
TEST_F(WedgePressuresTest, LayersAboveTheGroundAtTheWallChangeNothing) {
  for (const char* method : {"S", "F"}) {
    SCOPED_TRACE(method);
    SetUp();
    SolveBy(method);
    ASSERT_EQ(AbortRun, 0);
    std::vector<double> alone;
    for (int p = 1; p <= NumGridPoints; ++p) {
      for (int k = 1; k <= 2; ++k) alone.push_back(ActivePressure(2, p, k)), alone.push_back(PassivePressure(2, p, k));
    }
    SetUp();
    Layers(2, {{5, 0}, {2, 0.01}});
    LayerPhi(2, 1) = LayerPhi(2, 2) = 20;
    LayerMoistUnitWeight(2, 1) = LayerMoistUnitWeight(2, 2) = 90;
    SolveBy(method);
    ASSERT_EQ(AbortRun, 0);
    std::vector<double> under;
    for (int p = 1; p <= NumGridPoints; ++p) {
      for (int k = 1; k <= 2; ++k) under.push_back(ActivePressure(2, p, k)), under.push_back(PassivePressure(2, p, k));
    }
    EXPECT_EQ(under, alone);
  }
}


// Ground dredged below the bottom of the upper layer (or down to it): the surface values
// come from the soil that is there. Coulomb values by hand, level ground, no wall
// friction: clay (phi 0) Kp = Ka = 1, sand phi 30 Kp = 3, Ka = 1/3.
struct DredgedCase {
  double upperBottom;        // elevation of the upper layer's bottom; the ground is at 0
  double upperPhi, upperC;   // the layer that is not there
  double lowerPhi, lowerC;   // the soil at the surface
  double q;                  // uniform load
  double wantA, wantP;       // surface point, just below
};

TEST_F(WedgePressuresTest, SurfaceValuesComeFromTheSoilAtTheGround) {
  for (DredgedCase dc : {DredgedCase{5, 30, 0, 0, 500, 0, 0, 2 * 500.0},
                         DredgedCase{5, 0, 800, 30, 0, 200, 200 / 3.0, 3 * 200.0},
                         DredgedCase{0, 0, 800, 30, 0, 200, 200 / 3.0, 3 * 200.0}}) {
    SCOPED_TRACE(dc.upperBottom);
    SCOPED_TRACE(dc.upperC);
    for (const char* method : {"F", "S"}) {
      SCOPED_TRACE(method);
      SetUp();
      Layers(1, {{dc.upperBottom, 0}});
      SandLayer(1, 1, dc.upperPhi, 0, dc.upperC, 100, 120);
      SandLayer(1, 2, dc.lowerPhi, 0, dc.lowerC, 100, 120);
      LayerBottomElev(1, 1) = dc.upperBottom;
      NumUniformLoads(1) = dc.q > 0 ? 1 : 0;
      UniformLoad(1) = dc.q;
      RightSide(method);
      ASSERT_EQ(AbortRun, 0);
      EXPECT_NEAR(A(0, 1), dc.wantA, 1e-9);
      EXPECT_NEAR(P(0, 1), dc.wantP, 1e-9);
      EXPECT_EQ(A(0, 2), 0);
      EXPECT_EQ(P(0, 2), 0);
    }
  }
  // Below the surface the clay of the first case pushes back by its own strength only:
  // forces 50 d^2 + 2 c d passive, pressure 100 d + 1000 (fixed surface, exact).
  SetUp();
  Layers(1, {{5, 0}});
  SandLayer(1, 2, 0, 0, 500, 100, 120);
  RightSide("F");
  for (double d : {1.0, 6.0}) EXPECT_NEAR(P(-d, 2), 100 * d + 1000, 1e-6) << d;
}

}  // namespace
}  // namespace pressures_test
