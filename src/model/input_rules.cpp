#include "model/input_rules.h"

#include "model/problem.h"

namespace input_rules {

namespace {

bool CountWithin(int n, int least, int most) { return n >= least && n <= most; }

}  // namespace

bool SurfacePointCountValid(int n) { return CountWithin(n, 1, kMaxSurfacePoints); }
bool SoilLayerCountValid(int n) { return CountWithin(n, 1, kMaxSoilLayers); }
bool WaterPressurePointCountValid(int n) { return CountWithin(n, 2, kMaxWaterPressurePoints); }
bool VerticalLoadCountValid(int n) { return CountWithin(n, 1, kMaxVerticalLoads); }
bool VariableLoadPointCountValid(int n) { return CountWithin(n, 2, kMaxVariableLoadPoints); }
bool HorizontalLineLoadCountValid(int n) { return CountWithin(n, 1, kMaxHorizLineLoads); }
bool HorizontalLoadPointCountValid(int n) { return CountWithin(n, 2, kMaxHorizDistPoints); }

// Written as the comparisons that hold, so a value that is not a number breaks the rule.
bool FactorOfSafetyValid(double fs) { return fs > 0; }
bool OptionalFactorOfSafetyValid(double fs) { return fs >= 0; }

bool AnchorNotAboveWallTop(double anchor, double wallTop) { return anchor <= wallTop; }
bool WallBottomBelow(double wallBottom, double above) { return wallBottom < above; }
bool WallStiffnessValid(double value) { return value > 0; }
bool WallBottomBelowSurfaces(double wallBottom, double rightSurface, double leftSurface) {
  return MinOf(rightSurface, leftSurface) > wallBottom;
}

bool DistanceValid(double d) { return d >= 0; }
bool SurfaceNotAboveWallTop(double elev, double wallTop) { return elev <= wallTop; }
bool DistanceIncreases(double d, double previous) { return d > previous; }
bool DistanceNotDecreasing(double d, double previous) { return d >= previous; }

bool UnitWeightValid(double w) { return w > 0; }
bool FrictionAngleValid(double phi) { return phi >= 0 && phi <= 45; }
bool CohesionValid(double c) { return c >= 0; }
bool SoilHasStrength(double phi, double c) { return !(phi == 0 && c == 0); }
bool WallFrictionValid(double delta, double phi) { return delta >= 0 && delta <= phi; }
bool AdhesionValid(double adhesion, double cohesion) { return adhesion >= 0 && adhesion <= cohesion; }
bool PressureCoefficientValid(double k) { return k >= 0; }
bool ElevationFalls(double elev, double previous) { return elev < previous; }

bool SeepageWaterLevelsValid(double rightWater, double leftWater) { return leftWater < rightWater; }
bool SeepageElevationValid(double seepage, double rightWater, double leftWater,
                           double rightSurface, double leftSurface) {
  return MinOf(leftWater, leftSurface) <= seepage && seepage <= MinOf(rightWater, rightSurface);
}
bool SeepageGradientValid(double gradient) { return gradient > 0; }

bool LoadPositive(double q) { return q > 0; }
bool LoadNotNegative(double q) { return q >= 0; }
bool TriangleHasWidth(double start, double peak, double end) { return !(start == peak && peak == end); }
bool HorizontalLoadNotAboveWallTop(double elev, double wallTop) { return elev <= wallTop; }

}  // namespace input_rules
