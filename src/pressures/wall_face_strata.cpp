// The soil of a side along the wall face, stratum by stratum, and the effective weight
// of each stratum under water and seepage. The Coulomb pressures build their stresses on
// these strata; the wedge method judges by the same strata whether seepage has left the
// soil in front without weight, so that both methods refuse the same soil.
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/problem.h"
#include "platform/services.h"
#include "pressures/pressures.h"

namespace {

// No more boundaries than the Coulomb coefficient arrays hold.
constexpr int kMaxBoundaries = 20;

}  // namespace

std::vector<WallFaceStratum> WallFaceStrata(int Side, int Method) {
  const double surface = SurfaceElev(Side, 1);
  const int nLayers = NumSoilLayers(Side);

  // Boundaries; those at or above the ground surface bound no soil on this side.
  std::vector<double> b;
  b.push_back(surface);
  auto below = [&](double e) {
    if (e < surface) b.push_back(e);
  };
  for (int L = 1; L <= nLayers - 1; ++L) below(LayerBottomElev(Side, L));
  below(GridElev(NumGridPoints));
  if (WaterDataType == "E") {
    if (!(WaterElev(Side) > surface)) below(WaterElev(Side));
    if (!SeepageOption.empty()) {
      if (Side == 1) below(SeepageElev);
      below(MinOf(WaterElev(2), SurfaceElev(2, 1)));
      below(SeepageBottomElev(Method));
    }
  }
  std::stable_sort(b.begin(), b.end(), [](double x, double y) { return x > y; });
  // A level found again by arithmetic (the bottom of an automatic seepage gradient, the
  // wall bottom) on a layer bottom is that bottom: strata a rounding error thick would
  // spread their coefficients over no depth.
  b.erase(std::unique(b.begin(), b.end(), [](double x, double y) { return std::fabs(x - y) <= kSameLevel; }), b.end());
  if (static_cast<int>(b.size()) > kMaxBoundaries) b.resize(kMaxBoundaries);

  // The first layer with soil below the surface: a lower ground surface may lie
  // beneath the bottoms of the upper layers (a left side given the right side's layers).
  int L = 1;
  while (L < nLayers && !(LayerBottomElev(Side, L) < surface - 0.0001)) ++L;

  std::vector<WallFaceStratum> strata;
  for (std::size_t m = 0; m + 1 < b.size(); ++m) {
    strata.push_back({b[m], b[m + 1], L});
    if (nLayers > 1 && L < nLayers && std::fabs(b[m + 1] - LayerBottomElev(Side, L)) < 0.0001) L = L + 1;
  }
  return strata;
}

StratumWeight EffectiveUnitWeight(int Side, int Method, const WallFaceStratum& stratum) {
  const int s = 3 - 2 * Side;
  const int L = stratum.layer;
  // The stratum's lower boundary decides whether it lies under water and in the flow.
  const double e = stratum.bottom;
  double gamma = LayerMoistUnitWeight(Side, L);
  double u = 0;
  bool seepage = false;
  if (WaterDataType == "E" && e < WaterElev(Side)) {
    gamma = LayerSatUnitWeight(Side, L);
    u = WaterUnitWeight;
    if (!SeepageOption.empty() && !(e < SeepageBottomElev(Method)) && (Side == 2 || e < SeepageElev)) {
      // Downward flow on the right side makes the soil heavier, upward flow on the left
      // side lighter.
      u = (1 - s * SeepageGradient(Method)) * WaterUnitWeight;
      seepage = true;
    }
  }
  return {gamma - u, seepage};
}

bool StopsForWantOfWeight(int Method, const WallFaceStratum& stratum, double& weight) {
  if (weight > 0) return false;
  // The automatic gradient may rise to its limit, where upward flow leaves the lightest
  // left layer no weight. Soil wholly below the tip of the design trial that the gradient
  // follows carries nothing onto the wall, so it adds no stress there and stops nothing;
  // above that tip the design cannot stand on it.
  if (stratum.top <= SeepageTipElev(Method)) {
    weight = 0;
    return false;
  }
  AbortRun = 1;
  platform::MsgBox("Seepage has resulted in negative or zero" + NewLine + "     effective unit weight of soil." +
                       NewLine + NewLine + "UNABLE TO CONTINUE.",
                   0, "IMPROPER SOIL WEIGHT");
  return true;
}

bool StopsForWeightlessSoil(int Side, int Method) {
  // Upward flow in front takes weight from soil; a soil given lighter than water has none
  // under it on either side, with or without flow.
  for (const WallFaceStratum& stratum : WallFaceStrata(Side, Method)) {
    StratumWeight w = EffectiveUnitWeight(Side, Method, stratum);
    if (StopsForWantOfWeight(Method, stratum, w.weight)) return true;
  }
  return false;
}
