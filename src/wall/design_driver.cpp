// The design-mode driver: rotation check, the design routine of the wall type, the beam
// solution and result profiles per method, and the results file of each anchored method.
#include <cmath>

#include "model/problem_data.h"
#include "platform/services.h"
#include "pressures/factor_verdict.h"
#include "pressures/pressure_data.h"
#include "pressures/pressures.h"
#include "wall/wall.h"
#include "wall/wall_internal.h"

void ShowWallRotationFailure() {
  const bool cantilever = WallType == "C";
  platform::MsgBox("Conditions encountered where impending rotation" + NewLine + "of " +
                       (cantilever ? "CANTILEVER" : "ANCHORED") + " wall is " +
                       (cantilever ? "CLOCKWISE" : "COUNTERCLOCKWISE") + NewLine +
                       "or driving force of retained soil above left side surface is zero." +
                       NewLine + NewLine + "     Unable to continue.",
                   0, "IMPROPER WALL ROTATION");
  AbortRun = 1;
}

namespace {

// Nothing drives the wall at these strengths: the soil stands without it.
void RefuseRotation() {
  NoteFactorVerdict(FactorVerdict::NoWallNeeded);
  ShowWallRotationFailure();
}

}  // namespace

void CheckWallRotation() {
  if (WallType == "C") {
    NetMomentAbove = NetMomentAbove - (WallTopElev - GridElev(ZeroPressIndex)) * NetForceAbove;
    if (!(NetForceAbove > 0 && NetMomentAbove < 0)) RefuseRotation();
  } else {
    NetMomentAbove = NetMomentAbove - (WallTopElev - AnchorElev) * NetForceAbove;
    if (!(NetForceAbove > 0 && NetMomentAbove > 0)) RefuseRotation();
  }
}

void FindAnchorIndex(int& AnchorIndex) {
  AnchorIndex = NumGridPoints + 1;
  for (int i = 1; i <= NumGridPoints; ++i) {
    if (std::fabs(GridElev(i) - AnchorElev) <= 0.0001) {
      AnchorIndex = i;
      return;
    }
  }
}

// The far points only close the diagrams tens of thousands of feet down; a tip found
// below the last regular grid point is an interpolation across that span, not a wall.
// Nor is a tip that reaches pressures the wedge method did not compute.
bool RefuseTipBelowTheGrid(int m) {
  if (RefuseUncomputedTip(m)) return true;
  int firstFar = 0;
  for (int p = 2; p <= NumGridPoints && firstFar == 0; ++p) {
    if (GridElev(p) == FarPointElev(1)) firstFar = p;
  }
  if (firstFar == 0 || !(TipElev(m) < GridElev(firstFar - 1) - 0.0001)) return false;
  if (WallType == "C") ShowNoCantileverSolution(firstFar - 1);
  else ShowNoAnchoredSolution(firstFar - 1);
  return true;
}

void RunDesign() {
  platform::BusyPointer busy;
  if (WallType == "C") {
    CheckWallRotation();
    if (AbortRun != 0) return;
    DesignCantileverWall();
    if (AbortRun != 0 || RefuseTipBelowTheGrid(1)) return;
    SolveWallBeam(0, TipIndex(1), 2, 1);
    if (AbortRun != 0) return;
    ExtractResultProfiles(1);
    if (AbortRun == 0) RequireBalancedProfile(1);
    return;
  }
  if (WallType != "A") return;

  CheckWallRotation();
  if (AbortRun != 0) return;
  int AnchorIndex = 0;
  FindAnchorIndex(AnchorIndex);
  if (AnchorIndex > NumGridPoints) {
    // The anchor is always a grid elevation; without it the beam would have no support.
    ShowWallRotationFailure();
    return;
  }
  DesignFreeEarthWall(AnchorIndex);
  if (AbortRun != 0 || RefuseTipBelowTheGrid(1)) return;
  SolveWallBeam(AnchorIndex, TipIndex(1), 1, 1);
  if (AbortRun != 0) return;
  ExtractResultProfiles(1);
  if (AbortRun != 0) return;
  RequireBalancedProfile(1);
  if (AbortRun != 0) return;
  WriteResultsFile(1);
  if (AbortRun != 0) return;

  DesignFixedEarthWall(AnchorIndex);
  if (AbortRun != 0 || RefuseTipBelowTheGrid(2)) return;
  SolveWallBeam(AnchorIndex, TipIndex(2), 2, 2);
  if (AbortRun != 0) return;
  ExtractResultProfiles(2);
  if (AbortRun != 0) return;
  RequireBalancedProfile(2);
  if (AbortRun != 0) return;
  WriteResultsFile(2);
}
