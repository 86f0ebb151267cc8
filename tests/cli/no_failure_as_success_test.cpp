// Input the methods cannot take, or whose results are not numbers, ends the solution with
// a box that says why and status 1: never a report of wrong or unreadable values.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/solve_file_runner.h"

namespace {

using support::RunSolveFile;
using NoFailureAsSuccessTest = support::ScratchDirTest;

// surfaces: both SURFACE lines.
std::string Problem(const std::string& control, const std::string& wall, const std::string& surfaces,
                    const std::string& soil) {
  return "'SMALLEST INPUT\nCONTROL " + control + "\nWALL " + wall + "\n" + surfaces + soil + "FINISHED\n";
}

const std::string kLevel = "SURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 1 0 0\n";
const std::string kSand = "SOIL BOTH STRENGTHS 1\n120 110 30 0 0 0\n";

TEST_F(NoFailureAsSuccessTest, RefusedSolutionsSayWhyAndEndWithStatusOne) {
  const std::string improperSoil =
      "=== IMPROPER SOIL DATA [0]\nThe wedge method for a ground surface of more than\n"
      "     one point needs soil strengths, not coefficients.\n\nUNABLE TO CONTINUE.\n===";
  const std::string stiffness =
      "=== NON-FINITE RESULT [0]\n1728 / (E x I) IS NOT A FINITE NUMBER.\n"
      "     E x I OF THE WALL IS TOO SMALL OR TOO LARGE.\n\n     UNABLE TO CONTINUE.\n===";
  const std::string deflection =
      "=== NON-FINITE RESULT [0]\nTHE DEFLECTION IS NOT A FINITE NUMBER\nAT ELEVATION 10.00 (FT).\n"
      "     E x I OF THE WALL IS TOO SMALL.\n\n     UNABLE TO CONTINUE.\n===";
  const struct {
    const char* what;
    std::string file;
    std::string box;
  } cases[] = {
      // A level second point still sends the side to the wedge method.
      {"coefficients, two surface points",
       Problem("CANTILEVER DESIGN", "10", "SURFACE RIGHTSIDE 2 0 10\n10 10\nSURFACE LEFTSIDE 1 0 0\n",
               "SOIL BOTH COEFFICIENTS 1\n120 110 0.333 3.0\n"),
       improperSoil},
      {"coefficients in front, falling, anchored analysis",
       Problem("ANCHORED ANALYSIS", "10 8 -10 29E6 38.3",
               "SURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 2 0 0\n20 -2\n",
               "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0\nSOIL LEFTSIDE COEFFICIENTS 1\n120 110 0.333 3.0\n"),
       improperSoil},
      {"E of 1E-320, cantilever", Problem("CANTILEVER ANALYSIS", "10 -10 1E-320 38.3", kLevel, kSand),
       stiffness},
      {"I of 1E-320, anchored", Problem("ANCHORED ANALYSIS", "10 8 -10 29E6 1E-320", kLevel, kSand),
       stiffness},
      {"deflections beyond any number", Problem("CANTILEVER ANALYSIS", "10 -10 1E-306 38.3", kLevel, kSand),
       deflection},
      // Sand over clay whose bottom slopes: no tip on the regular grid, and the interpolation
      // toward the far points once gave a wall of over a thousand feet. The message names
      // the grid's last regular level, the deepest a wall was looked for.
      {"tip only between the grid and the far points",
       Problem("ANCHORED DESIGN 1.12 1.92", "21.30 18.10", "SURFACE RIGHTSIDE 1 0 21.10\nSURFACE LEFTSIDE 1 0 1.20\n",
               "SOIL BOTH STRENGTHS 2\n108 99 38 0 3 0 -2.70 -0.07\n118 108 0 431 0 0\n"
               "VERTICAL RAMP RIGHTSIDE 4.5 8.6 57\n"),
       "=== QUELDAR [0]\nA SOLUTION FOR PENETRATION HAS NOT BEEN FOUND FOR AN ELEVATION\n"
       "DOWN TO EL -98.70 FT.\n\n     UNABLE TO CONTINUE.\n==="},
      // A front soil lighter than water has no weight under it: the wedge side refuses it
      // as a Coulomb side does, rather than search for a wall it cannot hold.
      {"soil in front lighter than water, wedge side",
       Problem("CANTILEVER ANALYSIS", "10 -12 29E6 100", "SURFACE RIGHTSIDE 2 0 10\n50 10\nSURFACE LEFTSIDE 2 0 0\n50 0\n",
               "SOIL RIGHTSIDE STRENGTHS 1\n120 110 30 0 0 0\nSOIL LEFTSIDE STRENGTHS 1\n60 110 30 300 0 0\n"
               "WATER ELEVATIONS 62.4 2 2\n"),
       "=== IMPROPER SOIL WEIGHT [0]\nSeepage has resulted in negative or zero\n     effective unit weight of soil.\n\n"
       "UNABLE TO CONTINUE.\n==="},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string input = WriteFile("smallest.dat", c.file);
    const std::string report = PathOf("smallest.out");
    const auto run = RunSolveFile({"--wedge", "S", input, report}, PathOf(""));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.box), std::string::npos) << run.output;
    const std::string text = ReadBytes(report);
    EXPECT_EQ(text.find("INF"), std::string::npos);
    EXPECT_EQ(text.find("NAN"), std::string::npos);
  }
}

