// The elevation grid every pressure diagram is held on, and the one rule by which a
// point is inserted into it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/problem.h"
#include "platform/services.h"
#include "pressures/pressures.h"

namespace {

void ReportGridFull() {
  AbortRun = 1;
  platform::MsgBox("The elevation grid needs more than 301 points." + NewLine + NewLine +
                       "UNABLE TO CONTINUE.",
                   0, "TOO MANY ELEVATIONS");
}

// Decreasing order, then exact duplicates removed (no tolerance: nearly equal
// elevations both stay).
void SortAndClean(std::vector<double>& pts) {
  std::stable_sort(pts.begin(), pts.end(), [](double a, double b) { return a > b; });
  pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
}

// The segment value at z0 between point i (value just below it) and the point that
// was i + 1 (value just above it), both read before the move.
double SegmentValue(double gi, double gNext, double z0, double belowI, double aboveNext) {
  return ((gi - z0) * aboveNext + (z0 - gNext) * belowI) / (gi - gNext);
}

template <class A, class... Lead>
void MoveTwoValue(A& arr, int i, int n, double gi, double gNext, double z0, Lead... lead) {
  for (int j = n; j >= i + 1; --j) {
    arr(lead..., j + 1, 1) = arr(lead..., j, 1);
    arr(lead..., j + 1, 2) = arr(lead..., j, 2);
  }
  const double v = SegmentValue(gi, gNext, z0, arr(lead..., i, 1), arr(lead..., i + 2, 2));
  arr(lead..., i + 1, 1) = v;
  arr(lead..., i + 1, 2) = v;
}

}  // namespace

void BuildElevationGrid(int Method) {
  const double d = MinOf(SurfaceElev(1, 1), SurfaceElev(2, 1));
  std::vector<double> pts;
  pts.reserve(300);

  // Every elevation where a diagram may change slope or jump.
  pts.push_back(WallTopElev);
  pts.push_back(SurfaceElev(1, 1));
  pts.push_back(SurfaceElev(2, 1));
  if (WallType == "A") pts.push_back(AnchorElev);
  if (WaterDataType == "E") {
    if (WaterElev(1) < WallTopElev) pts.push_back(WaterElev(1));
    if (WaterElev(2) < WallTopElev) pts.push_back(WaterElev(2));
    if (!SeepageOption.empty()) pts.push_back(SeepageElev);
  } else if (WaterDataType == "P") {
    for (int j = 1; j <= NumWaterPressPoints; ++j) pts.push_back(WaterPressElev(j));
  }
  for (int side = 1; side <= 2; ++side) {
    if (NumSoilLayers(side) > 1) {
      for (int L = 1; L <= NumSoilLayers(side) - 1; ++L) pts.push_back(LayerBottomElev(side, L));
    }
  }
  for (int j = 1; j <= NumHorizLineLoads; ++j) pts.push_back(HorizLineElev(j));
  for (int j = 1; j <= NumHorizDistPoints; ++j) pts.push_back(HorizDistElev(j));
  SortAndClean(pts);
  // The grid is the wall: a level above its top (a layer bottom dredged away on both
  // sides) has no wall to act on.
  pts.erase(pts.begin(), std::find_if(pts.begin(), pts.end(), [](double z) { return z <= WallTopElev; }));

  // One-foot points down to well below the dredge line, at most 200 of them. A point
  // whose arithmetic missed a level given in the data by rounding alone (17.1 - 15 is
  // 2.1000000000000014, not 2.1) is that level: two points a rounding error apart make
  // a grid interval of no length, over which a difference of forces or the trial tips
  // of a design step as if it were real.
  auto addComputed = [&pts](double z) {
    if (std::none_of(pts.begin(), pts.end(), [z](double g) { return std::fabs(g - z) <= kSameLevel; })) {
      pts.push_back(z);
    }
  };
  addComputed(d - 1.0);
  const double lim = MinOf(d - 5 * (WallTopElev - d), d - 50);
  double e = WallTopElev;
  for (int added = 0; added < 200; ++added) {
    e = e - 1.0;
    if (e < lim) break;
    addComputed(e);
  }
  SortAndClean(pts);

  // Two far points carry the diagrams to great depth.
  const double last = pts.back();
  const double far2 = last - 100000;
  const double far1 = (last + far2) / 2;
  pts.push_back(far1);
  pts.push_back(far2);
  FarPointElev(1) = far1;
  FarPointElev(2) = far2;

  if (!SeepageOption.empty() && SeepageGradient(Method) > 0) {
    const double zb = SeepageBottomElev(Method);
    auto it = pts.begin();
    while (it != pts.end() && *it > zb) ++it;
    // The bottom of an automatic gradient is the wall bottom, found again by arithmetic:
    // a point a rounding error from it is the bottom (see the one-foot points).
    const bool onPoint = (it != pts.end() && std::fabs(*it - zb) <= kSameLevel) ||
                         (it != pts.begin() && std::fabs(*(it - 1) - zb) <= kSameLevel);
    if (!onPoint) pts.insert(it, zb);
  }

  if (static_cast<int>(pts.size()) > kMaxGridPoints) {
    pts.resize(kMaxGridPoints);
    ReportGridFull();
  }
  NumGridPoints = static_cast<int>(pts.size());
  for (int p = 1; p <= NumGridPoints; ++p) GridElev(p) = pts[static_cast<std::size_t>(p - 1)];
}

