// The moment reduction run: classification of the embedment soil, the wall's ratios, the
// pile sections step, and the clay overburden and strength the clay writer needs.
#include <cmath>

#include "model/problem_data.h"
#include "pressures/pressure_data.h"
#include "wall/rowe.h"

namespace {

// Walks the left-side layers from layer 1 down to the one that reaches the free-earth tip
// (or the last layer); false as soon as one layer fails the test.
template <class Test>
bool EveryEmbedmentLayer(Test passes) {
  const int last = NumSoilLayers(2);
  for (int k = 1; k <= last; ++k) {
    if (!passes(k)) return false;
    if (LayerBottomElev(2, k) <= TipElev(1)) break;
  }
  return true;
}

}  // namespace

void AcceptDefaultPileSections() {
  for (int k = 1; k <= 8; ++k) {
    PileAllowStress(k) = 24000;
    PileEModulus(k) = 29000000;
  }
  NumPileSections = 8;
}

void RunRoweMomentReduction(const std::function<void()>& ShowPileSections) {
  RoweSoilType = 0;

  // A wall without bending moment has nothing to reduce (and no moment ratio to form).
  if (!(std::fabs(MaxMoment(1, 1)) > 0)) return;
  const double H = WallTopElev - TipElev(1);
  if (!(H > 0)) return;

  // Strength values of a side given by coefficients are leftovers of an earlier problem,
  // so only a strength soil is classified; a coefficient soil is neither sand nor clay.
  if (SoilDataType(2) == "S" && NumSoilLayers(2) >= 1) {
    if (LayerPhi(2, 1) > 0) {
      if (!EveryEmbedmentLayer([](int k) { return !(LayerCohesion(2, k) > 0); })) return;
      RoweSoilType = 1;
    }
    if (LayerCohesion(2, 1) > 0) {
      if (!EveryEmbedmentLayer([](int k) { return !(LayerPhi(2, k) > 0); })) return;
      RoweSoilType = 2;
    }
  }

  double Height = H;
  double Beta = (WallTopElev - AnchorElev) / H;
  RoweAlpha = (WallTopElev - SurfaceElev(2, 1)) / H;

  if (ShowPileSections)
    ShowPileSections();
  else
    AcceptDefaultPileSections();

  if (AbortRun != 0) return;
  if (RoweSoilType == 1) ReportRoweReductionSand(Height, RoweAlpha, Beta, NumPileSections);
  if (RoweSoilType == 2) ReportRoweReductionClay(Height, RoweAlpha, Beta, NumPileSections);
}

double RoweOverburden() {
  double sigma = NumUniformLoads(1) > 0 ? UniformLoad(1) : 0.0;
  const int lastLayer = NumSoilLayers(1);
  int L = 1;
  for (int p = 1; p <= NumGridPoints; ++p) {
    if (GridElev(p) > SurfaceElev(1, 1)) continue;
    // A layer bottom on the grid starts the next layer, and a layer whose bottom lies above
    // the point (above the right surface) is not there at all; the last layer has no bottom
    // to pass, so the index stays on it.
    while (L < lastLayer && LayerBottomElev(1, L) >= GridElev(p) - 0.0001) ++L;
    double unitWeight = LayerMoistUnitWeight(1, L);
    double waterWeight = 0;
    if (WaterDataType == "E" && GridElev(p) <= WaterElev(1)) {
      unitWeight = LayerSatUnitWeight(1, L);
      waterWeight = WaterUnitWeight;
      if (SeepageOption != "" && SeepageBottomElev(1) < GridElev(p) && GridElev(p) <= SeepageElev)
        waterWeight = (1 - SeepageGradient(1)) * WaterUnitWeight;
    }
    if (p == NumGridPoints || GridElev(p + 1) <= SurfaceElev(2, 1)) {
      sigma += (GridElev(p) - SurfaceElev(2, 1)) * (unitWeight - waterWeight);
      break;
    }
    sigma += (GridElev(p) - GridElev(p + 1)) * (unitWeight - waterWeight);
  }
  return sigma;
}

void RoweAverageStrength(double& Cohesion, double& Adhesion) {
  const int n = NumSoilLayers(2);
  const double depth = SurfaceElev(2, 1) - TipElev(1);
  if (n <= 1 || !(depth > 0)) {
    Cohesion = LayerCohesion(2, 1) / FSPassiveUsed(2, 1, 1);
    Adhesion = LayerAdhesion(2, 1);
    return;
  }
  double cSum = 0, aSum = 0;
  double top = SurfaceElev(2, 1);
  int L = 1;
  for (; L < n && LayerBottomElev(2, L) > TipElev(1); ++L) {
    // A layer whose bottom is at or above the left surface was dredged away in front of
    // the wall: it has no thickness in the embedment, never a negative one.
    const double bottom = LayerBottomElev(2, L);
    if (bottom >= top) continue;
    cSum += (top - bottom) * LayerCohesion(2, L) / FSPassiveUsed(2, L, 1);
    aSum += (top - bottom) * LayerAdhesion(2, L);
    top = bottom;
  }
  cSum += (top - TipElev(1)) * LayerCohesion(2, L) / FSPassiveUsed(2, L, 1);
  aSum += (top - TipElev(1)) * LayerAdhesion(2, L);
  Cohesion = cSum / depth;
  Adhesion = aSum / depth;
}
