// Pieces of a problem set straight into the problem data, for the tests of the computing
// subsystems: a ground given by one point, a layer of strength soil.
#pragma once

#include "model/problem_data.h"

namespace support {

// A level ground given by its one point at the wall.
inline void LevelGround(int side, double elev) {
  NumSurfacePoints(side) = 1;
  SurfaceDist(side, 1) = 0;
  SurfaceElev(side, 1) = elev;
}

// A layer of strength soil: friction angle, wall friction and cohesion as given, no
// adhesion, a level bottom (its elevation is left to the caller).
inline void SandLayer(int side, int layer, double phi, double delta, double c, double moist,
                      double sat) {
  LayerPhi(side, layer) = phi;
  LayerWallFriction(side, layer) = delta;
  LayerCohesion(side, layer) = c;
  LayerAdhesion(side, layer) = 0;
  LayerMoistUnitWeight(side, layer) = moist;
  LayerSatUnitWeight(side, layer) = sat;
  LayerBottomSlope(side, layer) = 0;
}

}  // namespace support
