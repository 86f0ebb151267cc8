// Active and passive pressure diagrams of a wedge side: differences of the wedge forces
// over the grid, Coulomb values at the surface point where cohesion or a uniform load
// acts there, the active diagram cut off at zero, and the passive diagram never below
// the effective vertical stress.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/problem.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

namespace {

using namespace wedge;

void SurfaceValues(int Side, int Method, int p0, int Ls) {
  const double fsa = FSActiveUsed(Side, Ls, Method);
  const double fsp = FSPassiveUsed(Side, Ls, Method);
  if (!(fsa > 0) || !(fsp > 0)) FailFactorOfSafety();
  const double beta =
      std::atan((WedgeSurfaceY(Side, 2) - WedgeSurfaceY(Side, 1)) / WedgeSurfaceX(Side, 2));
  // Wall friction is taken as given here: unlike phi and c it is not reduced.
  const double delta = LayerWallFriction(Side, Ls) * kDegToRad;
  const double phi = LayerPhi(Side, Ls) * kDegToRad;
  const double c = LayerCohesion(Side, Ls);
  // A uniform load that is not given carries nothing, whatever an earlier problem left.
  const double q = NumUniformLoads(Side) != 0 ? UniformLoad(Side) : 0;

  const double phiA = std::atan(std::tan(phi) / fsa);
  double betaA = beta;
  if (beta > 0 && beta > phiA) betaA = phiA;
  const double rA = std::sqrt(std::sin(delta + phiA) * std::sin(phiA - betaA) /
                              (std::cos(betaA) * std::cos(delta)));
  const double Ka = std::pow(std::cos(phiA) / (1 + rA), 2) / std::cos(delta);
  double active = Ka * q - 2 * c / fsa * std::sqrt(Ka);
  if (active < 0) active = 0;
  ActivePressure(Side, p0, 1) = active;

  const double phiP = std::atan(std::tan(phi) / fsp);
  double betaP = beta;
  if (beta < -phiP) betaP = -phiP;
  const double rP = std::sqrt(std::sin(delta + phiP) * std::sin(phiP + betaP) /
                              (std::cos(betaP) * std::cos(delta)));
  // At r = 1 the coefficient is infinite; beyond it the formula has no meaning.
  if (!(rP < 1)) FailSurfaceSlope();
  const double Kp = std::pow(std::cos(phiP) / (1 - rP), 2) / std::cos(delta);
  PassivePressure(Side, p0, 1) = 2 * c / fsp * std::sqrt(Kp) + Kp * q;
}

// Cuts the active diagram off at zero, inserting a grid point where a segment crosses
// it. Returns false when the grid is full (the insertion reported it).
bool CutOffActive(int Side, int p0) {
  const unsigned moved =
      kMoveNetWater | kMoveActive1 | kMovePassive1 | (Side == 2 ? kMoveSide2 : 0u);
  for (int i = p0; i + 1 <= NumGridPoints; ++i) {
    double a1 = ActivePressure(Side, i, 1);
    double a2 = ActivePressure(Side, i + 1, 2);
    const double noise1 = PressureNoise(SidePressureSize(Side, i, 1));
    if (std::fabs(a1) <= noise1) a1 = 0;
    if (std::fabs(a2) <= PressureNoise(SidePressureSize(Side, i + 1, 2))) a2 = 0;
    bool insert = false;
    if (a1 == 0) {
      if (a2 < 0) a2 = 0;
    } else if (a1 < 0) {
      if (!(a2 > 0)) {
        a1 = a2 = 0;
      } else {
        insert = true;
      }
    } else if (a2 < 0) {
      insert = true;
    }
    ActivePressure(Side, i, 1) = a1;
    ActivePressure(Side, i + 1, 2) = a2;
    if (!insert) continue;
    const double z0 = GridElev(i) + (GridElev(i) - GridElev(i + 1)) * a1 / (a2 - a1);
    if (!InsertGridPoint(i, z0, moved)) return false;
    ActivePressure(Side, i + 1, 1) = 0;
    ActivePressure(Side, i + 1, 2) = 0;
    if (a1 <= noise1) ActivePressure(Side, i, 1) = 0;
  }
  return true;
}

void PassiveFloor(int Side, int Method, int p0) {
  const int nl = NumSoilLayers(Side);
  const double s = 3 - 2 * Side;
  double sv = NumUniformLoads(Side) != 0 ? UniformLoad(Side) : 0;
  int L = 1;
  for (int i = p0 + 1; i <= NumGridPoints; ++i) {
    const double z = GridElev(i);
    // Never past the last layer: the seepage bottom may lie below its far bottom.
    while (L < nl && z < LayerBottomElev(Side, L)) ++L;
    double g = LayerMoistUnitWeight(Side, L);
    if (WaterDataType == "E" && z < WaterElev(Side)) {
      double u = WaterUnitWeight;
      if (!SeepageOption.empty() && (Side == 2 || z < SeepageElev) &&
          z > SeepageBottomElev(Method)) {
        u = (1 - s * SeepageGradient(Method)) * WaterUnitWeight;
      }
      g = LayerSatUnitWeight(Side, L) - u;
    }
    sv = sv + (GridElev(i - 1) - z) * g;
    for (int k = 1; k <= 2; ++k) {
      if (!(PassivePressure(Side, i, k) > sv)) PassivePressure(Side, i, k) = sv;
    }
  }
}

void SidePressures(int Side, int Method) {
  const int N0 = NumGridPoints;
  for (int p = 1; p <= N0; ++p) WedgeActiveForce(p, Side) = WedgePassiveForce(p, Side) = 0;
  ForceExtras extras;
  if (PressureMethod(Side) == "S") SweepForces(Side, Method, &extras);
  if (PressureMethod(Side) == "F") FixedForces(Side, Method, &extras);
  if (extras.onBoundary.empty()) extras.Reset(N0);

  const int N = NumGridPoints;
  const double zs = SurfaceElev(Side, 1);
  const int p0 = FirstGridPointWithin(zs);
  if (p0 == 0) return;

  for (int p = 1; p <= p0; ++p) {
    for (int k = 1; k <= 2; ++k) ActivePressure(Side, p, k) = PassivePressure(Side, p, k) = 0;
  }
  // The soil at the surface: a lower ground may lie beneath the bottoms of the upper
  // layers (the retained side's layers given for the whole height, then dredged), and
  // soil that is not there has no strength to give.
  int Ls = 1;
  while (Ls < NumSoilLayers(Side) && !(LayerBottomElev(Side, Ls) < zs - 0.0001)) ++Ls;
  if (LayerCohesion(Side, Ls) > PressureNoise(0) || NumUniformLoads(Side) != 0) SurfaceValues(Side, Method, p0, Ls);

  // The points of the pressure diagram: grid points within a hair of each other are one,
  // their force that of the first for the interval above and of the last for the
  // interval below (at a layer bottom, the wedges of the layer below).
  struct Node {
    int first, last;
    bool boundary;
    double z, faUp, faDown, fpUp, fpDown;
  };
  std::vector<Node> nodes;
  for (int p = p0; p <= N;) {
    int q = p;
    while (q + 1 <= N && GridElev(p) - GridElev(q + 1) <= kSameElevation) ++q;
    const auto e = static_cast<std::size_t>(q);
    // A point without any valid active trial carries no force. Forces of 0 or less are
    // kept as found: in cohesive soil they fall below zero down to twice the crack depth,
    // and only their differences, cut off at zero below, make the pressure.
    auto active = [&](int r) { return extras.noActive[static_cast<std::size_t>(r)] != 0 ? 0.0 : WedgeActiveForce(r, Side); };
    Node nd{p, q, extras.onBoundary[e] != 0, GridElev(p), active(p), active(q), WedgePassiveForce(p, Side),
            WedgePassiveForce(q, Side)};
    if (nd.boundary) {
      nd.faDown = extras.noActive[e] != 0 ? 0.0 : extras.activeBelow[e];
      nd.fpDown = extras.passiveBelow[e];
    }
    if (p == p0) nd.faUp = nd.faDown = nd.fpUp = nd.fpDown = 0;
    nodes.push_back(nd);
    p = q + 1;
  }
  const std::size_t n = nodes.size();
  if (n < 2) return;

  // Mean pressure of each interval, placed at its middle.
  std::vector<double> h(n - 1), a(n - 1), b(n - 1);
  for (std::size_t j = 0; j + 1 < n; ++j) {
    h[j] = nodes[j].z - nodes[j + 1].z;
    a[j] = (nodes[j + 1].faUp - nodes[j].faDown) / h[j];
    b[j] = (nodes[j + 1].fpUp - nodes[j].fpDown) / h[j];
  }
  // The means of two intervals carried on to the point at the end of the second (from
  // the middle of the interval i, past the one of j).
  auto carried = [&](const std::vector<double>& m, std::size_t i, std::size_t j) {
    return m[j] + (m[j] - m[i]) * h[j] / (h[i] + h[j]);
  };
  for (std::size_t j = 1; j < n; ++j) {
    double aUp, aDown, bUp, bDown;
    const bool lastPoint = j + 1 == n;
    if (!lastPoint && !nodes[j].boundary) {
      // Linear between the means of the intervals on either side.
      aUp = aDown = (h[j] * a[j - 1] + h[j - 1] * a[j]) / (h[j] + h[j - 1]);
      bUp = bDown = (h[j] * b[j - 1] + h[j - 1] * b[j]) / (h[j] + h[j - 1]);
    } else {
      // A layer bottom or the last point: each side from the means of its own layer.
      const bool twoAbove = j >= 2 && !nodes[j - 1].boundary;
      aUp = twoAbove ? carried(a, j - 2, j - 1) : a[j - 1];
      bUp = twoAbove ? carried(b, j - 2, j - 1) : b[j - 1];
      aDown = aUp, bDown = bUp;
      if (!lastPoint) {
        const bool twoBelow = j + 2 < n && !nodes[j + 1].boundary;
        aDown = twoBelow ? a[j] - (a[j + 1] - a[j]) * h[j] / (h[j] + h[j + 1]) : a[j];
        bDown = twoBelow ? b[j] - (b[j + 1] - b[j]) * h[j] / (h[j] + h[j + 1]) : b[j];
      }
    }
    const Node& nd = nodes[j];
    for (int p = nd.first; p <= nd.last; ++p) {
      const bool top = p == nd.first;
      ActivePressure(Side, p, 2) = top ? aUp : aDown;
      PassivePressure(Side, p, 2) = top ? bUp : bDown;
      // Just below the last point belongs to no segment; nothing stale is left there.
      ActivePressure(Side, p, 1) = p == N ? 0 : aDown;
      PassivePressure(Side, p, 1) = p == N ? 0 : bDown;
    }
  }
  // The surface point's fellows within a hair carry its values below it.
  for (int p = nodes[0].first + 1; p <= nodes[0].last; ++p) {
    for (int k = 1; k <= 2; ++k) {
      ActivePressure(Side, p, k) = ActivePressure(Side, p0, 1);
      PassivePressure(Side, p, k) = PassivePressure(Side, p0, 1);
    }
  }

  if (!CutOffActive(Side, p0)) return;
  PassiveFloor(Side, Method, p0);
}

}  // namespace

