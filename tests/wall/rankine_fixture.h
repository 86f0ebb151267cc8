// A dry homogeneous sand by Rankine's coefficients, set straight onto the grid: the
// net pressure diagrams the pressure pass would leave, without running it. Lets the
// design and beam routines be checked against closed forms on their own.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/problem_data.h"
#include "pressures/pressure_data.h"
#include "wall/wall_data.h"

struct RankineSand {
  double gamma = 100, Ka = 1.0 / 3.0, Kp = 3.0;
  double top = 10, dredge = 0;
  double anchor = 0;       // 0: cantilever
  double step = 1.0;       // grid spacing
  double depth = 60;       // regular grid below the dredge line
  std::vector<double> extra;  // further grid elevations

  double ActiveRight(double z) const { return Ka * gamma * (top - z); }
  double PassiveRight(double z) const { return Kp * gamma * (top - z); }
  double ActiveLeft(double z) const { return z < dredge ? Ka * gamma * (dredge - z) : 0; }
  double PassiveLeft(double z) const { return z < dredge ? Kp * gamma * (dredge - z) : 0; }
  double NetA(double z) const { return ActiveRight(z) - PassiveLeft(z); }
  double NetP(double z) const { return PassiveRight(z) - ActiveLeft(z); }
  // Depth of the zero point below the dredge line.
  double ZeroDepth() const { return Ka * (top - dredge) / (Kp - Ka); }

  // Fills the problem and the grid with this soil.
  void Apply() const {
    WallType = anchor != 0 ? "A" : "C";
    RunMode = "D";
    WallTopElev = top;
    AnchorElev = anchor;
    SurfaceElev(1, 1) = top;
    SurfaceElev(2, 1) = dredge;
    WaterDataType = "";
    SeepageOption = "";
    NumHorizLineLoads = 0;
    NumHorizDistPoints = 0;
    AbortRun = 0;

    std::vector<double> g;
    for (double e = top; e > dredge - depth - 1e-9; e -= step) g.push_back(e);
    const double z0 = dredge - ZeroDepth();
    std::vector<double> more = extra;
    more.push_back(dredge);
    if (anchor != 0) more.push_back(anchor);
    for (double e : more)
      if (std::find(g.begin(), g.end(), e) == g.end()) g.push_back(e);
    if (std::find(g.begin(), g.end(), z0) == g.end()) g.push_back(z0);
    std::sort(g.begin(), g.end(), std::greater<double>());
    const double last = g.back();
    g.push_back((last + (last - 100000)) / 2);
    g.push_back(last - 100000);
    NumGridPoints = static_cast<int>(g.size());
    // Recorded as the grid builder records them: a design tip never lies among them.
    FarPointElev(1) = g[g.size() - 2];
    FarPointElev(2) = g.back();
    for (int i = 1; i <= 301; ++i) {
      const double z = i <= NumGridPoints ? g[static_cast<std::size_t>(i - 1)] : 0;
      GridElev(i) = z;
      for (int k = 1; k <= 2; ++k) {
        NetPressureA(i, k) = NetA(z);
        NetPressureP(i, k) = NetP(z);
        NetWaterPressure(i, k) = 0;
        ActivePressure(1, i, k) = ActiveRight(z);
        PassivePressure(1, i, k) = PassiveRight(z);
        ActivePressure(2, i, k) = ActiveLeft(z);
        PassivePressure(2, i, k) = PassiveLeft(z);
      }
      for (int s = 1; s <= 2; ++s) WedgeMarkActive(s, i) = WedgeMarkPassive(s, i) = "";
      if (i == 1) continue;
    }
    for (int r = 1; r <= 3; ++r) WedgeNoSolution(r, 1) = WedgeNoSolution(r, 2) = 0;
    ZeroPressIndex = 0;
    for (int i = 1; i <= NumGridPoints; ++i)
      if (GridElev(i) == z0) ZeroPressIndex = i;
    NetPressureA(ZeroPressIndex, 1) = NetPressureA(ZeroPressIndex, 2) = 0;
    // The resultant above the zero point and its moment about the wall top.
    NetForceAbove = NetMomentAbove = 0;
    for (int j = 2; j <= ZeroPressIndex; ++j) {
      const double h = GridElev(j - 1) - GridElev(j);
      const double p1 = NetPressureA(j - 1, 1), p2 = NetPressureA(j, 2);
      const double F = (p1 + p2) * h / 2;
      NetForceAbove += F;
      NetMomentAbove += (top - GridElev(j - 1)) * F + (p1 + 2 * p2) * h * h / 6;
    }
  }
};

// The root of f between lo and hi by bisection (f(lo) and f(hi) of opposite signs).
template <class F>
double Bisect(F f, double lo, double hi) {
  const bool rising = f(hi) > f(lo);
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2;
    if ((f(mid) > 0) == rising) hi = mid; else lo = mid;
  }
  return (lo + hi) / 2;
}
