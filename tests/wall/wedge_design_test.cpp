// Walls designed with wedge-method pressures against the same walls designed with
// Coulomb coefficients: in dry homogeneous sand under level ground the fixed failure
// surface is Coulomb's plane, and the sweep's 2 degree trials come within a whisker.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "model/problem.h"
#include "model/problem_data.h"
#include "closed_forms.h"
#include "platform/script_doubles.h"
#include "platform/text.h"
#include "pressures/pressures.h"
#include "scoped_temp.h"
#include "support/problem_files.h"
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

// The retained sand in three layers of the same sand, so that the wedges weigh it as one
// soil: layer 1 down to a level bottom at 5 ft (at -4 ft where `deep`), layer 2's bottom
// `drop` ft lower at the wall and rising at `slope` until it meets layer 1's bottom. Past
// that point the figures do not describe the ground, and a trial wedge that reaches there
// does not fit them.
void LayersMeeting(bool deep, double drop, double slope) {
  const double b1 = deep ? -4 : 5;
  NumSoilLayers(1) = 3;
  for (int L = 1; L <= 3; ++L) {
    support::SandLayer(1, L, 30, 0, 0, 100, 120);
    LayerFSActive(1, L) = LayerFSPassive(1, L) = 0;
  }
  LayerBottomElev(1, 1) = b1;
  LayerBottomElev(1, 2) = b1 - drop;
  LayerBottomSlope(1, 2) = slope;
  LayerBottomElev(1, 3) = -200000;
}

// The forces of planar wedges behind a smooth vertical wall under level ground, as the
// two searches draw them: the fixed surface at 45 degrees -/+ phi / 2 gives Rankine's
// coefficients; the sweep takes the largest active and the smallest passive force over
// its lines at 23, 25, ... degrees from the vertical, a wedge of weight gamma H^2 tan(t)
// / 2 pushing with W cot(t + phi) and resisting with W cot(t - phi).
RankineSand WedgeSand(const char* method, double fsPassive) {
  const double deg = 0.0174532925199433;
  const double phiA = 30 * deg, phiP = std::atan(std::tan(phiA) / fsPassive);
  RankineSand s;
  if (std::string(method) == "F") {
    s.Ka = (1 - std::sin(phiA)) / (1 + std::sin(phiA));
    s.Kp = (1 + std::sin(phiP)) / (1 - std::sin(phiP));
  } else {
    s.Ka = 0, s.Kp = 1e300;
    for (double t = 23; t < 89; t += 2) {
      s.Ka = std::max(s.Ka, std::tan(t * deg) / std::tan(t * deg + phiA));
      if (t * deg > phiP) s.Kp = std::min(s.Kp, std::tan(t * deg) / std::tan(t * deg - phiP));
    }
  }
  return s;
}

