// Procedures of the soil and water pressure computation. Sides: 1 right (retained),
// 2 left. Methods: 1 cantilever or free earth, 2 fixed earth. Failures are reported in
// message boxes where they are found and set AbortRun; no procedure returns a failure.
#pragma once

#include <vector>

#include "pressures/pressure_data.h"

// ---- solution set-up ----
// Pressure method per side, seepage gradient, bottom and limit, the factors of safety
// in use (design), the wedge figures of wedge sides, and the grid and net water
// pressures for method 1.
void PrepareSolution();

// ---- elevation grid ----
// Two levels this close (ft) differ by the rounding of their arithmetic only (17.1 - 15
// is 2.1000000000000014): they are one level of the grid and of the Coulomb strata.
inline constexpr double kSameLevel = 1e-9;

void BuildElevationGrid(int Method);

// The arrays an inserted grid point moves besides GridElev and the wedge marks.
enum GridMove : unsigned {
  kMoveActive1 = 1u << 0,    // ActivePressure of side 1
  kMovePassive1 = 1u << 1,   // PassivePressure of side 1
  kMoveActive2 = 1u << 2,
  kMovePassive2 = 1u << 3,
  kMoveNetWater = 1u << 4,   // NetWaterPressure
  kMoveNetA = 1u << 5,       // NetPressureA (two-value form)
  kMoveNetP = 1u << 6,       // NetPressureP (two-value form)
};
inline constexpr unsigned kMoveSide1 = kMoveActive1 | kMovePassive1;
inline constexpr unsigned kMoveSide2 = kMoveActive2 | kMovePassive2;

// Inserts the elevation z0 as point i + 1, between points i and i + 1
// (GridElev(i) > z0 > GridElev(i + 1)). GridElev, the arrays named in `moved` and the
// wedge marks of both sides move down by one from point i + 1; NumGridPoints grows by
// one. Each moved diagram takes at the new point its segment's value at z0, both k
// equal; the new marks are "". Callers overwrite the new point where their rule differs.
// A grid already at 301 points is left untouched: the "TOO MANY ELEVATIONS" box is
// shown, AbortRun = 1, and false is returned.
bool InsertGridPoint(int i, double z0, unsigned moved);

// Index of the last regular grid point, the one just above the first far point
// (NumGridPoints - 2 unless a point was inserted below the far points).
int LastRegularGridPoint();

// First grid point from the top within 0.0001 ft of the elevation (strictly less than
// 0.0001 apart), or 0 when there is none; the search never passes NumGridPoints.
int FirstGridPointAt(double elev);
// First grid point from the top within 0.0001 ft of the elevation (inclusive), or 0.
int FirstGridPointWithin(double elev);
// Last grid point within 0.0001 ft of the elevation (inclusive), or 0 when none.
int LastGridPointAt(double elev);

// ---- water ----
void ComputeWaterPressures(int Method);

// ---- the soil along the wall face ----
// One stratum of a side's soil along the wall face, from `top` down to `bottom` (ft), in
// soil layer `layer`.
struct WallFaceStratum {
  double top = 0, bottom = 0;
  int layer = 0;
};
// The strata of the side for the seepage values of Method, from its ground surface at
// the wall down to the last grid point, cut at the layer bottoms, the side's water
// elevation, the seepage elevation (right side), the lower of the left water and ground
// and the seepage bottom; levels a rounding error apart are one. At most 20 boundaries.
std::vector<WallFaceStratum> WallFaceStrata(int Side, int Method);
struct StratumWeight {
  double weight = 0;     // effective unit weight, pcf
  bool seepage = false;  // the seepage gradient acts on it
};
// Moist above the side's water, submerged below it, and in the seepage zone corrected for
// the flow: heavier where it runs down the right face, lighter where it rises in front.
StratumWeight EffectiveUnitWeight(int Side, int Method, const WallFaceStratum& stratum);
// A weight of 0 or less ends the run with the "IMPROPER SOIL WEIGHT" box (AbortRun = 1)
// and true; except in a stratum wholly below the design tip that Method's seepage
// follows (SeepageTipElev), which carries nothing onto the wall and is taken as weight 0.
bool StopsForWantOfWeight(int Method, const WallFaceStratum& stratum, double& weight);
// The same rule for a wedge side, judged on the same strata at the wall face: true,
// after the box, when a stratum has no weight (the upward flow in front taking it, or a
// soil given lighter than water).
bool StopsForWeightlessSoil(int Side, int Method);

