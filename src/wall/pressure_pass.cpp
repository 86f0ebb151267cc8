#include <algorithm>
#include <cmath>

#include "model/problem.h"
#include "platform/text.h"
#include "pressures/pressures.h"
#include "wall/wall_data.h"
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
  // An analysis needs the pressures down to the given bottom at every factor it tries.
  if (AbortRun == 0 && RunMode == "A") StopsAtUncomputedWedge(WallBottomElev);
}

bool RefuseUncomputedTip(int m) { return StopsAtUncomputedWedge(TipElev(m)); }

bool RefuseUncomputedReach(int reached) {
  return StopsAtUncomputedWedge(GridElev(std::min(reached, NumGridPoints)));
}

std::string FormatElev(double value) { return platform::text::Format(value, "####0.00"); }

namespace {

// A part in 1e7 of the wall's loads closes its results table within the five digits its
// moments are printed with, even where the anchor takes nearly all of the load and the
// moments are a thousandth of load times lever.
constexpr double kLoadPart = 1e-7;
// Sums of pressures keep a few parts in 1e16 of their terms as rounding; below a part
// in 1e12 of those terms no search can close them.
constexpr double kRoundingPart = 1e-12;

bool analysisClosedAsDesign = false;

}  // namespace

AnalysisClosedAsDesign::AnalysisClosedAsDesign() : previous_(analysisClosedAsDesign) {
  analysisClosedAsDesign = true;
}

AnalysisClosedAsDesign::~AnalysisClosedAsDesign() { analysisClosedAsDesign = previous_; }

BalanceTolerance DesignBalanceTolerance() {
  // The searches have long closed their sums to a part of the largest net pressure of the
  // problem (coarse), which is fine for a wall of ordinary loads. A wall whose retained
  // soil nearly holds itself carries little, and a deep passive pressure then left its
  // last interval above the tip open by tens of percent of its own moments; so the sums
  // also close to a part of the loads the wall carries: the net pressures and line loads
  // above the zero point, by their sizes (parts that push opposite ways do not hide each
  // other), and their moment over the height they act on.
  const int Z = ZeroPressIndex;
  double load = 0;
  for (int j = 2; j <= Z; ++j)
    load += (std::fabs(NetPressureA(j - 1, 1)) + std::fabs(NetPressureA(j, 2))) * (GridElev(j - 1) - GridElev(j)) / 2;
  for (int j = 1; j <= NumHorizLineLoads; ++j)
    if (HorizLineElev(j) > GridElev(Z)) load += std::fabs(HorizLineLoad(j));
  const double lever = std::max(0.0, WallTopElev - GridElev(Z));
  const double scale = NetPressureScale();
  BalanceTolerance t;
  t.coarseForce = scale * 1e-6;
  t.coarseMoment = scale * 1e-5;
  t.force = std::min(t.coarseForce, kLoadPart * load);
  t.moment = std::min(t.coarseMoment, kLoadPart * load * lever);
  // The factor-of-safety search steers by coarse trials, the path it has always taken,
  // and closes finely only the trial it would accept (AnalysisClosedAsDesign).
  if ((RunMode == "A" && !analysisClosedAsDesign) || !IsUsable(t.force) || !IsUsable(t.moment)) {
    t.force = t.coarseForce;
    t.moment = t.coarseMoment;
  }
  return t;
}

BalanceTolerance::Rounding BalanceTolerance::RoundingDownTo(double tip) const {
  // The terms summed: every net pressure from the wall top down to the interval that
  // holds the tip (for a cantilever the reversed diagram too, which gives its toe), over
  // the height of the wall, and the line loads.
  const bool reversed = WallType == "C";
  double pressure = 0;
  for (int p = 1; p <= NumGridPoints; ++p) {
    for (int k = 1; k <= 2; ++k) {
      pressure = std::max(pressure, std::fabs(NetPressureA(p, k)));
      if (reversed) pressure = std::max(pressure, std::fabs(NetPressureP(p, k)));
    }
    if (!(GridElev(p) > tip)) break;
  }
  double lines = 0;
  for (int j = 1; j <= NumHorizLineLoads; ++j) lines += std::fabs(HorizLineLoad(j));
  const double height = std::max(0.0, WallTopElev - tip);
  return {kRoundingPart * (pressure * height + lines), kRoundingPart * (pressure * height + lines) * height};
}

bool BalanceTolerance::ForceClosed(double sum, double tip) const {
  const double f = std::fabs(sum);
  return f <= force || f <= RoundingDownTo(tip).force;
}

bool BalanceTolerance::MomentClosed(double sum, double tip) const {
  const double m = std::fabs(sum);
  return m <= moment || m <= RoundingDownTo(tip).moment;
}

bool BalanceTolerance::ForceRoughlyClosed(double sum) const { return std::fabs(sum) <= coarseForce; }

bool BalanceTolerance::MomentRoughlyClosed(double sum) const { return std::fabs(sum) <= coarseMoment; }

bool IsUsable(double value) { return std::isfinite(value); }

void SetSeepageForTip(int m, double tip) {
  const double L = MinOf(WaterElev(2), SurfaceElev(2, 1));
  const double dH = WaterElev(1) - WaterElev(2);
  // As the path shortens the gradient grows without bound; a tip at or above the middle
  // of the seepage elevation and L leaves no path at all, which is the same limit, not a
  // gradient of the other sign.
  const double path = SeepageElev + L - 2 * tip;
  double g = dH / path;
  if (!(path > 0) || !(g <= SeepageGradientLimit)) g = SeepageGradientLimit;
  // A soil in front lighter than water puts the limit below 0: no flow can be let through
  // at all, and a gradient of the other sign would pull the water up the right face.
  if (!(g >= 0)) g = 0;
  SeepageGradient(m) = g;
  SeepageTipElev(m) = tip;
  if (g > 0) SeepageBottomElev(m) = (SeepageElev + L - dH / g) / 2;
}
