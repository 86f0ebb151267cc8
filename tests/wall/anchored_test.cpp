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
#include "closed_forms.h"
#include "rankine_fixture.h"
#include "scoped_temp.h"
#include "wall/wall.h"

namespace fs = std::filesystem;

namespace {

using namespace closed_forms;

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
  // Net pressures that never turn the search, and one that stops it above the end of the
  // grid: the box names the level the search got down to, the grid's last regular point
  // (-60 ft) or -4 ft (the zero point lies at -2.5 ft), never a far point below the grid.
  struct NoPenetration {
    const char* trace;
    void (*design)(int&);
    void (*spoil)();
    const char* reached;
  };
  const auto neverTurns = [] {
    for (int i = ZeroPressIndex + 1; i <= NumGridPoints; ++i) NetPressureA(i, 1) = NetPressureA(i, 2) = -1e-9;
  };
  const auto stopsAtMinus4 = [] { NetPressureA(ZeroPressIndex + 2, 2) = std::nan(""); };
  for (const NoPenetration& c :
       {NoPenetration{"free earth: the moment about the anchor never comes down to zero", DesignFreeEarthWall,
                      neverTurns, "-60.00"},
        NoPenetration{"fixed earth: its residual stays positive, with the same text", DesignFixedEarthWall,
                      neverTurns, "-60.00"},
        NoPenetration{"free earth, stopped at -4 ft", DesignFreeEarthWall, stopsAtMinus4, "-4.00"},
        NoPenetration{"fixed earth, stopped at -4 ft", DesignFixedEarthWall, stopsAtMinus4, "-4.00"}}) {
    SCOPED_TRACE(c.trace);
    RankineSand s = AnchoredSand();
    s.Apply();
    CheckWallRotation();
    int anchorIndex = 0;
    FindAnchorIndex(anchorIndex);
    ASSERT_EQ(GridElev(ZeroPressIndex + 2), -4.0);
    c.spoil();
    services.boxes.expect(platform::Answer::OK);
    c.design(anchorIndex);
    expectOne("QUELDAR", std::string("A SOLUTION FOR PENETRATION HAS NOT BEEN FOUND FOR AN ELEVATION\nDOWN TO EL ") +
                             c.reached + " FT.\n\n     UNABLE TO CONTINUE.");
  }
}

}  // namespace
