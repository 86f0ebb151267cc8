#include <cmath>

#include "platform/text.h"
#include "pressures/pressures.h"
#include "wall/wall_internal.h"

void RunWallPressurePass(int Method, bool rebuildZones, bool clearMarks) {
  BuildElevationGrid(Method);
  ComputeWaterPressures(Method);
  for (SideIndex = 1; SideIndex <= 2; ++SideIndex) {
    if (clearMarks) {
      for (int p = 1; p <= 301; ++p) {
        WedgeMarkActive(SideIndex, p).clear();
        WedgeMarkPassive(SideIndex, p).clear();
      }
    }
    if (PressureMethod(SideIndex) == "C") {
      ComputeCoulombPressures(SideIndex, Method);
    } else {
      if (rebuildZones) BuildSeepageZoneGeometry(SideIndex, Method);
      ComputeWedgePressures(SideIndex, Method);
    }
  }
  SideIndex = 2;
  ComputeNetPressures();
}

std::string FormatElev(double value) { return platform::text::Format(value, "####0.00"); }

bool IsUsable(double value) { return std::isfinite(value); }
