// Every example problem solves headless: exit 0, no message but the input notice, and a
// report that ends with the results of each method.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/solve_file_runner.h"

namespace fs = std::filesystem;

namespace {

int Count(const std::string& s, const std::string& what) {
  int n = 0;
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

class Examples : public support::ScratchDirTest {
 protected:
  // Results files go to TEMP; keep them inside the test's folder.
  support::SolveFileRun Solve(const std::vector<std::string>& args) const {
    return support::RunSolveFile(args, dir_);
  }
};

TEST_F(Examples, EverySolvesWithItsResults) {
  for (const auto& entry : fs::directory_iterator(fs::path(QUELDAR_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".dat") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const fs::path report = dir_ / (entry.path().stem().string() + ".rpt");
    const support::SolveFileRun run = Solve({entry.path().string(), report.string()});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Count(run.output, "=== "), 1) << run.output;  // INPUT COMPLETE only
    const std::string text = ReadBytes(report);
    const bool anchored = text.find("ANCHORED WALL") != std::string::npos;
    EXPECT_EQ(Count(text, "*  SUMMARY OF RESULTS FOR  *"), 1);
    EXPECT_EQ(Count(text, "* COMPLETE OF RESULTS FOR  *"), anchored ? 2 : 1);
  }
}

TEST_F(Examples, AnAnalysisAnsweredNoStopsAtTheLargeFactor) {
  // Only the passive factor is searched; the wall reaches deep enough for a factor above 5.
  std::ofstream(dir_ / "deep.dat", std::ios::binary)
      << "'DEEP WALL\nCONTROL CANTILEVER ANALYSIS 1.0\nWALL 10 -40 29E6 38.3\n"
         "SURFACE RIGHTSIDE 1 0 10\nSURFACE LEFTSIDE 1 0 0\nSOIL BOTH STRENGTHS 1\n100 100 30 0 0 0\nFINISHED\n";
  const support::SolveFileRun no = Solve({"--answer-no", PathOf("deep.dat"), PathOf("deep.rpt")});
  EXPECT_EQ(no.status, 1);
  EXPECT_NE(no.output.find("=== LARGE FACTOR OF SAFETY [4]\nFactor of safety for this system\n"
                           "appears to be greater than 5.00.\n"),
            std::string::npos)
      << no.output;
  EXPECT_EQ(ReadBytes(dir_ / "deep.rpt").find("SUMMARY OF RESULTS"), std::string::npos);
}

}  // namespace
