// Walls designed with wedge-method pressures against the same walls designed with
// Coulomb coefficients: in dry homogeneous sand under level ground the fixed failure
// surface is Coulomb's plane, and the sweep's 2 degree trials come within a whisker.
#include <gtest/gtest.h>

#include <string>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressures.h"
#include "wall/wall.h"

namespace {

class WedgeDesign : public ::testing::Test {
 protected:
  platform::ScopedServices services;

  // Cantilever, wall top 10, right ground at 10, left ground at 0, dry sand (phi 30, no wall friction,
  // 100 pcf) on both sides; `wedge` gives each ground a second point, so that both sides
  // take the wedge method.
  void Problem(bool wedge, double fsPassive) {
    ResetInputData();
    InitPassiveCoefficientTables();
    WallType = "C";
    RunMode = "D";
    FSActive = 1.0;
    FSPassive = fsPassive;
    WallTopElev = 10;
    for (int side = 1; side <= 2; ++side) {
      NumSurfacePoints(side) = wedge ? 2 : 1;
      const double ground = side == 1 ? 10 : 0;
      SurfaceDist(side, 1) = 0;
      SurfaceElev(side, 1) = ground;
      SurfaceDist(side, 2) = 10;
      SurfaceElev(side, 2) = ground;
      SoilDataType(side) = "S";
      SideFSActive(side) = SideFSPassive(side) = 0;
      NumSoilLayers(side) = 1;
      LayerPhi(side, 1) = 30;
      LayerWallFriction(side, 1) = 0;
      LayerCohesion(side, 1) = 0;
      LayerAdhesion(side, 1) = 0;
      LayerMoistUnitWeight(side, 1) = 100;
      LayerSatUnitWeight(side, 1) = 120;
      LayerBottomElev(side, 1) = -200000;
      LayerBottomSlope(side, 1) = 0;
      LayerFSActive(side, 1) = LayerFSPassive(side, 1) = 0;
    }
    WaterDataType = "";
    SeepageOption = "";
    AbortRun = 0;
  }

  double DesignedTip(bool wedge, const char* method, double fsPassive) {
    Problem(wedge, fsPassive);
    PrepareSolution();
    for (int side = 1; side <= 2; ++side) {
      EXPECT_EQ(PressureMethod(side), wedge ? "W" : "C");
      if (PressureMethod(side) == "W") PressureMethod(side) = method;
    }
    ComputeInitialPressures();
    EXPECT_EQ(AbortRun, 0);
    RunDesign();
    EXPECT_EQ(AbortRun, 0);
    return TipElev(1);
  }
};

TEST_F(WedgeDesign, CantileverTipMatchesTheCoulombDesign) {
  for (double fs : {1.0, 1.5}) {
    SCOPED_TRACE(fs);
    const double coulomb = DesignedTip(false, "", fs);
    EXPECT_NEAR(DesignedTip(true, "F", fs), coulomb, 0.005);
    EXPECT_NEAR(DesignedTip(true, "S", fs), coulomb, 0.05);
  }
  EXPECT_TRUE(services.boxes.boxes().empty());
}

}  // namespace
