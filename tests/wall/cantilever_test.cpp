// Cantilever design against the conventional method's closed form: the quartic in the
// embedment below the zero point (net active above the pivot, a linear change to the
// reversed diagram's toe pressure below it), and every message of the design.
#include <gtest/gtest.h>

#include <cmath>

#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressure_data.h"
#include "closed_forms.h"
#include "rankine_fixture.h"
#include "wall/wall.h"
#include "wall/wall_internal.h"

namespace {

using namespace closed_forms;

class CantileverDesign : public ::testing::Test {
 protected:
  platform::ScopedServices services;
};

TEST_F(CantileverDesign, MeetsTheConventionalMethodInSand) {
  struct Case {
    double fsPassive;
  };
  for (const Case c : {Case{1.0}, Case{1.5}}) {
    SCOPED_TRACE(c.fsPassive);
    RankineSand sand;
    sand.Kp = RankineKp(30, c.fsPassive);
    sand.Apply();
    CheckWallRotation();
    // A wedge mark far below the pivot, to see that it moves with its point.
    const int marked = NumGridPoints - 3;
    const double markedElev = GridElev(marked);
    WedgeMarkPassive(1, marked) = "*";
    const Expected want = ConventionalCantilever(sand);
    const int gridBefore = NumGridPoints;

    DesignCantileverWall();
    ASSERT_EQ(AbortRun, 0);
    EXPECT_NEAR(TipElev(1), want.tip, 0.005);
    // The tip became a grid point; the pivot between points was inserted.
    EXPECT_EQ(GridElev(TipIndex(1)), TipElev(1));
    EXPECT_EQ(NumGridPoints, gridBefore + 1);
    EXPECT_NEAR(ToePressure(1), sand.NetP(TipElev(1)), 0.01);
    EXPECT_EQ(NetPressureA(TipIndex(1), 2), ToePressure(1));
    // The moved tip point carries the side pressures of the tip itself.
    EXPECT_NEAR(PassivePressure(1, TipIndex(1), 2), sand.PassiveRight(TipElev(1)), 1e-6);
    EXPECT_NEAR(ActivePressure(2, TipIndex(1), 1), sand.ActiveLeft(TipElev(1)), 1e-6);
    // The pivot point was inserted: the reversed diagram and the marks moved with the
    // grid, so every point keeps the values of its own elevation.
    for (int i = 2; i <= NumGridPoints - 2; ++i) {
      if (i == TipIndex(1)) continue;
      EXPECT_NEAR(NetPressureP(i, 2), sand.NetP(GridElev(i)), 1e-6) << i;
      EXPECT_NEAR(PassivePressure(2, i, 1), sand.PassiveLeft(GridElev(i)), 1e-6) << i;
    }
    EXPECT_EQ(GridElev(marked + 1), markedElev);
    EXPECT_EQ(WedgeMarkPassive(1, marked + 1), "*");
    EXPECT_EQ(WedgeMarkPassive(1, marked), "");

    SolveWallBeam(0, TipIndex(1), 2, 1);
    ExtractResultProfiles(1);
    ASSERT_EQ(AbortRun, 0);
    EXPECT_NEAR(MaxMoment(1, 1), want.maxMoment, 0.5);
    EXPECT_NEAR(MaxMoment(1, 2), want.maxMomentElev, 0.005);
    EXPECT_EQ(ResultElev(TipIndex(1)), TipElev(1));
  }
  EXPECT_TRUE(services.boxes.boxes().empty());
}

TEST_F(CantileverDesign, IssueFigures) {
  // The closed form itself, at the published precision.
  RankineSand sand;
  Expected e = ConventionalCantilever(sand);
  EXPECT_NEAR(e.tip, -10.04, 0.005);
  EXPECT_NEAR(e.maxMoment, 12500, 0.5);
  EXPECT_NEAR(e.maxMomentElev, -5.00, 0.005);
  sand.Kp = RankineKp(30, 1.5);
  e = ConventionalCantilever(sand);
  EXPECT_NEAR(e.tip, -12.74, 0.005);
  EXPECT_NEAR(e.maxMoment, 15249, 0.5);
}

// The equilibrium of the pivot model for any tip found: force sum and moment about the
// tip of the active diagram down to the pivot and the linear change below it vanish.
double PivotModelMoment(const RankineSand& s, double tip, double couple) {
  // Pivot from the force balance, then the moment about the tip.
  auto partsAbove = [&](double e, double& F, double& M) {
    F = M = 0;
    const int n = 4000;
    const double h = (s.top - e) / n;
    for (int i = 0; i < n; ++i) {
      const double z1 = s.top - i * h, z2 = z1 - h;
      const double f = (s.NetA(z1) + s.NetA(z2)) * h / 2;
      F += f;
      M -= f * ((z1 + z2) / 2 - tip);
    }
  };
  const double q = s.NetP(tip);
  auto force = [&](double e) {
    double F, M;
    partsAbove(e, F, M);
    return F + (s.NetA(e) + q) * (e - tip) / 2;
  };
  const double e = Bisect(force, s.dredge - s.ZeroDepth(), tip);
  double F, M;
  partsAbove(e, F, M);
  const double r = s.NetA(e), h = e - tip;
  return M - (2 * r + q) * h * h / 6 + couple;
}

TEST_F(CantileverDesign, StepsUpWhenTheStartTipIsAlreadyTooDeep) {
  // A couple on the wall head raises the tip above the start tip. On a 2 ft grid the
  // running force below the zero point turns negative at -6 (it vanishes at -5), so the
  // design starts at -8 and must walk up a grid point to bracket the tip.
  RankineSand sand;
  sand.step = 2.0;
  sand.Apply();
  CheckWallRotation();
  const double couple = 12000;
  NetMomentAbove += couple;
  DesignCantileverWall();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(PivotModelMoment(sand, TipElev(1), couple), 0, 5.0);
  EXPECT_GT(TipElev(1), -8.0);
  EXPECT_LT(TipElev(1), -6.0);
}

TEST_F(CantileverDesign, Messages) {
  RankineSand sand;
  struct Case {
    const char* name;
    void (*setup)(RankineSand&);
    std::string text;
  };
  // Each case sets up inconsistent or short data and expects one message.
  {
    // The driver's own box: zero driving force, or a moment about the zero point that
    // does not turn the wall into the excavation.
    struct Rotation {
      const char* trace;
      double force, momentAboutZero;
    };
    for (const Rotation r : {Rotation{"no driving force", 0, -100}, Rotation{"moment zero", 500, 0},
                             Rotation{"moment the wrong way", 500, 100}}) {
      SCOPED_TRACE(r.trace);
      sand.Apply();
      NetForceAbove = r.force;
      // Stored about the wall top, as the net pressures leave it.
      NetMomentAbove = r.momentAboutZero + (WallTopElev - GridElev(ZeroPressIndex)) * r.force;
      services.boxes.expect(platform::Answer::OK);
      RunDesign();
      EXPECT_EQ(AbortRun, 1);
      ASSERT_EQ(services.boxes.boxes().size(), 1u);
      EXPECT_EQ(services.boxes.boxes()[0].title, "IMPROPER WALL ROTATION");
      EXPECT_EQ(services.boxes.boxes()[0].buttons, 0);
      EXPECT_EQ(services.boxes.boxes()[0].text,
                "Conditions encountered where impending rotation\nof CANTILEVER wall is CLOCKWISE\n"
                "or driving force of retained soil above left side surface is zero.\n\n     Unable to continue.");
      EXPECT_DOUBLE_EQ(NetMomentAbove, r.momentAboutZero);
      services.boxes.clear();
    }
  }
  {
    // Even the shallowest tip that balances its forces, where the running force turns
    // negative, is deeper than the moments need: a couple on the wall head holds it back.
    SCOPED_TRACE("design bottom above");
    sand.Apply();
    CheckWallRotation();
    NetMomentAbove += 1e9;
    services.boxes.expect(platform::Answer::OK);
    DesignCantileverWall();
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].title, "QUELDAR");
    EXPECT_EQ(services.boxes.boxes()[0].buttons, 0);
    EXPECT_EQ(services.boxes.boxes()[0].text,
              "DESIGN BOTTOM OF CANTILEVER WALL IS ABOVE ELEVATION -2.00\n\n     UNABLE TO CONTINUE.");
    services.boxes.clear();
  }
  {
    // The search ran off the grid: the box names the grid's last regular point, 7 ft
    // below the dredge line, not the far point 50000 ft below it.
    SCOPED_TRACE("no solution: the grid ends above the tip");
    RankineSand shallow;
    shallow.depth = 7;
    shallow.Apply();
    CheckWallRotation();
    services.boxes.expect(platform::Answer::OK);
    DesignCantileverWall();
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].text,
              "NO SOLUTION FOR CANTILEVER WALL DESIGN WITH\nBOTTOM OF WALL DOWN TO ELEVATION -7.00 (FT).\n\n"
              "     UNABLE TO CONTINUE.");
  }
  services.boxes.clear();
  {
    // A net pressure of -20000 psf over the 0.05 ft just below the zero point: the
    // running force survives it, but with the pivot at or below the zero point the forces
    // of every tip near it resist. They balance on the jump at the zero point: the pivot
    // stays there and the linear change to the toe starts from the pressure inside the
    // jump that balances them. With h the tip's depth below the zero point, the force
    // balance gives that pressure, r = -2 F / h - q(t), and the moment about the tip then
    // asks M - F h / 3 + q(t) h^2 / 6 = 0, F and M the force and its moment about the zero
    // point above it.
    SCOPED_TRACE("pivot on the jump at the zero point");
    RankineSand slab;
    slab.extra = {slab.dredge - slab.ZeroDepth() - 0.05};
    slab.Apply();
    CheckWallRotation();
    const int Z = ZeroPressIndex;
    const double z0 = GridElev(Z);
    ASSERT_NEAR(GridElev(Z + 1), z0 - 0.05, 1e-9);
    NetPressureA(Z, 1) = NetPressureA(Z + 1, 2) = -20000;
    const double F = NetForceAbove, M = NetMomentAbove;
    const double h = Bisect([&](double d) { return M - F * d / 3 + slab.NetP(z0 - d) * d * d / 6; }, 0.1, 30.0);
    const double r = -2 * F / h - slab.NetP(z0 - h);
    ASSERT_LT(r, 0);
    ASSERT_GT(r, -20000);
    DesignCantileverWall();
    ASSERT_EQ(AbortRun, 0);
    EXPECT_TRUE(services.boxes.boxes().empty());
    EXPECT_NEAR(TipElev(1), z0 - h, 0.005);
    EXPECT_EQ(GridElev(Z), z0);
    EXPECT_NEAR(NetPressureA(Z, 1), r, 0.5);
    EXPECT_NEAR(NetPressureA(TipIndex(1), 2), slab.NetP(TipElev(1)), 1e-6);
  }
  services.boxes.clear();
  {
    SCOPED_TRACE("no solution: the running force never turns negative");
    RankineSand sand2;
    sand2.Apply();
    for (int i = ZeroPressIndex + 1; i <= NumGridPoints; ++i)
      NetPressureA(i, 1) = NetPressureA(i, 2) = -1e-9;
    NetForceAbove = 1e6;
    services.boxes.expect(platform::Answer::OK);
    DesignCantileverWall();
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].text.rfind("NO SOLUTION FOR CANTILEVER WALL DESIGN WITH\n", 0), 0u);
  }
}

}  // namespace
