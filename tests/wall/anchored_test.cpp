// Anchored design against independent free bodies: moments about the anchor for the
// free earth method, the elastic line of a wall fixed at its tip for the fixed earth
// method; the driver with its results files; the messages of both methods.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressure_data.h"
#include "rankine_fixture.h"
#include "scoped_temp.h"
#include "wall/wall.h"

namespace fs = std::filesystem;

namespace {

// Simpson's rule; exact for the cubic integrands of a piecewise linear diagram when the
// interval does not cross a kink.
template <class F>
double Simpson(F f, double a, double b, int n = 64) {
  const double h = (b - a) / n;
  double s = f(a) + f(b);
  for (int i = 1; i < n; ++i) s += (i % 2 ? 4 : 2) * f(a + i * h);
  return s * h / 3;
}

struct FreeEarth {
  double tip, anchorForce, maxMoment;
};

// Integral of f(z) NetA(z) from the tip to the wall top, split at the dredge kink.
template <class F>
double OverWall(const RankineSand& s, double tip, F f) {
  auto g = [&](double z) { return s.NetA(z) * f(z); };
  return Simpson(g, s.dredge, s.top) + Simpson(g, tip, s.dredge);
}

FreeEarth IndependentFreeEarth(const RankineSand& s) {
  auto momentAboutAnchor = [&](double tip) { return OverWall(s, tip, [&](double z) { return s.anchor - z; }); };
  const double tip = Bisect(momentAboutAnchor, -60.0, s.dredge - s.ZeroDepth());
  const double T = OverWall(s, tip, [](double) { return 1.0; });
  // The largest moment is at zero shear between the anchor and the tip.
  auto shear = [&](double z) {
    auto g = [&](double y) { return s.NetA(y); };
    const double above = z >= s.dredge ? Simpson(g, z, s.top) : Simpson(g, s.dredge, s.top) + Simpson(g, z, s.dredge);
    return above - T;
  };
  const double z = Bisect(shear, tip + 1e-6, s.anchor - 1e-6);
  auto arm = [&](double y) { return s.NetA(y) * (y - z); };
  const double M = (z >= s.dredge ? Simpson(arm, z, s.top) : Simpson(arm, s.dredge, s.top) + Simpson(arm, z, s.dredge)) -
                   T * (s.anchor - z);
  return {tip, T, M};
}

struct FixedEarth {
  double tip, anchorForce;
};

// The wall fixed at a trial tip: the anchor force that makes the deflection at the
// anchor zero (moment-area, EI = 1), and the moment left at the tip; the tip is where
// that moment vanishes.
FixedEarth IndependentFixedEarth(const RankineSand& s) {
  auto solve = [&](double tip, double& T) {
    const int n = 6000;
    const double L = s.top - tip, a = s.anchor - tip, h = L / n;
    std::vector<double> y(n + 1), F(n + 1, 0), G(n + 1, 0);
    for (int i = 0; i <= n; ++i) y[i] = i * h;
    for (int i = n - 1; i >= 0; --i) {
      const double p1 = s.NetA(tip + y[i]), p2 = s.NetA(tip + y[i + 1]);
      F[i] = F[i + 1] + (p1 + p2) * h / 2;
      G[i] = G[i + 1] + (p1 * y[i] + p2 * y[i + 1]) * h / 2 + (p2 - p1) * h * h / 12;
    }
    double d = 0;
    for (int i = 0; i < n && y[i] < a; ++i) {
      const double y2 = std::min(y[i + 1], a), w = y2 - y[i];
      const double M1 = G[i] - y[i] * F[i], M2 = G[i + 1] - y[i + 1] * F[i + 1];
      const double M2a = M1 + (M2 - M1) * w / h;
      d += (M1 * (a - y[i]) + M2a * (a - y2)) * w / 2;
    }
    T = 3 * d / (a * a * a);
    return G[0] - T * a;
  };
  double T = 0;
  const double tip = Bisect([&](double t) { return solve(t, T); }, -30.0, s.dredge - s.ZeroDepth() - 0.5);
  solve(tip, T);
  return {tip, T};
}

RankineSand AnchoredSand() {
  RankineSand s;
  s.top = 20;
  s.anchor = 18;
  return s;
}

class AnchoredDesign : public ::testing::Test {
 protected:
  void SetUp() override { TempFileCount = 8; }
  ScopedTempFolder temp;
  platform::ScopedServices services;
};

TEST_F(AnchoredDesign, IssueFiguresFromIndependentFreeBodies) {
  const RankineSand s = AnchoredSand();
  const FreeEarth fe = IndependentFreeEarth(s);
  EXPECT_NEAR(fe.tip, -7.83, 0.005);
  EXPECT_NEAR(fe.anchorForce, 3706.7, 0.05);
  EXPECT_NEAR(std::fabs(fe.maxMoment), 29440, 0.5);
  const FixedEarth fx = IndependentFixedEarth(s);
  EXPECT_NEAR(fx.tip, -12.58, 0.005);
  EXPECT_NEAR(fx.anchorForce, 3028.8, 0.1);
}

TEST_F(AnchoredDesign, DriverDesignsBothMethodsAndWritesTheirFiles) {
  {
    RankineSand s = AnchoredSand();
    s.Apply();
    const FreeEarth fe = IndependentFreeEarth(s);
    const FixedEarth fx = IndependentFixedEarth(s);
    services.boxes.expect(platform::Answer::OK);
    RunDesign();
    ASSERT_EQ(AbortRun, 0) << TipElev(1) << " " << TipElev(2) << " " << AnchorForce(2);
    EXPECT_NEAR(TipElev(1), fe.tip, 0.005);
    EXPECT_NEAR(AnchorForce(1), fe.anchorForce, 1.0);
    EXPECT_NEAR(std::fabs(MaxMoment(1, 1)), std::fabs(fe.maxMoment), 2.0);
    EXPECT_NEAR(TipElev(2), fx.tip, 0.005);
    EXPECT_NEAR(AnchorForce(2), fx.anchorForce, 1.0);
    // The fixed earth profile ends at its design tip; method 2 is in memory.
    EXPECT_EQ(ResultElev(TipIndex(2)), TipElev(2));
    EXPECT_TRUE(fs::exists(ResultsFileNames(1)));
    EXPECT_TRUE(fs::exists(ResultsFileNames(2)));
    // Method 1's profile comes back from its file.
    ReadResultsFile(1);
    ASSERT_EQ(AbortRun, 0);
    EXPECT_EQ(ResultElev(TipIndex(1)), TipElev(1));
  }
  EXPECT_TRUE(services.boxes.boxes().empty());
}

TEST_F(AnchoredDesign, FixedEarthBracketsAFirstTrialPastTheTip) {
  // Both tips fall inside the first segment below the zero point. The fixed earth
  // residual is negative at the first trial point; the residual of a wall fixed at the
  // zero point brackets the tip from above.
  RankineSand s = AnchoredSand();
  s.depth = 2.6;
  s.extra = {-15, -30};
  s.Apply();
  const FixedEarth fx = IndependentFixedEarth(s);
  CheckWallRotation();
  int anchorIndex = 0;
  FindAnchorIndex(anchorIndex);
  DesignFixedEarthWall(anchorIndex);
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(TipElev(2), fx.tip, 0.005);
  EXPECT_NEAR(AnchorForce(2), fx.anchorForce, 1.0);
  EXPECT_EQ(GridElev(TipIndex(2)), -15);
}

TEST_F(AnchoredDesign, Messages) {
  auto expectOne = [&](const std::string& title, const std::string& text) {
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].title, title);
    EXPECT_EQ(services.boxes.boxes()[0].buttons, 0);
    EXPECT_EQ(services.boxes.boxes()[0].text, text);
    services.boxes.clear();
  };
  const std::string rotation =
      "Conditions encountered where impending rotation\nof ANCHORED wall is COUNTERCLOCKWISE\n"
      "or driving force of retained soil above left side surface is zero.\n\n     Unable to continue.";
  {
    SCOPED_TRACE("rotation about the anchor");
    RankineSand s = AnchoredSand();
    s.Apply();
    NetMomentAbove = (WallTopElev - AnchorElev) * NetForceAbove;  // zero about the anchor
    services.boxes.expect(platform::Answer::OK);
    RunDesign();
    expectOne("IMPROPER WALL ROTATION", rotation);
  }
  {
    SCOPED_TRACE("anchor not on the grid");
    RankineSand s = AnchoredSand();
    s.Apply();
    AnchorElev = 18.5;
    services.boxes.expect(platform::Answer::OK);
    RunDesign();
    expectOne("IMPROPER WALL ROTATION", rotation);
  }
  {
    SCOPED_TRACE("free earth: the moment about the anchor never comes down to zero");
    RankineSand s = AnchoredSand();
    s.Apply();
    CheckWallRotation();
    int anchorIndex = 0;
    FindAnchorIndex(anchorIndex);
    for (int i = ZeroPressIndex + 1; i <= NumGridPoints; ++i) NetPressureA(i, 1) = NetPressureA(i, 2) = -1e-9;
    services.boxes.expect(platform::Answer::OK);
    DesignFreeEarthWall(anchorIndex);
    expectOne("QUELDAR",
              "A SOLUTION FOR PENETRATION HAS NOT BEEN FOUND FOR AN ELEVATION\nDOWN TO EL -50060.00 FT.\n\n"
              "     UNABLE TO CONTINUE.");
  }
  {
    SCOPED_TRACE("fixed earth: its residual stays positive, with the same text");
    RankineSand s = AnchoredSand();
    s.Apply();
    CheckWallRotation();
    int anchorIndex = 0;
    FindAnchorIndex(anchorIndex);
    for (int i = ZeroPressIndex + 1; i <= NumGridPoints; ++i) NetPressureA(i, 1) = NetPressureA(i, 2) = -1e-9;
    services.boxes.expect(platform::Answer::OK);
    DesignFixedEarthWall(anchorIndex);
    expectOne("QUELDAR",
              "A SOLUTION FOR PENETRATION HAS NOT BEEN FOUND FOR AN ELEVATION\nDOWN TO EL -50060.00 FT.\n\n"
              "     UNABLE TO CONTINUE.");
  }
}

}  // namespace