// The fixed failure surface's passive line rises at 45 deg - phi / 2 whatever the wall
// friction: at a wall friction of 45 deg - phi / 2 (phi 30, delta 30) its wedge needs an
// unbounded force, which rounding once turned into pressures of 1E+19. A wall friction
// short of that still solves.
TEST_F(NoFailureAsSuccessTest, TheFixedSurfaceRefusesAPassiveWallFrictionItCannotCarry) {
  const std::string box =
      "=== IMPROPER WALL FRICTION [0]\nWall friction is too large for the fixed failure surface:\n"
      "the trial wedge has no equilibrium.\n\nUNABLE TO CONTINUE.\n===";
  const struct {
    const char* left;  // the left soil: sat, moist, phi, c, delta, adhesion
    bool solves;
  } cases[] = {
      {"110 110 30 0 20 0", true},   // 45 + 15 + 20 = 80 deg
      {"110 110 30 0 30 0", false},  // 45 + 15 + 30 = 90 deg: unbounded
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left);
    const std::string input = WriteFile(
        "friction.dat", Problem("CANTILEVER DESIGN 1.0 1.0", "10",
                                "SURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 2 0 0\n50 0\n",
                                "SOIL RIGHTSIDE STRENGTHS 1\n110 110 30 0 0 0\nSOIL LEFTSIDE STRENGTHS 1\n" +
                                    std::string(c.left) + "\n"));
    const std::string report = PathOf("friction.out");
    const auto run = RunSolveFile({"--wedge", "F", input, report}, PathOf(""));
    EXPECT_EQ(run.status, c.solves ? 0 : 1);
    EXPECT_EQ(run.output.find(box) != std::string::npos, !c.solves) << run.output;
    // Moments and deflections are printed with exponents below 10; no value reaches 1E+10.
    const std::string text = ReadBytes(report);
    EXPECT_EQ(text.find("E+1"), std::string::npos);
    EXPECT_EQ(text.find("E+2"), std::string::npos);
  }
}

// A layer dredged away on both sides ends above the wall: valid data, and the results
// still run from the wall top down.
TEST_F(NoFailureAsSuccessTest, ALayerBottomAboveTheTopLeavesTheResultsOnTheWall) {
  const std::string input =
      WriteFile("dredged.dat", Problem("CANTILEVER DESIGN", "10", kLevel,
                                       "SOIL BOTH STRENGTHS 2\n120 110 30 0 0 0 15 0\n120 110 30 0 0 0\n"));
  const std::string report = PathOf("dredged.out");
  const auto run = RunSolveFile({input, report}, PathOf(""));
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string text = ReadBytes(report);
  const auto head = text.find("(FT)        (LB-FT)");
  ASSERT_NE(head, std::string::npos);
  const auto row = text.find('\n', head) + 1;
  EXPECT_EQ(text.substr(row, 15), "         10.00 ");
  EXPECT_EQ(text.find("AT ELEVATION (FT)    :       15.00"), std::string::npos);
}

