// The beam solution against statics: end forces and deflections of simple beams whose
// answers are closed forms, and the profile rules (doubled points, extremes, refinement).
#include <gtest/gtest.h>

#include <cmath>

#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressure_data.h"
#include "wall/wall.h"

namespace {

// A wall of length L from elevation 0 down to -L with n equal elements; the net
// pressure at elevation z is load(z).
template <class Load>
void SetBeam(double L, int n, Load load, int method = 1) {
  NumGridPoints = n + 1;
  for (int i = 1; i <= n + 1; ++i) {
    const double z = -L * (i - 1) / n;
    GridElev(i) = z;
    NetPressureA(i, 1) = NetPressureA(i, 2) = load(z);
  }
  TipElev(method) = -L;
  ToePressure(method) = load(-L);
  TipIndex(method) = n + 1;
  NumHorizLineLoads = 0;
  // The whole wall retained: the balance check takes its loads above the dredge line.
  WallTopElev = 0;
  SurfaceElev(1, 1) = SurfaceElev(2, 1) = -L;
  RunMode = "D";
  AbortRun = 0;
}

TEST(WallBeam, CantileverUnderUniformLoad) {
  const double L = 12, p = 250;
  SetBeam(L, 6, [&](double) { return p; });
  SolveWallBeam(0, 7, 2, 1);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(BeamResults(6, 4), p * L * L / 2, 1e-6 * p * L * L);   // fixed-end moment
  EXPECT_NEAR(-BeamResults(6, 3), p * L, 1e-6 * p * L);               // shear at the fixed end
  EXPECT_NEAR(BeamResults(1, 1), 0, 1e-6);                            // free top
  EXPECT_NEAR(BeamDeflection(1, 1), p * L * L * L * L / 8, 1e-6 * p * L * L * L * L);
  EXPECT_NEAR(BeamDeflection(7, 1), 0, 1e-9);
  EXPECT_NEAR(BeamDeflection(7, 2), 0, 1e-9);

  ExtractResultProfiles(1);
  ASSERT_EQ(TipIndex(1), 7);  // a smooth beam: one profile point per node
  for (int k = 2; k <= 6; ++k) {
    const double depth = -ResultElev(k);
    EXPECT_NEAR(ResultMoment(k), p * depth * depth / 2, 1e-6 * p * L * L) << k;
    EXPECT_NEAR(ResultShear(k), p * depth, 1e-6 * p * L) << k;
  }
  EXPECT_EQ(ResultMoment(1), 0);
  EXPECT_EQ(ResultShear(1), 0);
  EXPECT_EQ(ResultMoment(7), 0);
  EXPECT_EQ(ResultShear(7), 0);  // method 1 tip
  EXPECT_DOUBLE_EQ(ResultDeflection(1), 1728 * BeamDeflection(1, 1));
}

TEST(WallBeam, ProppedBeamUnderTriangularLoad) {
  // Load 0 at the propped top rising to w0 at the fixed bottom: prop w0 L / 10, fixed
  // end moment w0 L^2 / 15, fixed end shear 2 w0 L / 5.
  const double L = 10, w0 = 600;
  SetBeam(L, 10, [&](double z) { return w0 * (-z) / L; }, 2);
  SolveWallBeam(1, 11, 2, 2);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(-BeamResults(1, 1), w0 * L / 10, 1e-6 * w0 * L);
  EXPECT_NEAR(std::fabs(BeamResults(10, 4)), w0 * L * L / 15, 1e-6 * w0 * L * L);
  EXPECT_NEAR(-BeamResults(10, 3), 2 * w0 * L / 5, 1e-6 * w0 * L);
  EXPECT_NEAR(BeamDeflection(1, 1), 0, 1e-9);

  ExtractResultProfiles(2);
  // Fixed earth keeps the shear at the tip; the moment there is set to 0.
  EXPECT_NEAR(ResultShear(TipIndex(2)), 2 * w0 * L / 5, 1e-6 * w0 * L);
  EXPECT_EQ(ResultMoment(TipIndex(2)), 0);
  EXPECT_DOUBLE_EQ(ResultElev(TipIndex(2)), -L);
}

TEST(WallBeam, LineLoadOnSimplySupportedBeamDoublesItsPoint) {
  // Pinned at the top (anchor) and at the toe, a line load P at mid-height:
  // moment P L / 4 there, reactions P / 2, a shear jump of P.
  const double L = 8, P = 1000;
  SetBeam(L, 4, [](double) { return 0.0; });
  NumHorizLineLoads = 1;
  HorizLineElev(1) = -4;
  HorizLineLoad(1) = P;
  SolveWallBeam(1, 5, 1, 1);
  ASSERT_EQ(AbortRun, 0);
  ExtractResultProfiles(1);
  // Nodes 0, -2, -4, -6, -8; the load node appears twice, upper value first.
  ASSERT_EQ(TipIndex(1), 6);
  EXPECT_EQ(ResultElev(3), -4);
  EXPECT_EQ(ResultElev(4), -4);
  EXPECT_NEAR(std::fabs(ResultMoment(3)), P * L / 4, 1e-6 * P * L);
  EXPECT_NEAR(ResultMoment(3), ResultMoment(4), 1e-6 * P * L);
  EXPECT_NEAR(std::fabs(ResultShear(3) - ResultShear(4)), P, 1e-6 * P);
  EXPECT_NEAR(std::fabs(ResultShear(2)), P / 2, 1e-6 * P);
  // Midspan deflection P L^3 / 48 (EI = 1).
  EXPECT_NEAR(std::fabs(BeamDeflection(3, 1)), P * L * L * L / 48, 1e-6 * P * L * L * L);
  EXPECT_NEAR(std::fabs(MaxMoment(1, 1)), P * L / 4, 1e-6 * P * L);
  EXPECT_EQ(MaxMoment(1, 2), -4);  // the tie between the doubled points goes to the lower
}

TEST(WallBeam, LargestMomentIsRefinedToZeroShear) {
  // Propped at the top, fixed at the toe, uniform w, two elements: the span moment
  // peaks at 3L/8 below the prop with 9 w L^2 / 128, between the nodes.
  const double L = 8, w = 300;
  SetBeam(L, 2, [&](double) { return w; }, 2);
  SolveWallBeam(1, 3, 2, 2);
  ExtractResultProfiles(2);
  EXPECT_NEAR(std::fabs(MaxMoment(2, 1)), 9 * w * L * L / 128, 1e-6 * w * L * L);
  EXPECT_NEAR(MaxMoment(2, 2), -3 * L / 8, 1e-9);
  EXPECT_NEAR(MomentRange(2, 1), std::max(0.0, ResultMoment(2)), 1e-9);
}

TEST(WallBeam, LargestMomentNextToAPressureJumpIsRefinedInTheNeighbouringElement) {
  // Anchored at the top, pinned at the toe 10 ft down, nodes every 2 ft; the net pressure
  // is w1 down to 4 ft and w2 below, so the node at 4 ft is doubled. Statics:
  // R = (4 w1 8 + 6 w2 3) / 10; V(d) = w d - R piecewise; M(d) = integral of V. Both
  // cases put the largest nodal moment on the doubled node, with the zero shear inside
  // the element above it (first case) or below it (second case).
  struct Case {
    double w1, w2;  // psf
  };
  const Case cases[] = {{1000, 200}, {1000, 500}};
  for (const Case& c : cases) {
    SetBeam(10, 5, [&](double z) { return -z < 4 ? c.w1 : c.w2; });
    NetPressureA(3, 2) = c.w1;  // the node at 4 ft: w1 just above, w2 just below
    SolveWallBeam(1, 6, 1, 1);
    ASSERT_EQ(AbortRun, 0);
    ExtractResultProfiles(1);
    const double R = (4 * c.w1 * 8 + 6 * c.w2 * 3) / 10;
    const double V4 = 4 * c.w1 - R;
    // Zero shear above 4 ft when V(4) > 0, else below it.
    const double d0 = V4 > 0 ? R / c.w1 : 4 - V4 / c.w2;
    const double M0 = d0 <= 4 ? c.w1 * d0 * d0 / 2 - R * d0
                              : c.w1 * 16 / 2 - R * 4 + V4 * (d0 - 4) + c.w2 * (d0 - 4) * (d0 - 4) / 2;
    SCOPED_TRACE(testing::Message() << "w1 " << c.w1 << " w2 " << c.w2 << " zero shear at " << d0);
    ASSERT_EQ(ResultElev(3), -4);
    ASSERT_EQ(ResultElev(4), -4);
    EXPECT_NEAR(MaxMoment(1, 1), M0, 1e-6 * std::fabs(M0));
    EXPECT_NEAR(MaxMoment(1, 2), -d0, 1e-9);
  }
}

// The anchor's reaction is a jump of the shear however large the pressures elsewhere:
// a retained clay of great cohesion makes the reversed diagram enormous, and the anchor
// rows once vanished under a tolerance taken from it. Anchored 2 ft down, pinned at the
// toe 10 ft down, uniform p: statics about the toe gives R = 10 p 5 / 8, so the shear
// is 2 p just above the anchor and 2 p - R just below it.
TEST(WallBeam, AnchorRowsStayWhateverTheReversedDiagramHolds) {
  const double p = 100, R = 10 * p * 5 / 8;
  SetBeam(10, 5, [&](double) { return p; });
  for (int i = 1; i <= NumGridPoints; ++i) NetPressureP(i, 1) = NetPressureP(i, 2) = 4.2e9;
  SolveWallBeam(2, 6, 1, 1);
  ASSERT_EQ(AbortRun, 0);
  ExtractResultProfiles(1);
  ASSERT_EQ(AbortRun, 0);
  ASSERT_EQ(TipIndex(1), 7);
  EXPECT_EQ(ResultElev(2), -2);
  EXPECT_EQ(ResultElev(3), -2);
  EXPECT_NEAR(ResultShear(2), 2 * p, 1e-9 * R);
  EXPECT_NEAR(ResultShear(3), 2 * p - R, 1e-9 * R);
  EXPECT_NEAR(ResultMoment(2), ResultMoment(3), 1e-9 * R);

  // This beam is no design: its toe carries 2 p - R + 8 p, which the profile's last row
  // (shear 0 at the free earth tip) leaves out, so the profile does not balance. The
  // largest shear is R - 2 p just below the anchor.
  const ProfileBalance b = CheckProfileBalance(1);
  EXPECT_FALSE(b.Holds());
  EXPECT_TRUE(b.shear);
  EXPECT_EQ(b.row, 6);  // the last interval, from -8 to the tip
  EXPECT_NEAR(b.shearPart, (10 * p - R) / (R - 2 * p), 1e-9);
}

// A wall that holds its pressures balances to rounding, doubled rows and all: a free
// top and a fixed toe 8 ft down under p, -p, -p, p on its four 2 ft elements, whose
// force and moment about the toe (levers 7, 5, 3, 1 ft) are both 0.
TEST(WallBeam, AWallInEquilibriumBalances) {
  const double p = 300, w[] = {p, -p, -p, p};
  SetBeam(8, 4, [](double) { return 0.0; });
  for (int e = 1; e <= 4; ++e) {
    NetPressureA(e, 1) = w[e - 1];
    NetPressureA(e + 1, 2) = w[e - 1];
  }
  ToePressure(1) = p;
  SolveWallBeam(0, 5, 2, 1);
  ASSERT_EQ(AbortRun, 0);
  ExtractResultProfiles(1);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(TipIndex(1), 7);  // the nodes at 2 and 6 ft are doubled
  const ProfileBalance b = CheckProfileBalance(1);
  EXPECT_TRUE(b.Holds());
  EXPECT_LT(b.momentPart, 1e-9);
  EXPECT_LT(b.shearPart, 1e-9);
}

TEST(WallBeam, RefinementIsSkippedWithoutARootInTheElement) {
  // No load on the span, a line load between: the shear is constant on each element,
  // so zero shear has no root; the grid maximum stands.
  const double L = 6;
  SetBeam(L, 3, [](double) { return 0.0; });
  NumHorizLineLoads = 1;
  HorizLineElev(1) = -2;
  HorizLineLoad(1) = 900;
  SolveWallBeam(1, 4, 1, 1);
  ExtractResultProfiles(1);
  EXPECT_TRUE(std::isfinite(MaxMoment(1, 1)));
  EXPECT_NEAR(std::fabs(MaxMoment(1, 1)), 900 * 2 * 4 / 6.0, 1e-6 * 900 * L);
  EXPECT_EQ(MaxMoment(1, 2), -2);
}

TEST(WallBeam, AnalysisDeflectionIsInInches) {
  SetBeam(10, 5, [](double) { return 100.0; });
  RunMode = "A";
  WallModulusE = 29e6;
  WallInertia = 300;
  SolveWallBeam(0, 6, 2, 1);
  ExtractResultProfiles(1);
  EXPECT_NEAR(ResultDeflection(1), 1728 * BeamDeflection(1, 1) / (29e6 * 300), 1e-12);
  RunMode = "D";
}

TEST(WallBeam, GridPointsAHairApartDoNotSpoilTheSolution) {
  // A point inserted a hair below a grid point (a zero crossing, a pivot) makes an
  // element far stiffer than the rest. Anchored at the top, loaded by a triangle rising
  // from 0 there to w0 at the toe, the beam must still give the closed forms:
  //   pinned toe (free earth):  R = w0 L / 6,  theta(0) = 7 w0 L^3 / 360
  //   fixed toe (fixed earth):  R = w0 L / 10, theta(0) = w0 L^3 / 120
  // with, at depth d below the anchor, V = w0 d^2 / (2L) - R, M = w0 d^3 / (6L) - R d and
  // y = w0 d^5 / (120 L) - R d^3 / 6 + theta(0) d (EI = 1).
  const double L = 40, w0 = 600;
  for (double gap : {1e-3, 1e-5, 1e-7}) {
    for (int toeCode : {1, 2}) {
      const int method = toeCode;
      int n = 0;
      for (int i = 0; i <= L; ++i) {
        GridElev(++n) = -i;
        if (i == 25) GridElev(++n) = -(i + gap);
      }
      NumGridPoints = n;
      for (int i = 1; i <= n; ++i) NetPressureA(i, 1) = NetPressureA(i, 2) = w0 * -GridElev(i) / L;
      TipElev(method) = -L;
      ToePressure(method) = w0;
      TipIndex(method) = n;
      NumHorizLineLoads = 0;
      RunMode = "D";
      AbortRun = 0;
      SolveWallBeam(1, n, toeCode, method);
      ASSERT_EQ(AbortRun, 0);
      ExtractResultProfiles(method);
      SCOPED_TRACE(testing::Message() << "gap " << gap << " toe code " << toeCode);
      const double R = toeCode == 1 ? w0 * L / 6 : w0 * L / 10;
      const double theta0 = toeCode == 1 ? 7 * w0 * L * L * L / 360 : w0 * L * L * L / 120;
      // Only the anchor makes the shear jump: one doubled point.
      ASSERT_EQ(TipIndex(method), n);
      for (int k = 1; k <= n; ++k) {
        const double d = -ResultElev(k);
        const double V = w0 * d * d / (2 * L) - R, M = w0 * d * d * d / (6 * L) - R * d;
        const double y = w0 * std::pow(d, 5) / (120 * L) - R * d * d * d / 6 + theta0 * d;
        if (k < n) {
          EXPECT_NEAR(ResultMoment(k), M, 1e-6 * w0 * L * L) << k;
        }
        if (k < n || toeCode == 2) {
          EXPECT_NEAR(ResultShear(k), V, 1e-6 * w0 * L) << k;
        }
        EXPECT_NEAR(ResultDeflection(k), 1728 * y, 1e-6 * 1728 * w0 * L * L * L * L) << k;
      }
      if (toeCode == 1) {
        // Largest moment w0 L^2 / (9 sqrt 3) at L / sqrt 3 below the anchor.
        EXPECT_NEAR(MaxMoment(1, 1), -w0 * L * L / (9 * std::sqrt(3.0)), 1e-6 * w0 * L * L);
        EXPECT_NEAR(MaxMoment(1, 2), -L / std::sqrt(3.0), 1e-4);
      }
    }
  }
}

TEST(WallBeam, CalculationErrors) {
  platform::ScopedServices services;
  // A profile that would need more than 301 points is refused before anything is
  // written over.
  SetBeam(300, 300, [](double z) { return std::fmod(-z, 2.0) == 0 ? 10.0 : 0.0; });
  for (int i = 2; i <= 300; ++i) NetPressureA(i, 1) = NetPressureA(i, 2) + 1;  // a jump everywhere
  SolveWallBeam(0, 301, 2, 1);
  ASSERT_EQ(AbortRun, 0);
  ResultElev(1) = 12345;
  services.boxes.expect(platform::Answer::OK);
  ExtractResultProfiles(1);
  EXPECT_EQ(AbortRun, 1);
  EXPECT_EQ(ResultElev(1), 12345);
  ASSERT_EQ(services.boxes.boxes().size(), 1u);
  EXPECT_EQ(services.boxes.boxes()[0].text,
            "THE RESULT PROFILE NEEDS MORE THAN 301 POINTS.\n\n     UNABLE TO CONTINUE.");

  // A zero pivot: a beam with no length between its nodes.
  SetBeam(4, 2, [](double) { return 1.0; });
  GridElev(2) = 0;
  services.boxes.expect(platform::Answer::OK);
  SolveWallBeam(0, 3, 2, 1);
  EXPECT_EQ(AbortRun, 1);
  EXPECT_NE(services.boxes.boxes().back().text.find("UNABLE TO CONTINUE."), std::string::npos);
}

}  // namespace
