// Wall design, analysis, beam solution, results files and reports, moment reduction.
// Results go to the program-wide variables of wall_data.h; failures are reported in a
// message box where they are found and set AbortRun.
#pragma once

#include <functional>

#include "wall/wall_data.h"

// ---- design driver and results files ----
void RunDesign();
// Converts NetMomentAbove to the moment about the zero-pressure point (WallType "C") or
// the anchor ("A"); shows the rotation message and sets AbortRun = 1 when the wall would
// turn the wrong way.
void CheckWallRotation();
// The first grid point within 0.0001 ft of AnchorElev; NumGridPoints + 1 when none.
void FindAnchorIndex(int& AnchorIndex);
void WriteResultsFile(int Method);
void ReadResultsFile(int Method);

// ---- cantilever design ----
void DesignCantileverWall();
void SumCantileverForces(const double& ForceAbove, const double& MomentAbove,
                         const int& StartIndex, const int& EndIndex, const double& PivotElev,
                         const double& PivotPressure, double& SumF, double& SumM);

// ---- anchored design (AnchorIndex may change in a seepage pass) ----
void DesignFreeEarthWall(int& AnchorIndex);
void DesignFixedEarthWall(int& AnchorIndex);

// ---- beam solution and result profiles ----
// ToeCode: 2 fixed toe, 1 pinned toe. AnchorIndex 0: no anchor.
void SolveWallBeam(int AnchorIndex, int TipNode, int ToeCode, int Method);
void ExtractResultProfiles(int Method);
// How far the result profile of a method misses its statics: between two rows the
// moment changes by the area of the shear diagram and the shear by that of the net
// pressure, and the wall bottom, whose moment (and shear, but by the fixed earth method)
// the profile sets to 0, closes it. Each miss is taken as a part of the largest moment
// or shear of the profile (momentPart, shearPart) and against its allowance (worst, the
// largest miss over its allowance); row is the upper row of that interval.
struct ProfileBalance {
  double momentPart = 0, shearPart = 0;
  double worst = 0;
  int row = 1;
  bool shear = false;
  // Sound profiles miss by far less than a part in 10000 of their largest moment (the
  // tips are found to a part in 1e7 of the loads the wall carries, or finer); a wall that
  // does not hold its pressures misses by a large part. A wall whose moments are tiny
  // beside the loads it retains (a cohesive soil that holds itself) is allowed a part in
  // 10000 of those loads instead.
  static constexpr double kLimit = 0.01;
  static constexpr double kLoadLimit = 1e-4;
  bool Holds() const { return worst <= 1; }
  // Within what the printed digits show: moments and shears to five figures.
  static constexpr double kPrintedPart = 5e-5;
  bool BalancesAsPrinted() const { return momentPart <= kPrintedPart && shearPart <= kPrintedPart; }
};
ProfileBalance CheckProfileBalance(int Method);
// The last check of a method's results, in designs and analyses alike: a profile that
// does not balance is no design, and no factor of safety of the wall either; it is
// refused with a message titled "UNBALANCED RESULTS"; AbortRun = 1.
void RequireBalancedProfile(int Method);

// ---- factor-of-safety search ----
void RunSafetyFactorAnalysis();

// ---- results report ----
void WriteResultsReport();

// ---- moment reduction ----
void InitRoweTables();
// ShowPileSections is the step that lets the user edit the pile sections between the
// classification and the report; without one the default sections are accepted.
void RunRoweMomentReduction(const std::function<void()>& ShowPileSections = {});
void ReportRoweReductionSand(double& H, double& Alpha, double& Beta, int& NumSections);
void ReportRoweReductionClay(double& H, double& Alpha, double& Beta, int& NumSections);
