// Program-wide state of the soil and water pressure computation: the solution set-up
// (pressure method, factors of safety in use, seepage), the elevation grid with every
// depth-wise diagram on it, the net pressure resultant, the wedge marks, and the
// constant passive coefficient tables.
//
// Depth-wise diagrams hold two values per grid point, indexed (..., point, k):
//   k = 1 is the value just below the point (top of the segment beneath it),
//   k = 2 the value just above it (bottom of the segment above it).
// Between points i and i + 1 a diagram runs linearly from (i, 1) to (i + 1, 2); where
// the two values of a point differ the diagram jumps there.
//
// The wedge figures (ground polyline, layer, water-line, submerged and seepage-zone
// polygons) live in wedge_data.h.
#pragma once

#include <limits>
#include <string>

#include "model/problem_data.h"

// ---- solution set-up ----
inline platform::Array<std::string, 2> PressureMethod;      // per side: "C" Coulomb, "W" wedge, then "F" or "S"
inline platform::Array<double, 2, 11, 2> FSActiveUsed;      // (side, layer, method)
inline platform::Array<double, 2, 11, 2> FSPassiveUsed;     // (side, layer, method)
inline platform::Array<double, 2> SeepageBottomElev;        // per method; SeepageGradient is in problem_data.h
inline double SeepageGradientLimit = 0;
// Per method: the tip of the design trial whose automatic seepage the pressures follow
// (a design's seepage pass sets it); -infinity when no design tip governs the seepage,
// as before any solution.
inline platform::Array<double, 2> SeepageTipElev = [] {
  platform::Array<double, 2> noTip;
  noTip.fill(-std::numeric_limits<double>::infinity());
  return noTip;
}();
inline platform::Array<int, 2> NumNonUniformLoads;          // per side, wedge sides only

// ---- elevation grid ----
inline constexpr int kMaxGridPoints = 301;
inline platform::Array<double, 301> GridElev;               // strictly decreasing, ft
inline int NumGridPoints = 0;
// The two far points that carry the diagrams to great depth, recorded by elevation when
// the grid is built: a point inserted below them later (the seepage bottom) must never
// pass for a regular point.
inline platform::Array<double, 2> FarPointElev;

// ---- diagrams on the grid, psf ----
inline platform::Array<double, 2, 301, 2> ActivePressure;   // (side, point, k), horizontal
inline platform::Array<double, 2, 301, 2> PassivePressure;  // (side, point, k), horizontal
inline platform::Array<double, 301, 2> NetWaterPressure;    // (point, k), right minus left
// (point, k): right active - left passive + water (+ horizontal distributed load), and
// the reversed diagram. Between a wedge force search and ComputeNetPressures they hold
// the wedge forces instead, indexed (point, side).
inline platform::Array<double, 301, 2> NetPressureA;
inline platform::Array<double, 301, 2> NetPressureP;
inline platform::Array<double, 2, 301> SurchargePressure;   // (side, point), one value per point

// ---- zero point and resultant above it ----
inline int ZeroPressIndex = 0;
inline double NetForceAbove = 0;                  // lb per ft
inline double NetMomentAbove = 0;                 // lb-ft per ft, about the wall top

// ---- wedge marks: "*" where the sweep search found no extreme, else "" ----
inline platform::Array<int, 3, 2> WedgeNoSolution;          // (method row, side)
inline platform::Array<std::string, 2, 301> WedgeMarkActive;   // (side, point)
inline platform::Array<std::string, 2, 301> WedgeMarkPassive;  // (side, point)

// ---- wedges that do not fit the soil figures ----
// Per side: the elevation of the last grid point whose wedge forces were computed, where
// a trial wedge from the next point down reaches beyond the end of a soil figure or does
// not reach the ground. Below it the side's forces only carry on the trend of the points
// above, as they do at the far points; a solution that needs those points stops with the
// wedge's own message (WedgeMisfitText, the text of an "INVALID WEDGE GEOMETRY" box).
// -infinity where every wedge fits down to the last regular point, and on a Coulomb side.
inline platform::Array<double, 2> WedgeComputedToElev = [] {
  platform::Array<double, 2> everywhere;
  everywhere.fill(-std::numeric_limits<double>::infinity());
  return everywhere;
}();
inline platform::Array<std::string, 2> WedgeMisfitText;

