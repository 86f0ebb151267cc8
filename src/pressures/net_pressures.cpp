// The net pressure diagrams the wall design works with, their zero point below the
// dredge line and the resultant above it.
#include <algorithm>
#include <cmath>

#include "model/problem.h"
#include "platform/services.h"
#include "pressures/factor_verdict.h"
#include "pressures/finite_values.h"
#include "pressures/pressures.h"

namespace {

constexpr unsigned kMoveAll =
    kMoveSide1 | kMoveSide2 | kMoveNetWater | kMoveNetA | kMoveNetP;

void AddDistributedLoad() {
  const int n = NumHorizDistPoints;
  const int first = FirstGridPointWithin(HorizDistElev(1));
  if (first == 0) return;
  int j = 1;
  NetPressureA(first, 1) += HorizDistLoad(1);
  NetPressureP(first, 1) += HorizDistLoad(1);
  if (j >= n) return;
  for (int i = first + 1; i <= NumGridPoints; ++i) {
    const double r = (HorizDistElev(j) - GridElev(i)) / (HorizDistElev(j) - HorizDistElev(j + 1));
    const double v = r * HorizDistLoad(j + 1) + (1 - r) * HorizDistLoad(j);
    NetPressureA(i, 2) += v;
    NetPressureP(i, 2) += v;
    if (1 - r < 0.0001) {
      j = j + 1;
      if (j >= n) return;
      NetPressureA(i, 1) += HorizDistLoad(j);
      NetPressureP(i, 1) += HorizDistLoad(j);
    } else {
      NetPressureA(i, 1) += v;
      NetPressureP(i, 1) += v;
    }
  }
}

void ReportNoSignChange() {
  // The passive side never outweighs the active one: no embedment holds the wall.
  NoteFactorVerdict(FactorVerdict::NoTip);
  AbortRun = 2;
  platform::MsgBox("NET ACTIVE PRESSURE DOES NOT CHANGE SIGN" + NewLine +
                       "     IN THE EMBEDDED DEPTH AS REQUIRED BY" + NewLine +
                       "     CLASSICAL METHODS." + NewLine + NewLine +
                       "                        UNABLE TO CONTINUE.",
                   0, "INVALID NET ACTIVE PRESSURE DISTRIBUTION");
}

void ComputeNetDiagrams() {
  for (int p = 1; p <= NumGridPoints; ++p) {
    for (int k = 1; k <= 2; ++k) {
      NetPressureA(p, k) =
          ActivePressure(1, p, k) - PassivePressure(2, p, k) + NetWaterPressure(p, k);
      NetPressureP(p, k) =
          PassivePressure(1, p, k) - ActivePressure(2, p, k) + NetWaterPressure(p, k);
    }
  }

  const double d = MinOf(SurfaceElev(1, 1), SurfaceElev(2, 1));
  const int D = LastGridPointAt(d);
  if (D == 0) {
    ReportNoSignChange();
    return;
  }
  // Points within a hair of each other are one point: the jump across all of them is
  // averaged, as at a single point.
  for (int p = D + 1; p <= NumGridPoints;) {
    int q = p;
    while (q + 1 <= NumGridPoints && GridElev(p) - GridElev(q + 1) <= 0.0001) ++q;
    const double a = (NetPressureA(q, 1) + NetPressureA(p, 2)) / 2;
    const double b = (NetPressureP(q, 1) + NetPressureP(p, 2)) / 2;
    for (int r = p; r <= q; ++r) {
      NetPressureA(r, 1) = NetPressureA(r, 2) = a;
      NetPressureP(r, 1) = NetPressureP(r, 2) = b;
    }
    p = q + 1;
  }

  if (NumHorizDistPoints != 0) AddDistributedLoad();

  // Zero point: the first point at or below the dredge line where the net active
  // pressure stops pushing the wall toward the left side. The far points never are.
  // Each value is judged against the pressures it was made of at its own point: one
  // heavy layer elsewhere must not turn every ordinary pressure into noise.
  auto noise = [](int p) { return PressureNoise(NetPressureSize(p, false)); };
  int i = D;
  for (;;) {
    if (NetPressureA(i, 1) <= noise(i)) {
      ZeroPressIndex = i;
      break;
    }
    i = i + 1;
    if (i > LastRegularGridPoint()) {
      // A search that went past pressures the wedge method did not compute says nothing
      // of the sign below them: the wedge that did not fit is what stops it.
      if (!StopsAtUncomputedWedge(GridElev(LastRegularGridPoint()))) ReportNoSignChange();
      return;
    }
    ZeroPressIndex = i;
    if (std::fabs(NetPressureA(i, 2)) <= noise(i)) break;
    if (NetPressureA(i, 2) < 0) {
      const double a1 = NetPressureA(i - 1, 1);
      const double a2 = NetPressureA(i, 2);
      const double z0 = GridElev(i - 1) + (GridElev(i - 1) - GridElev(i)) * a1 / (a2 - a1);
      if (!InsertGridPoint(i - 1, z0, kMoveAll)) return;
      NetPressureA(i, 1) = 0;
      NetPressureA(i, 2) = 0;
      ZeroPressIndex = i;
      break;
    }
  }

  // Every design and trial puts its tip below the zero point: one at or below the last
  // point the wedge method computed needs what it did not.
  if (StopsAtUncomputedWedge(GridElev(ZeroPressIndex))) return;

  const int z = ZeroPressIndex;
  NetForceAbove = 0;
  NetMomentAbove = 0;
  for (int j = 2; j <= z; ++j) {
    const double h = GridElev(j - 1) - GridElev(j);
    const double p1 = NetPressureA(j - 1, 1);
    const double p2 = NetPressureA(j, 2);
    const double F = (p1 + p2) * h / 2;
    NetForceAbove += F;
    NetMomentAbove += (WallTopElev - GridElev(j - 1)) * F + (p1 + 2 * p2) * h * h / 6;
  }
  for (int n = 1; n <= NumHorizLineLoads; ++n) {
    if (HorizLineElev(n) > GridElev(z)) {
      NetForceAbove += HorizLineLoad(n);
      NetMomentAbove += (WallTopElev - HorizLineElev(n)) * HorizLineLoad(n);
    }
  }

  // A zero found just above a point whose value below it is still positive: a second
  // point halfway down keeps the diagram below the zero point linear.
  if (NetPressureA(z, 1) > noise(z) && z + 1 <= NumGridPoints) {
    const double zm = (GridElev(z) + GridElev(z + 1)) / 2;
    double below[7], above[7];
    auto get = [&](int p, int k, double* out) {
      out[0] = ActivePressure(1, p, k);
      out[1] = PassivePressure(1, p, k);
      out[2] = ActivePressure(2, p, k);
      out[3] = PassivePressure(2, p, k);
      out[4] = NetWaterPressure(p, k);
      out[5] = NetPressureA(p, k);
      out[6] = NetPressureP(p, k);
    };
    get(z, 1, below);
    get(z + 1, 2, above);
    if (!InsertGridPoint(z, zm, kMoveAll)) return;
    const int q = z + 1;
    for (int k = 1; k <= 2; ++k) {
      ActivePressure(1, q, k) = (below[0] + above[0]) / 2;
      PassivePressure(1, q, k) = (below[1] + above[1]) / 2;
      ActivePressure(2, q, k) = (below[2] + above[2]) / 2;
      PassivePressure(2, q, k) = (below[3] + above[3]) / 2;
      NetWaterPressure(q, k) = (below[4] + above[4]) / 2;
      NetPressureA(q, k) = (below[5] + above[5]) / 2;
      NetPressureP(q, k) = (below[6] + above[6]) / 2;
    }
  }
}

}  // namespace

