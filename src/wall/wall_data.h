// Wall design, analysis and moment reduction: the program-wide results every module
// shares. Per method m: 1 = cantilever wall or free earth method, 2 = fixed earth method.
// Indexes run from 1 with the bounds of the elevation grid (301 points).
#pragma once

#include <string>

#include "platform/array1.h"

// ---- results files ----
// Full path of each method's results file of the current solution (elements 1 and 2).
inline platform::Array<std::string, 3> ResultsFileNames;
inline int ResultsFileNum = 0;

// ---- design results, per method ----
inline platform::Array<double, 2> TipElev;       // ft
// Grid index of the tip while the design and beam routines run; after
// ExtractResultProfiles the number of result points of that method.
inline platform::Array<int, 2> TipIndex;
inline platform::Array<double, 2> ToePressure;   // psf, net pressure at the tip
inline platform::Array<double, 2> AnchorForce;   // lb per ft, positive when the anchor holds the wall back

// ---- result profiles: one method at a time (the last solved or read back) ----
inline platform::Array<double, 301> ResultElev;         // ft; a jump point appears twice
inline platform::Array<double, 301> ResultMoment;       // lb-ft per ft
inline platform::Array<double, 301> ResultShear;        // lb per ft
inline platform::Array<double, 301> ResultDeflection;   // design: lb-in^3 (scaled); analysis: in
inline platform::Array<double, 301> ResultNetPressure;  // psf

// ---- extremes, per method: (m, 1) value, (m, 2) elevation for the maxima;
//      (m, 1) largest, (m, 2) smallest for the ranges ----
inline platform::Array<double, 2, 2> MaxMoment;
inline platform::Array<double, 2, 2> MaxDeflection;
inline platform::Array<double, 2, 2> MomentRange;
inline platform::Array<double, 2, 2> ShearRange;
inline platform::Array<double, 2, 2> DeflectionRange;
inline platform::Array<double, 2, 2> NetPressureRange;

// ---- beam solution ----
// Per element: fixed-end loads, then end forces: (i, 1) force at the top node,
// (i, 2) moment at the top node, (i, 3) force at the bottom node, (i, 4) moment there.
inline platform::Array<double, 300, 4> BeamResults;
// Per node: (i, 1) deflection times EI, (i, 2) rotation times EI.
inline platform::Array<double, 301, 2> BeamDeflection;

// ---- moment reduction (sheet pile sections and Rowe's tables) ----
// NumPileSections and RoweSoilType live with the problem data (model/problem_data.h).
inline platform::Array<std::string, 13> PileSectionName;
inline platform::Array<double, 13, 2> PileSectionProps;  // (i, 1) S in^3/ft; (i, 2) I in^4/ft
inline platform::Array<double, 13> PileAllowStress;      // psi
inline platform::Array<double, 13> PileEModulus;         // psi
inline platform::Array<double, 13> PileLogRho;           // log10(H^4 / (E I))
inline platform::Array<double, 13> PileMomentRatio;      // allowable moment / free-earth maximum moment
inline platform::Array<double, 2, 3, 5> RoweSandTable;   // (LOOSE/DENSE, alpha 0.6/0.7/0.8, log rho node)
inline platform::Array<double, 9, 6> RoweClayTable;      // (curve, stability number node)
inline platform::Array<double, 2, 5> RoweCurveAtAlpha;   // (LOOSE/DENSE, log rho -3.5 .. -1.5)
inline double RoweAlpha = 0;
