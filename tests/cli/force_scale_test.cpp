// The same wall in other force units: every unit weight, strength, surcharge and load
// times 0.001 or 1000 designs to the same tips (within 0.01 ft) and analyses to the same
// factors of safety (within 0.01), with as many points in each result profile, or is
// refused alike. Solved in the process, as solve_file solves, so the values compared
// carry all their digits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/solve_pipeline.h"
#include "model/problem_data.h"
#include "flow/working_files.h"
#include "platform/files.h"
#include "platform/headless.h"
#include "platform/script_doubles.h"
#include "pressures/pressures.h"
#include "support/force_scale.h"
#include "support/problem_generator.h"
#include "support/scoped_env.h"
#include "support/scratch_dir.h"
#include "wall/wall.h"

namespace fs = std::filesystem;

namespace {

struct Solved {
  cli::Step step = cli::Step::Aborted;
  std::string boxes;
  int methods = 0;
  double tip[2] = {0, 0};
  double fs[2] = {0, 0};
  int points[2] = {0, 0};  // of the result profile
};

struct Tally {
  int solved = 0, refusedAlike = 0, differing = 0;
};

class ForceScale : public support::ScratchDirTest {
 protected:
  void SetUp() override {
    support::ScratchDirTest::SetUp();
    temp_.emplace("TEMP", dir_.string());
    platform::services().messageBoxes = &boxes_;
    InitRoweTables();
    InitPassiveCoefficientTables();
  }
  void TearDown() override {
    platform::files::CloseAll();
    support::ScratchDirTest::TearDown();
  }

  Solved Solve(const std::string& input, const std::string& wedge, double k) {
    boxesText_.str("");
    cli::Options o;
    o.input = input;
    o.report = PathOf("scaled.out");
    o.wedgeMethod = wedge;
    Solved r;
    r.step = cli::OpenInputFile(o);
    if (r.step == cli::Step::Continue) {
      support::ScaleForceQuantities(k);
      r.step = cli::WriteNewReport(o);
    }
    if (r.step == cli::Step::Continue) r.step = cli::SolveProblem(o);
    if (r.step == cli::Step::Continue && AbortRun != 0) r.step = cli::Step::Aborted;
    r.methods = WallType == "A" ? 2 : 1;
    for (int m = 1; m <= r.methods; ++m) {
      r.tip[m - 1] = TipElev(m);
      r.fs[m - 1] = FSPassiveUsed(1, 1, m);
      r.points[m - 1] = TipIndex(m);
    }
    r.boxes = boxesText_.str();
    platform::files::CloseAll();
    DeleteTempFiles();
    return r;
  }

  // Solves at k = 1, 0.001 and 1000 and compares; adds the outcome to the tally.
  void Check(const std::string& input, const std::string& wedge, Tally& tally) {
    const Solved base = Solve(input, wedge, 1);
    const bool analysis = RunMode == "A";
    bool differs = false;
    for (double k : {0.001, 1000.0}) {
      SCOPED_TRACE("forces times " + std::to_string(k));
      const Solved s = Solve(input, wedge, k);
      const bool ok = base.step == cli::Step::Continue, sOk = s.step == cli::Step::Continue;
      EXPECT_EQ(sOk, ok) << "at 1:\n" << base.boxes << "scaled:\n" << s.boxes;
      if (sOk != ok) differs = true;
      if (!ok || !sOk) continue;
      for (int m = 0; m < base.methods; ++m) {
        EXPECT_EQ(s.points[m], base.points[m]) << "method " << m + 1;
        if (s.points[m] != base.points[m]) differs = true;
        if (analysis) {
          EXPECT_NEAR(s.fs[m], base.fs[m], 0.01) << "method " << m + 1;
          if (std::fabs(s.fs[m] - base.fs[m]) > 0.01) differs = true;
        } else {
          EXPECT_NEAR(s.tip[m], base.tip[m], 0.01) << "method " << m + 1;
          if (std::fabs(s.tip[m] - base.tip[m]) > 0.01) differs = true;
        }
      }
    }
    if (differs) ++tally.differing;
    else if (base.step == cli::Step::Continue) ++tally.solved;
    else ++tally.refusedAlike;
  }

  void CheckGenerated(std::uint64_t firstSeed, int count, bool coulombOnly, Tally& tally) {
    for (int i = 0; i < count; ++i) {
      const std::uint64_t seed = firstSeed + static_cast<std::uint64_t>(i);
      SCOPED_TRACE("generated problem, seed " + std::to_string(seed));
      const std::string input = WriteFile("generated.dat", support::ProblemGenerator(seed, coulombOnly).Generate());
      Check(input, i % 2 == 0 ? "S" : "F", tally);
    }
  }

  std::ostringstream boxesText_;
  platform::PrintingMessageBoxes boxes_{boxesText_};
  platform::ScopedServices services_;
  std::optional<support::ScopedEnv> temp_;
};

TEST_F(ForceScale, EveryExampleSolvesAlikeInOtherForceUnits) {
  Tally tally;
  for (const auto& entry : fs::directory_iterator(fs::path(QUELDAR_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".dat") continue;
    for (const char* wedge : {"S", "F"}) {
      SCOPED_TRACE(entry.path().filename().string() + " wedge " + wedge);
      Check(entry.path().string(), wedge, tally);
    }
  }
  EXPECT_EQ(tally.differing, 0);
  EXPECT_EQ(tally.refusedAlike, 0);  // every example solves
}

TEST_F(ForceScale, GeneratedProblemsSolveAlikeInOtherForceUnits) {
  Tally tally;
  CheckGenerated(1, 20, true, tally);
  EXPECT_EQ(tally.differing, 0);
  EXPECT_GT(tally.solved, 5);
}

// The campaign: QUELDAR_SCALE_COUNT problems (200 by default) from QUELDAR_SCALE_SEED,
// QUELDAR_SCALE_WEDGE=1 for problems with wedge sides too. Run with
// --gtest_also_run_disabled_tests; it prints its counts.
TEST_F(ForceScale, DISABLED_Campaign) {
  const char* count = std::getenv("QUELDAR_SCALE_COUNT");
  const char* seed = std::getenv("QUELDAR_SCALE_SEED");
  const char* wedge = std::getenv("QUELDAR_SCALE_WEDGE");
  const bool coulombOnly = !(wedge && std::string(wedge) == "1");
  Tally tally;
  const int n = count ? std::atoi(count) : 200;
  CheckGenerated(seed ? std::strtoull(seed, nullptr, 10) : 100000, n, coulombOnly, tally);
  std::printf("force scale campaign (%s): %d problems, %d solved alike, %d refused alike, %d differing\n",
              coulombOnly ? "Coulomb sides" : "any sides", n, tally.solved, tally.refusedAlike, tally.differing);
  EXPECT_EQ(tally.differing, 0);
}

}  // namespace
