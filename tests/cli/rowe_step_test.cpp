// solve_file ends an anchored design with Rowe's moment reduction, taking the default
// pile sections; a cantilever design has no such section.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "support/solve_file_runner.h"

namespace fs = std::filesystem;

namespace {

class SolveFileRowe : public support::ScratchDirTest {
 protected:
  static int Solve(const fs::path& input, const fs::path& report) {
    return support::RunSolveFile({input.string(), report.string()}).status;
  }
};

const char* const kClayWall =
    "'ANCHORED WALL, SAND RETAINED, CLAY BELOW THE DREDGE LINE\n"
    "CONTROL  ANCHORED  DESIGN  1.00  1.50\n"
    "WALL  20  18\n"
    "SURFACE  RIGHTSIDE  1  0  20\n"
    "SURFACE  LEFTSIDE   1  0  0\n"
    "SOIL  RIGHTSIDE  STRENGTHS  1\n"
    "  120  110  30  0  0  0\n"
    "SOIL  LEFTSIDE  STRENGTHS  1\n"
    "  110  110  0  2000  0  500\n"
    "FINISHED\n";

const char* const kCantilever =
    "'A CANTILEVER WALL IN SAND\n"
    "CONTROL CANTILEVER DESIGN\n"
    "WALL 10\n"
    "SURFACE RIGHTSIDE 1 0 10\n"
    "SURFACE LEFTSIDE 1 0 0\n"
    "SOIL BOTH STRENGTHS 1\n"
    "120 110 30 0 0 0\n"
    "FINISHED\n";

TEST_F(SolveFileRowe, AnchoredDesignsEndWithTheReductionSection) {
  const fs::path dir = dir_;
  WriteFile("clay.dat", kClayWall);
  WriteFile("cantilever.dat", kCantilever);

  const std::string blanks5 = "\r\n\r\n\r\n\r\n\r\n";
  {
    SCOPED_TRACE("sand");
    const fs::path report = dir / "sand.out";
    ASSERT_EQ(Solve(fs::path(QUELDAR_SOURCE_DIR) / "examples" / "anchored-sand.dat", report), 0);
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("*  FREE EARTH DESIGN IN SAND  *\r\n"), std::string::npos);
    // Eight default sections at 24000 and 29000000 psi.
    EXPECT_NE(text.find("           PZ40       60.70      490.80            2.40E+04      2.90E+07\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("          PLZ23       30.20      203.75            2.40E+04      2.90E+07\r\n"),
              std::string::npos);
    const std::string tail = "LOG(H^4/EI) LESS THAN -3.5 OR GREATER THEN -1.5.\r\n" + blanks5;
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  }
  {
    SCOPED_TRACE("clay");
    const fs::path report = dir / "clay.out";
    ASSERT_EQ(Solve(dir / "clay.dat", report), 0);
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("*  FREE EARTH DESIGN IN CLAY  *\r\n"), std::string::npos);
    // sigma = 110 pcf x 20 ft; c = 2000 / 1.5; adhesion 500, not divided.
    const double c = 2000 / 1.5;
    const double sn = c / 2200 * std::sqrt(1 + 500 / c);
    ASSERT_NEAR(sn, 0.7105, 0.0005);
    EXPECT_NE(text.find("          STABILITY NUMBER           = 0.71\r\n"), std::string::npos);
    // The clay tip is shallow: alpha above 0.8.
    const std::string tail = "*** REDUCTION NOT APPLICABLE DUE TO ALPHA GREATER THAN 0.8.\r\n" + blanks5;
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  }
  {
    SCOPED_TRACE("cantilever");
    const fs::path report = dir / "cantilever.out";
    ASSERT_EQ(Solve(dir / "cantilever.dat", report), 0);
    EXPECT_EQ(ReadBytes(report).find("PRELIMINARY DESIGN DATA FOR"), std::string::npos);
  }
}

}  // namespace
