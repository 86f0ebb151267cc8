// Walls designed with wedge-method pressures against the same walls designed with
// Coulomb coefficients: in dry homogeneous sand under level ground the fixed failure
// surface is Coulomb's plane, and the sweep's 2 degree trials come within a whisker.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressures.h"
#include "scoped_temp.h"
#include "support/scratch_dir.h"
#include "support/soil_setup.h"
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
      support::SandLayer(side, 1, 30, 0, 0, 100, 120);
      LayerBottomElev(side, 1) = -200000;
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

// A soil without strength carries the same active force at every trial angle; a line
// load far behind the wall that only the last trials of shallow tips take in leaves
// those points without an active maximum. Both reports say so.
TEST_F(WedgeDesign, PointsWithoutAStandardSolutionAreMarkedInTheReports) {
  ScopedTempFolder temp;
  Problem(true, 1.5);
  LayerPhi(1, 1) = 0;
  NumLineLoads(1) = 1;
  LineLoadDist(1, 1) = 120;
  LineLoad(1, 1) = 1000;
  NumHeadingLines = 1;
  HeadingLines(1) = "'MARKS";
  CurrentOutputFile = (temp.path() / "report.out").string();
  std::ofstream(CurrentOutputFile, std::ios::binary) << "INPUT\r\n";
  OutputLineCount = 1;

  PrepareSolution();
  PressureMethod(1) = PressureMethod(2) = "S";
  ComputeInitialPressures();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(WedgeNoSolution(1, 1), 1);
  int marked = 0;
  for (int p = 1; p <= NumGridPoints; ++p) marked += WedgeMarkActive(1, p) == "*";
  EXPECT_GT(marked, 0);
  WriteSoilPressureReport();
  RunDesign();
  ASSERT_EQ(AbortRun, 0);
  WriteResultsReport();

  const std::string text = support::ReadBytes(CurrentOutputFile);
  const std::string nl = "\r\n";
  // The soil pressure table: the right side's active value at 5 ft (517.5 psf) marked.
  EXPECT_NE(text.find("    5.0     0.0       0.0      0.0     517.5     500.0     517.5*    500.0" + nl),
            std::string::npos);
  EXPECT_NE(text.find(nl + std::string(10, ' ') +
                      "* STANDARD WEDGE SOLUTION DOES NOT EXIST FOR INDICATED PRESSURE" + nl +
                      std::string(12, ' ') + "FOR THIS ELEVATION." + nl),
            std::string::npos);
  EXPECT_NE(text.find(nl + std::string(10, ' ') + "*****WARNING:  STANDARD WEDGE SOLUTION DOES NOT EXIST" +
                      nl + std::string(25, ' ') + "AT ALL ELEVATIONS.  SEE COMPLETE OUTPUT." + nl),
            std::string::npos);
}

}  // namespace
