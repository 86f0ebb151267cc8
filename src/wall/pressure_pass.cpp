#include <cmath>

#include "model/problem.h"
#include "platform/text.h"
#include "pressures/pressures.h"
#include "wall/wall_internal.h"

void RunWallPressurePass(int Method, bool rebuildZones, bool clearMarks) {
  BuildElevationGrid(Method);
  ComputeWaterPressures(Method);
  for (int side = 1; side <= 2; ++side) {
    if (clearMarks) {
      for (int p = 1; p <= 301; ++p) {
        WedgeMarkActive(side, p).clear();
        WedgeMarkPassive(side, p).clear();
      }
    }
    if (PressureMethod(side) == "C") {
      ComputeCoulombPressures(side, Method);
    } else {
      if (rebuildZones) BuildSeepageZoneGeometry(side, Method);
      ComputeWedgePressures(side, Method);
    }
  }
  ComputeNetPressures();
}

std::string FormatElev(double value) { return platform::text::Format(value, "####0.00"); }

BalanceTolerance DesignBalanceTolerance() {
  const double scale = NetPressureScale();
  return {scale * 1e-6, scale * 1e-5};
}

bool IsUsable(double value) { return std::isfinite(value); }

void SetSeepageForTip(int m, double tip) {
  const double L = MinOf(WaterElev(2), SurfaceElev(2, 1));
  const double dH = WaterElev(1) - WaterElev(2);
  double g = dH / (SeepageElev + L - 2 * tip);
  if (!(g <= SeepageGradientLimit)) g = SeepageGradientLimit;
  SeepageGradient(m) = g;
  if (g > 0) SeepageBottomElev(m) = (SeepageElev + L - dH / g) / 2;
}
