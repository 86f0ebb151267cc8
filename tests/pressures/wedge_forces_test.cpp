#include <algorithm>
#include <cmath>
#include <functional>

#include "wedge_fixture.h"

namespace pressures_test {
namespace {

class WedgeForcesTest : public WedgeTest {
 protected:
  // Dry sand (phi 30, no wall friction, 100 pcf) on both sides under level ground at 0,
  // given by two points so that both sides take the wedge method.
  void SetUp() override {
    WedgeTest::SetUp();
    LevelGroundBothSides();
  }
  void Forces(const char* method) {
    PrepareSolution();
    ASSERT_EQ(PressureMethod(1), "W");
    PressureMethod(1) = PressureMethod(2) = method;
    if (std::string(method) == "F") {
      ComputeFixedWedgeForces(1, 1);
    } else {
      ComputeSweepWedgeForces(1, 1);
    }
  }
};

constexpr double kRad = 0.0174532925199433;

TEST_F(WedgeForcesTest, FixedSurfaceGivesTheRankineForcesOfDrySand) {
  Forces("F");
  ASSERT_EQ(AbortRun, 0);
  const int p0 = PointAt(0);
  for (int p = 1; p <= p0; ++p) {
    EXPECT_EQ(WedgeActiveForce(p, 1), 0);
    EXPECT_EQ(WedgePassiveForce(p, 1), 0);
  }
  for (double H : {1.0, 5.0, 20.0, 50.0}) {
    const int p = PointAt(-H);
    EXPECT_NEAR(WedgeActiveForce(p, 1), 100 * H * H / 2 / 3, 1e-7 * H * H) << H;
    EXPECT_NEAR(WedgePassiveForce(p, 1), 100 * H * H / 2 * 3, 1e-7 * H * H) << H;
  }
  EXPECT_EQ(WedgeNoSolution(1, 1), 0);
}

// Under water and seepage the Rankine line still carries Ka (Kp) times the integral of
// the effective vertical stress down to the tip, whatever the unit weights on the way:
// the wedge's weight is that integral over the line's cotangent. Right side: water at -3,
// seepage from -4 down to the seepage bottom; left side: water at -6, seepage down to the
// same bottom.
TEST_F(WedgeForcesTest, FixedSurfaceUnderWaterAndSeepageGivesTheRankineForces) {
  for (int side = 1; side <= 2; ++side) {
    SetUp();
    WaterDataType = "E";
    WaterElev(1) = -3;
    WaterElev(2) = -6;
    SeepageOption = "G";
    SeepageElev = -4;
    SeepageGradient(1) = 0.25;
    WallBottomElev = -30;
    PrepareSolution();
    ASSERT_EQ(AbortRun, 0);
    const double i = SeepageGradient(1), sb = SeepageBottomElev(1), w = WaterElev(side);
    ASSERT_GT(i, 0.0001);
    ASSERT_LT(sb, -8);
    ASSERT_GT(sb, -30);
    PressureMethod(side) = "F";
    ComputeFixedWedgeForces(side, 1);
    ASSERT_EQ(AbortRun, 0);
    // Effective unit weight just below an elevation.
    auto unit = [&](double y) {
      if (y >= w) return 100.0;
      const bool seeping = (side == 2 || y < SeepageElev) && y >= sb;
      return 120 - (seeping ? (1 - (3 - 2 * side) * i) : 1.0) * 62.4;
    };
    for (double H : {2.5, 5.5, 12.5, 25.5}) {
      // Trapezoids of the effective stress between its breaks.
      std::vector<double> breaks = {0};
      for (double e : {w, SeepageElev, sb}) {
        if (e < 0 && e > -H) breaks.push_back(e);
      }
      breaks.push_back(-H);
      std::sort(breaks.begin(), breaks.end(), std::greater<double>());
      double sv = 0, integral = 0;
      for (std::size_t k = 1; k < breaks.size(); ++k) {
        const double h = breaks[k - 1] - breaks[k], next = sv + unit(breaks[k - 1] - 1e-9) * h;
        integral += (sv + next) / 2 * h;
        sv = next;
      }
      const int q = PointAt(-H + 0.5);  // the tip halfway between -H + 0.5 and -H - 0.5
      ASSERT_NEAR((GridElev(q) + GridElev(q + 1)) / 2, -H, 1e-12);
      EXPECT_NEAR(WedgeMidpointForce(q, 1), integral / 3, 1e-9 * integral) << side << " " << H;
      EXPECT_NEAR(WedgeMidpointForce(q, 2), integral * 3, 1e-9 * integral) << side << " " << H;
    }
  }
}

// A berm before the wall rises through the bottom of the sand that lies on the clay
// farther out. Near the wall the clay reaches up to the ground: the fixed-surface lines
// from tips in it leave the ground in the clay (at 45 degrees, phi being 0) and weigh
// and resist as the clay alone. Passive line from the tip at -0.5: to (1, 0.5) on the
// berm's slope; wedge 0.25 ft2; P = W + 2 c x 1 ft rise + adhesion x 0.5 ft of wall.
TEST_F(WedgeForcesTest, BermRisingThroughTheSandBottomAheadOfTheWall) {
  Surface(1, {{0, 0}, {20, 10}, {60, 10}});
  Layers(1, {{5, 0}});
  SandLayer(1, 1, 32, 0, 0, 110, 125);
  LayerBottomElev(1, 1) = 5;
  SandLayer(1, 2, 0, 0, 600, 105, 118);
  LayerAdhesion(1, 2) = 200;
  for (const char* method : {"F", "S"}) {
    SCOPED_TRACE(method);
    Forces(method);
    ASSERT_EQ(AbortRun, 0);
    ASSERT_TRUE(boxes.boxes().empty());
    if (std::string(method) == "F") {
      const int q = PointAt(0);
      EXPECT_NEAR(WedgeMidpointForce(q, 2), 105 * 0.25 + 2 * 600 * 1 + 200 * 0.5, 1e-9);
      // Active: W - 2 c x rise - adhesion, the line from (0, -0.5) to (1, 0.5) again.
      EXPECT_NEAR(WedgeMidpointForce(q, 1), 105 * 0.25 - 2 * 600 * 1 - 200 * 0.5, 1e-9);
    }
  }
}

TEST_F(WedgeForcesTest, SweepFindsTheExtremesAmongItsTwoDegreeTrials) {
  Forces("S");
  ASSERT_EQ(AbortRun, 0);
  const double ka = std::tan(29 * kRad) * std::tan(31 * kRad);
  const double kp = std::tan(59 * kRad) * std::tan(61 * kRad);
  EXPECT_NEAR(ka, 0.33306, 5e-6);
  EXPECT_NEAR(kp, 3.00244, 5e-6);
  for (double H : {1.0, 5.0, 20.0, 50.0}) {
    const int p = PointAt(-H);
    EXPECT_NEAR(WedgeActiveForce(p, 1), 100 * H * H / 2 * ka, 1e-7 * H * H) << H;
    EXPECT_NEAR(WedgePassiveForce(p, 1), 100 * H * H / 2 * kp, 1e-7 * H * H) << H;
    EXPECT_EQ(WedgeMarkActive(1, p), "");
    EXPECT_EQ(WedgeMarkPassive(1, p), "");
  }
  EXPECT_EQ(WedgeNoSolution(1, 1), 0);
}

// Two layers of one soil behave as one, whatever their boundary: the failure lines are
// cut into slices at the boundary and the slices must add up to the same forces. The
// boundary here meets the ground where the fixed-surface line from the tip halfway
// between -10 and -11 leaves it, and runs along the sweep's 29 degree trial line from
// the grid point at -10.
TEST_F(WedgeForcesTest, SlicesAtLayerBoundariesAddUpToTheOneLayerForces) {
  const double m = 1 / std::tan(29 * kRad);
  for (const char* method : {"F", "S"}) {
    SetUp();
    Forces(method);
    std::vector<double> fa, fp;
    for (int p = 1; p <= NumGridPoints; ++p) fa.push_back(WedgeActiveForce(p, 1)), fp.push_back(WedgePassiveForce(p, 1));

    for (auto bottom : {std::make_pair(-10.0, std::tan(60 * kRad) * 10 / 10.5),  // fixed exit
                        std::make_pair(-10.0, m),                                // along a sweep trial
                        std::make_pair(-4.0, 0.05), std::make_pair(-15.0, -0.02)}) {
      SetUp();
      Layers(1, {{bottom.first, bottom.second}});
      Forces(method);
      ASSERT_EQ(AbortRun, 0) << method;
      ASSERT_EQ(NumGridPoints, static_cast<int>(fa.size()));
      for (int p = 1; p <= NumGridPoints - 2; ++p) {
        const double tol = 1e-9 * (1 + std::fabs(fp[static_cast<std::size_t>(p - 1)]));
        EXPECT_NEAR(WedgeActiveForce(p, 1), fa[static_cast<std::size_t>(p - 1)], tol)
            << method << " bottom " << bottom.first << "/" << bottom.second << " at " << GridElev(p);
        EXPECT_NEAR(WedgePassiveForce(p, 1), fp[static_cast<std::size_t>(p - 1)], tol)
            << method << " bottom " << bottom.first << "/" << bottom.second << " at " << GridElev(p);
      }
    }
  }
}

// A layer bottom that comes up to the ground on a slope and goes under the level ground
// again beyond the toe: past the toe the soil counts as the layer below (its top is the
// ground there), and lines from tips below pass that stretch of the bottom line without
// a boundary. With one soil in all layers, the forces are those of one layer.
TEST_F(WedgeForcesTest, BottomGoingUnderTheGroundAgainBeyondATerrace) {
  Surface(1, {{0, 0}, {10, -5}, {40, -5}});
  for (const char* method : {"F", "S"}) {
    SCOPED_TRACE(method);
    SetUp();
    Surface(1, {{0, 0}, {10, -5}, {40, -5}});
    Forces(method);
    ASSERT_EQ(AbortRun, 0);
    std::vector<double> fa, fp;
    for (int p = 1; p <= NumGridPoints - 2; ++p) fa.push_back(WedgeActiveForce(p, 1)), fp.push_back(WedgePassiveForce(p, 1));
    SetUp();
    Surface(1, {{0, 0}, {10, -5}, {40, -5}});
    Layers(1, {{-2, -0.25}, {-15, -0.3}});
    Forces(method);
    ASSERT_EQ(AbortRun, 0);
    ASSERT_TRUE(boxes.boxes().empty());
    for (int p = 1; p <= NumGridPoints - 2; ++p) {
      const double tol = 1e-9 * (1 + std::fabs(fp[static_cast<std::size_t>(p - 1)]));
      EXPECT_NEAR(WedgeActiveForce(p, 1), fa[static_cast<std::size_t>(p - 1)], tol) << GridElev(p);
      EXPECT_NEAR(WedgePassiveForce(p, 1), fp[static_cast<std::size_t>(p - 1)], tol) << GridElev(p);
    }
  }
}

// The lower layer is weaker; where it lies under the upper layer near the surface the
// sweep cuts the lines into slices in both layers, with the tip's layer at the wall.
TEST_F(WedgeForcesTest, SweepThroughTwoLayersMatchesASliceByHand) {
  Layers(1, {{-5, 0}});
  LayerPhi(1, 2) = 20;
  Forces("S");
  ASSERT_EQ(AbortRun, 0);
  // Tip at -10, trial at theta: the line rises with m = cot(theta) and crosses -5 at
  // x5 = 5 / m. Upper slice: from x5 to the ground exit 10 / m; lower slice at the wall.
  auto trial = [](double thetaDeg) {
    const double th = thetaDeg * kRad, m = std::cos(th) / std::sin(th);
    const double sa = std::cos(th), ca = std::sin(th);
    const double x5 = 5 / m, xe = 10 / m;
    const double Wup = 100 * 0.5 * (xe - x5) * 5;
    const double Wlow = 100 * (x5 * 5 + 0.5 * x5 * 5);
    const double t1 = std::tan(30 * kRad), t2 = std::tan(20 * kRad);
    // Upper slice's horizontal force, then the wall slice (no wall friction).
    const double A1 = t1 * sa + ca, B1 = t1 * ca - sa;
    const double F = Wup * B1 / (-A1);
    const double A2 = t2 * sa + ca, B2 = t2 * ca - sa;
    return (Wlow * B2 - F * A2) / (-A2);
  };
  double best = -1e300;
  for (int d = 23; d <= 87; d += 2) best = std::max(best, trial(d));
  EXPECT_NEAR(WedgeActiveForce(PointAt(-10), 1), best, 1e-6 * best);
}

TEST_F(WedgeForcesTest, PointWithoutAnActiveMaximumIsMarked) {
  // A soil without friction carries the same active force at every trial angle, until
  // the last trial takes in a great line load far from the wall: for shallow tips the
  // largest force falls on the last trial.
  LayerPhi(1, 1) = 0;
  NumLineLoads(1) = 1;
  LineLoadDist(1, 1) = 120;
  LineLoad(1, 1) = 1e7;
  Forces("S");
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(WedgeMarkActive(1, PointAt(-5)), "*");
  EXPECT_EQ(WedgeMarkActive(1, PointAt(-20)), "");
  EXPECT_EQ(WedgeMarkActive(1, NumGridPoints), "");
  EXPECT_EQ(WedgeNoSolution(1, 1), 1);
}

// A seepage bottom far below the far points, as a design's first automatic gradient
// puts it under a large head: no failure line is drawn from the far points or from it
// (the flattest passive line from there would run out of ground); their forces carry
// on the last tips' quadratic, which in this sand is the Rankine force itself.
TEST_F(WedgeForcesTest, FixedSurfaceGivesThePointsBelowTheRegularGridTheirForcesWithoutLines) {
  PrepareSolution();
  GridElev(NumGridPoints + 1) = -300000;
  ++NumGridPoints;
  PressureMethod(1) = "F";
  ComputeFixedWedgeForces(1, 1);
  EXPECT_EQ(AbortRun, 0);
  EXPECT_TRUE(boxes.boxes().empty());
  for (int p = LastRegularGridPoint() + 1; p <= NumGridPoints; ++p) {
    const double H = SurfaceElev(1, 1) - GridElev(p);
    EXPECT_NEAR(WedgeActiveForce(p, 1), 100 * H * H / 2 / 3, 1e-6 * H * H) << p;
    EXPECT_NEAR(WedgePassiveForce(p, 1), 100 * H * H / 2 * 3, 1e-6 * H * H) << p;
  }
}

TEST_F(WedgeForcesTest, SweepLinesBelowTheHorizontalAreInvalidTrials) {
  // Ground falling away from the wall: from tips above its far part the limit angle
  // passes 90 degrees; those trials count for nothing and leave finite forces.
  Surface(1, {{0, 0}, {10, -20}});
  Forces("S");
  ASSERT_EQ(AbortRun, 0);
  for (int p = 1; p <= NumGridPoints; ++p) {
    ASSERT_TRUE(std::isfinite(WedgeActiveForce(p, 1))) << p;
    ASSERT_TRUE(std::isfinite(WedgePassiveForce(p, 1))) << p;
  }
  // A tip 5 ft down: every valid line meets the falling ground within 10 ft of the wall;
  // the trials beyond 90 degrees would otherwise have fallen to larger active forces.
  const int p = PointAt(-5);
  EXPECT_GT(WedgeActiveForce(p, 1), 0);
  EXPECT_LT(WedgeActiveForce(p, 1), 100 * 25 / 2.0);
}

// A fixed-surface line from a tip in the upper layer passes below that layer's steeply
// rising bottom, then runs along it (the lower layer's angle is steeper) and leaves the
// ground exactly where the bottom does.
TEST_F(WedgeForcesTest, FixedLineBentAlongARisingBoundaryToTheGround) {
  // Many slopes, so that the exit and the boundary's end differ by rounding in some.
  for (int k = 0; k < 40; ++k) {
    const double b = 1.2 + 0.0213 * k;
    SCOPED_TRACE(b);
    SetUp();
    Layers(1, {{-10, b}});
    LayerPhi(1, 1) = 0;   // upper layer: the line rises at 45 degrees
    LayerPhi(1, 2) = 40;  // lower layer: 65 degrees, steeper than the boundary
    LayerMoistUnitWeight(1, 2) = 120;
    Forces("F");
    ASSERT_EQ(AbortRun, 0);
    // Tip halfway between -8 and -9.
    const double zm = -8.5;
    const double xc = (-10 - zm) / (1 - b), yc = zm + xc;  // the line meets the boundary
    const double xt = 10 / b;                              // the boundary meets the ground
    const double W0 = 100 * xc * (-zm - yc) / 2;            // wall slice, upper layer
    const double W2 = 100 * ((xt - xc) * 10 - b * (xt * xt - xc * xc) / 2);  // upper layer over the boundary
    const double a2 = (45 + 20) * kRad, t2 = std::tan(40 * kRad);
    const double A2 = t2 * std::sin(a2) + std::cos(a2), B2 = t2 * std::cos(a2) - std::sin(a2);
    const double F2 = W2 * B2 / (-A2);
    EXPECT_NEAR(WedgeMidpointForce(PointAt(-8), 1), W0 + F2, 1e-6 * (W0 + F2));
  }
}

}  // namespace
}  // namespace pressures_test
