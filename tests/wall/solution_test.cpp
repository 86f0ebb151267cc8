// Designs and analyses through the real pressure pass: a problem in the problem data,
// the solution set-up, the pressures, then the design driver or the factor-of-safety
// search; the figures against the closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "closed_forms.h"
#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/script_doubles.h"
#include "pressures/pressures.h"
#include "rankine_fixture.h"
#include "scoped_temp.h"
#include "support/soil_setup.h"
#include "wall/wall.h"

namespace {

using namespace closed_forms;
using platform::Answer;

// Dry sand on both sides, gamma 100, phi 30, no wall friction; the right surface at the
// wall top, the left at 0.
void SandProblem(const char* wallType, const char* mode, double top, double anchor, double fsA,
                 double fsP) {
  ResetInputData();
  InitPassiveCoefficientTables();
  NumHeadingLines = 1;
  HeadingLines(1) = "'SAND";
  WallType = wallType;
  RunMode = mode;
  FSActive = fsA;
  FSPassive = fsP;
  AnalysisFSOption = 1;
  WallTopElev = top;
  AnchorElev = anchor;
  WallModulusE = 29e6;
  WallInertia = 200;
  for (int side = 1; side <= 2; ++side) {
    support::LevelGround(side, side == 1 ? top : 0);
    SoilDataType(side) = "S";
    NumSoilLayers(side) = 1;
    support::SandLayer(side, 1, 30, 0, 0, 100, 100);
    LayerFSActive(side, 1) = LayerFSPassive(side, 1) = 0;
    SideFSActive(side) = SideFSPassive(side) = 0;
    for (int p = 1; p <= 301; ++p) WedgeMarkActive(side, p) = WedgeMarkPassive(side, p) = "";
    for (int r = 1; r <= 3; ++r) WedgeNoSolution(r, side) = 0;
  }
  WaterDataType = "";
  SeepageOption = "";
  NumHorizLineLoads = NumHorizDistPoints = 0;
  TempFileCount = 8;
  AbortRun = 0;
}

// Solve in design mode as the solve flow does: set-up, first pass, then Continue.
void Design() {
  PrepareSolution();
  ComputeInitialPressures();
  ASSERT_EQ(AbortRun, 0);
  RunDesign();
}

class WallSolution : public ::testing::Test {
 protected:
  ScopedTempFolder temp;
  platform::ScopedServices services;
};

TEST_F(WallSolution, CantileverDesignInSand) {
  for (double fsP : {1.0, 1.5}) {
    SCOPED_TRACE(fsP);
    RankineSand s;
    s.Kp = RankineKp(30, fsP);
    const Expected want = ConventionalCantilever(s);
    SandProblem("C", "D", 10, 0, 1.0, fsP);
    Design();
    ASSERT_EQ(AbortRun, 0);
    EXPECT_NEAR(TipElev(1), want.tip, 0.005);
    EXPECT_NEAR(MaxMoment(1, 1), want.maxMoment, 1.0);
    EXPECT_NEAR(MaxMoment(1, 2), want.maxMomentElev, 0.005);
  }
  EXPECT_TRUE(services.boxes.boxes().empty());
}

TEST_F(WallSolution, AnchoredDesignInSand) {
  RankineSand s;
  s.top = 20;
  s.anchor = 18;
  const FreeEarth fe = IndependentFreeEarth(s);
  const FixedEarth fx = IndependentFixedEarth(s);
  SandProblem("A", "D", 20, 18, 1.0, 1.0);
  Design();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_NEAR(TipElev(1), fe.tip, 0.005);
  EXPECT_NEAR(AnchorForce(1), fe.anchorForce, 0.5);
  EXPECT_NEAR(TipElev(2), fx.tip, 0.005);
  EXPECT_NEAR(AnchorForce(2), fx.anchorForce, 0.5);
  ReadResultsFile(1);
  EXPECT_NEAR(std::fabs(MaxMoment(1, 1)), std::fabs(fe.maxMoment), 2.0);
  EXPECT_TRUE(services.boxes.boxes().empty());
}

// The design tip of the wall at the factors the analysis found lies within the search's
// 0.1 ft of the bottom it was given.
TEST_F(WallSolution, AnalysisGivesTheDesignFactorBack) {
  struct Case {
    const char* wall;
    double top, anchor, F;
  };
  for (const Case c : {Case{"C", 10, 0, 1.5}, Case{"A", 20, 18, 1.3}}) {
    SCOPED_TRACE(c.wall);
    SandProblem(c.wall, "D", c.top, c.anchor, c.F, c.F);
    Design();
    ASSERT_EQ(AbortRun, 0);
    const double tip1 = TipElev(1), tip2 = TipElev(2);
    const int methods = std::string(c.wall) == "A" ? 2 : 1;
    for (int m = 1; m <= methods; ++m) {
      SandProblem(c.wall, "A", c.top, c.anchor, 0, 0);
      WallBottomElev = m == 1 ? tip1 : tip2;
      PrepareSolution();
      RunSafetyFactorAnalysis();
      ASSERT_EQ(AbortRun, 0);
      const double found = FSPassiveUsed(1, 1, m);
      EXPECT_NEAR(found, c.F, 0.05) << m;
      EXPECT_EQ(FSActiveUsed(1, 1, m), found);
      EXPECT_LE(std::fabs(TipElev(m) - WallBottomElev), 0.1);
      EXPECT_TRUE(std::filesystem::exists(ResultsFileNames(m)));
    }
  }
  EXPECT_TRUE(services.boxes.boxes().empty());
}

TEST_F(WallSolution, AnalysisWithAGivenActiveFactor) {
  SandProblem("C", "D", 10, 0, 1.2, 1.6);
  Design();
  const double bottom = TipElev(1);
  SandProblem("C", "A", 10, 0, 1.2, 0);
  AnalysisFSOption = 2;
  WallBottomElev = bottom;
  PrepareSolution();
  RunSafetyFactorAnalysis();
  ASSERT_EQ(AbortRun, 0);
  EXPECT_EQ(FSActiveUsed(1, 1, 1), 1.2);
  EXPECT_EQ(FSActiveUsed(2, 1, 1), 1.2);
  EXPECT_NEAR(FSPassiveUsed(1, 1, 1), 1.6, 0.05);
}

TEST_F(WallSolution, LargeFactorQuestion) {
  const std::string text =
      "Factor of safety for this system\nappears to be greater than 5.00.\n\nDo you want to continue search for\nfactor of safety?";
  {
    SCOPED_TRACE("No");
    SandProblem("C", "A", 10, 0, 1.0, 0);
    AnalysisFSOption = 2;
    WallBottomElev = -40;
    PrepareSolution();
    services.boxes.expect("LARGE FACTOR OF SAFETY", Answer::No);
    RunSafetyFactorAnalysis();
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 1u);
    EXPECT_EQ(services.boxes.boxes()[0].text, text);
    EXPECT_EQ(services.boxes.boxes()[0].buttons, 4);
    // The question comes at the trial with 1.0 + 20 x 0.2.
    EXPECT_GE(FSPassiveUsed(1, 1, 1), 5.0);
    EXPECT_LT(FSPassiveUsed(1, 1, 1), 5.0 + 1e-9);
  }
  services.boxes.clear();
  {
    SCOPED_TRACE("Yes, then No");
    SandProblem("C", "A", 10, 0, 1.0, 0);
    AnalysisFSOption = 2;
    WallBottomElev = -40;
    PrepareSolution();
    services.boxes.expect("LARGE FACTOR OF SAFETY", Answer::Yes).expect("LARGE FACTOR OF SAFETY", Answer::No);
    RunSafetyFactorAnalysis();
    EXPECT_EQ(AbortRun, 1);
    ASSERT_EQ(services.boxes.boxes().size(), 2u);
    EXPECT_EQ(services.boxes.boxes()[1].text,
              "Factor of safety for this system\nappears to be greater than 10.00.\n\n"
              "Do you want to continue search for\nfactor of safety?");
    // Repeated steps of 0.2 in double precision: the 45th stays just below 10.0, so the
    // second question comes one step later.
    EXPECT_GE(FSPassiveUsed(1, 1, 1), 10.0);
    EXPECT_LT(FSPassiveUsed(1, 1, 1), 10.2 + 1e-9);
    EXPECT_EQ(FSActiveUsed(1, 1, 1), 1.0);
  }
}

