// The moment reduction after a real anchored design: the dry sand wall (top 20, anchor
// 18, left surface 0, phi 30, gamma 100, factors 1.0) designed by the free earth method,
// then reduced with the default sections. The flexibility numbers in the report must be
// log10(H^4/EI) for the free-earth height found here by moments about the anchor.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>


#include "model/problem.h"
#include "model/problem_data.h"
#include "platform/files.h"
#include "platform/services.h"
#include "pressures/pressures.h"
#include "support/scoped_env.h"
#include "support/scratch_dir.h"
#include "support/soil_setup.h"
#include "wall/rowe.h"
#include "wall/wall_internal.h"

namespace {

void SandWall() {
  ResetInputData();
  NumHeadingLines = 1;
  HeadingLines(1) = "'ANCHORED SAND WALL ";
  WallType = "A";
  RunMode = "D";
  FSActive = 1.0;
  FSPassive = 1.0;
  WallTopElev = 20;
  AnchorElev = 18;
  for (int side = 1; side <= 2; ++side) {
    support::LevelGround(side, side == 1 ? 20 : 0);
    SoilDataType(side) = "S";
    NumSoilLayers(side) = 1;
    LayerSatUnitWeight(side, 1) = 100;
    LayerMoistUnitWeight(side, 1) = 100;
    LayerPhi(side, 1) = 30;
    LayerCohesion(side, 1) = 0;
    LayerWallFriction(side, 1) = 0;
    LayerAdhesion(side, 1) = 0;
    LayerBottomElev(side, 1) = -200000;
  }
}

TEST(RoweAfterDesign, FlexibilityNumbersOfTheFreeEarthSandWall) {
  const auto dir = support::MakeScratchDir("rowe_design");
  ASSERT_FALSE(dir.empty());
  const support::ScopedEnv temp("TEMP", dir.string());

  InitRoweTables();
  InitPassiveCoefficientTables();
  SandWall();
  PrepareSolution();
  RunWallPressurePass(1, false, false);
  ASSERT_EQ(AbortRun, 0);
  RunDesign();
  ASSERT_EQ(AbortRun, 0);

  // Free earth by hand: Rankine Ka = 1/3, Kp = 3; the moments about the anchor of the
  // active wedge over the whole height and of the passive one over the embedment D
  // balance.
  const double Ka = 1.0 / 3.0, Kp = 3.0;
  const auto balance = [&](double D) {
    const double h = 20 + D;
    return Ka * h * h / 2 * (2 * h / 3 - 2) - Kp * D * D / 2 * (18 + 2 * D / 3);
  };
  double lo = 1, hi = 40;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2;
    (balance(mid) > 0 ? lo : hi) = mid;
  }
  const double H = 20 + (lo + hi) / 2;
  ASSERT_NEAR(WallTopElev - TipElev(1), H, 0.02);

  CurrentOutputFile = (dir / "report.out").string();
  { std::ofstream(CurrentOutputFile, std::ios::binary); }
  OutputLineCount = 0;
  RunRoweMomentReduction();
  EXPECT_EQ(RoweSoilType, 1);  // alpha 0.72, Beta 0.07, right surface at the top
  platform::files::CloseAll();

  std::ifstream f(CurrentOutputFile, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string l; std::getline(f, l);) lines.push_back(l.substr(0, l.size() - 1));
  EXPECT_EQ(static_cast<long>(lines.size()), OutputLineCount);

  // The design data rows: name, log rho, ... Check two default sections.
  // Largest moment: below the anchor where the shear T - gamma Ka z^2 / 2 vanishes.
  const double D = H - 20;
  const double T = 100 * Ka * H * H / 2 - 100 * Kp * D * D / 2;
  const double z = std::sqrt(2 * T / (100 * Ka));
  const double M = T * (z - 2) - 100 * Ka * z * z * z / 6;
  ASSERT_NEAR(std::fabs(MaxMoment(1, 1)), M, 0.005 * M);

  struct Pile {
    const char* name;
    double S, I;
  };
  for (const Pile& p : {Pile{"PZ22", 18.1, 84.4}, Pile{"PZ27", 30.2, 184.2}}) {
    const double expected = std::log10(std::pow(H, 4) / (29000000.0 * p.I));
    const double ratio = 24000 * p.S / (M * 12);
    int found = 0;
    for (const std::string& l : lines) {
      if (l.size() < 23 || l.find("1.00*") == std::string::npos) continue;
      if (l.substr(0, 10).find(p.name) == std::string::npos) continue;
      ++found;
      EXPECT_NEAR(std::stod(l.substr(10, 12)), expected, 0.0051) << l;
      // Out of the charts' range: the unreduced ratio in both columns.
      EXPECT_NEAR(std::stod(l.substr(50, 10)), ratio, 0.01) << l;
      EXPECT_NEAR(std::stod(l.substr(60, 10)), ratio, 0.01) << l;
    }
    EXPECT_EQ(found, 1) << p.name;
  }
  EXPECT_NEAR(RoweAlpha, 20 / H, 1e-3);

  platform::files::CloseAll();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

}  // namespace
