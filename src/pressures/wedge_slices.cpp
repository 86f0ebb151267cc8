// Limit equilibrium of the vertical slices of a trial wedge, and the wall friction and
// adhesion that act on the slice at the wall.
#include <cmath>

#include "model/problem.h"
#include "pressures/pressures.h"
#include "pressures/wedge_common.h"

namespace wedge {

void WallTerms::Add(int side, int layer, int method, double length) {
  const Developed a = DevelopedStrength(side, layer, FSActiveUsed(side, layer, method));
  const Developed p = DevelopedStrength(side, layer, FSPassiveUsed(side, layer, method));
  Ia += length * a.delta;
  Ip += length * p.delta;
  Aa += length * a.adhesion;
  Ap += length * p.adhesion;
}

SliceFactors Factors(double s, double tanPhi, double sinAlpha, double cosAlpha) {
  return {s * tanPhi * sinAlpha + cosAlpha, s * tanPhi * cosAlpha - sinAlpha};
}

double SliceForce(double s, const SliceFactors& f, double W, double C, double sinAlpha,
                  double cosAlpha) {
  return ((W - s * C * sinAlpha) * f.B + s * C * cosAlpha * f.A) / (-f.A);
}

double WallDenominator(double s, const SliceFactors& f, double delta) {
  return s * std::sin(delta) * f.B - std::cos(delta) * f.A;
}

double WallForce(double s, const SliceFactors& f, double D, double W, double C, double Ad,
                 double sumF, double sinAlpha, double cosAlpha) {
  return ((W - s * C * sinAlpha - s * Ad) * f.B - (sumF - s * C * cosAlpha) * f.A) / D;
}

int BoundaryAt(int side, double z, double zs) {
  for (int k = 1; k <= NumSoilLayers(side) - 1; ++k) {
    const double B = LayerBottomElev(side, k);
    if (std::fabs(z - B) <= kSameElevation && B < zs - kSameElevation) return k;
  }
  return 0;
}

}  // namespace wedge