// Wedges from deep points that reach past the meeting of two layer bottoms stop no
// design above them: by either search the wall gets the tip of the conventional method
// with the search's own coefficients. Where the bottoms meet 167 ft from the wall only
// the far points' wedges would reach there, and no line is drawn from them; where they
// meet 42 ft away, the points from 24 ft below the dredge line down (by the fixed
// surface: the first tip halfway between points whose passive line, at 34.5 degrees,
// crosses layer 2's bottom beyond the meeting point) are not computed, and the soil
// pressure table ends above them.
TEST_F(WedgeDesign, LayerBottomsMeetingFarFromTheWallStopNoDesign) {
  struct Case {
    bool deep;
    double drop, slope;
    double lastComputed;  // fixed surface; -infinity: every regular point computed
  };
  const double none = -std::numeric_limits<double>::infinity();
  const double fsPassive = 1.5;
  const double phiP = std::atan(std::tan(30 * 0.0174532925199433) / fsPassive);
  const double m = std::tan(0.7853981633974485 - phiP / 2);
  // The first tip halfway between points whose passive line crosses the rising bottom
  // (0 + 0.12 x) beyond x = 5 / 0.12, where it meets layer 1's level bottom at 5.
  double tip = -0.5;
  while (-tip / (m - 0.12) <= 5 / 0.12) tip -= 1;
  const double lastComputed = tip + 0.5;
  for (const Case& c : {Case{true, 10, 0.06, none}, Case{false, 5, 0.12, lastComputed}}) {
    for (const char* method : {"F", "S"}) {
      SCOPED_TRACE(std::string(method) + (c.deep ? " 167 ft" : " 42 ft"));
      ScopedTempFolder temp;
      Problem(true, fsPassive);
      LayersMeeting(c.deep, c.drop, c.slope);
      NumHeadingLines = 1;
      HeadingLines(1) = "'MEETING";
      CurrentOutputFile = (temp.path() / "report.out").string();
      std::ofstream(CurrentOutputFile, std::ios::binary) << "INPUT\r\n";
      OutputLineCount = 1;
      PrepareSolution();
      PressureMethod(1) = PressureMethod(2) = method;
      ComputeInitialPressures();
      ASSERT_EQ(AbortRun, 0);
      const double computedTo = WedgePressuresComputedTo();
      if (std::string(method) == "F") {
        EXPECT_EQ(computedTo, c.lastComputed);
      }
      EXPECT_EQ(std::isinf(computedTo), std::isinf(c.lastComputed));
      WriteSoilPressureReport();
      RunDesign();
      ASSERT_EQ(AbortRun, 0);
      EXPECT_TRUE(services.boxes.boxes().empty());
      EXPECT_NEAR(TipElev(1), closed_forms::ConventionalCantilever(WedgeSand(method, fsPassive)).tip, 0.01);
      EXPECT_GT(TipElev(1), computedTo);
      const double designed = TipElev(1);

      // The table's last row is the last point computed, the note right after it.
      const std::string text = support::ReadBytes(CurrentOutputFile);
      const std::string nl = "\r\n";
      const std::size_t note = text.find(nl + std::string(10, ' ') + "WEDGE PRESSURES ARE NOT COMPUTED");
      if (std::isinf(computedTo)) {
        EXPECT_EQ(note, std::string::npos);
        continue;
      }
      ASSERT_NE(note, std::string::npos);
      const std::string row = platform::text::Format(computedTo, "###0.0");
      const std::size_t lastRow = text.rfind(nl, note - 1) + 2;
      EXPECT_EQ(text.substr(lastRow, 8), std::string(7 - row.size(), ' ') + row + " ");
      const std::string expected = nl + std::string(10, ' ') + "WEDGE PRESSURES ARE NOT COMPUTED BELOW ELEVATION " +
                                   platform::text::Format(computedTo, "###0.00") + " (FT):" + nl +
                                   std::string(10, ' ') +
                                   "A TRIAL WEDGE FROM BELOW IT DOES NOT FIT THE RIGHTSIDE SOIL LAYERS." + nl;
      EXPECT_EQ(text.compare(note, expected.size(), expected), 0) << text.substr(note, expected.size());

      // The wall analysed with that bottom has the passive factor it was designed with.
      RunMode = "A";
      AnalysisFSOption = 2;
      FSPassive = 0;
      WallBottomElev = designed;
      WallModulusE = 29e6;
      WallInertia = 200;
      PrepareSolution();
      PressureMethod(1) = PressureMethod(2) = method;
      RunSafetyFactorAnalysis();
      ASSERT_EQ(AbortRun, 0);
      EXPECT_NEAR(FSPassiveUsed(1, 1, 1), fsPassive, 0.05);
      EXPECT_TRUE(services.boxes.boxes().empty());
    }
  }
}

// Where the bottoms meet 16.5 ft from the wall, wedges from tips between the zero point and
// the design tip do not fit: the design needs pressures that were not computed, and the
// run ends with the wedge's box.
TEST_F(WedgeDesign, LayerBottomsMeetingNearTheWallStopTheDesign) {
  for (const char* method : {"F", "S"}) {
    SCOPED_TRACE(method);
    services.boxes.clearShown();
    services.boxes.expect("INVALID WEDGE GEOMETRY", platform::Answer::OK);
    Problem(true, 1.5);
    LayersMeeting(false, 3.3, 0.2);
    PrepareSolution();
    PressureMethod(1) = PressureMethod(2) = method;
    ComputeInitialPressures();
    if (AbortRun == 0) RunDesign();
    EXPECT_EQ(AbortRun, 1);
    EXPECT_LT(GridElev(ZeroPressIndex), 0);
    EXPECT_LT(WedgePressuresComputedTo(), 0);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].title, "INVALID WEDGE GEOMETRY");
    EXPECT_EQ(services.boxes.boxes()[0].text,
              "A trial wedge reaches beyond the end" + NewLine + "of a soil figure." + NewLine + NewLine +
                  "UNABLE TO CONTINUE.");

    // So does the analysis of the wall the far case designs.
    services.boxes.clearShown();
    services.boxes.expect("INVALID WEDGE GEOMETRY", platform::Answer::OK);
    RunMode = "A";
    AnalysisFSOption = 2;
    FSPassive = 0;
    WallBottomElev = -12.7;
    AbortRun = 0;
    PrepareSolution();
    PressureMethod(1) = PressureMethod(2) = method;
    RunSafetyFactorAnalysis();
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].title, "INVALID WEDGE GEOMETRY");
  }
}

