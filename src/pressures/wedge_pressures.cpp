// Active and passive pressure diagrams of a wedge side: differences of the wedge forces
// over the grid, Coulomb values at the surface point where cohesion or a uniform load
// acts there, the active diagram cut off at zero, and the passive diagram never below
// the effective vertical stress.
#include <cmath>
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
    if (std::fabs(a1) <= 0.0001) a1 = 0;
    if (std::fabs(a2) <= 0.0001) a2 = 0;
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
    if (a1 <= 0.0001) ActivePressure(Side, i, 1) = 0;
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
  const bool sweep = PressureMethod(Side) == "S";
  std::vector<char> noActive;
  if (sweep) SweepForces(Side, Method, &noActive);
  if (PressureMethod(Side) == "F") FixedForces(Side, Method);

  const int N = NumGridPoints;
  const double zs = SurfaceElev(Side, 1);
  const int p0 = FirstGridPointWithin(zs);
  if (p0 == 0) return;

  std::vector<double> FA(static_cast<std::size_t>(N + 1)), FP(static_cast<std::size_t>(N + 1));
  for (int p = 1; p <= N; ++p) {
    FA[static_cast<std::size_t>(p)] = WedgeActiveForce(p, Side);
    FP[static_cast<std::size_t>(p)] = WedgePassiveForce(p, Side);
    // A point without any valid active trial carries no force. Forces of 0 or less are
    // kept as found: in cohesive soil they fall below zero down to twice the crack depth,
    // and only their differences, cut off at zero below, make the pressure.
    if (sweep && noActive[static_cast<std::size_t>(p)] != 0) FA[static_cast<std::size_t>(p)] = 0;
  }
  FA[static_cast<std::size_t>(p0)] = FP[static_cast<std::size_t>(p0)] = 0;

  for (int p = 1; p <= p0; ++p) {
    for (int k = 1; k <= 2; ++k) ActivePressure(Side, p, k) = PassivePressure(Side, p, k) = 0;
  }
  // The soil at the surface: a lower ground may lie beneath the bottoms of the upper
  // layers (the retained side's layers given for the whole height, then dredged), and
  // soil that is not there has no strength to give.
  int Ls = 1;
  while (Ls < NumSoilLayers(Side) && !(LayerBottomElev(Side, Ls) < zs - 0.0001)) ++Ls;
  if (LayerCohesion(Side, Ls) > 0.0001 || NumUniformLoads(Side) != 0) SurfaceValues(Side, Method, p0, Ls);

  // Mean pressure of each interval below the surface point, placed at its middle.
  auto h = [&](int i) { return GridElev(i) - GridElev(i + 1); };
  auto a = [&](int i) { return (FA[static_cast<std::size_t>(i + 1)] - FA[static_cast<std::size_t>(i)]) / h(i); };
  auto b = [&](int i) { return (FP[static_cast<std::size_t>(i + 1)] - FP[static_cast<std::size_t>(i)]) / h(i); };
  for (int i = p0 + 1; i <= N - 1; ++i) {
    const double va = (h(i) * a(i - 1) + h(i - 1) * a(i)) / (h(i) + h(i - 1));
    const double vb = (h(i) * b(i - 1) + h(i - 1) * b(i)) / (h(i) + h(i - 1));
    ActivePressure(Side, i, 1) = ActivePressure(Side, i, 2) = va;
    PassivePressure(Side, i, 1) = PassivePressure(Side, i, 2) = vb;
  }
  if (N - 1 >= p0) {
    if (N - 2 >= p0) {
      const double w = (h(N - 2) + 2 * h(N - 1)) / (h(N - 2) + h(N - 1));
      ActivePressure(Side, N, 2) = a(N - 2) + (a(N - 1) - a(N - 2)) * w;
      PassivePressure(Side, N, 2) = b(N - 2) + (b(N - 1) - b(N - 2)) * w;
    } else {
      ActivePressure(Side, N, 2) = a(N - 1);
      PassivePressure(Side, N, 2) = b(N - 1);
    }
    // Just below the last point belongs to no segment; nothing stale is left there.
    ActivePressure(Side, N, 1) = PassivePressure(Side, N, 1) = 0;
  }

  if (!CutOffActive(Side, p0)) return;
  PassiveFloor(Side, Method, p0);
}

}  // namespace

void ComputeWedgePressures(int Side, int Method) {
  WedgeNoSolution(Method, Side) = 0;
  if (!wedge::Guarded([&] { SidePressures(Side, Method); })) {
    for (int p = 1; p <= NumGridPoints; ++p) {
      for (int k = 1; k <= 2; ++k) ActivePressure(Side, p, k) = PassivePressure(Side, p, k) = 0;
    }
  }
}