// ---- Coulomb pressures ----
void InitPassiveCoefficientTables();
void ComputeCoulombPressures(int Side, int Method);
void ComputeSoilCoefficients(int Side, int Method);

// ---- surcharges on a Coulomb side ----
void ComputeSurchargePressures(int Side);
void EvaluateSurchargeLoad(int Side, int FirstPoint, int Kind, int LoadIndex);

// ---- net pressures ----
void ComputeNetPressures();
// The problem's own pressure scale: the largest net pressure, either diagram, on the
// regular grid points (psf); 1 when every one is 0. Tolerances on forces and moments
// are taken relative to it, so that a problem given in other force units solves alike.
double NetPressureScale();
// Pressures no larger than this (psf) are rounding noise, taken as zero, where the
// values and terms compared at that point are at most `size` in magnitude: a part in
// 1e8 of it, with a floor far below any real pressure. Judged at the point itself, never
// against the largest pressure elsewhere, so that one heavy layer or load leaves every
// other pressure as it is, and the same problem in other force units makes the same
// cut-offs and zero points. Shears (lb) are judged by the same rule.
double PressureNoise(double size);
// Two pressures differ when they lie farther apart than the noise of the larger of
// them and of `size` (the terms they were made of).
bool PressuresDiffer(double a, double b, double size = 0);
// The size of a side's pressures at one value of a point: the larger of its active and
// passive pressure. The active pressure is a difference of terms no larger than that.
double SidePressureSize(int Side, int p, int k);
// The size of the terms of a net pressure at grid point p, both values (below the
// dredge line each is the mean of both): the pressures it is made of and itself, which
// holds the horizontal distributed load. NetPressureA (reversed false): the right side's
// active and the left side's passive pressure; NetPressureP (reversed true): the left
// side's active and the right side's passive pressure.
double NetPressureSize(int p, bool reversed);

// The initial pressure pass of a design solution for method 1, after PrepareSolution
// and the wedge-method choice: side 1 then side 2 by Coulomb coefficients or by the
// wedge method, the no-solution flags of row 1 copied to rows 2 and 3, then the net
// pressures. The caller tests AbortRun afterwards.
void ComputeInitialPressures();

// ---- soil pressure report section ----
void WriteSoilPressureReport();

// ---- wedge method ----
void BuildWedgeGeometry(int Side);
void ComputeWedgeWeight(double& Weight, double RefElev, double Slope, int Side, int Method,
                        double X1, double Y1, double X2, double Y2, int Layer);
void BuildSeepageZoneGeometry(int Side, int Method);
// Total is added to, never cleared.
void SumWedgeSurcharge(double& Total, int Side, double X1, double X2);
void ComputeFixedWedgeForces(int Side, int Method);
void ComputeSweepWedgeForces(int Side, int Method);
void ComputeWedgePressures(int Side, int Method);

// The elevation of the last grid point whose pressures the wedge method computed on both
// sides (WedgeComputedToElev of the side that stopped higher); -infinity when every wedge
// fits down to the last regular point.
double WedgePressuresComputedTo();
// Whether a solution that reaches down to the elevation needs pressures the wedge method
// did not compute: a design tip there, or a search that got down there, uses the
// diagram below the last computed point (and the results report prints the grid point
// below the tip). If so, shows the "INVALID WEDGE GEOMETRY" box of the wedge that did
// not fit, sets AbortRun = 1 and returns true. The analysis takes it as a trial factor
// that could not be computed.
bool StopsAtUncomputedWedge(double elev);