// Below the last point the wedges were computed to, the pressures are the last ones
// computed carried on, not the soil's; here they are made numbers no sum can use, so that
// a trial tip among them ends the design. Where the bottoms meet so that the last point
// computed lies less than a foot below the design tip, the search that used to step one
// point past the first too-deep trial finds the conventional tip without going there, by
// either wedge search and whatever the passive factor; where the conventional tip lies
// below that point, no tip above it balances and the wedge's box ends the design.
TEST_F(WedgeDesign, TrialTipsStayAboveTheLastPointTheWedgesWereComputedTo) {
  const struct {
    double drop, slope;
    const char* method;
    double fsPassive;
    bool designs;
  } cases[] = {
      {4, 0.15, "F", 1.3, true}, {4, 0.15, "F", 1.5, true}, {4, 0.15, "F", 1.8, true},
      {3, 0.10, "S", 1.7, true}, {3, 0.12, "F", 1.5, false}, {3, 0.12, "S", 1.5, false},
  };
  // The pressure pass does not write every point a case spoiled.
  auto clearNetPressures = [] {
    for (int p = 1; p <= 301; ++p)
      for (int k = 1; k <= 2; ++k) NetPressureA(p, k) = NetPressureP(p, k) = 0;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.method << " at " << c.fsPassive << ", drop " << c.drop << ", slope " << c.slope);
    services.boxes.clearShown();
    services.boxes.answerTheRest();
    clearNetPressures();
    Problem(true, c.fsPassive);
    LayersMeeting(false, c.drop, c.slope);
    PrepareSolution();
    PressureMethod(1) = PressureMethod(2) = c.method;
    ComputeInitialPressures();
    ASSERT_EQ(AbortRun, 0);
    const double computedTo = WedgePressuresComputedTo();
    ASSERT_GT(computedTo, -100);
    for (int p = 1; p <= NumGridPoints; ++p) {
      if (!(GridElev(p) < computedTo)) continue;
      for (int k = 1; k <= 2; ++k) NetPressureA(p, k) = NetPressureP(p, k) = std::nan("");
    }
    const double conventional = closed_forms::ConventionalCantilever(WedgeSand(c.method, c.fsPassive)).tip;
    RunDesign();
    if (!c.designs) {
      EXPECT_LT(conventional, computedTo);
      ASSERT_EQ(services.boxes.boxes().size(), 1u);
      EXPECT_EQ(services.boxes.boxes()[0].title, "INVALID WEDGE GEOMETRY");
      continue;
    }
    ASSERT_EQ(AbortRun, 0) << services.boxes.boxes().back().text;
    EXPECT_LT(computedTo, conventional);
    EXPECT_GT(computedTo, conventional - 1);
    EXPECT_NEAR(TipElev(1), conventional, 0.01);
  }
  clearNetPressures();
}

// A short cantilever with automatic seepage, by the sweep search: the first pass's seepage
// leaves the wedges computed only down to 0.2 ft, above every tip that balances there;
// the next passes' seepage follows the tip found below it, and the figures with it. The
// tip the passes settle on lies above the point its own pass computed to, and between
// the tips of the weaker factor's trend and the stronger factor's refusal, where every
// balancing tip lies below that point.
TEST_F(WedgeDesign, SeepagePassesSearchPastThePointTheFirstPassComputedTo) {
  const std::string problem =
      "'SHORT WALL PROBLEM\n"
      "CONTROL CANTILEVER DESIGN 1.43 %FS%\n"
      "WALL 10.20\n"
      "SURFACE RIGHTSIDE 1 0 10.20\n"
      "SURFACE LEFTSIDE 1 0 4.70\n"
      "SOIL BOTH STRENGTHS 3\n"
      "116 116 20 294 3 83 -0.20 -0.06\n"
      "135 120 16 340 0 0 -4.50 0\n"
      "112 111 23 96 2 0\n"
      "WATER ELEVATIONS 62.4 8.30 4.40 7.64 AUTOMATIC\n"
      "VERTICAL STRIP RIGHTSIDE 1 1.0 2.3 1192\n"
      "FINISHED\n";
  const auto dir = support::MakeScratchDir("queldar_wedge_seepage");
  double previousTip = std::numeric_limits<double>::infinity();
  for (const char* fs : {"1.16", "1.18", "1.20"}) {
    SCOPED_TRACE(fs);
    std::string text = problem;
    text.replace(text.find("%FS%"), 4, fs);
    const std::string path = (dir / "problem.dat").string();
    std::ofstream(path, std::ios::binary) << text;
    services.boxes.clearShown();
    services.boxes.answerTheRest();
    InitPassiveCoefficientTables();
    AbortRun = 0;
    support::ReadProblemFile(path);
    ASSERT_EQ(AbortRun, 0);
    PrepareSolution();
    for (int side = 1; side <= 2; ++side)
      if (PressureMethod(side) == "W") PressureMethod(side) = "S";
    ComputeInitialPressures();
    ASSERT_EQ(AbortRun, 0);
    RunDesign();
    if (std::string(fs) == "1.20") {
      ASSERT_EQ(services.boxes.boxes().size(), 1u);
      EXPECT_EQ(services.boxes.boxes()[0].title, "INVALID WEDGE GEOMETRY");
      continue;
    }
    ASSERT_EQ(AbortRun, 0) << services.boxes.boxes().back().text;
    EXPECT_GT(TipElev(1), WedgePressuresComputedTo());
    EXPECT_LT(TipElev(1), previousTip);
    previousTip = TipElev(1);
  }
  support::RemoveScratchDir(dir);
}

}  // namespace