// One absurd value (a layer of 1E9 pcf, a surcharge of 4294967297 psf, a cohesion of
// 2.1E9 psf) once made every ordinary pressure rounding noise and ended as a wall of no
// penetration with its anchor left out of the shears. The heavy layer pushes the net
// pressure past any sign change and is refused with that reason, by either wedge search.
// The other two are refused as values far out of scale, or designed with results whose
// statics close (checked on the free body in the wall tests), never reported as a wall
// that misses its own pressures.
TEST_F(NoFailureAsSuccessTest, OneAbsurdValueIsRefusedWithItsReasonOrDesigned) {
  const std::string heavyLayer =
      "'HEAVY LOWER LAYER BEHIND AN ANCHORED WALL WITH WATER\nCONTROL ANCHORED DESIGN 1.0 1.5\nWALL 24 21\n"
      "SURFACE RIGHTSIDE 1 0 24\nSURFACE LEFTSIDE 1 0 4\nSOIL RIGHTSIDE STRENGTHS 2\n 122 110 32 0 0 0 0 0\n"
      " 1e9 105 0 900 0 0\nSOIL LEFTSIDE STRENGTHS 1\n 122 110 32 0 0 0\nWATER ELEVATIONS 62.4 16 4\nFINISHED\n";
  const std::string example =
      ReadBytes(std::filesystem::path(QUELDAR_SOURCE_DIR) / "examples" / "anchored-layered-water.dat");
  auto changed = [&](const std::string& from, const std::string& to) {
    std::string s = example;
    const auto at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) s.replace(at, from.size(), to);
    return s;
  };
  const std::string noSignChange = "=== INVALID NET ACTIVE PRESSURE DISTRIBUTION [0]\nNET ACTIVE PRESSURE DOES NOT";
  const std::string outOfScale = "=== UNBALANCED RESULTS [0]\nTHE RESULTS FOUND FOR THE\n";
  const struct {
    const char* what;
    std::string file;
    std::string box;
    bool mayDesign;
  } cases[] = {
      {"a retained layer of 1E9 pcf", heavyLayer, noSignChange, false},
      {"a surcharge of 4294967297 psf in front",
       changed("VERTICAL  UNIFORM  250  0", "VERTICAL  UNIFORM  250  4294967297"), outOfScale, true},
      {"a retained cohesion of 2.1E9 psf",
       changed("  115  105  0   900  0   450\nSOIL  LEFTSIDE", "  115  105  0   2.1e9  0   450\nSOIL  LEFTSIDE"),
       outOfScale, true},
  };
  for (const auto& c : cases) {
    for (const char* wedge : {"F", "S"}) {
      SCOPED_TRACE(testing::Message() << c.what << ", wedge " << wedge);
      const std::string input = WriteFile("absurd.dat", c.file);
      const std::string report = PathOf("absurd.out");
      const auto run = RunSolveFile({"--wedge", wedge, input, report}, PathOf(""));
      if (c.mayDesign && run.status == 0) {
        EXPECT_NE(ReadBytes(report).find("COMPLETE OF RESULTS"), std::string::npos);
        continue;
      }
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.output.find(c.box), std::string::npos) << run.output;
      if (c.mayDesign) {
        EXPECT_NE(run.output.find("PRESSURES OF VERY DIFFERENT SIZES"), std::string::npos) << run.output;
      }
      EXPECT_EQ(ReadBytes(report).find("COMPLETE OF RESULTS"), std::string::npos);
    }
  }
}

}  // namespace
