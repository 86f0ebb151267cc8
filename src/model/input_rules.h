// The validity rules of the input data, one function per rule, named after what it
// checks. The reader refuses a file whose value breaks one; the entry windows refuse the
// same values, so what can be typed and what can be read never differ. The bounds of the
// counts are the arrays' own, in problem_data.h.
#pragma once

#include "model/problem_data.h"

namespace input_rules {

// ---- counts ----
bool SurfacePointCountValid(int n);            // 1 .. kMaxSurfacePoints
bool SoilLayerCountValid(int n);               // 1 .. kMaxSoilLayers
bool WaterPressurePointCountValid(int n);      // 2 .. kMaxWaterPressurePoints
bool VerticalLoadCountValid(int n);            // line, strip, triangular: 1 .. kMaxVerticalLoads
bool VariableLoadPointCountValid(int n);       // 2 .. kMaxVariableLoadPoints
bool HorizontalLineLoadCountValid(int n);      // 1 .. kMaxHorizLineLoads
bool HorizontalLoadPointCountValid(int n);     // 2 .. kMaxHorizDistPoints

// ---- factors of safety ----
bool FactorOfSafetyValid(double fs);           // the control line's: above 0
bool OptionalFactorOfSafetyValid(double fs);   // a side's or a layer's: 0 (none) or more

// ---- wall ----
bool AnchorNotAboveWallTop(double anchor, double wallTop);
// The wall bottom of an analysis below its top, and below the anchor of an anchored wall.
bool WallBottomBelow(double wallBottom, double above);
bool WallStiffnessValid(double value);         // modulus E and inertia I: above 0
// The wall bottom below both soil surfaces at the wall.
bool WallBottomBelowSurfaces(double wallBottom, double rightSurface, double leftSurface);

// ---- surfaces and distances ----
bool DistanceValid(double d);                  // a distance from the wall: 0 or more
bool SurfaceNotAboveWallTop(double elev, double wallTop);
bool DistanceIncreases(double d, double previous);       // strictly
bool DistanceNotDecreasing(double d, double previous);

// ---- soil ----
bool UnitWeightValid(double w);                // soil and water: above 0
bool FrictionAngleValid(double phi);           // 0 .. 45 degrees
bool CohesionValid(double c);                  // 0 or more
bool SoilHasStrength(double phi, double c);    // not both 0
bool WallFrictionValid(double delta, double phi);        // 0 .. phi
bool AdhesionValid(double adhesion, double cohesion);    // 0 .. c
bool PressureCoefficientValid(double k);       // Ka, Kp: 0 or more
// Layer bottoms, water pressure points and horizontal load points fall strictly.
bool ElevationFalls(double elev, double previous);

// ---- water ----
// Seepage needs the water on the right above the water on the left.
bool SeepageWaterLevelsValid(double rightWater, double leftWater);
// The seepage elevation between the lower of the left water and surface and the lower of
// the right water and surface.
bool SeepageElevationValid(double seepage, double rightWater, double leftWater,
                           double rightSurface, double leftSurface);
bool SeepageGradientValid(double gradient);    // above 0

// ---- surcharges ----
bool LoadPositive(double q);                   // above 0
bool LoadNotNegative(double q);                // 0 or more
// A triangle with its three distances all equal has no width.
bool TriangleHasWidth(double start, double peak, double end);
bool HorizontalLoadNotAboveWallTop(double elev, double wallTop);

}  // namespace input_rules