void ComputeNetPressures() {
  // A solution already ended has said why; its diagrams are incomplete, and a second box
  // about their sign would blame the wrong thing.
  if (AbortRun != 0) return;
  // Sides and water first: a value that is not finite would pass for a missing zero
  // point.
  if (!PressuresAreFinite()) return;
  ComputeNetDiagrams();
  if (AbortRun == 0) PressuresAreFinite();
}

double NetPressureScale() {
  double largest = 0;
  // Pressures the wedge method did not compute are no part of the problem's scale.
  const double computedTo = WedgePressuresComputedTo();
  for (int p = 1; p <= LastRegularGridPoint() && GridElev(p) >= computedTo; ++p) {
    for (int k = 1; k <= 2; ++k) {
      largest = std::max({largest, std::fabs(NetPressureA(p, k)), std::fabs(NetPressureP(p, k))});
    }
  }
  return largest > 0 ? largest : 1;
}

double PressureNoise(double size) {
  // Rounding leaves a few parts in 1e16 of the terms a value was made of; a wedge
  // pressure, a difference of forces over a short interval, a few parts in 1e11. The
  // floor only keeps a value of 0 among terms of 0 from being judged against nothing.
  constexpr double kRelative = 1e-8;
  constexpr double kFloor = 1e-10;
  return std::max(std::fabs(size) * kRelative, kFloor);
}

bool PressuresDiffer(double a, double b, double size) {
  return std::fabs(a - b) > PressureNoise(std::max({std::fabs(a), std::fabs(b), std::fabs(size)}));
}

double SidePressureSize(int Side, int p, int k) {
  return std::max(std::fabs(ActivePressure(Side, p, k)), std::fabs(PassivePressure(Side, p, k)));
}

double NetPressureSize(int p, bool reversed) {
  const int pushing = reversed ? 2 : 1;  // the side whose active pressure is a term
  double size = 0;
  for (int k = 1; k <= 2; ++k) {
    size = std::max({size, std::fabs(ActivePressure(pushing, p, k)), std::fabs(PassivePressure(3 - pushing, p, k)),
                     std::fabs(NetWaterPressure(p, k)),
                     std::fabs(reversed ? NetPressureP(p, k) : NetPressureA(p, k))});
  }
  return size;
}

void ComputeInitialPressures() {
  const int method = 1;
  for (int s = 1; s <= 2; ++s) {
    if (PressureMethod(s) == "C") ComputeCoulombPressures(s, method);
    if (PressureMethod(s) != "C") ComputeWedgePressures(s, method);
  }
  for (int s = 1; s <= 2; ++s) {
    WedgeNoSolution(2, s) = WedgeNoSolution(1, s);
    WedgeNoSolution(3, s) = WedgeNoSolution(1, s);
  }
  ComputeNetPressures();
}
