// What the wedge procedures share among themselves: their constants, the calculation
// error that ends a wedge computation, the developed strengths of a layer, the slice
// weight that reports trouble by throwing, and the walks that clip a figure at a level.
#pragma once

#include <string>
#include <vector>

#include "pressures/factor_verdict.h"
#include "pressures/wedge_data.h"

namespace wedge {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kPiOver4 = 0.7853981633974485;
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kTwoDegrees = 0.0349065850398866;
// How far beyond the last ground point the figures run, as a level ground.
inline constexpr double kFarDistance = 200000;
// Two computed points this close (ft) are the same point.
inline constexpr double kSamePoint = 1e-6;
// Two grid elevations this close (ft) are one tip for the wedge forces, and a grid point
// this close to a layer bottom lies on it (the grid's own rule for its points).
inline constexpr double kSameElevation = 0.0001;

// A calculation error: the box it shows, after which AbortRun = 1.
struct Fault {
  std::string title;
  std::string text;
  int buttons = 0;
  FactorVerdict verdict = FactorVerdict::None;
  // A trial wedge that does not fit the soil figures (beyond the end of a figure, or a
  // line that does not reach the ground): it stops the forces of its tip and below, not
  // the side.
  bool misfit = false;
};

[[noreturn]] void FailNoGround();          // a fixed-surface line never leaves the ground
[[noreturn]] void FailFigureOverrun();     // a walk would pass a figure's last point
[[noreturn]] void FailSurfaceSlope();      // passive coefficient at the surface undefined
[[noreturn]] void FailFactorOfSafety();    // a factor of safety of 0 or less
[[noreturn]] void FailNoEquilibrium();     // a fixed-surface wedge whose wall force is undefined

// Shows the box and sets AbortRun = 1.
void Report(const Fault& fault);

// Runs body; a wedge that reaches past a soil figure becomes the fault that says so.
template <class Body>
void RunWedges(Body&& body) {
  try {
    body();
  } catch (const WedgeFigureOverrun&) {
    FailFigureOverrun();
  }
}

// Runs body; a calculation error inside it is reported. Returns false after an error.
template <class Body>
bool Guarded(Body&& body) {
  try {
    RunWedges(body);
  } catch (const Fault& fault) {
    Report(fault);
    return false;
  }
  return true;
}

// Runs the wedges of one tip; false when one of them does not fit the soil figures, its
// message then in `misfit`. Any other calculation error goes on to the caller.
template <class Body>
bool TipFits(Body&& body, Fault& misfit) {
  try {
    RunWedges(body);
  } catch (const Fault& fault) {
    if (!fault.misfit) throw;
    misfit = fault;
    return false;
  }
  return true;
}

// The side's forces are computed down to the grid elevation `computedTo` only, a wedge
// from below it having failed with `misfit` (WedgeComputedToElev, WedgeMisfitText).
void NoteMisfit(int side, double computedTo, const Fault& misfit);
// Every wedge of the side fits (as far as it was computed).
void ClearMisfit(int side);

// Value at z of the quadratic through three nodes.
double Quadratic(double z, double e1, double f1, double e2, double f2, double e3, double f3);

// Strength of a layer divided by a factor of safety.
struct Developed {
  double tanPhi = 0;    // tan(phi) / FS
  double phi = 0;       // atan of that, radians
  double cohesion = 0;  // c / FS
  double delta = 0;     // atan(tan(wall friction) / FS), radians
  double adhesion = 0;  // adhesion / FS
};
Developed DevelopedStrength(int side, int layer, double fs);

// The wall terms of a tip: along the wall from the ground surface down to the tip, the
// sums of length x developed wall friction angle and of length x developed adhesion.
struct WallTerms {
  double Ia = 0, Ip = 0;  // active and passive friction sums (ft x rad)
  double Aa = 0, Ap = 0;  // active and passive adhesion forces (lb per ft)
  void Add(int side, int layer, int method, double length);
};

// Slice equilibrium; s = +1 for the active force, -1 for the passive force. A slice
// whose failure-line piece rises at alpha from the horizontal carries weight plus
// surcharge W and the cohesion force C along the piece.
struct SliceFactors {
  double A, B;  // s tan(phi) sin(alpha) + cos(alpha), s tan(phi) cos(alpha) - sin(alpha)
};
SliceFactors Factors(double s, double tanPhi, double sinAlpha, double cosAlpha);
// Horizontal force of a slice that does not touch the wall.
double SliceForce(double s, const SliceFactors& f, double W, double C, double sinAlpha,
                  double cosAlpha);
// Force on the wall of the slice at the wall (along its wall friction angle), with D
// the denominator s sin(delta) B - cos(delta) A; the caller tests D for 0.
double WallDenominator(double s, const SliceFactors& f, double delta);
double WallForce(double s, const SliceFactors& f, double D, double W, double C, double Ad,
                 double sumF, double sinAlpha, double cosAlpha);

// The figures of a side with the ground running on level for `far` ft beyond its last
// point (BuildWedgeGeometry uses kFarDistance).
void BuildFigures(int side, double far);

// The stretch [from, to] of distances over which the bottom line of layer k is the top
// of layer k + 1 in the figures: from the wall, or from where a ground lying below it at
// the wall rises through it, to where it first meets the ground from above (or the far
// end). A boundary is crossed only there: where the line goes under the ground again
// farther out, the figures give that soil to the layer below. from = to = -1 when the
// line never lies under the ground.
void BoundaryRun(int side, int k, double& from, double& to);

// The layer k whose bottom (at the wall) the elevation z lies on, within
// kSameElevation, when that bottom lies under the ground zs of the side; else 0.
int BoundaryAt(int side, double z, double zs);

// What a force search hands the pressures besides the forces at the grid points
// (indexes 1-based, as the grid's). A wedge whose tip lies on a layer bottom has its
// slice at the wall in the layer above for the interval above the tip, and in the layer
// below for the interval below it (a slice of no size when the failure line leaves that
// layer at once): so the forces differenced over an interval come from wedges of the
// same make at both of its ends, however close the next point lies.
struct ForceExtras {
  std::vector<char> onBoundary;      // the point lies on a layer bottom
  std::vector<double> activeBelow;   // there: the forces for the interval below the point
  std::vector<double> passiveBelow;
  std::vector<char> noActive;        // sweep: no trial found an active force at the point
  void Reset(int n) {
    onBoundary.assign(static_cast<std::size_t>(n + 1), 0);
    activeBelow.assign(static_cast<std::size_t>(n + 1), 0.0);
    passiveBelow.assign(static_cast<std::size_t>(n + 1), 0.0);
    noActive.assign(static_cast<std::size_t>(n + 1), 0);
  }
};

// The internal searches; they report trouble by throwing Fault.
void FixedForces(int side, int method, ForceExtras* extras = nullptr);
void SweepForces(int side, int method, ForceExtras* extras = nullptr);

// Effective weight of a slice plus the surcharge on its top (lb per ft); throws Fault.
double SliceLoad(double refElev, double slope, int side, int method, double x1, double y1,
                 double x2, double y2, int layer);

// The walks that cut a source figure at the level E (water, seepage elevation, bottom
// of the seepage path). B is the bottom elevation of the layer at the wall; xe the
// distance at which the layer bottom reaches E.
void WalkBottomBelow(const WedgeFigure& src, double E, double B, WedgeFigure& out);
void WalkRisingBottom(const WedgeFigure& src, double E, double xe, double B, WedgeFigure& out);
void WalkFallingWaterLine(const WedgeFigure& src, double E, double xe, WedgeFigure& out);
// Stops once j >= stopAt.
void WalkFallingClosed(const WedgeFigure& src, double E, double xe, int stopAt, WedgeFigure& out);
void WalkLastLayer(const WedgeFigure& src, double E, WedgeFigure& out);

}  // namespace wedge
