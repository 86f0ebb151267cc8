// Net water pressure on the wall: right side minus left side, from two water levels
// with or without seepage under the wall, or from the user's table.
#include <cmath>

#include "model/problem.h"
#include "pressures/pressures.h"

namespace {

void FromTable() {
  const int n = NumWaterPressPoints;
  if (n < 1) return;
  int first = FirstGridPointAt(WaterPressElev(1));
  int j = 2;
  double v1 = WaterPressValue(1);
  if (first == 0 && NumGridPoints >= 1 && WaterPressElev(1) > GridElev(1)) {
    // The table begins above the wall, whose top starts the grid: the top takes the
    // table's value there, as water standing above the top does.
    first = 1;
    const double top = GridElev(1);
    while (j <= n && !(WaterPressElev(j) < top + 0.0001)) ++j;
    if (j > n) {
      v1 = WaterPressValue(n);
    } else {
      const double r = (WaterPressElev(j - 1) - top) / (WaterPressElev(j - 1) - WaterPressElev(j));
      v1 = (1 - r) * WaterPressValue(j - 1) + r * WaterPressValue(j);
      if (std::fabs(top - WaterPressElev(j)) < 0.0001) j = j + 1;
    }
  }
  if (first == 0) return;
  // The diagram jumps from 0 to the first table value here.
  NetWaterPressure(first, 1) = v1;
  int stop = first;
  for (int i = first + 1; i <= NumGridPoints && j <= n; ++i) {
    if (GridElev(i) < WaterPressElev(n)) break;
    stop = i;
    const double r =
        (WaterPressElev(j - 1) - GridElev(i)) / (WaterPressElev(j - 1) - WaterPressElev(j));
    const double v = (1 - r) * WaterPressValue(j - 1) + r * WaterPressValue(j);
    NetWaterPressure(i, 1) = v;
    NetWaterPressure(i, 2) = v;
    if (std::fabs(GridElev(i) - WaterPressElev(j)) < 0.0001) j = j + 1;
  }
  for (int i = stop + 1; i <= NumGridPoints; ++i) {
    NetWaterPressure(i, 1) = WaterPressValue(n);
    NetWaterPressure(i, 2) = WaterPressValue(n);
  }
}

void FromWaterLevels(int Method) {
  for (int side = 1; side <= 2; ++side) {
    const double f = (3 - 2 * side) * WaterUnitWeight;
    int i0 = 1;
    if (!(WaterElev(side) > WallTopElev)) i0 = FirstGridPointAt(WaterElev(side));
    if (i0 == 0) continue;
    NetWaterPressure(i0, 1) += f * (WaterElev(side) - GridElev(i0));
    for (int i = i0 + 1; i <= NumGridPoints; ++i) {
      NetWaterPressure(i, 1) += f * (WaterElev(side) - GridElev(i));
      NetWaterPressure(i, 2) += f * (WaterElev(side) - GridElev(i));
    }
  }
  if (SeepageOption.empty()) return;

  const double g = SeepageGradient(Method);
  const double zb = SeepageBottomElev(Method);
  const double gw = WaterUnitWeight;

  // Downward flow along the right face.
  const int top = FirstGridPointAt(SeepageElev);
  if (top != 0) {
    for (int p = top + 1; p <= NumGridPoints; ++p) {
      NetWaterPressure(p, 1) = NetWaterPressure(p, 1) - (SeepageElev - GridElev(p)) * gw * g;
      NetWaterPressure(p, 2) = NetWaterPressure(p, 1);
      if (std::fabs(GridElev(p) - zb) <= 0.1) break;
    }
  }

  // Upward flow along the left face; below the seepage bottom the faces balance.
  const double x = MinOf(SurfaceElev(2, 1), WaterElev(2));
  const int left = FirstGridPointAt(x);
  if (left == 0) return;
  int end = NumGridPoints;
  for (int p = left + 1; p <= NumGridPoints; ++p) {
    // A seepage bottom at x (or above it) loses the whole head on the right face:
    // nothing flows up the left face, and the walk must not run on past the bottom.
    if (GridElev(p) < zb - 0.1) {
      end = p - 1;
      break;
    }
    NetWaterPressure(p, 1) = NetWaterPressure(p, 1) - (x - GridElev(p)) * gw * g;
    NetWaterPressure(p, 2) = NetWaterPressure(p, 1);
    if (std::fabs(GridElev(p) - zb) < 0.1) {
      end = p;
      break;
    }
  }
  for (int p = end + 1; p <= NumGridPoints; ++p) {
    NetWaterPressure(p, 1) = 0;
    NetWaterPressure(p, 2) = 0;
  }
}

}  // namespace

void ComputeWaterPressures(int Method) {
  for (int p = 1; p <= NumGridPoints; ++p) {
    NetWaterPressure(p, 1) = 0;
    NetWaterPressure(p, 2) = 0;
  }
  if (WaterDataType == "P") {
    FromTable();
  } else if (WaterDataType == "E") {
    FromWaterLevels(Method);
  }
}
