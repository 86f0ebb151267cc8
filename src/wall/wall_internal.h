// Shared steps of the design and analysis routines of this directory.
#pragma once

#include <string>

// One pressure pass for a method: grid, water, side 1 then side 2 (Coulomb, or the
// wedge method), net pressures. Wedge sides rebuild their seepage zones first when
// rebuildZones is set (the design's seepage passes); clearMarks empties each side's
// wedge marks before its pressures (the factor-of-safety trials). The caller tests
// AbortRun afterwards.
void RunWallPressurePass(int Method, bool rebuildZones, bool clearMarks);

// A value for a message line, as the design messages print it ("####0.00").
std::string FormatElev(double value);

// True when the number is usable in the design arithmetic.
bool IsUsable(double value);

// When a design's balance counts as reached: the force and moment sums (per ft of wall)
// at or below these are zero. A part of the largest net pressure of the problem, or of
// the loads the wall carries when that is less, so that the same wall with every unit
// weight, strength and load in other units designs to the same tip, and a wall that
// carries little closes its sums to as little; never below the rounding of the sums of
// the pressures down to the trial tip, which no search can close. A search that runs out
// of passes before it closes a sum that finely takes a trial within the coarse part of
// the largest pressure, as it always has, rather than give up on a wall.
struct BalanceTolerance {
  double force = 0;   // lb
  double moment = 0;  // lb-ft
  double coarseForce = 0, coarseMoment = 0;
  bool ForceClosed(double sum, double tip) const;
  bool MomentClosed(double sum, double tip) const;
  bool ForceRoughlyClosed(double sum) const;
  bool MomentRoughlyClosed(double sum) const;

 private:
  struct Rounding {
    double force, moment;
  };
  Rounding RoundingDownTo(double tip) const;
};
// For the pressures of the current pass (grid, net pressures, zero point).
BalanceTolerance DesignBalanceTolerance();

// The factor-of-safety search steers by trials closed only to the coarse part of the
// largest pressure, the path it has always taken; the trial it accepts must close as a
// design does. While one of these lives, analysis trials close as designs.
class AnalysisClosedAsDesign {
 public:
  AnalysisClosedAsDesign();
  ~AnalysisClosedAsDesign();
  AnalysisClosedAsDesign(const AnalysisClosedAsDesign&) = delete;
  AnalysisClosedAsDesign& operator=(const AnalysisClosedAsDesign&) = delete;

 private:
  bool previous_;
};

// The largest number of passes any refinement or interpolation may take.
inline constexpr int kMaxRefinementPasses = 200;

// Where the wedge method stopped computing a side's pressures (a trial wedge below that
// point does not fit the soil figures), a design or trial that reaches them is no wall:
// these show the "INVALID WEDGE GEOMETRY" box of that wedge, set AbortRun = 1 and return
// true for a tip of method m at or below the last point computed, and for a search that
// got down to grid point `reached` there.
bool RefuseUncomputedTip(int m);
bool RefuseUncomputedReach(int reached);

// The no-solution messages of the cantilever and the anchored design; AbortRun = 1. The
// anchored one names the grid point `reached`, the deepest one the search tried a tip at
// (the last but one of the grid when the search ran off its end), never a trial the
// interpolation put elsewhere. The cantilever one names `reached` too, but never a level
// below the grid's last regular point: a search that ran off the grid got no deeper.
void ShowNoCantileverSolution(int reached);
void ShowNoAnchoredSolution(int reached);

// A tie rod holds the wall back and cannot push it: a wall of method m whose anchor
// would have to push is no design, whatever the statics give. Shows the anchored
// design's rotation message, sets AbortRun = 1 and returns true for such a wall.
bool RefuseAnchorInCompression(int m);

// The driver's rotation message ("IMPROPER WALL ROTATION") for the wall type; AbortRun = 1.
void ShowWallRotationFailure();

// The seepage gradient and bottom of method m that follow a design tip: the gradient of
// the path from the seepage elevation down to the tip and up to the left water or
// ground, lowered to the limit; the limit itself when the tip leaves no path (at or above
// the middle of the seepage elevation and that level); never below 0. Without a positive
// gradient there is no flow to end anywhere, and the bottom is left as it was. Records
// the tip in SeepageTipElev(m).
void SetSeepageForTip(int m, double tip);
