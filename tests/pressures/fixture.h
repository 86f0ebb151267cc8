// A small problem builder and the message boxes recorded for the pressure tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/problem.h"
#include "platform/script_doubles.h"
#include "platform/services.h"
#include "pressures/pressures.h"
#include "support/soil_setup.h"

namespace pressures_test {

inline constexpr double kDeg = 0.0174532925199433;

using support::LevelGround;
using support::SandLayer;

class PressureTest : public ::testing::Test {
 protected:
  // Every box is recorded and answered as a headless run answering No does.
  platform::ScriptedMessageBoxes boxes;

  void SetUp() override {
    boxes.clearShown();
    boxes.answerTheRest(/*answerNo=*/true);
    platform::services().messageBoxes = &boxes;
    ResetInputData();
    InitPassiveCoefficientTables();
    // Cantilever design, wall top 10, both grounds at 0, one dry sand layer per side
    // (phi 30, no cohesion, no wall friction, 100 pcf), all factors of safety 1.
    NumHeadingLines = 1;
    HeadingLines(1) = "TEST";
    WallType = "C";
    RunMode = "D";
    FSActive = 1.0;
    FSPassive = 1.0;
    WallTopElev = 10;
    AnchorElev = 0;
    WallBottomElev = 0;
    for (int side = 1; side <= 2; ++side) {
      LevelGround(side, 0);
      SoilDataType(side) = "S";
      NumSoilLayers(side) = 1;
      SandLayer(side, 1, 30, 0, 0, 100, 120);
      LayerBottomElev(side, 1) = 0;
      for (int p = 1; p <= 301; ++p) {
        WedgeMarkActive(side, p) = "";
        WedgeMarkPassive(side, p) = "";
      }
      for (int r = 1; r <= 3; ++r) WedgeNoSolution(r, side) = 0;
      for (int L = 1; L <= 11; ++L) {
        for (int m = 1; m <= 2; ++m) FSActiveUsed(side, L, m) = FSPassiveUsed(side, L, m) = 1;
      }
    }
    WaterUnitWeight = 62.4;
    WaterDataType = "";
    SeepageOption = "";
    SeepageGradient(1) = SeepageGradient(2) = 0;
    AbortRun = 0;
  }
  void TearDown() override { platform::services().messageBoxes = nullptr; }

  // The set-up and the first pressure pass of a design, as Solve runs them.
  void Solve() {
    PrepareSolution();
    ComputeInitialPressures();
  }

  int PointAt(double elev) const {
    for (int p = 1; p <= NumGridPoints; ++p)
      if (std::fabs(GridElev(p) - elev) < 1e-9) return p;
    ADD_FAILURE() << "no grid point at " << elev;
    return 1;
  }
};

}  // namespace pressures_test
