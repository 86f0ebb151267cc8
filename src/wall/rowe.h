// Rowe's moment reduction for anchored walls designed by the free earth method: the
// embedment soil is classified as sand or clay, every sheet pile section gets its
// flexibility number and moment ratio, and the report gains its reduction section.
#pragma once

// InitRoweTables, RunRoweMomentReduction and the two writers are declared in wall.h.
#include "wall/wall.h"

// What the pile sections step gives without a window: the default allowable stress and
// modulus accepted for the eight default sections, and no sections added.
void AcceptDefaultPileSections();

// ---- the curves, shared by the writers and the curves window ----

// RoweCurveAtAlpha from the sand table, interpolated linearly in alpha.
void SetRoweSandCurvesAtAlpha(double Alpha);
// Sand coefficients at log rho x from RoweCurveAtAlpha (x within -3.5 .. -1.5).
double RoweLooseCoefficient(double x);
double RoweDenseCoefficient(double x);

// Clay curve c (1..9) at stability number Sn (0.5 <= Sn <= 2.5).
double RoweClayCurveValue(int c, double Sn);
// The three curves at the wall's alpha, one per log rho node -3.1 / -2.6 / -2.0.
struct RoweClayNodes {
  double Q1 = 0, Q2 = 0, Q3 = 0;
};
RoweClayNodes RoweClayNodesAt(double Alpha, double Sn);
// The clay coefficient at log rho x (x within -3.1 .. -2.0).
double RoweClayCoefficient(const RoweClayNodes& q, double x);

// Effective vertical stress of the retained side at the level of the left surface at the
// wall (psf), from the grid left by the design.
double RoweOverburden();
// Average developed cohesion and adhesion of the left side from its surface to the
// free-earth tip (psf).
void RoweAverageStrength(double& Cohesion, double& Adhesion);
