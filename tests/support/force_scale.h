// Every force quantity of the problem in memory times k: unit weights of soil and water,
// cohesion, adhesion, net water pressures, surcharges and horizontal loads. Lengths,
// angles, coefficients, factors of safety and the wall's E and I stay. The same wall in
// other force units: every tip and factor of safety must come out the same.
#pragma once

#include "model/problem_data.h"

namespace support {

inline void ScaleForceQuantities(double k) {
  for (int side = 1; side <= 2; ++side) {
    for (int l = 1; l <= 11; ++l) {
      LayerSatUnitWeight(side, l) *= k;
      LayerMoistUnitWeight(side, l) *= k;
      LayerCohesion(side, l) *= k;
      LayerAdhesion(side, l) *= k;
      StripLoad(side, l) *= k;
      TriPeakLoad(side, l) *= k;
      VarLoadValue(side, l) *= k;
    }
    for (int j = 1; j <= 5; ++j) LineLoad(side, j) *= k;
    UniformLoad(side) *= k;
    RampLoad(side) *= k;
  }
  WaterUnitWeight *= k;
  for (int p = 1; p <= 21; ++p) WaterPressValue(p) *= k;
  for (int j = 1; j <= 5; ++j) HorizLineLoad(j) *= k;
  for (int p = 1; p <= 11; ++p) HorizDistLoad(p) *= k;
}

}  // namespace support