namespace wedge {

void NoteMisfit(int side, double computedTo, const Fault& misfit) {
  WedgeComputedToElev(side) = computedTo;
  WedgeMisfitText(side) = misfit.text;
}

void ClearMisfit(int side) {
  WedgeComputedToElev(side) = -std::numeric_limits<double>::infinity();
  WedgeMisfitText(side).clear();
}

}  // namespace wedge

double WedgePressuresComputedTo() { return std::max(WedgeComputedToElev(1), WedgeComputedToElev(2)); }

bool StopsAtUncomputedWedge(double elev) {
  const int side = WedgeComputedToElev(1) >= WedgeComputedToElev(2) ? 1 : 2;
  if (!(elev <= WedgeComputedToElev(side))) return false;
  // Where the wedges fit depends on the developed strengths, which turn the trial lines:
  // the same wall at another factor of safety may compute.
  wedge::Report(wedge::Fault{"INVALID WEDGE GEOMETRY", WedgeMisfitText(side), 0, FactorVerdict::NotComputable});
  return true;
}

void ComputeWedgePressures(int Side, int Method) {
  WedgeNoSolution(Method, Side) = 0;
  wedge::ClearMisfit(Side);
  // Wedges weighed with soil that has no weight (seepage in front, or soil lighter than
  // water) would carry a negative weight and still give pressures; a Coulomb side stops
  // there, and so does a wedge side, before any wedge is tried.
  if (StopsForWeightlessSoil(Side, Method) ||
      !wedge::Guarded([&] { SidePressures(Side, Method); })) {
    for (int p = 1; p <= NumGridPoints; ++p) {
      for (int k = 1; k <= 2; ++k) ActivePressure(Side, p, k) = PassivePressure(Side, p, k) = 0;
    }
  }
}