bool InsertGridPoint(int i, double z0, unsigned moved) {
  if (NumGridPoints >= kMaxGridPoints) {
    ReportGridFull();
    return false;
  }
  const int n = NumGridPoints;
  const double gi = GridElev(i);
  const double gNext = GridElev(i + 1);
  for (int j = n; j >= i + 1; --j) GridElev(j + 1) = GridElev(j);
  GridElev(i + 1) = z0;

  if (moved & kMoveActive1) MoveTwoValue(ActivePressure, i, n, gi, gNext, z0, 1);
  if (moved & kMovePassive1) MoveTwoValue(PassivePressure, i, n, gi, gNext, z0, 1);
  if (moved & kMoveActive2) MoveTwoValue(ActivePressure, i, n, gi, gNext, z0, 2);
  if (moved & kMovePassive2) MoveTwoValue(PassivePressure, i, n, gi, gNext, z0, 2);
  if (moved & kMoveNetWater) MoveTwoValue(NetWaterPressure, i, n, gi, gNext, z0);
  if (moved & kMoveNetA) MoveTwoValue(NetPressureA, i, n, gi, gNext, z0);
  if (moved & kMoveNetP) MoveTwoValue(NetPressureP, i, n, gi, gNext, z0);

  // The marks belong to the points, not to the indexes.
  for (int side = 1; side <= 2; ++side) {
    for (int j = n; j >= i + 1; --j) {
      WedgeMarkActive(side, j + 1) = WedgeMarkActive(side, j);
      WedgeMarkPassive(side, j + 1) = WedgeMarkPassive(side, j);
    }
    WedgeMarkActive(side, i + 1) = "";
    WedgeMarkPassive(side, i + 1) = "";
  }
  NumGridPoints = n + 1;
  return true;
}

int LastRegularGridPoint() {
  for (int p = 1; p <= NumGridPoints; ++p) {
    if (GridElev(p) == FarPointElev(1)) return p - 1;
  }
  // A grid that was not built here (read back from a results file): the far points
  // are its last two.
  return NumGridPoints - 2;
}

int FirstGridPointAt(double elev) {
  for (int p = 1; p <= NumGridPoints; ++p) {
    if (std::fabs(GridElev(p) - elev) < 0.0001) return p;
  }
  return 0;
}

int FirstGridPointWithin(double elev) {
  for (int p = 1; p <= NumGridPoints; ++p) {
    if (std::fabs(GridElev(p) - elev) <= 0.0001) return p;
  }
  return 0;
}

int LastGridPointAt(double elev) {
  for (int p = NumGridPoints; p >= 1; --p) {
    if (std::fabs(GridElev(p) - elev) <= 0.0001) return p;
  }
  return 0;
}
