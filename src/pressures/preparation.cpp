// The set-up of one solution: how each side's pressures are found, the seepage values,
// and the factors of safety in use per side, layer and method.
#include <limits>

#include "model/problem.h"
#include "platform/services.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

namespace {

// Stands for the least saturated unit weight of a side without layers: no bound.
constexpr double kNoLayerWeight = std::numeric_limits<double>::infinity();

void ChoosePressureMethods() {
  for (int side = 1; side <= 2; ++side) {
    PressureMethod(side) = "C";
    if (NumSurfacePoints(side) > 1) PressureMethod(side) = "W";
    if (SoilDataType(side) == "S") {
      for (int L = 1; L <= NumSoilLayers(side); ++L) {
        if (LayerAdhesion(side, L) > 0) PressureMethod(side) = "W";
        // The last layer has no bottom, so its slope does not matter.
        if (L < NumSoilLayers(side) && LayerBottomSlope(side, L) != 0) PressureMethod(side) = "W";
      }
    }
  }
}

// The wedge method weighs its slices with the layers' strengths; a side given by earth
// pressure coefficients has none, and would be solved as if its soil had K = 1.
bool RefuseWedgeWithoutStrengths() {
  for (int side = 1; side <= 2; ++side) {
    if (PressureMethod(side) != "W" || SoilDataType(side) == "S") continue;
    AbortRun = 1;
    platform::MsgBox("The wedge method for a ground surface of more than" + NewLine +
                         "     one point needs soil strengths, not coefficients." + NewLine +
                         NewLine + "UNABLE TO CONTINUE.",
                     0, "IMPROPER SOIL DATA");
    return true;
  }
  return false;
}

void SetFactorsOfSafety() {
  for (int side = 1; side <= 2; ++side) {
    for (int p = 1; p <= kMaxGridPoints; ++p) {
      WedgeMarkActive(side, p) = "";
      WedgeMarkPassive(side, p) = "";
    }
    // A value of 0 means none was given at that level.
    double fa = FSActive;
    if (SideFSActive(side) > 0) fa = SideFSActive(side);
    double fp = FSPassive;
    if (SideFSPassive(side) > 0) fp = SideFSPassive(side);
    for (int L = 1; L <= NumSoilLayers(side); ++L) {
      FSActiveUsed(side, L, 1) = fa;
      if (LayerFSActive(side, L) > 0) FSActiveUsed(side, L, 1) = LayerFSActive(side, L);
      FSPassiveUsed(side, L, 1) = fp;
      if (LayerFSPassive(side, L) > 0) FSPassiveUsed(side, L, 1) = LayerFSPassive(side, L);
      FSActiveUsed(side, L, 2) = FSActiveUsed(side, L, 1);
      FSPassiveUsed(side, L, 2) = FSPassiveUsed(side, L, 1);
    }
  }
}

}  // namespace

void PrepareSolution() {
  const double x = MinOf(WaterElev(2), SurfaceElev(2, 1));

  ChoosePressureMethods();
  for (int side = 1; side <= 2; ++side) wedge::ClearMisfit(side);
  if (RefuseWedgeWithoutStrengths()) return;
  if (WaterDataType != "E") SeepageOption = "";

  SeepageTipElev(1) = SeepageTipElev(2) = -std::numeric_limits<double>::infinity();
  if (!SeepageOption.empty()) {
    const double head = WaterElev(1) - WaterElev(2);
    if (RunMode == "D" && SeepageOption == "A") {
      SeepageGradient(1) = 0.0001;  // where the design's gradient search starts
    } else if (RunMode == "A" && SeepageOption == "A") {
      const double path = SeepageElev + x - 2 * WallBottomElev;
      if (!(path > 0)) {
        // A left water level below the wall bottom leaves no flow path to divide by.
        AbortRun = 1;
        platform::MsgBox("Seepage path length is zero or negative" + NewLine +
                             "     for the given wall bottom." + NewLine + NewLine +
                             "UNABLE TO CONTINUE.",
                         0, "IMPROPER SEEPAGE PATH");
        return;
      }
      SeepageGradient(1) = head / path;
    }
    SeepageGradient(2) = SeepageGradient(1);
    SeepageBottomElev(1) = (SeepageElev + x - head / SeepageGradient(1)) / 2;
    SeepageBottomElev(2) = SeepageBottomElev(1);
    // The flow runs down the right face and up the left face to x; a bottom above x
    // means a path shorter than the straight way down to x, which no water walk can
    // follow. The design's own gradients always stay below this.
    if (SeepageBottomElev(1) > x + 0.0001) {
      AbortRun = 1;
      if (SeepageOption == "G") {
        platform::MsgBox("Seepage gradient is too large for the path from" + NewLine +
                             "     the seepage elevation to the left side." + NewLine +
                             NewLine + "UNABLE TO CONTINUE.",
                         0, "IMPROPER SEEPAGE GRADIENT");
      } else {
        platform::MsgBox("Left-side water elevation lies below" + NewLine +
                             "     the given wall bottom." + NewLine + NewLine +
                             "UNABLE TO CONTINUE.",
                         0, "IMPROPER SEEPAGE PATH");
      }
      return;
    }
  }

  for (int side = 1; side <= 2; ++side) {
    NumNonUniformLoads(side) = 0;
    if (PressureMethod(side) == "W") {
      NumNonUniformLoads(side) = NumStripLoads(side) + NumLineLoads(side) + NumRampLoads(side) +
                                 NumTriangularLoads(side) + NumVariablePoints(side);
      BuildWedgeGeometry(side);
      if (!SeepageOption.empty()) BuildSeepageZoneGeometry(side, 1);
    }
  }

  BuildElevationGrid(1);
  ComputeWaterPressures(1);

  if (!SeepageOption.empty()) {
    const double l1 = 0.9999;
    double l2 = 0.9999;
    if (SeepageElev > x) l2 = (WaterElev(1) - WaterElev(2)) / (SeepageElev - x);
    // No starting bound: saturated unit weights of any size take part.
    double least = NumSoilLayers(2) >= 1 ? LayerSatUnitWeight(2, 1) : kNoLayerWeight;
    for (int L = 2; L <= NumSoilLayers(2); ++L) {
      if (LayerSatUnitWeight(2, L) < least) least = LayerSatUnitWeight(2, L);
    }
    const double l3 = least / WaterUnitWeight - 1;
    double limit = l1;
    if (l2 < limit) limit = l2;
    if (l3 < limit) limit = l3;
    SeepageGradientLimit = limit;
  }

  if (RunMode != "D") return;
  SetFactorsOfSafety();
}