TEST_F(WallSolution, SmallFactorOfSafety) {
  // A weak soil whose design tip stays below the given bottom down to a factor of 0.2.
  SandProblem("C", "A", 10, 0, 0, 0);
  for (int side = 1; side <= 2; ++side) LayerPhi(side, 1) = 11;
  WallBottomElev = -0.5;
  PrepareSolution();
  services.boxes.expect("SMALL FACTOR OF SAFETY", Answer::OK);
  RunSafetyFactorAnalysis();
  EXPECT_EQ(AbortRun, 1);
  ASSERT_EQ(services.boxes.boxes().size(), 1u);
  EXPECT_EQ(services.boxes.boxes()[0].text,
            "Factor of safety for this system\nappears to be less than 0.20.\n\n     Unable to continue.");
  EXPECT_EQ(services.boxes.boxes()[0].buttons, 0);
  // The last factor tried was the fifth step down from 1.0, which is still 0.2.
  EXPECT_NEAR(FSPassiveUsed(1, 1, 1), 0.2, 1e-12);
}

TEST_F(WallSolution, ASearchThatNeverBracketsTheBottomGivesUp) {
  // Soil given by coefficients carries no strength to factor: the tip never moves, and
  // the search raising the factor (Yes to every question) stops as inconsistent.
  SandProblem("C", "A", 10, 0, 0, 0);
  for (int side = 1; side <= 2; ++side) {
    SoilDataType(side) = "C";
    LayerKa(side, 1) = 1.0 / 3.0;
    LayerKp(side, 1) = 3.0;
  }
  WallBottomElev = -14;
  PrepareSolution();
  services.boxes.answerTheRest();  // Yes to every question
  RunSafetyFactorAnalysis();
  EXPECT_EQ(AbortRun, 1);
  const std::vector<platform::RecordedBox>& shown = services.boxes.boxes();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().title, "INCONSISTENT RESULTS");
  EXPECT_EQ(shown.back().text,
            "Inconsistent results have been encountered\nduring attempt to analyze\n\n     CANTILEVER WALL\n\n"
            "     Unable to continue.");
  for (std::size_t i = 0; i + 1 < shown.size(); ++i) EXPECT_EQ(shown[i].title, "LARGE FACTOR OF SAFETY");
}

}  // namespace
