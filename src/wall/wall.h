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
// trialBottom: a factor-of-safety trial of a wall whose bottom lies that low (ft). A
// wall that needs no embedment below the first point under the zero-pressure point, when
// that point lies more than 0.1 ft above the bottom, is then no refusal: its tip is put
// at that point without a message, and the search raises the factor.
void DesignCantileverWall(const double* trialBottom = nullptr);
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
